// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/CommandGuard.h"

#include "ui/Prompts.h"

#include <QApplication>

void ReportError(const QString& text) {
    prompts().Error(QApplication::activeWindow(), text);
}
