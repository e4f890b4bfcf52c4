#pragma once

#include <QDialog>
#include <functional>

class QButtonGroup;
class QLineEdit;

// Asks whether an entered name can be used; shows the reason and returns false if not.
using NameCheck = std::function<bool(QWidget* dialog, const QString& name)>;

// A dialog that asks for a signal's name: shown centred over the main window with the name
// field focused, and closed by OK only once the name passes its check.
class TSignalNameDialog : public QDialog {
    Q_OBJECT
public:
    TSignalNameDialog(QWidget* mainWindow, NameCheck check);

    QLineEdit* nameedit = nullptr;
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    // Name group at the top and OK/Cancel at `buttonsTop`, for a dialog `width` wide.
    void AddNameGroup(int width);
    void AddButtons(int width, int buttonsTop);

private:
    void FocusName();
    NameCheck check_;
};

// "Neues Signal": the name and the kind of a new signal. Keeps its values between uses.
class TNewSignalDlg : public TSignalNameDialog {
    Q_OBJECT
public:
    TNewSignalDlg(QWidget* mainWindow, NameCheck check);

    QButtonGroup* Typegroup; // item index = kind

    int Kind() const;
    void SetKind(int kind);
};

// "Signal einfügen": the name under which the copied signal is pasted.
class TNewSignalNameDlg : public TSignalNameDialog {
    Q_OBJECT
public:
    TNewSignalNameDlg(QWidget* mainWindow, NameCheck check);
};
