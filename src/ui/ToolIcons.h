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

// Painted for a view scale (see ViewScale.h) at the screen's own resolution.
QIcon MakeToolIcon(ToolIcon which, double scale = 1.0);
// The property of a tool button that names its ToolIcon, so that the icon can be painted
// again at another view scale.
inline constexpr char ToolIconProperty[] = "wellenwerkToolIcon";
