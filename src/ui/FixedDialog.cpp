// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FixedDialog.h"

#include "ui/Accessibility.h"

#include "ui/CommandGuard.h"
#include "ui/DialogPlacement.h"
#include "ui/Translatable.h"
#include "ui/ViewScale.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QShowEvent>

QFont ArialPixels(int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

void SetCheckedIndex(QButtonGroup* group, int index) {
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last checked button.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(true);
}

QLineEdit* AddNameGroup(QWidget* dialog, const QRect& bounds, const QString& groupName) {
    auto* group = new QGroupBox(dialog);
    SetTranslated(group, "title", QT_TRANSLATE_NOOP("Wellenwerk", "Bezeichnung"));
    group->setObjectName(groupName);
    group->setGeometry(bounds);
    auto* nameedit = new QLineEdit(group);
    nameedit->setObjectName(QStringLiteral("nameedit"));
    nameedit->setGeometry(10, 20, bounds.width() - 20, 22);
    return nameedit;
}

void FocusName(QLineEdit* nameedit) {
    nameedit->setFocus();
    nameedit->selectAll();
}

FixedDialog::FixedDialog(QWidget* mainWindow, const QString& objectName, const QString& caption,
                         QSize clientSize)
    : QDialog(mainWindow) {
    setObjectName(objectName);
    SetTranslated(this, "windowTitle", caption.toUtf8());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(clientSize);
}

FixedDialog::StandardButtons FixedDialog::AddButtons(const QRect& ok, const QRect& cancel,
                                                     const QRect& help, QWidget* parent) {
    QWidget* owner = parent ? parent : this;
    auto make = [owner](const char* name, const char* text, const QRect& bounds) {
        auto* button = new QPushButton(owner);
        SetTranslated(button, "text", text);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(bounds);
        return button;
    };
    StandardButtons buttons;
    buttons.ok = make("OKBtn", QT_TRANSLATE_NOOP("Wellenwerk", "OK"), ok);
    buttons.ok->setDefault(true); // Enter anywhere in the dialog means OK
    connect(buttons.ok, &QPushButton::clicked, this, Guarded([this] {
                if (OKBtnClick()) accept();
            }));
    if (cancel.isValid()) {
        buttons.cancel = make("CancelBtn", QT_TRANSLATE_NOOP("Wellenwerk", "Abbrechen"), cancel);
        connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    }
    if (help.isValid()) {
        buttons.help = make("HelpBtn", QT_TRANSLATE_NOOP("Wellenwerk", "Hilfe"), help);
        connect(buttons.help, &QPushButton::clicked, this, Guarded([this] { HelpBtnClick(); }));
    }
    return buttons;
}

QPoint FixedDialog::Placement(const QRect& mainFrame, int) const {
    return CentredDialogPosition(mainFrame, size());
}

void FixedDialog::PlaceOverMainWindow() {
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main) return;
    const auto* mainWindow = qobject_cast<const QMainWindow*>(main);
    const int clientHeight = mainWindow && mainWindow->centralWidget()
                                 ? mainWindow->centralWidget()->height()
                                 : main->height();
    move(Placement(main->frameGeometry(), clientHeight));
}

QSize FixedDialog::FrameSize() const {
    const QSize frame = frameGeometry().size();
    if (frame != size()) return frame;
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main) return frame;
    return size() + main->frameGeometry().size() - main->geometry().size();
}

void FixedDialog::setVisible(bool visible) {
    if (visible && !isVisible()) {
        FollowOwnerViewScale(this);
        PlaceOverMainWindow();
    }
    QDialog::setVisible(visible);
}

void FixedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    DescribeControls(*this);
    RunCommand([this] { FormActivate(); });
}
