// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "project/Project.h"
#include "settings/Settings.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class HelpSystem;
class LineDiagramView;
class MainCommands;
class QMenu;
class MeasureReadouts;
class SettingsStore;
class SignalEditor;
class SignalListView;
class SpectrumViews;
class InfoDlg;
class TNewSignalDlg;
class TNewSignalNameDlg;
class TSavewavDlg;
class TonePlayer;
class TSignalFormulaDlg;
class Toptionsdlg;
enum class Command;
struct FormulaError;

// The main window: signal list, spectrum views, line diagram and their commands. It only
// assembles: each view creates, places and wires its own controls; the project and the
// settings are core objects whose change notifications the window answers with one
// refresh; each handler is a short call into the object that does the work. Dialogs are
// made when first used and live until the end.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The open project and the settings: every change through their operations shows at once.
    Project& project() { return project_; }
    Settings& settings() { return settings_; }

    // Installs the editor for signals of a kind in place of the program's own (the window
    // does not own it); nullptr leaves the kind without an editor, which behaves as if the
    // user cancelled it.
    void SetEditor(int kind, SignalEditor* editor);

    // Replaces the project by the one in a file, as "Laden" does once a file is chosen (also
    // for a file named on the command line). Throws when the file cannot be read; the open
    // project stays as it was then.
    void LoadProjectFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class MainFormAccess; // tests reach the inside through it

    // --- life cycle (MainForm.cpp) ---------------------------------------------------------
    void FormCreate();
    void ConnectCommands();
    void ApplyPlacement();
    // Centres the window's frame on the desktop (the first start, without a placement).
    void CentreOnDesktop();
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    // "Wellenwerk V2.5", followed by " - Projekt: " and the file of a titled project.
    void ShowCaption();
    // The close prompt for unsaved changes; false when the window must stay open.
    bool QueryProjectSaved();

    // --- dialogs, each made when first used (MainForm.cpp) -------------------------------
    TSavewavDlg& SavewavDialog();
    InfoDlg& InfoDialog();
    TNewSignalDlg& NewSignalDialog();
    TNewSignalNameDlg& NewSignalNameDialog();
    TSignalFormulaDlg& FormulaDialog();
    Toptionsdlg& OptionsDialog();
    // The editor of a kind: the one installed, else the program's own; nullptr for none.
    SignalEditor* EditorFor(int kind);
    HelpSystem& Help();
    TonePlayer& Tone();

    // --- refreshing (MainFormRefresh.cpp) ------------------------------------------------
    void FormPaint(); // titles and spectra, commands, line diagram
    void ProjectChanged(ProjectChange change, int index);
    void SettingsChanged(SettingsChange change);
    void UpdateCommands();
    // "Rückgängig" and "Wiederholen" name the step they would take back or do again.
    void UpdateUndoCommands();
    void DrawLineDiagram();
    int SelectedIndex() const;
    const tSignal* SelectedSignal() const;

    // --- signal list and signal commands (SignalCommands.cpp) ---------------------------
    void SignalListBoxClick();
    void SignalListBoxMouseDown();
    void NewSignalBtnClick();
    void DeleteSignalBtnClick();
    void CopySignalBtnClick();
    void PasteSignalBtnClick();
    void SignalOptionsBtnClick();
    void ConvertItemClick();
    void UndoItemClick();
    void RedoItemClick();
    // Shows `editor` on a signal and its name and takes both back after OK (true). The name
    // is checked against the others but the entry `ownIndex`, or not at all for
    // NameNotChecked.
    bool RunEditor(SignalEditor& editor, tSignal& signal, std::string& name, int ownIndex);
    // Opens the editor of a signal's kind; returns QDialog::Accepted or Rejected.
    int EditSignal(int index);
    // Whether `name` may be given to a signal; shows the reason when not. `ownIndex` is
    // the entry being renamed in an editor, -1 for a new signal.
    bool CheckNewName(QWidget* dialog, const QString& name, int ownIndex = -1);

    // --- project commands (ProjectCommands.cpp) ------------------------------------------
    void NewProjectBtnClick();
    void LoadProjectItemClick();
    void SaveProjectItemClick();
    void SaveProjectAsItemClick();
    void ExitItemClick();
    // Save and save as; true when the project was written.
    bool SaveProject();
    bool SaveProjectAs();
    void WriteProjectFile(const QString& path);
    // Where the open and save dialogs start; remembers the folder of the file chosen in them.
    QString ProjectDialogStart() const;
    void RememberProjectFolder(const QString& chosenPath);
    // The prompt before new and load replace a project with signals; false to stop.
    bool QuerySaveBeforeReplacing();
    // Shows why a loaded formula signal failed and opens the formula editor on it.
    bool EditFailedFormula(tSignal& signal, std::string& name, const FormulaError& error);

    // --- views, zoom, settings, help, exports and sound (MainFormCommands.cpp) -----------
    void OptionsItemClick();
    void SpecModeBtnClick();
    void PlusBtnClick();
    void MinusBtnClick();
    void RangeUpBtnClick();
    void RangeDownBtnClick();
    void InfoItemClick();
    void Inhalt1Click();
    void TheoryItemClick();
    void ContentsItemClick();
    void ExportDiagItemClick();
    void N32Harmonische1Click();
    void N64Harmonische1Click();
    void N128Harmonische1Click();
    void ExportSpectra(int harmonicCount);
    void ExportTabItemClick();
    void SoundBtnMouseDown();
    void SoundBtnMouseUp();
    void SaveSoundClick();

    // --- examples, view size and exports into files (ClassroomCommands.cpp) ---------------
    void AddClassroomMenus();
    void FillExamplesMenu();
    void ExampleItemClick(const QString& path);
    // Scales the window, its controls and drawings to the view size of the settings.
    void ApplyViewScale();
    void ExportDiagFileClick();
    void ExportSpectraFileClick(int harmonicCount);
    void ExportTabFileClick();
    // Asks where an export goes, starting in the last export folder with `proposed` as the
    // name; empty when the user cancels or declines to replace an existing file.
    QString ChooseExportFile(const QString& title, const QString& filter, const QString& suffix,
                             const QString& proposed);
    // Asks for the file as above, saves into it and says so; the texts are marked German ones,
    // the suffix is the proposed name's.
    void ExportIntoFile(const char* title, const char* filter, const char* proposed,
                        const char* savedText, const std::function<bool(const QString&)>& save);
    QMenu* examplesMenu_ = nullptr;

    // --- program-wide state ----------------------------------------------------------------
    QString ProgramDir; // with a trailing separator
    bool FirstActivation = true;
    int ExportHarmonicCount = 32; // harmonics of the last spectra picture
    Project project_;
    Settings settings_;
    QString lastProjectFolder_; // of the last file chosen in a project dialog this run
    // The entry open in an editor (-1 for none), or NameNotChecked for a signal that is not
    // in the project yet.
    int editingIndex_ = -1;
    static constexpr int NameNotChecked = -2;
    bool closing_ = false;
    // The frame's size is known only once the window system has framed the window; the
    // first centring is repeated then.
    bool centreWhenFramed_ = false;

    // --- what the window assembles -------------------------------------------------------
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<HelpSystem> help_;
    std::unique_ptr<TonePlayer> tone_;
    std::unique_ptr<MainCommands> commands_;
    SignalListView* list_;
    LineDiagramView* diagram_;
    SpectrumViews* spectra_;
    std::unique_ptr<MeasureReadouts> readouts_;

    TSavewavDlg* savewavDlg_ = nullptr;
    InfoDlg* infoDlg_ = nullptr;
    TNewSignalDlg* newSignalDlg_ = nullptr;
    TNewSignalNameDlg* newSignalNameDlg_ = nullptr;
    TSignalFormulaDlg* formulaDlg_ = nullptr;
    Toptionsdlg* optionsDlg_ = nullptr;
    // The program's own editors once made, and those installed in their place.
    std::array<SignalEditor*, SignalKindCount> ownEditors_{};
    std::array<std::optional<SignalEditor*>, SignalKindCount> installedEditors_{};
};
