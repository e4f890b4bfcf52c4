// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/FixedDialog.h"

#include <QGroupBox>
#include <QStringList>
#include <initializer_list>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QStackedWidget;
class QTabBar;
class HelpSystem;
class Settings;

// A titled group of radio buttons whose state is one index: the value of the setting it
// edits.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    // The group takes `name` as object name and the bounds `geometry`; its buttons, one under
    // the other, are named `name` + 0, 1, ...
    // The title and items are German texts marked for translation.
    RadioGroup(QWidget* parent, const QString& name, const char* title,
               std::initializer_list<const char*> items, const QRect& geometry);
    // The checked item, -1 when none is.
    int ItemIndex() const;
    // Checks item `index`; an index outside the items checks none.
    void SetItemIndex(int index);

private:
    QButtonGroup* buttons_;
};

// The settings dialog: partial waves drawn in the line diagram, axis kinds, background
// colour, fo and the sample rate of the sound. It keeps no copy of the settings: every
// showing loads the controls from them, and OK hands the controls' values back.
class Toptionsdlg : public FixedDialog {
    Q_OBJECT
public:
    Toptionsdlg(QWidget* mainWindow, Settings& settings, HelpSystem& help);

protected:
    void FormActivate() override;
    bool OKBtnClick() override;
    void HelpBtnClick() override;
    void changeEvent(QEvent* event) override;

private:
    void CreatePages();
    void CreateButtons();
    void CreateTabs();
    void TabSetClick(int index);
    void ShowTabTitles();

    QTabBar* tabSet_ = nullptr;
    QStackedWidget* notebook_ = nullptr;
    RadioGroup* sgrp_ = nullptr;
    RadioGroup* lgrp_ = nullptr;
    RadioGroup* bgrp_ = nullptr;
    RadioGroup* sfreqGrp_ = nullptr;
    RadioGroup* spracheGrp_ = nullptr; // the interface's language, German or English
    QLineEdit* fEdit_ = nullptr;
    QCheckBox* stuetzBox_ = nullptr; // support points of waveform signals in the line diagram
    Settings& settings_;
    HelpSystem& help_;
};
