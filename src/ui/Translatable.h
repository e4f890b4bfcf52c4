// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/AppSettings.h"
#include "text/MessageText.h"

#include <QByteArray>
#include <QString>
#include <string>

class QObject;

// Every text of the interface is written in German and marked where it stands with
// QT_TRANSLATE_NOOP("Wellenwerk", "..."), so that lupdate finds it; one context for the
// whole program, as a word means the same in every window.
inline constexpr char TextContext[] = "Wellenwerk";

// `source` in the language now spoken.
QString Translated(const char* source);
// A message of the core in the language now spoken, its arguments filled in.
QString Translated(const MessageText& message);

// Shows `source` in the property `property` ("text", "title", "windowTitle", "toolTip", ...)
// of `object`, now and again after every change of the language.
void SetTranslated(QObject* object, const char* property, const QByteArray& source);
// The source SetTranslated bound to `property` of `object`; empty when none is bound.
QByteArray TranslatedSource(const QObject* object, const char* property);

// A number as the core formats it (decimal comma) in the language's way: English writes a
// decimal point. Typed numbers accept both in either language; files never change.
QString ShownNumber(const std::string& text);
// The decimal separator of the language: ',' or '.'.
char ShownDecimalPoint();

// Speaks `language` from now on: installs the program's translation and Qt's own (standard
// buttons, file dialogs) in place of those before, and sets every bound text anew. Windows
// that compose texts of their own hear of it through a LanguageChange event.
void ApplyLanguage(Language language);
// The language last applied; German before any.
Language CurrentLanguage();
