// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Translatable.h"

#include "text/NumberText.h"

#include <QAction>
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

namespace {

// The translators and the language live on the application object, so nothing of it is
// program-wide state of our own.
const char* const TranslatorName = "WellenwerkTranslator";
const char* const LanguageProperty = "wellenwerkLanguage";
const QByteArray BindingPrefix = QByteArrayLiteral("wellenwerkText_");

void Retranslate(QObject* object) {
    for (const QByteArray& name : object->dynamicPropertyNames()) {
        if (!name.startsWith(BindingPrefix)) continue;
        const QByteArray source = object->property(name.constData()).toByteArray();
        object->setProperty(name.mid(BindingPrefix.size()).constData(),
                            Translated(source.constData()));
    }
}

void RetranslateAll() {
    for (QWidget* widget : QApplication::allWidgets()) {
        Retranslate(widget);
        for (QAction* action : widget->findChildren<QAction*>(Qt::FindDirectChildrenOnly))
            Retranslate(action);
    }
}

void Install(const QString& name, const QString& dir) {
    auto* translator = new QTranslator(qApp);
    translator->setObjectName(QString::fromLatin1(TranslatorName));
    if (translator->load(name, dir))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QString Translated(const char* source) {
    return QCoreApplication::translate(TextContext, source);
}

QString Translated(const MessageText& message) {
    return QString::fromStdString(FillIn(Translated(message.source).toStdString(), message.args));
}

void SetTranslated(QObject* object, const char* property, const QByteArray& source) {
    object->setProperty((BindingPrefix + property).constData(), source);
    object->setProperty(property, Translated(source.constData()));
}

QByteArray TranslatedSource(const QObject* object, const char* property) {
    return object->property((BindingPrefix + property).constData()).toByteArray();
}

QString ShownNumber(const std::string& text) {
    return QString::fromStdString(WithDecimalSeparator(text, ShownDecimalPoint()));
}

char ShownDecimalPoint() {
    return CurrentLanguage() == English ? '.' : ',';
}

Language CurrentLanguage() {
    const QVariant language = qApp->property(LanguageProperty);
    return language.isValid() ? static_cast<Language>(language.toInt()) : German;
}

void ApplyLanguage(Language language) {
    if (qApp->property(LanguageProperty).isValid() && CurrentLanguage() == language) return;
    for (QTranslator* old : qApp->findChildren<QTranslator*>(QString::fromLatin1(TranslatorName))) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString suffix = language == English ? QStringLiteral("_en") : QStringLiteral("_de");
    // German is the language the texts are written in: it needs no translation of its own.
    if (language == English) Install(QStringLiteral("wellenwerk_en"), QStringLiteral(":/i18n"));
    Install(QStringLiteral("qtbase") + suffix, qtDir);
    Install(QStringLiteral("qtmultimedia") + suffix, qtDir);
    qApp->setProperty(LanguageProperty, static_cast<int>(language));
    RetranslateAll();
}
