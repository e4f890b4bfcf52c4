// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QString>

class QTextBrowser;

// The bundled German help pages, shown in one help window.
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

    // The page a request opens (a resource URL); empty for an unknown request.
    static QString PageForContext(int context);
    static QString PageForKeyword(const QString& keyword);

    QTextBrowser* Window() const;

private:
    void Show(const QString& page);
    QPointer<QTextBrowser> window_;
};
