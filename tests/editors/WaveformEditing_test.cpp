// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/WaveformEditing.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <numeric>

namespace {

constexpr WaveButton L = WaveButton::Left, R = WaveButton::Right, M = WaveButton::Other;

// Point k of 8 at value v, in pixels.
int X8(int k) {
    return 25 + 56 * k;
}
int Y(int v) {
    return 113 - v;
}

WaveformEditing Editing(int pointsIndex) {
    tSignal s;
    s.PointsIndex = pointsIndex;
    WaveformEditing w;
    w.Load(s);
    return w;
}

} // namespace

TEST(WaveformEditing, ANewSignalIsFlatAndUnmarkedAndDeadBandsChangeNothing) {
    WaveformEditing w = Editing(tSignal().PointsIndex);
    for (const WaveMark& m : w.Picture().marks) EXPECT_EQ(m, (WaveMark{m.left, 111, false}));
    EXPECT_EQ(w.Picture().marks.size(), 33u);
    w.SetPointsIndex(0);
    w.MouseDown(L, X8(2), Y(5));
    for (int x : {21, 50, 477}) {
        for (WaveButton b : {L, R, M}) EXPECT_TRUE(w.MouseDown(b, x, Y(70)).empty());
        EXPECT_FALSE(w.MouseMove(x, Y(70)).koords);
    }
    EXPECT_EQ(w.SelectedPoint, 2);
    EXPECT_EQ(w.Value(2), 5);
}

TEST(WaveformEditing, RightPressDrawsAStraightLineFromTheMarkedPoint) {
    struct Case {
        int from, fromValue, to, toValue;
        std::vector<int32_t> line; // from the marked point to the pressed one
    };
    const Case cases[] = {
        {2, 0, 6, 40, {0, 10, 20, 30, 40}},
        {6, 40, 2, 0, {40, 30, 20, 10, 0}},
        {0, 0, 4, 2, {0, 0, 1, 2, 2}},    // halves round to even
        {8, 10, 5, 40, {10, 20, 30, 40}}, // the closing point edits point 0
    };
    for (const Case& c : cases) {
        WaveformEditing w = Editing(0);
        w.MouseDown(L, X8(c.from), Y(c.fromValue));
        w.MouseUp();
        w.MouseDown(R, X8(c.to), Y(c.toValue));
        std::vector<int32_t> line;
        for (int k = c.from; k != c.to + (c.to > c.from ? 1 : -1); k += c.to > c.from ? 1 : -1)
            line.push_back(w.Value(k));
        EXPECT_EQ(line, c.line) << c.from << " -> " << c.to;
        EXPECT_EQ(w.SelectedPoint, c.to);
    }
    // Far apart values as a file may hold them: the line keeps its ends and stays between.
    WaveformEditing w = Editing(0);
    w.MouseDown(L, X8(0), 0);
    w.Points[0] = INT32_MIN;
    w.MouseDown(R, X8(2), -(1 << 30));
    EXPECT_EQ(w.Value(2), (1 << 30) + 113);
    EXPECT_LT(w.Value(1), w.Value(2));
}

TEST(WaveformEditing, DraggingPaintsAndClearsTheMarkUntilRelease) {
    WaveformEditing w = Editing(0);
    w.MouseDown(L, X8(2), Y(0));
    EXPECT_TRUE(w.MouseMove(X8(2) + 1, Y(0)).redraw.empty()) << "same value, nothing to do";
    EXPECT_EQ(w.MouseMove(X8(3) - 3, Y(25)).koords, "3 : 25");
    EXPECT_EQ(w.MouseMove(X8(8) + 3, Y(-7)).koords, "0 : -7");
    EXPECT_EQ(w.Values(), (std::vector<int32_t>{-7, 0, 0, 25, 0, 0, 0, 0}));
    EXPECT_EQ(w.SelectedPoint, -1);
    w.MouseUp();
    w.MouseMove(X8(4), Y(60));
    EXPECT_EQ(w.Value(4), 0);
}

TEST(WaveformEditing, PointCountsKeepEveryGridValueAndWriteToKeepsEntry64) {
    tSignal s;
    s.SupportPoints.fill(9);
    WaveformEditing w;
    w.Load(s);
    for (int k = 0; k < 32; ++k) w.MouseDown(M, 25 + 14 * k, Y(k));
    w.MouseDown(L, 25 + 14 * 30, Y(30));
    w.SetPointsIndex(0);
    EXPECT_EQ(w.SelectedPoint, -1) << "the marked point does not exist with 8 points";
    for (int k = 0; k < 8; ++k) w.MouseDown(R, X8(k), Y(-1));
    w.SetPointsIndex(2);
    for (int k = 0; k < 32; ++k) EXPECT_EQ(w.Value(k), k % 4 == 0 ? -1 : k) << k;
    w.WriteTo(s, true);
    EXPECT_EQ(s.SupportPoints[64], 9);
    for (int i = 65; i < SupportPointCount; ++i) ASSERT_EQ(s.SupportPoints[i], 0) << i;
    EXPECT_EQ(s.PointsIndex, 2);
    EXPECT_TRUE(s.Visible);
}

// After every event, each curve segment and mark that changed lies inside the bands the
// event asks to repaint.
TEST(WaveformEditing, RedrawnBandsCoverEveryChange) {
    struct Event {
        char kind; // 'L', 'R', 'M' press, 'm' move, 'u' release
        int point, value;
    };
    const Event script[] = {{'L', 0, 10}, {'m', 1, 20}, {'m', 8, 30},  {'u', 0, 0}, {'L', 0, 5},
                            {'R', 3, 40}, {'M', 4, 60}, {'L', 8, -10}, {'R', 6, 0}, {'L', 1, 7},
                            {'M', 0, 2},  {'R', 1, 7},  {'R', 8, 90},  {'L', 7, 1}, {'R', 0, -5}};
    WaveformEditing w = Editing(0);
    for (const Event& e : script) {
        const WavePicture before = w.Picture();
        std::vector<int> redraw;
        if (e.kind == 'm') redraw = w.MouseMove(X8(e.point) + 2, Y(e.value)).redraw;
        if (e.kind == 'u') w.MouseUp();
        if (std::isupper(e.kind))
            redraw = w.MouseDown(e.kind == 'L'   ? L
                                 : e.kind == 'R' ? R
                                                 : M,
                                 X8(e.point) - 2, Y(e.value));
        const WavePicture after = w.Picture();
        auto covered = [&](int left, int right) {
            for (int col = left; col < right; ++col) {
                if (std::none_of(redraw.begin(), redraw.end(), [&](int k) {
                        const WaveBand b = RedrawBand(w.Layout, k);
                        return b.left <= col && col < b.right;
                    }))
                    return false;
            }
            return true;
        };
        for (int k = 0; k <= 8; ++k) {
            const WaveMark& m = after.marks[k];
            EXPECT_TRUE(before.marks[k] == m || covered(m.left, m.left + WaveMarkSize))
                << e.kind << e.point << ": mark " << k;
            const bool moved = k < 8 && (before.curve[k] != after.curve[k] ||
                                         before.curve[k + 1] != after.curve[k + 1]);
            EXPECT_TRUE(!moved || covered(X8(k), X8(k + 1) + 1))
                << e.kind << e.point << ": segment " << k;
        }
    }
}

// A press with its drag is one stroke, a press in a dead band none, a key's step one.
TEST(WaveformEditing, StrokesAreUndoneOneByOne) {
    WaveformEditing w = Editing(0); // 8 points
    w.ChooseNext(-1);               // the closing point, which is point 0
    w.StepChosen(10);
    w.MouseDown(L, X8(3), Y(40));
    w.MouseMove(X8(4), Y(50));
    w.MouseUp();
    w.MouseDown(L, 50, Y(5));
    w.MouseDown(R, X8(6), Y(-30));
    for (int32_t sum : {10 + 40 + 50 - 30, 10 + 40 + 50, 10, 0}) {
        const std::vector<int32_t> v = w.Values();
        EXPECT_EQ(std::accumulate(v.begin(), v.end(), 0), sum);
        w.Undo();
    }
    EXPECT_TRUE(!w.Undo() && w.Redo() && w.Value(0) == 10);
    w.StepChosen(1); // a new stroke drops what was undone
    EXPECT_FALSE(w.Redo());
}
