// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/PictureTestSupport.h"
#include "export/SpectraPicture.h"

#include "settings/AppSettings.h"
#include "signal/Signal.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

AppSettings Settings(int mode, int sanz = 0, float fo = 1000) {
    AppSettings s;
    s.mode = mode;
    s.sanz = sanz;
    s.freq = fo;
    return s;
}

// The bar covering x in the upper (top above 400) or lower half.
std::optional<PictureRect> BarAt(const Picture& p, int x, bool upper) {
    for (const PictureRect& r : ItemsOf<PictureRect>(p))
        if (r.left <= x && x < r.right && (r.top < 400) == upper) return r;
    return std::nullopt;
}

TEST(SpectraPicture, GridsAndTitlesByMode) {
    struct Case {
        int mode;
        std::vector<int> rows; // horizontal lines, upper spectrum first, lowest value first
        std::vector<std::string> titles;
    };
    const Case cases[] = {
        {0,
         {358, 306, 255, 203, 152, 100, 48, 759, 681, 603, 525, 447},
         {"Betragsspektrum (Cosinus)", "Winkelspektrum"}},
        {1,
         {359, 281, 203, 125, 47, 759, 681, 603, 525, 447},
         {"Cosinusspektrum", "Sinusspektrum"}},
        {2,
         {358, 306, 255, 203, 152, 100, 48, 759, 681, 603, 525, 447},
         {"Betragsspektrum (Sinus)", "Winkelspektrum"}},
        {3, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const Picture p = SpectraPicture(nullptr, Settings(c.mode), 32);
        EXPECT_EQ(p.width, 1201);
        EXPECT_EQ(p.height, 801);
        std::vector<int> rows, upperVerticals;
        for (const PictureLine& l : ItemsOf<PictureLine>(p)) {
            if (l.from.y == l.to.y) {
                rows.push_back(l.from.y);
                EXPECT_EQ(l.from.x, c.mode != 1 && l.from.y < 400 ? 48 : 47);
                EXPECT_EQ(l.to.x, 1175);
            } else if (l.from.y < 400) { // from the lowest grid value to the highest
                EXPECT_EQ(l.from.y, c.rows.front());
                EXPECT_EQ(l.to.y, c.rows[c.mode == 1 ? 4 : 6]);
                upperVerticals.push_back(l.from.x);
            }
        }
        EXPECT_EQ(rows, c.rows);
        if (c.mode == 3) continue;
        ASSERT_EQ(upperVerticals.size(), 33u);
        EXPECT_EQ(upperVerticals[1], 87);
        EXPECT_EQ(upperVerticals[32], 1172);
        std::vector<std::string> titles;
        for (const PictureText& t : ItemsOf<PictureText>(p)) {
            if (t.align == TextAlign::Right) {
                EXPECT_EQ(t.x, 40);
            }
            if (t.points != 24) continue;
            titles.push_back(t.text);
            EXPECT_EQ((PicturePoint{t.x, t.y}), (PicturePoint{50, titles.size() == 1 ? 0 : 400}));
        }
        EXPECT_EQ(titles, c.titles);
    }
}

TEST(SpectraPicture, AxisLabelsByCountAndScale) {
    struct Case {
        int count, sanz;
        float fo;
        int firstX; // the column of harmonic 1; the others lie at 225, 400, ... 1100
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {32, 0, 1000, 85, {"fo", "5·fo", "10·fo", "15·fo", "20·fo", "25·fo", "30·fo"}},
        {128, 0, 1000, 58, {"fo", "20·fo", "40·fo", "60·fo", "80·fo", "100·fo", "120·fo"}},
        {32, 1, 1000, 85, {"1k", "5k", "10k", "15k", "20k", "25k", "30kHz"}},
        {64, 1, 440, 67, {"440 ", "4,4k", "8,8k", "13,2k", "17,6k", "22k", "26,4kHz"}},
        {128, 1, 1000, 58, {"1k", "20k", "40k", "60k", "80k", "100k", "120kHz"}},
        {32, 2, 1000, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        const Picture p = SpectraPicture(nullptr, Settings(1, c.sanz, c.fo), c.count);
        for (int top : {372, 772}) {
            std::vector<PictureText> labels;
            for (const PictureText& t : ItemsOf<PictureText>(p))
                if (t.y == top) labels.push_back(t);
            EXPECT_EQ(TextsOf(labels), c.texts);
            for (std::size_t i = 0; i < labels.size(); ++i) {
                EXPECT_EQ(labels[i].x, i == 0 ? c.firstX : 50 + 175 * static_cast<int>(i));
                EXPECT_EQ(labels[i].align, TextAlign::Centre);
            }
        }
    }
}

TEST(SpectraPicture, BarsNarrowWithTheHarmonicCount) {
    tSignal s;
    for (int n = 1; n <= 128; ++n) s.Amplitude[n] = 50;
    struct Case {
        int count, firstLeft, width, lastLeft;
    };
    for (const Case& c : {Case{32, 78, 18, 1163}, Case{64, 63, 12, 1166}, Case{128, 57, 7, 1169}}) {
        SCOPED_TRACE(c.count);
        std::vector<PictureRect> upper;
        for (const PictureRect& r : ItemsOf<PictureRect>(SpectraPicture(&s, Settings(0), c.count)))
            if (r.top < 400) upper.push_back(r);
        ASSERT_EQ(upper.size(), static_cast<std::size_t>(c.count) + 1); // and the A0 line
        EXPECT_EQ(upper[1].left, c.firstLeft);
        EXPECT_EQ(upper[1].right - upper[1].left, c.width);
        EXPECT_EQ(upper.back().left, c.lastLeft);
        EXPECT_EQ(upper[1].top, 255);
        EXPECT_EQ(upper[1].bottom, 359);
    }
}

TEST(SpectraPicture, BarValuesColoursAndLimits) {
    constexpr Rgb Maroon{128, 0, 0}, Navy{0, 0, 128}, Green{0, 128, 0}, Olive{128, 128, 0};
    constexpr Rgb Teal{0, 128, 128}, Purple{128, 0, 128};
    struct Case {
        int mode, n;
        float amplitude, phase;
        bool upper;
        int top, bottom; // 0, 0: no bar
        Rgb colour;
    };
    const Case cases[] = {
        // Magnitudes are cut at 155, cosines and sines at -105 and 105; angles are not cut.
        {0, 1, 300, 0, true, 38, 359, Green},
        {1, 1, 200, 180, true, 203, 368, Teal},
        {1, 1, 200, -90, false, 439, 604, Purple},
        {0, 2, 10, 181, false, 446, 604, Olive},
        // 270 + 90 wraps to 0 in the sine form; plain 270 reads -90.
        {2, 3, 50, 270, false, 603, 604, Olive},
        {0, 3, 50, 270, false, 603, 682, Olive},
        // A line of amplitude 0 shows angle 0 whatever its phase.
        {0, 5, 0, 120, false, 603, 604, Olive},
        {0, 4, -50, 0, true, 0, 0, Green}, // a negative magnitude covers nothing
        // The constant term: its absolute value, coloured by its sign; none in the lower half.
        {0, 0, 40, 0, true, 275, 359, Maroon},
        {0, 0, -400, 0, true, 38, 359, Navy},
        {1, 0, -40, 0, true, 203, 266, Navy},
        {1, 0, -40, 0, false, 0, 0, Navy},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " n " << c.n);
        tSignal s;
        s.Amplitude[c.n] = c.amplitude;
        s.Phase[c.n] = c.phase;
        const int x = 35 * c.n + 50;
        const std::optional<PictureRect> bar =
            BarAt(SpectraPicture(&s, Settings(c.mode), 32), x, c.upper);
        if (c.top == 0) {
            EXPECT_FALSE(bar);
            continue;
        }
        ASSERT_TRUE(bar);
        EXPECT_EQ(bar->left, x - 7);
        EXPECT_EQ(bar->right, x + 11);
        EXPECT_EQ(bar->top, c.top);
        EXPECT_EQ(bar->bottom, c.bottom);
        EXPECT_EQ(bar->colour, c.colour);
    }
    // Without a signal: no bars at all.
    EXPECT_TRUE(ItemsOf<PictureRect>(SpectraPicture(nullptr, Settings(0), 32)).empty());
}

} // namespace

// Another language translates the marked words and writes its decimal separator; in German
// (no translation) the words and numbers are those above.
TEST(SpectraPicture, WordsAndNumbersInTheLanguageGiven) {
    const PictureLanguage english{[](const char* s) { return "en:" + std::string(s); }, '.'};
    const Picture german = SpectraPicture(nullptr, Settings(1, 1, 440), 64);
    const Picture p = SpectraPicture(nullptr, Settings(1, 1, 440), 64, english);
    EXPECT_EQ(german.description, "Cosinusspektrum und Sinusspektrum, 64 Harmonische");
    EXPECT_EQ(p.title, "en:Spektren");
    EXPECT_EQ(p.description, "en:Cosinusspektrum und Sinusspektrum, en:64 Harmonische");
    std::vector<std::string> texts;
    for (const PictureText& t : ItemsOf<PictureText>(p))
        if (t.y == 372 || t.y == 0) texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"440 ", "4.4k", "8.8k", "13.2k", "17.6k", "22k",
                                               "26.4kHz", "en:Cosinusspektrum"}));
}
