// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/LineDiagramPicture.h"
#include "export/PictureTestSupport.h"

#include "project/SignalList.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>

namespace {

SignalList OneSignal() {
    SignalList list;
    list.Append("S", tSignal());
    return list;
}

AppSettings Axis(int lanz, int dxr, int dyr, float fo = 1000) {
    AppSettings s;
    s.lanz = lanz;
    s.dxr = dxr;
    s.dyr = dyr;
    s.freq = fo;
    return s;
}

TEST(LineDiagramPicture, NothingWithoutASelectedSignal) {
    EXPECT_FALSE(LineDiagramPicture(SignalList(), 0, AppSettings()));
    EXPECT_FALSE(LineDiagramPicture(OneSignal(), -1, AppSettings()));
    EXPECT_FALSE(LineDiagramPicture(OneSignal(), 1, AppSettings()));
}

TEST(LineDiagramPicture, AmplitudeGrid) {
    const Picture p = *LineDiagramPicture(OneSignal(), 0, Axis(2, 1, 2));
    EXPECT_EQ(p.width, 1201);
    EXPECT_EQ(p.height, 601);
    const int rows[] = {316, 271, 361, 225, 407, 180, 452, 135, 497, 89, 543, 44, 588};
    const char* labels[] = {"0",  "20",  "-20", "40",   "-40", "60",  "-60",
                            "80", "-80", "100", "-100", "120", "-120"};
    const std::vector<PictureLine> lines = ItemsOf<PictureLine>(p);
    const std::vector<PictureText> texts = ItemsOf<PictureText>(p);
    ASSERT_EQ(lines.size(), 13u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].from, (PicturePoint{50, rows[i]}));
        EXPECT_EQ(lines[i].to, (PicturePoint{1200, rows[i]}));
        EXPECT_EQ(texts[i].text, labels[i]);
        EXPECT_EQ((PicturePoint{texts[i].x, texts[i].y}), (PicturePoint{45, rows[i] - 10}));
        EXPECT_EQ(texts[i].align, TextAlign::Right);
    }
}

TEST(LineDiagramPicture, AngleAndTimeAxes) {
    struct Case {
        AppSettings settings;
        std::vector<int> xs; // vertical lines from +R (44) to -R (588)
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {Axis(0, 1, 3),
         {50, 121, 193, 265, 337, 409, 481, 553, 625, 696, 768, 840, 912, 984, 1056, 1128, 1200},
         {"45°", "90°", "135°", "180°", "225°", "270°", "315°", "360°", "405°", "450°", "495°",
          "540°", "585°", "630°", "675°"}},
        {Axis(1, 1, 2, 1000),
         {50, 165, 280, 395, 510, 625, 740, 855, 970, 1085, 1200},
         {"200µ", "400µ", "600µ", "800µ", "1m", "1,2m", "1,4m", "1,6m", "1,8ms"}},
        // T = 2.27 ms: the line at 2.2 ms has no room for a label.
        {Axis(1, 0, 2, 440),
         {50, 151, 252, 354, 455, 556, 657, 758, 860, 961, 1062, 1163},
         {"200µ", "400µ", "600µ", "800µ", "1m", "1,2m", "1,4m", "1,6m", "1,8m", "2ms"}},
    };
    for (const Case& c : cases) {
        const Picture p = *LineDiagramPicture(OneSignal(), 0, c.settings);
        std::vector<int> xs;
        for (const PictureLine& l : ItemsOf<PictureLine>(p))
            if (l.from.x == l.to.x) {
                EXPECT_EQ(l.from.y, 44);
                EXPECT_EQ(l.to.y, 588);
                xs.push_back(l.from.x);
            }
        EXPECT_EQ(xs, c.xs);
        std::vector<PictureText> labels;
        for (const PictureText& t : ItemsOf<PictureText>(p))
            if (t.y == 318 && t.align == TextAlign::Centre) labels.push_back(t);
        EXPECT_EQ(TextsOf(labels), c.labels);
        for (std::size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(labels[i].x, c.xs[i + 1]);
    }
}

TEST(LineDiagramPicture, CurvesInPaintingOrderAndTheTitle) {
    SignalList list;
    tSignal other, selected, hidden;
    other.Visible = true;
    other.ColorIndex = 1;
    other.Amplitude[0] = 30;
    selected.ColorIndex = 2; // not visible, drawn all the same
    selected.Amplitude[0] = -30;
    selected.Amplitude[1] = 120;
    list.Append("Andere", other);
    list.Append("Auswahl", selected);
    list.Append("Versteckt", hidden);
    AppSettings settings = Axis(2, 0, 2); // one period over 1150 columns, R = 120
    settings.sh[0] = settings.sh[1] = true;
    const Picture p = *LineDiagramPicture(list, 1, settings);

    // After the grid: dim curve, constant-term line, harmonic 1, selected curve, title.
    const std::vector<PictureItem> tail(p.items.end() - 5, p.items.end());
    const auto& dim = std::get<PicturePolyline>(tail[0]);
    const auto& constant = std::get<PictureLine>(tail[1]);
    const auto& harmonic = std::get<PicturePolyline>(tail[2]);
    const auto& bright = std::get<PicturePolyline>(tail[3]);
    const auto& title = std::get<PictureText>(tail[4]);
    for (const PicturePolyline* c : {&dim, &harmonic, &bright}) {
        ASSERT_EQ(c->points.size(), 576u);
        EXPECT_EQ(c->points[1].x, 52);
        EXPECT_EQ(c->points.back().x, 1200);
    }
    EXPECT_EQ(dim.colour, (Rgb{128, 0, 0}));
    EXPECT_EQ(dim.points[100].y, 248); // 316 - round(30 * 272 / 120)
    EXPECT_EQ(constant.from, (PicturePoint{50, 384}));
    EXPECT_EQ(constant.to, (PicturePoint{1200, 384}));
    EXPECT_EQ(harmonic.colour, PictureBlack);
    EXPECT_EQ(harmonic.points[0].y, 44);
    EXPECT_EQ(harmonic.points[288].y, 588); // column 576, just past half the period
    EXPECT_EQ(bright.colour, (Rgb{0, 255, 0}));
    EXPECT_EQ(bright.width, 3);
    EXPECT_EQ(bright.points[0].y, 112); // 120 - 30
    EXPECT_EQ(title.text, "Auswahl");
    EXPECT_EQ((PicturePoint{title.x, title.y}), (PicturePoint{50, 0}));
    EXPECT_EQ(title.points, 24);
}

} // namespace

TEST(LineDiagramPicture, NumbersInTheLanguageGivenAndTheSignalNameAsItIs) {
    const PictureLanguage english{[](const char* s) { return "en:" + std::string(s); }, '.'};
    const Picture p = *LineDiagramPicture(OneSignal(), 0, Axis(1, 1, 2, 1000), english);
    EXPECT_EQ(p.title, "en:Liniendiagramm");
    std::vector<std::string> texts;
    for (const PictureText& t : ItemsOf<PictureText>(p))
        if (t.text.find('m') != std::string::npos || t.y == 0) texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"1m", "1.2m", "1.4m", "1.6m", "1.8ms",
                                               OneSignal().Name(0)}));
}
