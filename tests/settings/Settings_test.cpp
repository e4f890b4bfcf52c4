// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Each operation from the defaults (dxr 1, dyr 2, mode 1), and at the end of its range: the
// value it leaves and the notifications it raised.
TEST(Settings, OperationsKeepTheirRangesAndNotifyOnlyChanges) {
    using C = SettingsChange;
    struct Case {
        const char* what;
        void (*run)(Settings&);
        int AppSettings::*field;
        int expected;
        std::vector<C> raised;
    } const cases[] = {
        {"stretch time", [](Settings& s) { s.StretchTime(); }, &AppSettings::dxr, 0, {C::Zoom}},
        {"stretch time twice",
         [](Settings& s) { s.StretchTime(), s.StretchTime(); },
         &AppSettings::dxr,
         0,
         {C::Zoom}},
        {"squeeze time", [](Settings& s) { s.SqueezeTime(); }, &AppSettings::dxr, 2, {C::Zoom}},
        {"squeeze amplitude 5 times",
         [](Settings& s) {
             for (int i = 0; i < 5; ++i) s.SqueezeAmplitude();
         },
         &AppSettings::dyr,
         6,
         {C::Zoom, C::Zoom, C::Zoom, C::Zoom}},
        {"stretch amplitude",
         [](Settings& s) { s.StretchAmplitude(); },
         &AppSettings::dyr,
         1,
         {C::Zoom}},
        {"next mode twice",
         [](Settings& s) { s.NextMode(), s.NextMode(); },
         &AppSettings::mode,
         0,
         {C::Mode, C::Mode}},
        {"mode out of range", [](Settings& s) { s.SetMode(7); }, &AppSettings::mode, 2, {C::Mode}},
        {"options clamped",
         [](Settings& s) {
             DisplayOptions o = s.Options();
             o.banz = 9;
             s.ApplyOptions(o);
         },
         &AppSettings::banz,
         2,
         {C::Options}},
        {"view scale up twice",
         [](Settings& s) { s.StepViewScale(1), s.StepViewScale(1); },
         &AppSettings::ansicht,
         150,
         {C::ViewScale, C::ViewScale}},
        {"view scale beyond the largest",
         [](Settings& s) { s.SetViewScale(300), s.StepViewScale(1); },
         &AppSettings::ansicht,
         300,
         {C::ViewScale}},
        {"view scale nearest",
         [](Settings& s) { s.SetViewScale(180); },
         &AppSettings::ansicht,
         200,
         {C::ViewScale}},
        {"view scale below the smallest",
         [](Settings& s) { s.StepViewScale(-1); },
         &AppSettings::ansicht,
         100,
         {}},
    };
    for (const Case& c : cases) {
        Settings settings;
        std::vector<C> raised;
        settings.SetListener([&](C change) { raised.push_back(change); });
        c.run(settings);
        EXPECT_EQ(settings.Values().*c.field, c.expected) << c.what;
        EXPECT_EQ(raised, c.raised) << c.what;
    }
}

} // namespace
