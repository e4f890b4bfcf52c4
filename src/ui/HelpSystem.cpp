// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HelpSystem.h"

#include "ui/Translatable.h"

#include <QApplication>
#include <QEvent>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QWindow>

namespace {

const QString HelpFolder = QStringLiteral("/help/");

// The German pages lie in help/, the English ones under the same names in help/en/.
QString Page(QStringView name, Language language) {
    QString page = QStringLiteral("qrc:") + HelpFolder;
    if (language == English) page += QStringLiteral("en/");
    return page.append(name);
}

// Keeps the reader's page when the language changes. The event arrives once the new
// language is in place, perhaps more than once: the page is only reloaded when it differs.
class HelpBrowser : public QTextBrowser {
protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) {
            const QUrl page = HelpSystem::InLanguage(source(), CurrentLanguage());
            if (page != source()) setSource(page);
        }
        QTextBrowser::changeEvent(event);
    }
};

} // namespace

HelpSystem::HelpSystem() = default;

HelpSystem::~HelpSystem() {
    CloseAll();
}

QString HelpSystem::PageForContext(int context, Language language) {
    switch (context) {
    case 1:
        return Page(u"inhalt.html", language);
    case 2:
        return Page(u"allgemeines.html", language);
    case 3:
        return Page(u"theorie.html", language);
    default:
        return {};
    }
}

QString HelpSystem::PageForKeyword(const QString& keyword, Language language) {
    if (keyword == QLatin1String("Spectrum")) return Page(u"spektrallinien.html", language);
    if (keyword == QLatin1String("Signalform")) return Page(u"signalform.html", language);
    if (keyword == QLatin1String("Formula")) return Page(u"formeln.html", language);
    return {};
}

QUrl HelpSystem::InLanguage(const QUrl& page, Language language) {
    if (page.scheme() != QLatin1String("qrc") || !page.path().startsWith(HelpFolder)) return page;
    QUrl result(Page(page.fileName(), language));
    result.setFragment(page.fragment());
    return result;
}

void HelpSystem::ShowContext(int context) {
    Show(PageForContext(context));
}

void HelpSystem::ShowKeyword(const QString& keyword) {
    Show(PageForKeyword(keyword));
}

void HelpSystem::Show(const QString& page) {
    if (!window_) {
        window_ = new HelpBrowser;
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
