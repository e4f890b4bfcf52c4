// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// "Sound speichern" and the sound button in the main window.
#include "sound/SavewavDlg.h"
#include "sound/ToneFile.h"
#include "support/MainFormFixture.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

class SaveSoundTest : public MainFormTest {
protected:
    static tSignal Sine() {
        tSignal s;
        s.Amplitude[1] = 100;
        return s;
    }
    // Answers the save-sound dialog: opens `folder`, types `name` unless it is null, OK.
    void ExpectSave(const QString& folder, const QString& name) {
        prompts.ExpectDialog("TSavewavDlg", [=](QDialog& d) {
            auto& dlg = static_cast<TSavewavDlg&>(d);
            dlg.MoveTo(folder);
            if (!name.isNull()) Child<QLineEdit>(dlg, "FileEdit")->setText(name);
            QTest::mouseClick(Child<QPushButton>(dlg, "OKBtn"), Qt::LeftButton);
            return dlg.result();
        });
    }
    QTemporaryDir dir;
};

TEST_F(SaveSoundTest, WritesTheToneWhereTheUserChoseAndOpensThereAfterARestart) {
    Create();
    AddSignal("Sinus", Sine());
    ExpectSave(dir.path(), "ton.wav");
    Item("SaveSoundItem")->trigger();
    QFile file(dir.filePath("ton.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    // fo 1000 Hz at 11025 samples per second: 100 periods in 1103 samples.
    ASSERT_EQ(wav.size(), 44 + 1103);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 4), 36u + 1103u);
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 24), 11025u);
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 40), 1103u);

    Destroy();
    EXPECT_EQ(GetSetting("path"), QDir::toNativeSeparators(dir.path()));
    Create();
    AddSignal("Sinus", Sine());
    prompts.ExpectDialog("TSavewavDlg", [&](QDialog& d) {
        EXPECT_EQ(static_cast<TSavewavDlg&>(d).CurrentFolder(), dir.path());
        return QDialog::Rejected;
    });
    Item("SaveSoundItem")->trigger();
}

TEST_F(SaveSoundTest, AWildcardNameIsRefusedAndNothingIsWritten) {
    Create();
    Item("SaveSoundItem")->trigger(); // no signal: no dialog either
    AddSignal("Sinus", Sine());
    ExpectSave(dir.path(), QString()); // the field keeps its "*.wav"
    prompts.ExpectError();
    Item("SaveSoundItem")->trigger();
    EXPECT_EQ(prompts.Texts("error"),
              QStringList{QString::fromStdString(SoundFileNameProblem("*.wav"))});
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(SaveSoundTest, SoundButtonWithoutASoundServerStaysSilent) {
    Create();
    AddSignal("Sinus", Sine());
    // Any button plays while held; without a sound output that is silence, no message.
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(Btn("SoundBtn"), button);
        QTest::mouseRelease(Btn("SoundBtn"), button);
    }
    EXPECT_TRUE(prompts.shown.empty());
}

} // namespace
