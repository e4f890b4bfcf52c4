// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/AppSettings.h"

#include <QRect>
#include <QString>
#include <optional>

class QSettings;

// The per-user settings store: QSettings("Dorwinkel", "Wellenwerk"), group "V2/common"
// (on Windows the registry key of the same name). Every value is a string.
class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Reads every setting; missing or unreadable values take their defaults and values
    // outside their range are brought into it. `programDir` is the default of "path".
    AppSettings Load(const QString& programDir) const;
    // Writes every setting in the program's fixed order.
    void Save(const AppSettings& settings);

    QString ReadPlacement() const;
    void WritePlacement(const QString& placement);

private:
    QSettings* store_;
};

// The window placement value: "200,flags,showCmd,left,top,right,bottom".
QString FormatPlacement(const QRect& normalFrame, bool minimized);
// The normal rectangle of a placement value, or nothing when it is missing or malformed.
std::optional<QRect> ParsePlacement(const QString& value);
// Moves `rect` inside `desktop`, keeping its size (as far as it fits).
QRect MoveInside(const QRect& rect, const QRect& desktop);

// "freq" as stored: general format, up to 15 significant digits, the user's decimal separator.
QString FormatFrequencySetting(float fo);
// Parses a stored frequency; accepts "," and "." as the decimal separator.
std::optional<float> ParseFrequencySetting(const QString& text);
