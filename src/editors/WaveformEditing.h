// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/WaveformGeometry.h"
#include "signal/Signal.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class WaveButton { Left, Right, Other };

// The waveform editor's state while the user draws: a working copy of the signal's support
// points and the rules by which presses, movement and releases of the mouse change it.
// Every event answers with the points (0..N) whose bands (RedrawBand) must be repainted;
// the same point may appear more than once.
class WaveformEditing {
public:
    // The 64 grid positions of one period and one more entry, carried through unchanged.
    static constexpr int PointsSize = SupportGridSize + 1;

    std::array<int32_t, PointsSize> Points{};
    int PointsIndex = 2;
    PointsLayout Layout = LayoutFor(2);
    int SelectedPoint = -1; // the marked point, 0..N, or -1
    bool Dragging = false;  // the left button, pressed on a point, is held

    // Starts from the signal's support points and point count, nothing marked.
    void Load(const tSignal& signal);
    // Another point count. The points keep their values: a coarser count shows every
    // Stride-th grid value, a finer one the values in between again. A mark on a point
    // the new count does not have is dropped.
    void SetPointsIndex(int pointsIndex);

    // Value of point k; the closing point N is point 0.
    int32_t Value(int k) const;
    // P_0 .. P_{N-1}.
    std::vector<int32_t> Values() const;
    WavePicture Picture() const { return DrawCurve(Layout, Values(), SelectedPoint); }

    // Writes the drawing into `signal`: support points 0..64 from Points and every other
    // one 0, visibility and point count, then the series from the support points.
    void WriteTo(tSignal& signal, bool visible) const;

    // A press stores the pointer's value in the point under it, whatever the button. The
    // left button marks that point and starts a drag; the right button, with another point
    // marked, draws a straight line from the marked point to this one and marks it.
    std::vector<int> MouseDown(WaveButton button, int x, int y);

    struct MoveResult {
        std::optional<std::string> koords; // "i : v" over a point; nothing elsewhere
        std::vector<int> redraw;
    };
    // While dragging, every point the pointer crosses takes its height and the mark goes.
    MoveResult MouseMove(int x, int y);
    // Ends the drag; a stroke that changed nothing is not kept for undo.
    void MouseUp();

    // --- the keyboard ---------------------------------------------------------------------
    // Marks the point after (+1) or before (-1) the marked one, the closing point included;
    // with none marked the first or the closing point.
    std::vector<int> ChooseNext(int direction);
    // Changes the marked point's value by `delta` (a stroke of its own).
    std::vector<int> StepChosen(int delta);
    // The readout for the marked point, as for the pointer over it; nothing without one.
    std::optional<std::string> ChosenKoords() const;

    // --- strokes: a press with its drag, a right-button line, a key's step ------------------
    // Take back the last stroke or do the last taken back again; false when there is none.
    // The caller repaints the whole curve.
    bool Undo();
    bool Redo();

private:
    struct Drawing {
        std::array<int32_t, PointsSize> points;
        int selected;
        bool operator==(const Drawing&) const = default;
    };
    Drawing Now() const { return {Points, SelectedPoint}; }
    // Keeps the drawing before a stroke; a new stroke drops what was taken back.
    void BeginStroke();
    // Makes the last drawing on `from` the present one and keeps the present one on `other`.
    bool Restore(std::vector<Drawing>& from, std::vector<Drawing>& other);
    std::vector<Drawing> undo_, redo_;

    // Where point k (0..N) keeps its value among Points.
    int GridIndex(int k) const;
    void SetValue(int k, int64_t v);
    // Draws the straight line from point c to point k and marks k.
    void FillLine(int c, int k, std::vector<int>& redraw);
    // Changes the mark, noting what shows the old one: the closing point repeats point 0.
    void Mark(int point, std::vector<int>& redraw);
    // Point 0 and the closing point show one value, so a change at one end repaints both.
    void KeepEndsInStep(int k, std::vector<int>& redraw) const;
};
