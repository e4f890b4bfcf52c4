// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/LineDiagramGeometry.h"

#include "signal/NearestInteger.h"
#include "signal/NumberFormat.h"
#include "signal/Synthesis.h"

#include <algorithm>
#include <cmath>

namespace {

// Rows far outside the box stay far outside; the bound only keeps huge values from
// overflowing an int.
constexpr long double RowLimit = 1.0e6L;

// More time lines than any step of the 1-2-5 rule can give (at most about 20); the bound
// only guards the loop against arithmetic that never reaches the end of the window.
constexpr int MaxTimeLines = 64;

const char* const DegreeSign = "\u00b0";

struct VerticalExtent {
    int top;
    int bottom;
};

// Vertical grid lines run from the row of +R to the row of -R.
VerticalExtent VerticalLineExtent(int dyr) {
    const float k = DiagramRowScale(dyr);
    const int range = AmplitudeFor(dyr).range;
    return {DiagramRow(static_cast<float>(range), k), DiagramRow(static_cast<float>(-range), k)};
}

} // namespace

const WindowZoom& WindowFor(int dxr) {
    return WindowTable[std::clamp(dxr, 0, static_cast<int>(WindowTable.size()) - 1)];
}

const AmplitudeZoom& AmplitudeFor(int dyr) {
    return AmplitudeRanges[std::clamp(dyr, 0, static_cast<int>(AmplitudeRanges.size()) - 1)];
}

float DiagramAngleStep(int dxr) {
    return AngleStepFor(WindowFor(dxr).windowDegrees, DiagramColumns);
}

float RowScale(int halfHeight, int dyr) {
    return static_cast<float>(static_cast<long double>(halfHeight) / AmplitudeFor(dyr).range);
}

float DiagramRowScale(int dyr) {
    return RowScale(DiagramHalfHeight, dyr);
}

int ValueRow(int zeroRow, long double v, float k) {
    // A float times a float is exact in extended precision, so a product that lies exactly
    // halfway between two rows stays a tie and goes to the even row.
    long double product = v * k;
    if (std::isnan(product)) product = 0.0L; // no place for it; keep it on the zero line
    product = std::clamp(product, -RowLimit, RowLimit);
    return zeroRow - static_cast<int>(NearestInteger(product));
}

int DiagramRow(long double v, float k) {
    return ValueRow(DiagramZeroRow, v, k);
}

std::vector<AmplitudeMark> AmplitudeMarks(int dyr) {
    const AmplitudeZoom& zoom = AmplitudeFor(dyr);
    std::vector<AmplitudeMark> marks{{0, "0"}};
    for (int i = 1; i <= zoom.lines; ++i) {
        const int value = i * zoom.step;
        marks.push_back({value, std::to_string(value)});
        marks.push_back({-value, "-" + std::to_string(value)});
    }
    return marks;
}

std::vector<AngleTick> AngleTicks(int dxr, int columns) {
    const WindowZoom& zoom = WindowFor(dxr);
    std::vector<AngleTick> ticks;
    for (int i = 0; i <= zoom.divisions; ++i) {
        AngleTick tick{i * columns / zoom.divisions, std::nullopt};
        // Both ends stay unlabelled: 0 would sit on the amplitude labels, the right end
        // would run out of the plot.
        if (i > 0 && i < zoom.divisions)
            tick.label = std::to_string(i * zoom.degreesPerDivision) + DegreeSign;
        ticks.push_back(std::move(tick));
    }
    return ticks;
}

std::vector<GridMark> AmplitudeGrid(int dyr) {
    const float k = DiagramRowScale(dyr);
    std::vector<GridMark> marks;
    for (AmplitudeMark& mark : AmplitudeMarks(dyr)) {
        const int y = DiagramRow(static_cast<float>(mark.value), k);
        marks.push_back(
            {{DiagramLeft, y, DiagramRight, y},
             DiagramLabel{std::move(mark.label), DiagramLabelRight, y - 5, LabelAnchor::Right}});
    }
    return marks;
}

std::vector<GridMark> AngleAxis(int dxr, int dyr) {
    const VerticalExtent extent = VerticalLineExtent(dyr);
    std::vector<GridMark> marks;
    for (AngleTick& tick : AngleTicks(dxr, DiagramColumns)) {
        const int x = DiagramLeft + tick.column;
        GridMark mark{{x, extent.top, x, extent.bottom}, std::nullopt};
        if (tick.label)
            mark.label =
                DiagramLabel{std::move(*tick.label), x, DiagramAxisLabelTop, LabelAnchor::Centre};
        marks.push_back(std::move(mark));
    }
    return marks;
}

float TimeGridStep(float windowSeconds) {
    // Every value is kept as a float and every operation rounds to a float: the rounding
    // decides close cases (at 50 Hz the tenth of the 20 ms window ends up just below 2 ms,
    // and the step becomes 1 ms).
    float m = static_cast<float>(static_cast<long double>(windowSeconds) / 10.0L);
    if (!(m > 0.0f) || !std::isfinite(m)) return 0.0f;
    int exponent = 0;
    while (m >= 10.0f) {
        m = static_cast<float>(m / 10.0L);
        ++exponent;
    }
    while (m < 1.0f) {
        m = static_cast<float>(m * 10.0L);
        --exponent;
    }
    if (m > 5.0f)
        m = 5.0f;
    else if (m > 2.0f && m < 5.0f)
        m = 2.0f;
    else if (m > 1.0f && m < 2.0f)
        m = 1.0f;
    for (; exponent > 0; --exponent) m = static_cast<float>(m * 10.0L);
    for (; exponent < 0; ++exponent) m = static_cast<float>(m / 10.0L);
    return m;
}

std::vector<TimeTick> TimeTicks(int dxr, float fo, int columns) {
    std::vector<TimeTick> ticks;
    const float window = static_cast<float>(WindowFor(dxr).periods / static_cast<long double>(fo));
    const float step = TimeGridStep(window);
    if (!(step > 0.0f)) return ticks;

    // The small allowance lets the line at the end of the window through when the summed
    // steps come out a little above it; labels stop half a step before the end, where there
    // is no room left for one.
    const long double lastLine = window + step / 100.0L;
    const long double lastLabel = window - step / 2.0L;
    float t = step;
    for (int i = 0; i < MaxTimeLines && t <= lastLine; ++i) {
        TimeTick tick{
            t, static_cast<int>(std::nearbyint(t * static_cast<long double>(columns) / window)),
            std::nullopt};
        if (t < lastLabel) {
            std::string text = FormatEngineering(t);
            if (t + static_cast<long double>(step) >= lastLabel) text += "s"; // the last label
            tick.label = std::move(text);
        }
        ticks.push_back(std::move(tick));
        // Summed step by step, each sum a float, as the labels show it.
        t = static_cast<float>(t + static_cast<long double>(step));
    }
    return ticks;
}

std::vector<GridMark> TimeAxis(int dxr, int dyr, float fo) {
    const VerticalExtent extent = VerticalLineExtent(dyr);
    std::vector<GridMark> marks;
    marks.push_back({{DiagramLeft, extent.top, DiagramLeft, extent.bottom}, std::nullopt});
    for (TimeTick& tick : TimeTicks(dxr, fo, DiagramColumns)) {
        const int x = DiagramLeft + tick.column;
        GridMark mark{{x, extent.top, x, extent.bottom}, std::nullopt};
        if (tick.label)
            mark.label =
                DiagramLabel{std::move(*tick.label), x, DiagramAxisLabelTop, LabelAnchor::Centre};
        marks.push_back(std::move(mark));
    }
    return marks;
}

std::vector<GridMark> LineDiagramGrid(int dxr, int dyr, int lanz, float fo) {
    std::vector<GridMark> marks = AmplitudeGrid(dyr);
    std::vector<GridMark> axis;
    if (lanz == 0)
        axis = AngleAxis(dxr, dyr);
    else if (lanz == 1)
        axis = TimeAxis(dxr, dyr, fo);
    marks.insert(marks.end(), std::make_move_iterator(axis.begin()),
                 std::make_move_iterator(axis.end()));
    return marks;
}

namespace {

template <typename T> std::vector<DiagramPoint> PointsOf(const std::vector<T>& samples, float k) {
    std::vector<DiagramPoint> points;
    points.reserve(samples.size());
    for (std::size_t x = 0; x < samples.size(); ++x)
        points.push_back({DiagramLeft + static_cast<int>(x), DiagramRow(samples[x], k)});
    return points;
}

} // namespace

std::vector<DiagramPoint> CurvePoints(const std::vector<float>& samples, float k) {
    return PointsOf(samples, k);
}

std::vector<DiagramPoint> CurvePoints(const std::vector<long double>& samples, float k) {
    return PointsOf(samples, k);
}
