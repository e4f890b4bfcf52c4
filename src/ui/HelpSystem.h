// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Translatable.h"

#include <QPointer>
#include <QString>

class QTextBrowser;
class QUrl;

// The bundled help pages, German and English, shown in one help window in the language
// now spoken; a change of the language shows the same page in the new one.
class HelpSystem {
public:
    HelpSystem();
    ~HelpSystem();
    HelpSystem(const HelpSystem&) = delete;
    HelpSystem& operator=(const HelpSystem&) = delete;

    // Context numbers: 1 contents, 2 general notes, 3 theory.
    void ShowContext(int context);
    // Keywords: "Spectrum", "Signalform", "Formula".
    void ShowKeyword(const QString& keyword);
    void CloseAll();

    // The page a request opens (a resource URL) in `language`; empty for an unknown request.
    static QString PageForContext(int context, Language language = CurrentLanguage());
    static QString PageForKeyword(const QString& keyword, Language language = CurrentLanguage());
    // `page` (a help page, perhaps with an anchor) in `language`; other addresses unchanged.
    static QUrl InLanguage(const QUrl& page, Language language);

    QTextBrowser* Window() const;

private:
    void Show(const QString& page);
    QPointer<QTextBrowser> window_;
};
