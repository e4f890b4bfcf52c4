// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/WaveformEditing.h"

#include "signal/FourierAnalysis.h"

#include <algorithm>
#include <cmath>
#include <limits>

void WaveformEditing::Load(const tSignal& signal) {
    std::copy_n(signal.SupportPoints.begin(), PointsSize, Points.begin());
    SelectedPoint = -1;
    Dragging = false;
    undo_.clear();
    redo_.clear();
    SetPointsIndex(signal.PointsIndex);
}

void WaveformEditing::SetPointsIndex(int pointsIndex) {
    PointsIndex = ValidPointsIndex(pointsIndex);
    Layout = LayoutFor(PointsIndex);
    if (SelectedPoint > Layout.PointCount) SelectedPoint = -1;
}

int WaveformEditing::GridIndex(int k) const {
    return k == Layout.PointCount ? 0 : k * Layout.Stride;
}

int32_t WaveformEditing::Value(int k) const {
    return Points.at(GridIndex(k));
}

std::vector<int32_t> WaveformEditing::Values() const {
    std::vector<int32_t> values;
    for (int k = 0; k < Layout.PointCount; ++k) values.push_back(Value(k));
    return values;
}

void WaveformEditing::SetValue(int k, int64_t v) {
    using Limits = std::numeric_limits<int32_t>;
    Points.at(GridIndex(k)) =
        static_cast<int32_t>(std::clamp<int64_t>(v, Limits::min(), Limits::max()));
}

void WaveformEditing::WriteTo(tSignal& signal, bool visible) const {
    signal.SupportPoints.fill(0);
    std::copy(Points.begin(), Points.end(), signal.SupportPoints.begin());
    signal.Visible = visible;
    signal.PointsIndex = PointsIndex;
    AnalyseWaveform(signal);
}

void WaveformEditing::Mark(int point, std::vector<int>& redraw) {
    const int old = SelectedPoint;
    SelectedPoint = point;
    if (old < 0) return;
    redraw.push_back(old);
    if (old == 0) redraw.push_back(Layout.PointCount);
}

void WaveformEditing::KeepEndsInStep(int k, std::vector<int>& redraw) const {
    if (k <= 1) redraw.push_back(Layout.PointCount);
    if (k >= Layout.PointCount - 1) redraw.push_back(0);
}

void WaveformEditing::FillLine(int c, int k, std::vector<int>& redraw) {
    const int64_t e = Value(c);
    const int64_t f = Value(k);
    const float g = static_cast<float>(static_cast<long double>(f - e) / (k - c));
    const int h = k > c ? 1 : -1;
    Mark(k, redraw);
    // The line runs from e to f exactly, whatever the float slope of far apart values
    // rounds to.
    const auto [low, high] = std::minmax(e, f);
    const int steps = std::abs(k - c);
    for (int j = 0; j <= steps; ++j) {
        const long double rise = std::nearbyint(static_cast<long double>(h * j) * g);
        SetValue(c + h * j, j == steps ? f : std::clamp(static_cast<int64_t>(rise) + e, low, high));
        redraw.push_back(c + h * j);
    }
}

std::vector<int> WaveformEditing::MouseDown(WaveButton button, int x, int y) {
    const std::optional<WaveHit> hit = HitTest(Layout, x, y);
    if (!hit) return {};
    const int k = hit->point;
    BeginStroke();
    SetValue(k, hit->value);
    std::vector<int> redraw;
    if (button == WaveButton::Left) {
        Mark(k, redraw);
        redraw.push_back(k);
        Dragging = true;
    } else if (button == WaveButton::Right && SelectedPoint >= 0 && SelectedPoint != k) {
        FillLine(SelectedPoint, k, redraw);
    } else {
        redraw.push_back(k); // the stored value shows at once
    }
    KeepEndsInStep(k, redraw);
    return redraw;
}

WaveformEditing::MoveResult WaveformEditing::MouseMove(int x, int y) {
    MoveResult result;
    const std::optional<WaveHit> hit = HitTest(Layout, x, y);
    if (!hit) return result;
    const int i = hit->point == Layout.PointCount ? 0 : hit->point;
    result.koords = std::to_string(i) + " : " + std::to_string(hit->value);
    if (Dragging && Value(i) != hit->value) {
        SetValue(i, hit->value);
        Mark(-1, result.redraw);
        result.redraw.push_back(i);
        KeepEndsInStep(i, result.redraw);
    }
    return result;
}

void WaveformEditing::MouseUp() {
    Dragging = false;
    if (!undo_.empty() && undo_.back() == Now()) undo_.pop_back();
}

std::vector<int> WaveformEditing::ChooseNext(int direction) {
    const int n = Layout.PointCount;
    const int k =
        SelectedPoint < 0 ? (direction > 0 ? 0 : n) : std::clamp(SelectedPoint + direction, 0, n);
    std::vector<int> redraw;
    Mark(k, redraw);
    redraw.push_back(k);
    KeepEndsInStep(k, redraw);
    return redraw;
}

std::vector<int> WaveformEditing::StepChosen(int delta) {
    const int k = SelectedPoint;
    if (k < 0) return {};
    BeginStroke();
    SetValue(k, int64_t{Value(k)} + delta);
    std::vector<int> redraw{k};
    KeepEndsInStep(k, redraw);
    return redraw;
}

std::optional<std::string> WaveformEditing::ChosenKoords() const {
    if (SelectedPoint < 0) return std::nullopt;
    const int i = SelectedPoint == Layout.PointCount ? 0 : SelectedPoint;
    return std::to_string(i) + " : " + std::to_string(Value(i));
}

void WaveformEditing::BeginStroke() {
    undo_.push_back(Now());
    redo_.clear();
}

bool WaveformEditing::Restore(std::vector<Drawing>& from, std::vector<Drawing>& other) {
    if (from.empty() || Dragging) return false;
    other.push_back(Now());
    Points = from.back().points;
    SelectedPoint = from.back().selected > Layout.PointCount ? -1 : from.back().selected;
    from.pop_back();
    return true;
}

bool WaveformEditing::Undo() {
    return Restore(undo_, redo_);
}

bool WaveformEditing::Redo() {
    return Restore(redo_, undo_);
}
