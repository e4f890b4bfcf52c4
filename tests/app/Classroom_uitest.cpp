// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// For the classroom: the example projects in the menu, the exports into files and the
// support points of waveform signals behind their curves.
#include "display/LineDiagramGeometry.h"
#include "support/MainFormFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

using ClassroomTest = MainFormTest;

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST_F(ClassroomTest, ExamplesAreListedByTitleAndOpenLikeLoad) {
    QDir examples(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  "/wellenwerk/examples");
    ASSERT_TRUE(examples.mkpath("."));
    Write(examples.filePath("b.wwp"), "; Titel: Zweites\r\n[signals]\r\n0=Welle\r\n[Welle]\r\n");
    Write(examples.filePath("a.wwp"), "; Titel: Rechteck \xfc"
                                      "ber alles\r\n[signals]\r\n0=Eins\r\n[Eins]\r\n");
    Write(examples.filePath("Ohne.wwp"), "[signals]\r\n");
    Create();
    emit W<QMenu>("ExamplesMenu")->aboutToShow(); // opened: the files are read
    QStringList titles;
    for (QAction* a : W<QMenu>("ExamplesMenu")->actions()) titles << a->text();
    EXPECT_EQ(titles, QStringList({"Ohne", "Rechteck über alles", "Zweites"}));
    AddSignal("Alt", tSignal());
    prompts.ExpectAskSave(Prompts::SaveAnswer::Cancel); // keeps the project
    W<QMenu>("ExamplesMenu")->actions()[2]->trigger();
    EXPECT_EQ(project().Name(0), "Alt");
    prompts.ExpectAskSave(Prompts::SaveAnswer::No);
    W<QMenu>("ExamplesMenu")->actions()[2]->trigger();
    EXPECT_EQ(project().Name(0), "Welle");
    EXPECT_EQ(QString::fromStdString(project().FileName()), examples.filePath("b.wwp"));
    for (const QString& name : examples.entryList({"*.wwp"})) examples.remove(name);
}

TEST_F(ClassroomTest, PicturesAndTableGoIntoFilesAskBeforeReplacingAndNeverLeaveAPart) {
    QTemporaryDir dir;
    Create();
    tSignal s;
    s.Amplitude[1] = 100;
    AddSignal("Grundton", s);
    const QString svg = dir.filePath("bild.svg"), png = dir.filePath("bild.PNG");
    prompts.ExpectSaveFile(svg);
    prompts.ExpectInform();
    Item("ExportDiagFileItem")->trigger();
    EXPECT_TRUE(Bytes(svg).contains("<svg")) << "the clipboard's SVG";
    prompts.ExpectSaveFile(png);
    prompts.ExpectInform();
    Item("N64FileItem")->trigger();
    EXPECT_EQ(QImage(png).size(), QSize(1201, 801));
    // The next dialog opens in the folder of the last export; No keeps the file.
    const QByteArray before = Bytes(svg);
    prompts.ExpectSaveFile(svg);
    prompts.ExpectConfirm(false);
    Item("ExportDiagFileItem")->trigger();
    EXPECT_EQ(Bytes(svg), before);
    EXPECT_EQ(prompts.starts.last(), dir.filePath("Liniendiagramm.svg"));
    const QString csv = dir.filePath("t.csv");
    prompts.ExpectSaveFile(csv);
    prompts.ExpectInform();
    Item("ExportTabFileItem")->trigger();
    EXPECT_TRUE(Bytes(csv).startsWith("n;f(Hz);cos;sin\r\n0;0;0;\r\n1;1000;100;0\r\n"));
    // Failures: a folder that is not there, a suffix that is no picture.
    for (const QString& bad : {dir.filePath("fehlt/x.csv"), dir.filePath("x.jpg")}) {
        prompts.ExpectSaveFile(bad);
        prompts.ExpectError();
        Item(bad.endsWith("csv") ? "ExportTabFileItem" : "ExportDiagFileItem")->trigger();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"bild.PNG", "bild.svg", "t.csv"}));
    EXPECT_TRUE(prompts.Texts("error").last().contains(".svg oder .png"));
    Destroy();
    EXPECT_EQ(GetSetting("exportpath"), dir.path());
}

TEST_F(ClassroomTest, SupportPointsShowBehindTheCurveInALighterTintWhenChosen) {
    Create();
    tSignal s;
    s.Kind = Waveform;
    s.ColorIndex = 3; // blue: support points in (127, 127, 255)
    s.PointsIndex = 0;
    for (int k = 0; k < 8; ++k) s.SupportPoints[8 * k] = k < 4 ? 80 : -80; // a square wave
    s.Amplitude[1] = 100;
    AddSignal("Rechteck", s);
    const QColor tint(127, 127, 255);
    const QRect plot(DiagramLeft, 0, DiagramColumns, DiagramHeight);
    EXPECT_EQ(PixelCount(RenderToImage(*W("diagbox")), plot, tint), 0) << "off by default";
    prompts.ExpectDialog("Toptionsdlg", [](QDialog& d) {
        Child<QCheckBox>(d, "StuetzBox")->setChecked(true);
        Child<QPushButton>(d, "OKBtn")->click();
        return QDialog::Accepted;
    });
    Btn("OptionsBtn")->click();
    EXPECT_TRUE(settings().stuetz);
    const QImage image = RenderToImage(*W("diagbox"));
    // The flat tops at +80 over both periods shown, and the slope from point 3 to point 4.
    const int top = DiagramRow(80, DiagramRowScale(settings().dyr));
    EXPECT_GT(PixelCount(image, {DiagramLeft + 10, top, 100, 1}, tint), 90);
    EXPECT_GT(PixelCount(image, {DiagramLeft + 290, top, 100, 1}, tint), 90);
    EXPECT_GT(PixelCount(image, {DiagramLeft + 106, 0, 33, DiagramHeight}, tint), 60);
    Destroy();
    EXPECT_EQ(GetSetting("stuetz"), "1");
}

} // namespace
