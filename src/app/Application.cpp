#include "app/Application.h"

#include "ui/CommandGuard.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

WellenwerkApplication::WellenwerkApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Wellenwerk"));
    setOrganizationName(QStringLiteral("Dorwinkel"));
    setApplicationVersion(QStringLiteral("2.5"));
}

bool WellenwerkApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunCommand([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void WellenwerkApplication::LoadGermanTranslations() {
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_de", "qtmultimedia_de"}) {
        auto* translator = new QTranslator(this);
        if (translator->load(QString::fromLatin1(name), dir))
            installTranslator(translator);
        else
            delete translator;
    }
}
