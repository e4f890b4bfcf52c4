// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/LineDiagramPicture.h"
#include "export/PicturePainter.h"
#include "export/SpectraPicture.h"
#include "export/Wmf.h"
#include "project/SignalList.h"
#include "settings/AppSettings.h"

#include <QFile>
#include <QFontMetrics>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

using Attributes = QMap<QString, QString>;

TWMF Recorded(const Picture& picture) {
    TWMF wmf;
    wmf.SetSize(picture.width, picture.height);
    wmf.SetTitle(QString::fromStdString(picture.title),
                 QString::fromStdString(picture.description));
    wmf.Record([picture](QPainter& p) { PaintPicture(p, picture); });
    return wmf;
}

// The root's attributes, then each drawn element ("name" and its text added) with the
// attributes it inherits from its groups.
std::vector<Attributes> ParseSvg(const QByteArray& svg) {
    std::vector<Attributes> elements, groups{{}};
    QXmlStreamReader xml(svg);
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isEndElement() && xml.name() == QLatin1String("g")) groups.pop_back();
        if (xml.isStartElement() && xml.name() == QLatin1String("defs")) xml.skipCurrentElement();
        if (!xml.isStartElement()) continue;
        Attributes a = groups.back();
        for (const QXmlStreamAttribute& attribute : xml.attributes())
            a.insert(attribute.qualifiedName().toString(), attribute.value().toString());
        const QString name = xml.name().toString();
        a.insert("name", name);
        if (name == "g") groups.push_back(a);
        if (name == "text") a.insert("text", xml.readElementText());
        if (name == "title") elements.front().insert(name, xml.readElementText());
        if (name == "svg" || name == "polyline" || name == "rect" || name == "text")
            elements.push_back(a);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return elements;
}

Picture SmallPicture() {
    Picture p{200, 100, {}, "R&D <1>", {}};
    p.items.emplace_back(PictureLine{{10, 36}, {110, 36}, PictureBlack, 1});
    p.items.emplace_back(PictureRect{30, 40, 37, 60, {0, 128, 0}});
    p.items.emplace_back(PicturePolyline{{{10, 80}, {60, 80}, {60, 90}}, {255, 0, 0}, 3});
    p.items.emplace_back(PictureText{"Titel", 50, 0, TextAlign::Left, 24, PictureBlack});
    p.items.emplace_back(PictureText{"-100", 190, 50, TextAlign::Right, 16, PictureBlack});
    return p;
}

TEST(TWMF, SvgOfASmallPicture) {
    const std::vector<Attributes> e = ParseSvg(Recorded(SmallPicture()).Svg());
    ASSERT_EQ(e.size(), 6u);
    // One unit is 0.1 mm, and the view box keeps the logical units.
    EXPECT_EQ(e[0]["width"], "20mm");
    EXPECT_EQ(e[0]["height"], "10mm");
    EXPECT_EQ(e[0]["viewBox"], "0 0 200 100");
    EXPECT_EQ(e[0]["title"], "R&D <1>");
    EXPECT_EQ(e[1]["points"].trimmed(), "10,36 110,36");
    EXPECT_EQ(e[1]["stroke"] + e[1]["stroke-width"] + e[1]["stroke-linecap"], "#0000001butt");
    EXPECT_EQ(e[2]["name"], "rect");
    EXPECT_EQ(e[2]["x"] + " " + e[2]["y"] + " " + e[2]["width"] + " " + e[2]["height"],
              "30 40 7 20");
    EXPECT_EQ(e[2]["fill"], "#008000");
    EXPECT_EQ(e[3]["points"].trimmed(), "10,80 60,80 60,90");
    EXPECT_EQ(e[3]["stroke"] + e[3]["stroke-width"] + e[3]["stroke-linejoin"], "#ff00003round");
    // Text stands on its baseline: the top edge plus the font's ascent.
    const QFontMetrics title(PictureFont(24)), label(PictureFont(16));
    EXPECT_EQ(e[4]["text"], "Titel");
    EXPECT_EQ(e[4]["font-family"] + e[4]["font-size"], "Arial32");
    EXPECT_EQ(e[4]["x"].toInt(), 50);
    EXPECT_EQ(e[4]["y"].toInt(), title.ascent());
    EXPECT_EQ(e[5]["font-size"], "21");
    EXPECT_EQ(e[5]["x"].toInt() + label.horizontalAdvance("-100"), 190);
    EXPECT_EQ(e[5]["y"].toInt(), 50 + label.ascent());
    // Until a size is set the picture is 100 x 100 units.
    EXPECT_EQ(ParseSvg(TWMF().Svg())[0]["width"], "10mm");
}

TEST(TWMF, PixelsOfASmallPicture) {
    const QImage image = Recorded(SmallPicture()).Image();
    ASSERT_EQ(image.size(), QSize(200, 100));
    const QColor white(Qt::white), black(Qt::black), green(0, 128, 0), red(Qt::red);
    struct Pixel {
        int x, y;
        QColor colour;
    };
    const Pixel pixels[] = {{0, 0, white},
                            // The line leaves out its end point.
                            {10, 36, black},
                            {109, 36, black},
                            {110, 36, white},
                            {60, 35, white},
                            {60, 37, white},
                            // The filled area covers [30, 37) x [40, 60).
                            {30, 40, green},
                            {36, 59, green},
                            {37, 50, white},
                            {33, 60, white},
                            {29, 50, white},
                            // Three units wide.
                            {30, 79, red},
                            {30, 81, red},
                            {30, 77, white},
                            {30, 83, white}};
    for (const Pixel& p : pixels)
        EXPECT_EQ(image.pixelColor(p.x, p.y), p.colour) << p.x << "," << p.y;
}

// --- The exported pictures against an independent SVG renderer. ---

// Whether `blended` is `full` painted over white with some coverage (antialiased edges).
bool IsCoverageOf(QRgb full, QRgb blended) {
    const int f[] = {qRed(full), qGreen(full), qBlue(full)};
    const int b[] = {qRed(blended), qGreen(blended), qBlue(blended)};
    const int strongest = static_cast<int>(std::min_element(f, f + 3) - f);
    if (f[strongest] > 250) return false;
    const double coverage = (255.0 - b[strongest]) / (255.0 - f[strongest]);
    if (coverage < 0.1 || coverage > 1.1) return false;
    for (int c = 0; c < 3; ++c)
        if (std::abs(255.0 - coverage * (255.0 - f[c]) - b[c]) > 48) return false;
    return true;
}

// Share of the ink pixels of `image` with a counterpart within one pixel in `other`;
// `imageIsFull` tells which of the two holds the unblended colours.
double MatchedShare(const QImage& image, const QImage& other, bool imageIsFull) {
    int ink = 0, matched = 0;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) >= 225 && qGreen(c) >= 225 && qBlue(c) >= 225) continue;
            ++ink;
            bool found = false;
            for (int i = 0; i < 9 && !found; ++i) {
                const QRgb o = other.pixel(x + i % 3 - 1, y + i / 3 - 1);
                found = imageIsFull ? IsCoverageOf(c, o) : IsCoverageOf(o, c);
            }
            matched += found;
        }
    return ink == 0 ? 0.0 : static_cast<double>(matched) / ink;
}

void ExpectRendererAgrees(const TWMF& wmf) {
    const QString rsvg = QStandardPaths::findExecutable("rsvg-convert");
    ASSERT_FALSE(rsvg.isEmpty())
        << "rsvg-convert is missing: install librsvg2-bin (scripts/install-deps.sh)";
    QTemporaryDir dir;
    QFile svg(dir.filePath("picture.svg"));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(wmf.Svg().replace("<svg ", "<svg overflow=\"visible\" "));
    svg.close();
    const QImage own = wmf.Image();
    // At 254 dots per inch one pixel per unit; 10 mm of margin, the clip off, must stay white.
    const QString png = dir.filePath("picture.png");
    QProcess process;
    process.start(rsvg,
                  {"-d", "254", "-p", "254", "-b", "white", "--left", "10mm", "--top", "10mm",
                   "--page-width", QString("%1mm").arg(own.width() / 10.0 + 20), "--page-height",
                   QString("%1mm").arg(own.height() / 10.0 + 20), "-o", png, svg.fileName()});
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QImage page = QImage(png).convertToFormat(QImage::Format_RGB32);
    const QImage rendered = page.copy(100, 100, own.width(), own.height());
    QPainter(&page).fillRect(100, 100, own.width(), own.height(), Qt::white);
    EXPECT_EQ(page.convertToFormat(QImage::Format_Indexed8).colorCount(), 1) << "ink beyond";
    // The renderer antialiases lines and glyphs, so edges may fall a pixel apart.
    EXPECT_GT(MatchedShare(own, rendered, true), 0.97);
    EXPECT_GT(MatchedShare(rendered, own, false), 0.97);
    // A picture shifted by three units is told apart.
    EXPECT_LT(MatchedShare(own.copy(3, 3, own.width(), own.height()), rendered, true), 0.5);
}

SignalList ExampleSignals() {
    SignalList list;
    tSignal square, other;
    for (int n = 1; n <= 15; n += 2) square.Amplitude[n] = 100.0f / n;
    square.ColorIndex = 1;
    other.Amplitude[0] = -20;
    other.Amplitude[2] = 60;
    other.Phase[2] = 45;
    other.ColorIndex = 3;
    other.Visible = true;
    list.Append("Rechteck", square);
    list.Append("Zweite", other);
    return list;
}

TEST(TWMF, ExportedPicturesAsTheRendererSeesThem) {
    AppSettings settings;
    settings.lanz = 1;
    settings.sanz = 1;
    settings.mode = 0;
    settings.sh[0] = settings.sh[3] = true;
    const SignalList list = ExampleSignals();
    const TWMF diagram = Recorded(*LineDiagramPicture(list, 0, settings));
    const TWMF spectra = Recorded(SpectraPicture(&list.Signal(0), settings, 64));
    const Attributes diagramRoot = ParseSvg(diagram.Svg())[0];
    const Attributes spectraRoot = ParseSvg(spectra.Svg())[0];
    EXPECT_EQ(diagramRoot["width"] + diagramRoot["height"], "120.1mm60.1mm");
    EXPECT_EQ(diagramRoot["viewBox"], "0 0 1201 601");
    EXPECT_EQ(spectraRoot["width"] + spectraRoot["height"], "120.1mm80.1mm");
    EXPECT_EQ(spectraRoot["viewBox"], "0 0 1201 801");
    ExpectRendererAgrees(diagram);
    ExpectRendererAgrees(spectra);
    settings.dyr = 0; // curves four times the range
    ExpectRendererAgrees(Recorded(*LineDiagramPicture(list, 0, settings)));
}

} // namespace
