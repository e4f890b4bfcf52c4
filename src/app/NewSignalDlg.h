#pragma once

#include <QDialog>
#include <functional>

class QButtonGroup;
class QLineEdit;

// Asks whether an entered name can be used; shows the reason and returns false if not.
using NameCheck = std::function<bool(QWidget* dialog, const QString& name)>;

// "Neues Signal": the name and the kind of a new signal. Keeps its values between uses.
class TNewSignalDlg : public QDialog {
    Q_OBJECT
public:
    TNewSignalDlg(QWidget* mainWindow, NameCheck check);

    QLineEdit* nameedit;
    QButtonGroup* Typegroup; // item index = kind

    int Kind() const;
    void SetKind(int kind);
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    NameCheck check_;
};

// "Signal einfügen": the name under which the copied signal is pasted.
class TNewSignalNameDlg : public QDialog {
    Q_OBJECT
public:
    TNewSignalNameDlg(QWidget* mainWindow, NameCheck check);

    QLineEdit* nameedit;
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    NameCheck check_;
};

// Places a dialog centred over the main window (frame of the main window, client size of
// the dialog), as every modal dialog of the program does when it is shown.
void CentreOverMainWindow(QDialog& dialog);
