// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

// Small line-drawn icons for the main window's tool buttons.
enum class ToolIcon {
    NewProject,
    OpenProject,
    SaveProject,
    NewSignal,
    DeleteSignal,
    EditSignal,
    CopySignal,
    PasteSignal,
    SpectrumMode,
    Sound,
    Options,
    StretchTime,
    SqueezeTime,
    StretchAmplitude,
    SqueezeAmplitude,
};

QIcon MakeToolIcon(ToolIcon which);
