// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <stdexcept>

void PutOnClipboard(std::unique_ptr<QMimeData> data, QClipboard* clipboard) {
    if (!clipboard || !data) throw std::runtime_error("Cannot open clipboard");
    const QStringList formats = data->formats();
    clipboard->setMimeData(data.release()); // the clipboard owns it from now on
    const QMimeData* held = clipboard->mimeData();
    for (const QString& format : formats)
        if (!held || !held->hasFormat(format)) throw std::runtime_error("Cannot open clipboard");
}

void PutOnClipboard(std::unique_ptr<QMimeData> data) {
    PutOnClipboard(std::move(data), QGuiApplication::clipboard());
}
