// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The project commands through their buttons and menu items: prompts, file dialogs, the
// caption, and what a failed load or save leaves. The file format is tested in the core.
#include "support/FakeEditor.h"
#include "support/MainFormFixture.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <system_error>

namespace {

using Answer = Prompts::SaveAnswer;
const QString Quit = QStringLiteral("Wollen Sie Wellenwerk V2.5 wirklich beenden?");
const QByteArray Example = "[signals]\r\n0=Grundton\r\n1=Reihe\r\n[Grundton]\r\nc=1\r\na1=100\r\n"
                           "[Reihe]\r\nm=2\r\nfbn=1/n\r\n";

QString LoadPrompt(const QString& file) {
    return "Projekt \"" + file + "\"wurde verändert. Jetzt speichern?";
}
QString ClosePrompt(const QString& file) {
    return "Projekt \"" + file + "\" wurde verändert. Jetzt speichern?";
}
QString Caption(const QString& file) {
    return "Wellenwerk V2.5 - Projekt: " + file;
}

class ProjectCommandsTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Create().show();
        Write(example, Example);
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        MainFormTest::TearDown();
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void AddUntitled() {
        tSignal s;
        s.Amplitude[1] = 0.5f;
        s.Visible = true;
        AddSignal("Welle", s);
    }
    // The open dialog choosing `path`, and `answer` to the prompt when there are signals.
    void ExpectOpen(const QString& path, std::optional<Answer> answer = std::nullopt) {
        prompts.ExpectOpenFile(path);
        if (answer) prompts.ExpectAskSave(*answer);
    }
    void Open(const QString& path, std::optional<Answer> answer = std::nullopt) {
        ExpectOpen(path, answer);
        Btn("OpenProjectBtn")->click();
    }
    // Closes with Yes to the exit question; the info dialog follows once the window closes.
    bool Close(std::optional<bool> closePromptAnswer) {
        prompts.ExpectConfirm(true);
        if (closePromptAnswer) prompts.ExpectConfirm(*closePromptAnswer);
        prompts.ExpectDialog("InfoDlg", [](QDialog&) { return QDialog::Accepted; });
        return form->close();
    }

    QTemporaryDir dir;
    const QString example = Path("beispiel.wwp");
};

TEST_F(ProjectCommandsTest, LoadAndNewAskWheneverThereAreSignals) {
    const struct {
        const char* control;
        Answer answer;
        int count;       // signals afterwards
        bool titledLoad; // the example is loaded and named in the caption
    } cases[] = {
        {"NewProjectBtn", Answer::Cancel, 1, false},
        {"NewProjectItem", Answer::No, 0, false},
        {"OpenProjectBtn", Answer::Cancel, 1, false},
        {"OpenProjectItem", Answer::No, 2, true},
    };
    for (const auto& c : cases) {
        project().Clear();
        AddUntitled();
        project().MarkSaved(); // unchanged, and asked all the same
        prompts.Clear();
        const bool open = QString::fromLatin1(c.control).startsWith("Open");
        if (open) prompts.ExpectOpenFile(example);
        prompts.ExpectAskSave(c.answer);
        if (QString::fromLatin1(c.control).endsWith("Btn"))
            Btn(c.control)->click();
        else
            Item(c.control)->trigger();
        EXPECT_EQ(prompts.Texts("asksave"), QStringList{LoadPrompt("")}) << c.control;
        EXPECT_EQ(project().Count(), c.count) << c.control;
        EXPECT_EQ(form->windowTitle(), c.titledLoad ? Caption(example) : "Wellenwerk V2.5");
    }
    EXPECT_FALSE(project().Modified());
    EXPECT_EQ(project().Signal(1).Amplitude[2], 50.0f) << "the formula is evaluated";
    Open(example, Answer::Cancel); // a titled project names its file
    EXPECT_EQ(prompts.Texts("asksave").last(), LoadPrompt(example));
    Open(QString()); // cancelled in the open dialog: nothing asked
    EXPECT_EQ(prompts.Texts("asksave").size(), 2);
}

TEST_F(ProjectCommandsTest, NewOnAnEmptyProjectAsksNothingAndForgetsTheFile) {
    Write(Path("leer.wwp"), "[signals]\r\n");
    Open(Path("leer.wwp"));
    EXPECT_EQ(form->windowTitle(), Caption(Path("leer.wwp")));
    Btn("NewProjectBtn")->click();
    EXPECT_EQ(project().FileName(), "");
    EXPECT_EQ(form->windowTitle(), "Wellenwerk V2.5");
}

TEST_F(ProjectCommandsTest, YesSavesFirstAndACancelledSaveKeepsTheProject) {
    AddUntitled();
    ExpectOpen(example, Answer::Yes);
    prompts.ExpectSaveFile(QString()); // the user thinks better of it
    Btn("OpenProjectBtn")->click();
    EXPECT_EQ(project().Name(0), "Welle");
    ExpectOpen(example, Answer::Yes);
    prompts.ExpectSaveFile(Path("welle.wwp"));
    Btn("OpenProjectBtn")->click();
    EXPECT_EQ(Bytes(Path("welle.wwp")), "[signals]\r\n0=Welle\r\n[Welle]\r\na1=0.5\r\n");
    EXPECT_EQ(project().Count(), 2);
}

TEST_F(ProjectCommandsTest, SaveAsWritesWithTheUsersSeparatorThenSaveNeedsNoDialog) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    AddUntitled();
    const QString path = Path("neu.wwp");
    prompts.ExpectSaveFile(path);
    Btn("SaveProjectBtn")->click(); // untitled: save as
    EXPECT_EQ(prompts.Texts("save"), QStringList{"Projekt speichern"});
    EXPECT_EQ(Bytes(path), "[signals]\r\n0=Welle\r\n[Welle]\r\na1=0,5\r\n");
    EXPECT_EQ(form->windowTitle(), Caption(path));
    project().ToggleVisible(0);
    Item("SaveProjectItem")->trigger();
    EXPECT_EQ(Bytes(path), "[signals]\r\n0=Welle\r\n[Welle]\r\ns=0\r\na1=0,5\r\n");
    EXPECT_FALSE(project().Modified());
}

TEST_F(ProjectCommandsTest, FailuresLeaveFileProjectAndCaption) {
    Open(example);
    AddSignal("Zeile\r", tSignal()); // a name the file cannot hold
    prompts.ExpectError();
    Btn("SaveProjectBtn")->click();
    EXPECT_EQ(Bytes(example), Example);
    EXPECT_TRUE(project().Modified());
    prompts.ExpectSaveFile(Path("fehlt/neu.wwp"));
    prompts.ExpectError();
    Item("SaveProjectAsItem")->trigger();
    Write(Path("kaputt.wwp"), "[signals]\r\n0=A\r\n[A]\r\na1=\r\n");
    for (const char* name : {"kaputt.wwp", "fehlt.wwp"}) {
        ExpectOpen(Path(name), Answer::No);
        prompts.ExpectError();
        Btn("OpenProjectBtn")->click();
    }
    EXPECT_EQ(prompts.Texts("error"),
              (QStringList{"In " + example + " kann nicht geschrieben werden",
                           "In " + Path("fehlt/neu.wwp") + " kann nicht geschrieben werden",
                           "'' is not a valid floating point value",
                           "Die Datei " + Path("fehlt.wwp") + " kann nicht gelesen werden: " +
                               QString::fromStdString(std::generic_category().message(ENOENT))}));
    EXPECT_EQ(project().Count(), 3);
    EXPECT_EQ(project().FileName(), example.toStdString());
    EXPECT_EQ(form->windowTitle(), Caption(example));
}

TEST_F(ProjectCommandsTest, AFailedFormulaOpensTheEditorOnTheLoadedSignal) {
    auto* editor = new FakeEditor(form.get());
    form->SetEditor(Formulas, editor);
    Write(Path("pol.wwp"), "[signals]\r\n0=Pol\r\n[Pol]\r\nm=2\r\nfbn=1/(N-3)\r\n");
    for (bool ok : {false, true}) {
        project().Clear();
        AddSignal("Neu", tSignal());
        prompts.Clear();
        ExpectOpen(Path("pol.wwp"), Answer::No);
        prompts.ExpectError();
        prompts.ExpectDialog("FakeEditor", [&](QDialog&) {
            EXPECT_EQ(editor->name, "Pol");
            EXPECT_EQ(editor->work.Amplitude[2], 100.0f) << "as far as the evaluation got";
            editor->name = "Neu"; // the old project's name: not checked while loading
            EXPECT_TRUE(editor->PressOK());
            editor->work.FormulaBn = "1";
            return ok ? QDialog::Accepted : QDialog::Rejected;
        });
        Btn("OpenProjectBtn")->click();
        EXPECT_EQ(prompts.Texts("error"), QStringList{"Division durch Null"});
        ASSERT_EQ(project().Count(), 1);
        EXPECT_EQ(project().Name(0), ok ? "Neu" : "Pol");
        EXPECT_EQ(project().Signal(0).FormulaBn, ok ? "1" : "1/(N-3)");
        EXPECT_EQ(project().Modified(), ok) << "an edit while loading is not in the file yet";
    }
    editor->name = "neu"; // afterwards a rename is checked again
    prompts.ExpectError();
    EXPECT_FALSE(editor->PressOK());
}

TEST_F(ProjectCommandsTest, ExitOnAnUntitledProjectOffersTheSaveDialogThenTheClosePrompt) {
    AddUntitled();
    prompts.ExpectSaveFile(QString());
    prompts.ExpectConfirm(true);
    prompts.ExpectConfirm(false);
    prompts.ExpectDialog("InfoDlg", [](QDialog&) { return QDialog::Accepted; });
    Item("ExitItem")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(prompts.Texts("confirm"), (QStringList{Quit, ClosePrompt("")}));
}

TEST_F(ProjectCommandsTest, ExitGoesOnToCloseWhenTheSaveFails) {
    AddUntitled();
    project().SetFileName("/nonexistent-folder/x.wwp");
    prompts.ExpectError();        // the failed save
    prompts.ExpectConfirm(false); // the exit question comes all the same
    Item("ExitItem")->trigger();
    EXPECT_EQ(prompts.Texts("confirm"), QStringList{Quit});
}

TEST_F(ProjectCommandsTest, YesToTheClosePromptSavesOrKeepsTheWindowOpen) {
    AddUntitled();
    prompts.ExpectConfirm(true);
    prompts.ExpectDismissed(); // Escape or the box's close button
    EXPECT_FALSE(form->close());
    prompts.ExpectConfirm(true);
    prompts.ExpectConfirm(true);
    prompts.ExpectSaveFile(QString());
    EXPECT_FALSE(form->close()) << "nothing saved";
    prompts.ExpectConfirm(true);
    prompts.ExpectConfirm(true);
    prompts.ExpectSaveFile(example);
    prompts.ExpectDialog("InfoDlg", [](QDialog&) { return QDialog::Accepted; });
    EXPECT_TRUE(form->close());
    EXPECT_EQ(Bytes(example), "[signals]\r\n0=Welle\r\n[Welle]\r\na1=0.5\r\n");
}

TEST_F(ProjectCommandsTest, FileDialogsStartAtTheProjectElseTheLastFolderElseTheExamples) {
    const QString examples = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             "/wellenwerk/examples";
    ASSERT_TRUE(QDir().mkpath(examples));
    Open(example);
    prompts.ExpectSaveFile(QString()); // proposes the project's own file
    Item("SaveProjectAsItem")->trigger();
    prompts.ExpectAskSave(Answer::No);
    Btn("NewProjectBtn")->click();
    Open(QString());
    EXPECT_EQ(prompts.starts, (QStringList{examples, example, dir.path()}));
}

TEST_F(ProjectCommandsTest, NoClosePromptAfterSavingOrForAnEmptyProject) {
    Open(example);
    project().ToggleVisible(0);
    Btn("SaveProjectBtn")->click();
    ASSERT_TRUE(Close(std::nullopt));
    Create().show();
    AddUntitled();
    project().Remove(0); // changed, but empty
    ASSERT_TRUE(Close(std::nullopt));
    EXPECT_EQ(prompts.Texts("confirm"), (QStringList{Quit, Quit}));
}

} // namespace
