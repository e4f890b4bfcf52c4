// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/FormulaDlg.h"

#include "formula/MaxHarmonicEdit.h"
#include "formula/SumSign.h"
#include "ui/HelpSystem.h"
#include "ui/Prompts.h"
#include "ui/Translatable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <array>

namespace {

constexpr int ClientWidth = 504;
constexpr int ClientHeight = 354;

constexpr QRect NameBounds{8, 4, 236, 68};
constexpr QRect ColourBounds{252, 4, 244, 68};
constexpr QRect ConstantsBounds{8, 76, 488, 48};
constexpr QRect SeriesBounds{8, 128, 400, 44};
constexpr QRect MaxBounds{416, 128, 80, 44};
constexpr QRect FormulasBounds{8, 176, 488, 142};
constexpr int ButtonsTop = 323;

constexpr int EditHeight = 22;
// In "Bildungsgesetze" the three formula fields share one left edge, right of the sum signs.
constexpr int FormulaLeft = 58;
constexpr int FormulaWidth = 358;
constexpr int SumRowHeight = 44;

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& bounds,
                 Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(bounds);
    label->setAlignment(alignment);
    return label;
}

// The record holds at most 255 bytes of UTF-8: the text is cut to 255 characters, and
// further by whole characters where letters beyond ASCII make it longer than that.
std::string ShortText(const QString& text) {
    QString cut = text.left(static_cast<int>(MaxShortStringLength));
    std::string utf8 = cut.toStdString();
    while (utf8.size() > MaxShortStringLength) {
        cut.chop(1);
        utf8 = cut.toStdString();
    }
    return utf8;
}

} // namespace

TSignalFormulaDlg::TSignalFormulaDlg(QWidget* mainWindow, HelpSystem& help)
    : SignalEditorDialog(mainWindow, QStringLiteral("TSignalFormulaDlg"),
                         {ClientWidth, ClientHeight}),
      help_(help) {
    setFont(ArialPixels(11));

    // Created in tab order.
    AddNameGroup(NameBounds);
    AddColourGroup(ColourBounds);
    CreateConstantsGroup(ConstantsBounds);
    CreateSeriesGroups(SeriesBounds, MaxBounds);
    CreateFormulasGroup(FormulasBounds);
    AddButtons({ClientWidth - 246, ButtonsTop, 75, 25}, {ClientWidth - 164, ButtonsTop, 75, 25},
               {ClientWidth - 83, ButtonsTop, 75, 25});
    NameEdit()->setFocus();
}

QLineEdit* TSignalFormulaDlg::AddFormulaEdit(QWidget* group, const char* name,
                                             const QRect& bounds) {
    auto* edit = new QLineEdit(group);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(bounds);
    edit->setMaxLength(static_cast<int>(MaxShortStringLength));
    return edit;
}

void TSignalFormulaDlg::CreateConstantsGroup(const QRect& bounds) {
    auto* group = new QGroupBox(this);
    SetTranslated(group, "title", QT_TRANSLATE_NOOP("Wellenwerk", "Konstanten"));
    group->setObjectName(QStringLiteral("constgrp"));
    group->setGeometry(bounds);
    const char* labels[] = {"k =", "l =", "m =", nullptr};
    const char* names[] = {"kkedit", "kledit", "kmedit"};
    QLineEdit** edits[] = {&kkEdit_, &klEdit_, &kmEdit_};
    for (int i = 0; labels[i]; ++i) {
        const int left = 10 + 158 * i;
        AddLabel(group, QLatin1String(labels[i]), {left, 18, 20, EditHeight});
        *edits[i] = AddFormulaEdit(group, names[i], {left + 24, 18, 128, EditHeight});
    }
}

void TSignalFormulaDlg::CreateSeriesGroups(const QRect& seriesBounds, const QRect& maxBounds) {
    auto* ngrp = new QGroupBox(this);
    SetTranslated(ngrp, "title", QT_TRANSLATE_NOOP("Wellenwerk", "Reihenglieder"));
    ngrp->setObjectName(QStringLiteral("ngrp"));
    ngrp->setGeometry(seriesBounds);
    seriesButtons_ = new QButtonGroup(ngrp);
    const QString items[] = {QStringLiteral("n = 1, 2, 3, 4, ..."),
                             QStringLiteral("n = 1, 3, 5, 7, ..."),
                             QStringLiteral("n = 2, 4, 6, 8, ...")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(items[i], ngrp);
        radio->setObjectName(QStringLiteral("ngrp%1").arg(i));
        radio->setGeometry(10 + 128 * i, 18, 124, 20);
        seriesButtons_->addButton(radio, i);
    }

    auto* maxgrp = new QGroupBox(QStringLiteral("max"), this);
    maxgrp->setObjectName(QStringLiteral("maxgrp"));
    maxgrp->setGeometry(maxBounds);
    maxEdit_ = new MaxHarmonicEdit(maxgrp);
    maxEdit_->setObjectName(QStringLiteral("maxedit"));
    maxEdit_->setGeometry(10, 16, 60, EditHeight);
}

void TSignalFormulaDlg::CreateFormulasGroup(const QRect& bounds) {
    auto* group = new QGroupBox(this);
    SetTranslated(group, "title", QT_TRANSLATE_NOOP("Wellenwerk", "Bildungsgesetze"));
    group->setObjectName(QStringLiteral("formulagrp"));
    group->setGeometry(bounds);
    AddLabel(group, QStringLiteral("s(x) ="), {8, 18, FormulaLeft - 12, EditHeight});
    a0Edit_ = AddFormulaEdit(group, "a0edit", {FormulaLeft, 18, FormulaWidth, EditHeight});

    // "+ sum (n=1..max) an · cos(nx)" and the same with bn and sin(nx), one under the other.
    auto addSumRow = [&](int top, const char* sumName, const char* editName, const QString& tail) {
        AddLabel(group, QStringLiteral("+"), {8, top, 16, SumRowHeight}, Qt::AlignCenter);
        AddSumSign(group, QLatin1String(sumName), {24, top, 30, SumRowHeight});
        const int editTop = top + (SumRowHeight - EditHeight) / 2;
        QLineEdit* edit =
            AddFormulaEdit(group, editName, {FormulaLeft, editTop, FormulaWidth, EditHeight});
        AddLabel(group, tail, {FormulaLeft + FormulaWidth + 6, editTop, 60, EditHeight},
                 Qt::AlignLeft | Qt::AlignVCenter);
        return edit;
    };
    anEdit_ = addSumRow(44, "ansum", "anedit", QStringLiteral("· cos(nx)"));
    bnEdit_ = addSumRow(44 + SumRowHeight + 4, "bnsum", "bnedit", QStringLiteral("· sin(nx)"));
}

QLineEdit* TSignalFormulaDlg::EditOf(FormulaField field) const {
    const std::array<QLineEdit*, 6> edits{kkEdit_, klEdit_, kmEdit_, a0Edit_, anEdit_, bnEdit_};
    return edits[static_cast<std::size_t>(field)];
}

int TSignalFormulaDlg::SeriesIndex() const {
    return seriesButtons_->checkedId();
}

void TSignalFormulaDlg::SetSeriesIndex(int index) {
    SetCheckedIndex(seriesButtons_, index);
}

void TSignalFormulaDlg::FormActivate() {
    const tSignal& s = WorkSignal();
    ShowColourChoice(s.ColorIndex);
    kkEdit_->setText(QString::fromStdString(s.ConstK));
    klEdit_->setText(QString::fromStdString(s.ConstL));
    kmEdit_->setText(QString::fromStdString(s.ConstM));
    a0Edit_->setText(QString::fromStdString(s.FormulaA0));
    anEdit_->setText(QString::fromStdString(s.FormulaAn));
    bnEdit_->setText(QString::fromStdString(s.FormulaBn));
    maxEdit_->setValue(std::clamp(s.MaxHarmonic, 1, MaxHarmonicNumber));
    SetSeriesIndex(s.SeriesMode);
    VisBox()->setChecked(s.Visible);
    if (failedField_) {
        failedField_->setFocus();
        failedField_ = nullptr;
    }
}

bool TSignalFormulaDlg::OKBtnClick() {
    if (!NameIsAccepted()) return false;
    tSignal& s = WorkSignal();
    s.ConstK = ShortText(kkEdit_->text());
    s.ConstL = ShortText(klEdit_->text());
    s.ConstM = ShortText(kmEdit_->text());
    s.FormulaA0 = ShortText(a0Edit_->text());
    s.FormulaAn = ShortText(anEdit_->text());
    s.FormulaBn = ShortText(bnEdit_->text());
    s.MaxHarmonic = MaxHarmonicFromText(maxEdit_->text());
    maxEdit_->setValue(s.MaxHarmonic); // the field shows the number that is used
    // Nothing checked only follows a stored choice outside the three items; it stays.
    if (SeriesIndex() >= 0) s.SeriesMode = SeriesIndex();
    s.Visible = VisBox()->isChecked();
    return GenerateFromFormulas(s) == 0;
}

int TSignalFormulaDlg::GenerateFromFormulas(tSignal& signal) {
    const std::optional<FormulaError> error = ::GenerateFromFormulas(signal);
    if (!error) return 0;
    ReportFailure(*error);
    return 1;
}

void TSignalFormulaDlg::ReportFailure(const FormulaError& error) {
    QLineEdit* field = EditOf(error.field);
    // On a hidden window this makes the field the one that gets the focus when shown.
    field->setFocus();
    if (!isVisible()) failedField_ = field;
    prompts().Error(isVisible() ? this : parentWidget(), Translated(error.message));
}

void TSignalFormulaDlg::HelpBtnClick() {
    help_.ShowKeyword(QStringLiteral("Formula"));
}
