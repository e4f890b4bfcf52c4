#pragma once

#include <QApplication>
#include <stdexcept>

// The program's QApplication. An exception that escapes any command is shown in a
// message box with its text, and the program goes on.
class WellenwerkApplication : public QApplication {
public:
    WellenwerkApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // German texts for Qt's own dialogs and buttons ("Ja", "Nein", "Abbrechen").
    void LoadGermanTranslations();
};

// A text that should have been a whole number; shown like the framework's conversion error.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text);
};

// Shows `what` as the general error message; used where an exception is caught.
void ReportException(const char* what);
