// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/SignalOptionsDlg.h"

#include "editors/HarmonicsGrid.h"
#include "settings/AppSettings.h"
#include "ui/CommandGuard.h"
#include "ui/HelpSystem.h"
#include "ui/Prompts.h"
#include "ui/Translatable.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr QSize ClientSize{504, 396};
constexpr QRect NameGroupBounds{8, 4, 289, 68};
constexpr QRect ColourGroupBounds{305, 4, 191, 68};
constexpr QRect HarmonicsGroupBounds{8, 78, 400, 310};

// The buttons stand in a column right of the table.
QRect ButtonBounds(int index) {
    return {416, 86 + 31 * index, 80, 25};
}

// The grid: a header row and rows n = 0..128, all 16 pixels high; 13 rows show at once.
constexpr int RowHeight = 16;
constexpr QRect GridBounds{8, 18, 305, 14 * RowHeight + 4};
const QList<int> ColumnWidths{20, 60, 100, 100};
constexpr int FixedColumns = 2;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TSignalOptionsDlg::TSignalOptionsDlg(QWidget* mainWindow, const AppSettings& settings,
                                     HelpSystem& help)
    : SignalEditorDialog(mainWindow, QStringLiteral("TSignalOptionsDlg"), ClientSize),
      settings_(settings), help_(help) {
    setFont(ArialPixels(11));
    const StandardButtons buttons = AddButtons(ButtonBounds(0), ButtonBounds(1), ButtonBounds(2));
    AddNameGroup(NameGroupBounds);
    AddColourGroup(ColourGroupBounds);
    AddHarmonicsGroup(HarmonicsGroupBounds);

    QWidget* order[] = {buttons.ok, buttons.cancel, buttons.help, NameEdit(),
                        VisBox(),   hgrid_,         multEdit_,    multBtn_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TSignalOptionsDlg::AddHarmonicsGroup(const QRect& bounds) {
    auto* group = new QGroupBox(this);
    SetTranslated(group, "title", QT_TRANSLATE_NOOP("Wellenwerk", "Harmonische"));
    group->setObjectName(QStringLiteral("HarmonicsGroup"));
    group->setGeometry(bounds);

    hgrid_ = new HarmonicsGrid(group, HarmonicCount, ColumnWidths, FixedColumns, RowHeight);
    hgrid_->setObjectName(QStringLiteral("hgrid"));
    hgrid_->setGeometry(GridBounds);
    hgrid_->setHorizontalHeaderLabels({QStringLiteral("n"), QStringLiteral("fn [Hz]"), {}, {}});
    for (int n = 0; n < HarmonicCount; ++n)
        hgrid_->SetCellText(n, NumberColumn, QString::number(n));

    const int right = GridBounds.right() + 9;
    auto* factor = new QLabel(group);
    SetTranslated(factor, "text", QT_TRANSLATE_NOOP("Wellenwerk", "Faktor:"));
    factor->setObjectName(QStringLiteral("FactorLabel"));
    factor->setGeometry(right, GridBounds.top(), 70, 16);
    multEdit_ = new QLineEdit(QStringLiteral("1"), group);
    multEdit_->setObjectName(QStringLiteral("MultEdit"));
    multEdit_->setGeometry(right, GridBounds.top() + 18, 48, 21);
    multEdit_->installEventFilter(this);
    multBtn_ = new QToolButton(group);
    multBtn_->setObjectName(QStringLiteral("MultBtn"));
    multBtn_->setText(QStringLiteral("\u00d7"));
    SetTranslated(multBtn_, "toolTip", QT_TRANSLATE_NOOP("Wellenwerk", "Amplitude multiplizieren"));
    multBtn_->setGeometry(right + 50, GridBounds.top() + 18, 21, 21);
    multBtn_->setFocusPolicy(Qt::StrongFocus);
    connect(multBtn_, &QToolButton::clicked, this, Guarded([this] { MultBtnClick(); }));

    AddSumCaption(group, GridBounds.bottom() + 7);
}

void TSignalOptionsDlg::AddSumCaption(QWidget* group, int top) {
    // l1, a large sum sign with its limits above and below, and l2: s(x) = A0 + sum ... .
    constexpr int SumLeft = 86;
    constexpr int SumWidth = 24;
    auto label = [group](const char* name, const QString& text, const QRect& bounds,
                         Qt::Alignment align) {
        auto* l = new QLabel(text, group);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(bounds);
        l->setAlignment(align);
        return l;
    };
    label("MaxLabel", QStringLiteral("max"), {SumLeft - 6, top, SumWidth + 12, 12},
          Qt::AlignHCenter | Qt::AlignBottom)
        ->setFont(ArialPixels(10));
    label("SumLabel", QStringLiteral("\u03a3"), {SumLeft, top + 11, SumWidth, 28}, Qt::AlignCenter)
        ->setFont(ArialPixels(28));
    label("FromLabel", QStringLiteral("n=1"), {SumLeft - 6, top + 39, SumWidth + 12, 12},
          Qt::AlignHCenter | Qt::AlignTop)
        ->setFont(ArialPixels(10));
    l1_ = label("l1", {}, {0, top + 17, SumLeft - 2, 16}, Qt::AlignRight | Qt::AlignVCenter);
    l2_ = label("l2", {}, {SumLeft + SumWidth + 2, top + 17, 280, 16},
                Qt::AlignLeft | Qt::AlignVCenter);
}

void TSignalOptionsDlg::FormActivate() {
    // (Runs on every showing, so it also selects the colour square as each show must.)
    const tSignal& signal = WorkSignal();
    ShowColourChoice(signal.ColorIndex);
    VisBox()->setChecked(signal.Visible);
    const HarmonicsCaptions captions = HarmonicsCaptionsFor(mode_);
    hgrid_->setHorizontalHeaderLabels({QStringLiteral("n"), QStringLiteral("fn [Hz]"),
                                       FromUtf8(captions.firstHeader),
                                       FromUtf8(captions.secondHeader)});
    l1_->setText(FromUtf8(captions.l1));
    l2_->setText(FromUtf8(captions.l2));
    editAmplitude_ = signal.Amplitude;
    editPhase_ = signal.Phase;
    FillTable();
    FocusName(NameEdit());
}

void TSignalOptionsDlg::FillTable() {
    HarmonicsCells cells;
    ::FillTable(editAmplitude_, editPhase_, mode_, settings_.freq, cells);
    for (int n = 0; n < HarmonicCount; ++n)
        for (int c = 0; c < HarmonicsColumnCount; ++c)
            hgrid_->SetCellText(n, c, ShownNumber(cells[n][c]));
}

bool TSignalOptionsDlg::ReadTable() {
    WorkSignal().Visible = VisBox()->isChecked();
    hgrid_->CommitEditor();
    HarmonicsCells cells;
    for (int n = 0; n < HarmonicCount; ++n)
        for (int c = FirstValueColumn; c < HarmonicsColumnCount; ++c)
            cells[n][c] = hgrid_->CellText(n, c).toStdString();
    const std::optional<CellFault> fault = ::ReadTable(cells, mode_, editAmplitude_, editPhase_);
    if (fault) ShowCellFault(*fault);
    return !fault;
}

void TSignalOptionsDlg::ShowCellFault(const CellFault& fault) {
    prompts().Inform(this, Translated(CellFaultText(fault, mode_)));
    hgrid_->ShowCell(fault.n, fault.column);
}

bool TSignalOptionsDlg::OKBtnClick() {
    if (!NameIsAccepted() || !ReadTable()) return false;
    WorkSignal().Amplitude = editAmplitude_;
    WorkSignal().Phase = editPhase_;
    return true;
}

void TSignalOptionsDlg::MultBtnClick() {
    if (!ReadTable()) return;
    if (!MultiplyAmplitudes(multEdit_->text().toStdString(), editAmplitude_)) {
        prompts().Error(this, Translated(MultiplierErrorMessage));
        multEdit_->setFocus();
        return;
    }
    FillTable();
}

bool TSignalOptionsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched != multEdit_ || event->type() != QEvent::KeyPress)
        return SignalEditorDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    RunCommand([this] { MultBtnClick(); });
    return true;
}

void TSignalOptionsDlg::HelpBtnClick() {
    help_.ShowKeyword(QStringLiteral("Spectrum"));
}
