// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/LoopDevice.h"

#include <gtest/gtest.h>

TEST(LoopDevice, ReadsRoundTheLoopWithoutASeam) {
    LoopDevice loop(QByteArray("abcde"));
    ASSERT_TRUE(loop.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    // Reads of any size go on where the last stopped, across the wrap and several times round.
    QByteArray heard;
    for (int size : {3, 4, 1, 12}) heard += loop.read(size);
    EXPECT_EQ(heard, "abcdeabcdeabcdeabcde");
    EXPECT_FALSE(loop.atEnd()) << "an endless stream";
}
