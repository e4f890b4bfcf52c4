#pragma once

#include "project/Project.h"
#include "settings/AppSettings.h"

#include <QIcon>
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <memory>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QScrollBar;
class QToolButton;
class HelpSystem;
class LineDiagramView;
class PaintBox;
class SettingsStore;
class SignalEditor;
class SpectrumViews;
class TInfoDlg;
class TNewSignalDlg;
class TNewSignalNameDlg;
class TSavewavDlg;
class TonePlayer;
class TSignalFormulaDlg;
class Toptionsdlg;
struct FormulaError;

// The main window: signal list, spectrum views, line diagram and their commands. It
// assembles the subsystems: each handler is a short call into the object that does the
// work. The project (signals, copy buffer, file name, modified flag) is a core object whose
// change notifications the window answers with one refresh.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Installs the editor for signals of a kind (the window does not own it). Kinds
    // without an editor behave as if the user cancelled it.
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
    friend class MainFormAccess; // tests and tools reach the inside through it

    // --- life cycle (MainForm.cpp) ---------------------------------------------------------
    void FormCreate();
    void CreateDialogs();
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

    // --- layout (MainFormLayout.cpp) -----------------------------------------------------
    void CreateControls();
    void CreateMenu();
    void ConnectCommands();

    // --- refreshing (MainFormRefresh.cpp) ------------------------------------------------
    void FormPaint(); // titles and spectra, commands, line diagram
    void ProjectChanged(ProjectChange change, int index);
    void UpdateCommands();
    void DrawLineDiagram();
    void UpdateMeasures();
    // Sets the list items again from the project and selects `index` (none when out of
    // range).
    void SetListItems(int index);
    // Index of the list's current entry when it is a valid entry, else -1.
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

    // --- views, zoom, settings and help (MainFormCommands.cpp) --------------------------
    void OptionsItemClick();
    void SpecModeBtnClick();
    void PlusBtnClick();
    void MinusBtnClick();
    void RangeUpBtnClick();
    void RangeDownBtnClick();
    void Zoomed(bool changed);
    // Plus3Btn .. Minus3Btn, from top to bottom.
    std::array<QToolButton*, 7> StepButtons() const;
    void InfoItemClick();
    void Inhalt1Click();
    // --- clipboard exports (MainFormCommands.cpp) ----------------------------------------
    void ExportDiagItemClick();
    void N32Harmonische1Click();
    void N64Harmonische1Click();
    void N128Harmonische1Click();
    void ExportSpectra(int harmonicCount);
    void ExportTabItemClick();
    void TheoryItemClick();
    void ContentsItemClick();

    // --- sound (MainFormCommands.cpp) ----------------------------------------------------
    void SoundBtnMouseDown();
    void SoundBtnMouseUp();
    void SaveSoundClick();

    // --- program-wide state ----------------------------------------------------------------
    QString ProgramDir; // with a trailing separator
    AppSettings Settings;
    Project project_;
    bool FirstActivation = true;
    int ExportHarmonicCount = 32; // harmonics of the last spectra picture
    QString lastProjectFolder_;   // of the last file chosen in a project dialog this run

    // --- controls ------------------------------------------------------------------------
    QGroupBox* GroupBox2;
    QListWidget* SignalListBox;
    QToolButton *NewProjectBtn, *OpenProjectBtn, *SaveProjectBtn;
    QToolButton *NewSignalBtn, *DeleteSignalBtn, *SignalOptionsBtn, *CopySignalBtn, *PasteSignalBtn;
    QGroupBox *specgroup0, *specgroup1;
    PaintBox *specbox0, *specbox1;
    QFrame* Panel1;
    QLineEdit* SpecEdit;
    QFrame *Effektivwertpanel, *Klirrfaktorpanel;
    QLabel *Effektivwertlabel, *KlirrLabel;
    QScrollBar* hBar;
    QGroupBox* GroupBox1;
    PaintBox* diagbox;
    QToolButton* SpecModeBtn;
    QToolButton *Plus3Btn, *Plus2Btn, *Plus1Btn, *ZeroBtn, *Minus1Btn, *Minus2Btn, *Minus3Btn;
    QToolButton *SoundBtn, *OptionsBtn;
    QToolButton *PlusBtn, *MinusBtn, *RangeUpBtn, *RangeDownBtn;

    QAction *NewProjectItem, *OpenProjectItem, *SaveProjectItem, *SaveProjectAsItem, *ExitItem;
    QAction *NewSignalItem, *DeleteSignalItem, *CopySignalItem, *PasteSignalItem, *EditSignalItem;
    QAction *ConvertItem, *ExportItem, *ExportSpecItem, *N32Harmonische1, *N64Harmonische1,
        *N128Harmonische1, *ExportDiagItem, *ExportTabItem, *SaveSoundItem;
    QAction* OptionsItem;
    QAction *Inhalt1, *TheoryItem, *ContentsItem, *InfoItem;
    QMenu* ExportMenu;

    // The small images painted at start: list icons and step-button glyphs, the latter cut
    // into their fourteen glyphs once.
    QPixmap ListIcons;
    QPixmap StepGlyphs;
    std::array<QIcon, 14> StepGlyphIcons;

    // --- dialogs, created once -------------------------------------------------------------
    TSavewavDlg* SavewavDlg = nullptr;
    TInfoDlg* InfoDlg = nullptr;
    TNewSignalDlg* NewSignalDlg = nullptr;
    TNewSignalNameDlg* NewSignalNameDlg = nullptr;
    TSignalFormulaDlg* SignalFormulaDlg = nullptr;
    Toptionsdlg* OptionsDlg = nullptr;
    std::array<SignalEditor*, SignalKindCount> Editors{};
    // The entry open in an editor (-1 for none), or NameNotChecked for a signal that is not
    // in the project yet.
    int editingIndex_ = -1;
    static constexpr int NameNotChecked = -2;

    // --- the subsystems the window assembles --------------------------------------------
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<HelpSystem> help_;
    std::unique_ptr<SpectrumViews> spectra_;
    std::unique_ptr<LineDiagramView> diagram_;
    std::unique_ptr<TonePlayer> tone_;
    bool closing_ = false;
    // The frame's size is known only once the window system has framed the window; the
    // first centring is repeated then.
    bool centreWhenFramed_ = false;
};
