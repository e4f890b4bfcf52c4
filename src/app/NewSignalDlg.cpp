// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/NewSignalDlg.h"

#include "signal/Signal.h"
#include "ui/Translatable.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

constexpr int DialogWidth = 290;

// OK and Cancel side by side in the middle of a row.
QRect OkBounds(int top) {
    return {DialogWidth / 2 - 84, top, 76, 25};
}
QRect CancelBounds(int top) {
    return {DialogWidth / 2 + 8, top, 76, 25};
}

} // namespace

SignalNameDialog::SignalNameDialog(QWidget* mainWindow, const QString& objectName,
                                   const QString& caption, QSize clientSize, NameCheck check)
    : FixedDialog(mainWindow, objectName, caption, clientSize), check_(std::move(check)) {
    nameEdit_ = AddNameGroup(this, {8, 6, DialogWidth - 16, 50}, QStringLiteral("NameGroup"));
    const int buttonsTop = clientSize.height() - 34;
    AddButtons(OkBounds(buttonsTop), CancelBounds(buttonsTop));
}

QString SignalNameDialog::SignalName() const {
    return nameEdit_->text();
}

void SignalNameDialog::FormActivate() {
    FocusName(nameEdit_);
}

bool SignalNameDialog::OKBtnClick() {
    if (check_ && !check_(this, nameEdit_->text())) {
        FocusName(nameEdit_);
        return false;
    }
    return true;
}

TNewSignalDlg::TNewSignalDlg(QWidget* mainWindow, NameCheck check)
    : SignalNameDialog(mainWindow, QStringLiteral("TNewSignalDlg"),
                       QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Neues Signal")),
                       {DialogWidth, 188}, std::move(check)) {
    auto* box = new QGroupBox(this);
    SetTranslated(box, "title", QT_TRANSLATE_NOOP("Wellenwerk", "Bildungstyp"));
    box->setObjectName(QStringLiteral("TypegroupBox"));
    box->setGeometry(8, 60, DialogWidth - 16, 86);
    typegroup_ = new QButtonGroup(this);
    typegroup_->setObjectName(QStringLiteral("Typegroup"));
    const char* const items[] = {QT_TRANSLATE_NOOP("Wellenwerk", "Spektallinien "),
                                 QT_TRANSLATE_NOOP("Wellenwerk", "Signalform (Fourieranalyse)"),
                                 QT_TRANSLATE_NOOP("Wellenwerk", "Formeln (Fourierreihe)")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(box);
        SetTranslated(radio, "text", items[i]);
        radio->setObjectName(QStringLiteral("Typegroup%1").arg(i));
        radio->setGeometry(10, 20 + 21 * i, DialogWidth - 40, 20);
        typegroup_->addButton(radio, i);
    }
    SetKind(SpectralLines);
}

int TNewSignalDlg::Kind() const {
    return typegroup_->checkedId();
}

void TNewSignalDlg::SetKind(int kind) {
    if (QAbstractButton* b = typegroup_->button(kind)) b->setChecked(true);
}

TNewSignalNameDlg::TNewSignalNameDlg(QWidget* mainWindow, NameCheck check)
    : SignalNameDialog(mainWindow, QStringLiteral("TNewSignalNameDlg"),
                       QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Signal einfügen")),
                       {DialogWidth, 100}, std::move(check)) {}
