#include "ui/CommandGuard.h"

#include "ui/Prompts.h"

#include <QApplication>

void ReportError(const QString& text) {
    prompts().Error(QApplication::activeWindow(), text);
}
