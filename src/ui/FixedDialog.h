// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QFont>

class QButtonGroup;
class QLineEdit;
class QPushButton;

// "Arial" at a pixel size: the main window and the larger dialogs use 11 pixels, which keeps
// their controls within the fixed client areas.
QFont ArialPixels(int pixels);

// Checks the radio button of `index` in an exclusive group; an index outside the group's
// buttons (a stored value no item stands for) checks none.
void SetCheckedIndex(QButtonGroup* group, int index);

// The group "Bezeichnung" with the name field `nameedit` at `bounds` in `dialog`; the group
// takes `groupName` as its object name.
QLineEdit* AddNameGroup(QWidget* dialog, const QRect& bounds, const QString& groupName);
// Gives the name field the focus with its whole text selected, ready to be typed over.
void FocusName(QLineEdit* nameedit);

// The base of the program's modal dialogs: a fixed client size, a title bar with a close
// box only, an object name by which tests find it, and the same placement over the main
// window every time it is shown. It offers the standard OK, Cancel and Help buttons.
class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(QWidget* mainWindow, const QString& objectName, const QString& caption,
                QSize clientSize);

protected:
    // The buttons AddButtons made; those not asked for are null.
    struct StandardButtons {
        QPushButton* ok = nullptr;
        QPushButton* cancel = nullptr;
        QPushButton* help = nullptr;
    };

    // Runs each time the program shows the dialog, after it has been placed; not when the
    // window system merely shows it again (that must not throw away what the user typed).
    virtual void FormActivate() {}
    // Whether OK may close the dialog; a dialog that finds an error keeps itself open.
    virtual bool OKBtnClick() { return true; }
    virtual void HelpBtnClick() {}
    // Top left of the dialog's frame for the main window's frame and client height. By
    // default the client area is centred over the main window's frame.
    virtual QPoint Placement(const QRect& mainFrame, int mainClientHeight) const;

    // The standard buttons OKBtn, CancelBtn and HelpBtn in `parent` (the dialog itself if
    // null) at the given bounds; Cancel and Help only when their bounds are given. OK is the
    // default button.
    StandardButtons AddButtons(const QRect& ok, const QRect& cancel, const QRect& help = {},
                               QWidget* parent = nullptr);

    void showEvent(QShowEvent* event) override;

public:
    // Placed over the main window just before it appears, while the window system can still
    // put its frame exactly there.
    void setVisible(bool visible) override;

    // The dialog's frame size: the real one once the window system has framed the dialog,
    // before that the main window's frame margins around the client size.
    QSize FrameSize() const;

private:
    void PlaceOverMainWindow();
};
