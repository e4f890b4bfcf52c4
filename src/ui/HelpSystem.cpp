#include "ui/HelpSystem.h"

#include <QApplication>
#include <QTextBrowser>
#include <QUrl>

// The help pages are compiled into the ui library, whose resources must be registered
// explicitly because it is a static library.
static void RegisterHelpResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)registered;
}

HelpSystem::HelpSystem() {
    RegisterHelpResources();
}

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
        window_->setWindowTitle(QStringLiteral("Wellenwerk – Hilfe"));
        window_->setOpenLinks(true);
        window_->resize(640, 520);
    }
    // Help asked for from a modal dialog must be usable while that dialog waits: then the
    // help window is modal itself and returns to the dialog when it closes.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        modal && modal != window_ ? Qt::ApplicationModal : Qt::NonModal;
    if (window_->windowModality() != wanted) {
        window_->hide();
        window_->setWindowModality(wanted);
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
