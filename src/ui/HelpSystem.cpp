// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HelpSystem.h"

#include "ui/Translatable.h"

#include <QApplication>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QWindow>

HelpSystem::HelpSystem() = default;

HelpSystem::~HelpSystem() {
    CloseAll();
}

QString HelpSystem::PageForContext(int context) {
    switch (context) {
    case 1:
        return QStringLiteral("qrc:/help/inhalt.html");
    case 2:
        return QStringLiteral("qrc:/help/allgemeines.html");
    case 3:
        return QStringLiteral("qrc:/help/theorie.html");
    default:
        return {};
    }
}

QString HelpSystem::PageForKeyword(const QString& keyword) {
    if (keyword == QLatin1String("Spectrum"))
        return QStringLiteral("qrc:/help/spektrallinien.html");
    if (keyword == QLatin1String("Signalform")) return QStringLiteral("qrc:/help/signalform.html");
    if (keyword == QLatin1String("Formula")) return QStringLiteral("qrc:/help/formeln.html");
    return {};
}

void HelpSystem::ShowContext(int context) {
    Show(PageForContext(context));
}

void HelpSystem::ShowKeyword(const QString& keyword) {
    Show(PageForKeyword(keyword));
}

void HelpSystem::Show(const QString& page) {
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setObjectName(QStringLiteral("HelpWindow"));
        SetTranslated(window_, "windowTitle",
                      QT_TRANSLATE_NOOP("Wellenwerk", "Wellenwerk – Hilfe"));
        window_->setOpenLinks(true);
        window_->resize(640, 520);
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
            QObject::connect(new QShortcut(keys, window_), &QShortcut::activated, window_,
                             &QWidget::close);
    }
    // The help window is never modal: it is read beside the window that asked for it. A
    // modal dialog that asks would block it, unless the help window belongs to that dialog:
    // then both take input, and the dialog can be used while its help is read.
    QWidget* modal = QApplication::activeModalWidget();
    window_->winId(); // the window handle exists from here on
    QWindow* owner = modal && modal != window_ ? modal->windowHandle() : nullptr;
    QWindow* help = window_->windowHandle();
    if (help->transientParent() != owner) {
        // The window system learns of the new owner when the window is shown again.
        window_->hide();
        help->setTransientParent(owner);
    }
    window_->setSource(QUrl(page.isEmpty() ? PageForContext(1) : page));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpSystem::CloseAll() {
    if (window_) window_->close();
}

QTextBrowser* HelpSystem::Window() const {
    return window_;
}
