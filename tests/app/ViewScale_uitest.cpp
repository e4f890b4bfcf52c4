// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The view size: every view draws its 100 % geometry scaled, the mouse hits what it hits at
// 100 %, the window and its dialogs grow as a whole, and the size is kept per user.
#include "display/LineDiagramGeometry.h"
#include "display/SpectrumEditing.h"
#include "support/MainFormFixture.h"
#include "ui/FixedDialog.h"
#include "ui/PaintBox.h"
#include "ui/ViewScale.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

namespace {

using ViewScaleTest = MainFormTest;

tSignal Curve(int colour, float a1, float a3) {
    tSignal s;
    s.ColorIndex = colour;
    s.Visible = true;
    s.Amplitude[0] = -12;
    s.Amplitude[1] = a1;
    s.Amplitude[3] = a3;
    s.Phase[3] = 30;
    return s;
}

// Every drawn pixel of `small` (outside `skip`, and not the background or the text colour)
// is a scale x scale block of the same colour in `large`, and the large picture has no such
// pixel where the small one has none: bars, grid lines and curve points alike.
void ExpectScaledTwice(const QImage& small, const QImage& large, const QRegion& skip) {
    ASSERT_EQ(large.size(), small.size() * 2);
    const QRgb background = small.pixel(0, 0);
    int drawn = 0, wrong = 0;
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x) {
            const QRgb c = small.pixel(x / 2, y / 2);
            if (skip.contains(QPoint(x / 2, y / 2)) || c == background || qGray(c) == 0) continue;
            drawn += x % 2 == 0 && y % 2 == 0;
            wrong += large.pixel(x, y) != c;
        }
    for (int y = 0; y < large.height(); ++y) // nothing drawn at 200 % where 100 % is empty
        for (int x = 0; x < large.width(); ++x) {
            const QRgb c = large.pixel(x, y);
            if (skip.contains(QPoint(x / 2, y / 2)) || c == background || qGray(c) == 0) continue;
            wrong += small.pixel(x / 2, y / 2) != c;
        }
    EXPECT_GT(drawn, 500);
    EXPECT_EQ(wrong, 0);
}

TEST_F(ViewScaleTest, At200EveryBarGridLineAndCurvePointLandsOnTheDoubled100Geometry) {
    std::map<std::string, QImage> at100;
    for (const char* percent : {"100", "200"}) {
        PutSetting("ansicht", percent);
        Create();
        project().Append("Blau", Curve(3, 80, 30));
        AddSignal("Rot", Curve(1, -50, 60));
        ChangeSettings([](AppSettings& s) { s.sh[3] = true; });
        // Text is drawn anew at each size; the labels' rows and columns are left out.
        const QRegion spectrumLabels = QRegion(0, 0, 17, 91) + QRegion(0, 81, 317, 10);
        const std::pair<const char*, QRegion> views[] = {
            {"diagbox", QRegion(0, DiagramAxisLabelTop, DiagramWidth, 10) + QRegion(0, 0, 24, 187)},
            {"specbox0", spectrumLabels},
            {"specbox1", spectrumLabels}};
        for (const auto& [name, labels] : views) {
            SCOPED_TRACE(name);
            const QImage image = RenderToImage(*W(name));
            if (percent == std::string("100"))
                at100[name] = image;
            else
                ExpectScaledTwice(at100[name], image, labels);
        }
        Destroy();
    }
}

TEST_F(ViewScaleTest, MenuAndKeysStepTheSizeTheWindowGrowsAsAWholeAndTheSizeIsKept) {
    TMainForm& f = Create();
    const QSize at100 = f.size();
    Item("ZoomInItem")->trigger();
    Item("ZoomInItem")->trigger();
    EXPECT_EQ(settings().ansicht, 150);
    EXPECT_EQ(f.centralWidget()->size(), QSize(950, 740));
    EXPECT_EQ(W("diagbox")->geometry(), QRect(6, 21, 884, 281)); // edges scaled: 4+589 -> 890
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_GT(f.menuBar()->font().pixelSize(), 11);
    Item("Scale300Item")->trigger();
    Item("ZoomInItem")->trigger(); // already the largest
    EXPECT_EQ(W("specbox0")->size(), QSize(951, 273));
    EXPECT_EQ(Btn("PlusBtn")->iconSize(), QSize(54, 54));
    Item("Scale100Item")->trigger();
    EXPECT_EQ(f.size(), at100);
    EXPECT_EQ(W("diagbox")->geometry(), QRect(4, 14, 589, 187));
    f.show();
    QApplication::setActiveWindow(&f);
    QTest::keyClick(&f, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(settings().ansicht, 125);
    QTest::keyClick(&f, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(&f, Qt::Key_Minus, Qt::ControlModifier); // already the smallest
    EXPECT_EQ(settings().ansicht, 100);
    Item("Scale200Item")->trigger();
    Destroy();
    EXPECT_EQ(GetSetting("ansicht"), "200");
    Create();
    EXPECT_TRUE(Item("Scale200Item")->isChecked());
    EXPECT_EQ(W("diagbox")->size(), QSize(1178, 374));
}

TEST_F(ViewScaleTest, APickAt200HitsTheColumnItHitsAt100) {
    PutSetting("ansicht", "200");
    Create();
    AddSignal("Rot", Curve(1, 50, 30));
    int x = 0;
    while (PickColumn(x) != 3) ++x;
    // The first unit column of harmonic 3 starts one device pixel before 2x + 1.
    QTest::mouseClick(W("specbox0"), Qt::LeftButton, {}, QPoint(2 * x - 1, 80));
    EXPECT_EQ(W<QLineEdit>("SpecEdit")->text().left(2), "0");
    QTest::mouseClick(W("specbox0"), Qt::LeftButton, {}, QPoint(2 * x + 1, 80));
    EXPECT_EQ(W<QLineEdit>("SpecEdit")->text().left(2), "25"); // 30 * cos 30°
}

TEST(ViewScale, PaintBoxesGetPositionsInUnitsAndDialogsFollowTheirOwner) {
    Watchdog watchdog;
    QWidget main;
    main.setFixedSize(300, 200);
    PaintBox box(&main, "box", {10, 10, 100, 50});
    QPoint got;
    box.OnMouseDown = [&](QMouseEvent* e) { got = e->position().toPoint(); };
    ApplyViewScale(&main, 1.25);
    EXPECT_EQ(main.size(), QSize(375, 250));
    EXPECT_EQ(box.geometry(), QRect(12, 12, 126, 63)); // edges 12.5 and 137.5 round to even
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(124, 61));
    EXPECT_EQ(got, QPoint(99, 48)); // 124 / 1.25 = 99.2, 61 / 1.25 = 48.8
    FixedDialog dialog(&main, "Probe", "Probe", {200, 100});
    auto* button = new QWidget(&dialog);
    button->setGeometry(20, 40, 60, 20);
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(250, 125));
    EXPECT_EQ(button->geometry(), QRect(25, 50, 75, 25));
}

} // namespace
