// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SettingsStore.h"

#include <gtest/gtest.h>

TEST(Placement, Parsing) {
    EXPECT_EQ(ParsePlacement("200,0,1,10,20,650,570"), QRect(10, 20, 640, 550));
    EXPECT_FALSE(ParsePlacement(""));
    EXPECT_FALSE(ParsePlacement("199,0,1,10,20,650,570"));
    EXPECT_FALSE(ParsePlacement("200,0,1,10,20,650"));
    EXPECT_FALSE(ParsePlacement("200,0,1,10,20,650,570,4"));
    EXPECT_FALSE(ParsePlacement("200,0,1,a,20,650,570"));
}
