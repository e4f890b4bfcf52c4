// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OptionsDlg.h"

#include "settings/FrequencyText.h"
#include "settings/Settings.h"
#include "ui/HelpSystem.h"
#include "ui/Translatable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>

namespace {

constexpr int ClientWidth = 297;
constexpr int ClientHeight = 181;

// The page stack fills the area left of the buttons and above the tabs.
constexpr QRect NotebookBounds{0, 0, 216, 160};
constexpr QRect ButtonPanelBounds{216, 0, 81, 160};
constexpr QRect TabSetBounds{0, 160, ClientWidth, ClientHeight - 160};

// Every page holds its groups at the same inset, so switching tabs does not make them jump.
constexpr int PageInset = 4;
constexpr int GroupWidth = NotebookBounds.width() - 2 * PageInset;

// Check boxes for the partial waves: h0..h32, five to a row.
constexpr int HarmonicBoxCount = 33;
constexpr int HarmonicBoxesPerRow = 5;

// The tabs' titles; the blank after each gives the tab a little air.
const char* const TabTitles[] = {
    QT_TRANSLATE_NOOP("Wellenwerk", "Anzeige "),     QT_TRANSLATE_NOOP("Wellenwerk", "Skalen "),
    QT_TRANSLATE_NOOP("Wellenwerk", "Hintergrund "), QT_TRANSLATE_NOOP("Wellenwerk", "Frequenz "),
    QT_TRANSLATE_NOOP("Wellenwerk", "Sound "),
};

QString HarmonicBoxName(int n) {
    return QStringLiteral("h%1").arg(n);
}

} // namespace

// --- RadioGroup ------------------------------------------------------------------------

RadioGroup::RadioGroup(QWidget* parent, const QString& name, const char* title,
                       std::initializer_list<const char*> items, const QRect& geometry)
    : QGroupBox(parent), buttons_(new QButtonGroup(this)) {
    setObjectName(name);
    setGeometry(geometry);
    SetTranslated(this, "title", title);
    int i = 0;
    for (const char* item : items) {
        auto* button = new QRadioButton(this);
        SetTranslated(button, "text", item);
        button->setObjectName(name + QString::number(i));
        button->setGeometry(10, 18 + 20 * i, geometry.width() - 20, 18);
        buttons_->addButton(button, i++);
    }
}

int RadioGroup::ItemIndex() const {
    return buttons_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    SetCheckedIndex(buttons_, index);
}

// --- the dialog ------------------------------------------------------------------------

Toptionsdlg::Toptionsdlg(QWidget* mainWindow, Settings& settings, HelpSystem& help)
    : FixedDialog(mainWindow, QStringLiteral("Toptionsdlg"),
                  QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Einstellungen")),
                  {ClientWidth, ClientHeight}),
      settings_(settings), help_(help) {
    // A small font keeps five tabs and five check boxes a row inside the fixed client area.
    setFont(ArialPixels(11));

    CreatePages();
    CreateButtons();
    CreateTabs();
}

void Toptionsdlg::CreatePages() {
    notebook_ = new QStackedWidget(this);
    notebook_->setObjectName(QStringLiteral("Notebook"));
    notebook_->setGeometry(NotebookBounds);
    auto addPage = [this](const QString& name) {
        auto* page = new QWidget;
        page->setObjectName(name);
        notebook_->addWidget(page);
        return page;
    };

    // Page 0: which partial waves of the selected signal the line diagram draws.
    QWidget* display = addPage(QStringLiteral("Anzeige"));
    auto* harmonics = new QGroupBox(display);
    SetTranslated(harmonics, "title", QT_TRANSLATE_NOOP("Wellenwerk", "Harmonische"));
    harmonics->setObjectName(QStringLiteral("Harmonische"));
    harmonics->setGeometry(PageInset, PageInset, GroupWidth, 152);
    for (int n = 0; n < HarmonicBoxCount; ++n) {
        auto* box = new QCheckBox(QString::number(n), harmonics);
        box->setObjectName(HarmonicBoxName(n));
        const int column = n % HarmonicBoxesPerRow;
        const int row = n / HarmonicBoxesPerRow;
        box->setGeometry(10 + 39 * column, 18 + 19 * row, 38, 17);
    }

    // Page 1: the axis kinds of the spectra and of the line diagram.
    QWidget* scales = addPage(QStringLiteral("Skalen"));
    sgrp_ =
        new RadioGroup(scales, QStringLiteral("Sgrp"), QT_TRANSLATE_NOOP("Wellenwerk", "Spektrum"),
                       {QT_TRANSLATE_NOOP("Wellenwerk", "Harmonische"),
                        QT_TRANSLATE_NOOP("Wellenwerk", "Frequenz")},
                       {PageInset, PageInset, GroupWidth, 64});
    lgrp_ = new RadioGroup(
        scales, QStringLiteral("Lgrp"), QT_TRANSLATE_NOOP("Wellenwerk", "Liniendiagramm"),
        {QT_TRANSLATE_NOOP("Wellenwerk", "Winkel"), QT_TRANSLATE_NOOP("Wellenwerk", "Zeit")},
        {PageInset, 76, GroupWidth, 64});
    stuetzBox_ = new QCheckBox(scales);
    SetTranslated(stuetzBox_, "text",
                  QT_TRANSLATE_NOOP("Wellenwerk", "Stützstellen im Liniendiagramm"));
    stuetzBox_->setObjectName(QStringLiteral("StuetzBox"));
    stuetzBox_->setGeometry(PageInset + 6, 141, GroupWidth - 6, 17);

    // Page 2: background colour of the spectra and the line diagram.
    QWidget* background = addPage(QStringLiteral("Hintergrund"));
    bgrp_ = new RadioGroup(
        background, QStringLiteral("bgrp"), QT_TRANSLATE_NOOP("Wellenwerk", "Hintergrundfarbe"),
        {QT_TRANSLATE_NOOP("Wellenwerk", "grau"), QT_TRANSLATE_NOOP("Wellenwerk", "weiß"),
         QT_TRANSLATE_NOOP("Wellenwerk", "schwarz")},
        {PageInset, PageInset, GroupWidth, 84});
    // The language of the interface shares the page: the dialog has no room for a sixth tab.
    // Each language is named in its own words, so that a user lost in the other one finds it.
    spracheGrp_ = new RadioGroup(background, QStringLiteral("spracheGrp"),
                                 QT_TRANSLATE_NOOP("Wellenwerk", "Sprache"), {"Deutsch", "English"},
                                 {PageInset, 94, GroupWidth, 64});

    // Page 3: the fundamental frequency.
    QWidget* frequency = addPage(QStringLiteral("Frequenz"));
    auto* foGroup = new QGroupBox(frequency);
    SetTranslated(foGroup, "title", QT_TRANSLATE_NOOP("Wellenwerk", "Frequenz fo (Hz)"));
    foGroup->setObjectName(QStringLiteral("fogrp"));
    foGroup->setGeometry(PageInset, PageInset, GroupWidth, 76);
    auto* range = new QLabel(QStringLiteral("0.1..25000"), foGroup);
    range->setObjectName(QStringLiteral("frangelabel"));
    range->setGeometry(12, 20, 120, 16);
    fEdit_ = new QLineEdit(foGroup);
    fEdit_->setObjectName(QStringLiteral("fedit"));
    fEdit_->setGeometry(12, 40, 120, 21);

    // Page 4: the sample rate of the sound.
    QWidget* sound = addPage(QStringLiteral("Sound"));
    sfreqGrp_ = new RadioGroup(
        sound, QStringLiteral("sfreqgrp"), QT_TRANSLATE_NOOP("Wellenwerk", "Samplefrequenz"),
        {QT_TRANSLATE_NOOP("Wellenwerk", "11,025 kHz"),
         QT_TRANSLATE_NOOP("Wellenwerk", "22,05 kHz"), QT_TRANSLATE_NOOP("Wellenwerk", "44,1 kHz")},
        {PageInset, PageInset, GroupWidth, 84});
}

void Toptionsdlg::CreateButtons() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("ButtonPanel"));
    panel->setGeometry(ButtonPanelBounds);
    auto bounds = [](int top) { return QRect(6, top, ButtonPanelBounds.width() - 12, 25); };
    AddButtons(bounds(10), bounds(40), bounds(70), panel);
}

void Toptionsdlg::CreateTabs() {
    tabSet_ = new QTabBar(this);
    tabSet_->setObjectName(QStringLiteral("TabSet"));
    tabSet_->setShape(QTabBar::RoundedSouth);
    tabSet_->setExpanding(false);
    tabSet_->setUsesScrollButtons(false);
    tabSet_->setElideMode(Qt::ElideNone);
    // The styles' own tab padding would push the fifth tab off the 297 pixels.
    tabSet_->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    tabSet_->setGeometry(TabSetBounds);
    connect(tabSet_, &QTabBar::currentChanged, this, &Toptionsdlg::TabSetClick);
    // The first tab added becomes current and shows page 0; later showings keep whatever
    // page the user chose last.
    for (int i = 0; i < int(std::size(TabTitles)); ++i) tabSet_->addTab(QString());
    ShowTabTitles();
}

void Toptionsdlg::ShowTabTitles() {
    for (int i = 0; i < int(std::size(TabTitles)); ++i)
        tabSet_->setTabText(i, Translated(TabTitles[i]));
}

void Toptionsdlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) ShowTabTitles();
    FixedDialog::changeEvent(event);
}

void Toptionsdlg::FormActivate() {
    const AppSettings& s = settings_.Values();
    lgrp_->SetItemIndex(s.lanz);
    sgrp_->SetItemIndex(s.sanz);
    bgrp_->SetItemIndex(s.banz);
    sfreqGrp_->SetItemIndex(s.sfreq);
    spracheGrp_->SetItemIndex(CurrentLanguage());
    stuetzBox_->setChecked(s.stuetz);
    fEdit_->setText(QString::fromStdString(FormatFrequencyField(s.freq)));
    // Harmonics without a check box (33..128) keep their flags untouched.
    for (int n = 0; n < HarmonicCount; ++n)
        if (auto* box = findChild<QCheckBox*>(HarmonicBoxName(n))) box->setChecked(s.sh[n]);
}

void Toptionsdlg::TabSetClick(int index) {
    notebook_->setCurrentIndex(index);
}

bool Toptionsdlg::OKBtnClick() {
    DisplayOptions options = settings_.Options();
    // The field shows fo with three decimals; an untouched field must not round fo to them.
    if (fEdit_->text().toStdString() != FormatFrequencyField(options.freq))
        options.freq = ReadFrequencyField(fEdit_->text().toStdString(), options.freq);
    options.lanz = lgrp_->ItemIndex();
    options.sanz = sgrp_->ItemIndex();
    options.banz = bgrp_->ItemIndex();
    options.sfreq = sfreqGrp_->ItemIndex();
    // Left alone the choice stays the system's, to follow it should that change.
    if (spracheGrp_->ItemIndex() != CurrentLanguage()) options.sprache = spracheGrp_->ItemIndex();
    options.stuetz = stuetzBox_->isChecked();
    for (int n = 0; n < HarmonicCount; ++n)
        if (const auto* box = findChild<QCheckBox*>(HarmonicBoxName(n)))
            options.sh[n] = box->isChecked();
    settings_.ApplyOptions(options);
    return true;
}

void Toptionsdlg::HelpBtnClick() {
    help_.ShowContext(3);
}
