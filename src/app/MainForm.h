#pragma once

#include "settings/AppSettings.h"
#include "signal/SignalList.h"

#include <QIcon>
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QScrollBar;
class QToolButton;
class QFrame;
class PaintBox;
class HelpSystem;
class SettingsStore;
class TInfoDlg;
class TNewSignalDlg;
class TNewSignalNameDlg;
class Toptionsdlg;
class CurveCache;
struct SpectrumSelection;
class SignalEditor;

// The main window: signal list, spectrum views, line diagram and their commands. It owns
// the project (the named signals), the copy buffer and the settings while the program runs.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- program-wide state -------------------------------------------------------------
    QString ProgramDir; // with a trailing separator
    AppSettings Settings;
    SignalList Signals;
    std::unique_ptr<tSignal> CopyBuffer;
    QString ProjectFileName;
    bool ProjectModified = false;
    bool FirstActivation = true;
    int SpectrumScroll = 0;   // 0..6: the views show harmonics 16*scroll + 1 .. + 32
    int SelectedHarmonic = 0; // selected column 0..32 of the spectrum views
    int SelectedView = 0;     // 0 upper view, 1 lower view

    // --- controls (public so that tests reach them by name) --------------------------
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

    // Menu items.
    QAction *NewProjectItem, *OpenProjectItem, *SaveProjectItem, *SaveProjectAsItem, *ExitItem;
    QAction *NewSignalItem, *DeleteSignalItem, *CopySignalItem, *PasteSignalItem, *EditSignalItem;
    QAction *ConvertItem, *ExportItem, *ExportSpectra32Item, *ExportSpectra64Item,
        *ExportSpectra128Item, *ExportLineDiagramItem, *ExportTableItem, *SaveSoundItem;
    QAction* OptionsItem;
    QAction *Inhalt1, *TheoryItem, *ContentsItem, *InfoItem;
    QMenu* ExportMenu;

    // The small images painted at start: list icons and step-button glyphs.
    QPixmap ListIcons;
    QPixmap StepGlyphs;
    // The fourteen glyphs cut from the strip once, as button icons.
    std::array<QIcon, 14> StepGlyphIcons;
    // Glyph column now on the four switchable step buttons, -1 before the first choice.
    int StepGlyphColumn = -1;

    // --- dialogs, created once ----------------------------------------------------------
    TInfoDlg* InfoDlg;
    TNewSignalDlg* NewSignalDlg;
    TNewSignalNameDlg* NewSignalNameDlg;
    Toptionsdlg* OptionsDlg;
    HelpSystem& Help() { return *help_; }
    // The editors by signal kind (spectral lines, waveform, formulas); none until installed.
    std::array<SignalEditor*, 3> Editors{};
    SignalEditor* EditorFor(int kind) const;
    // List index of the signal open in an editor, -1 when none is.
    int EditingIndex = -1;
    // Whether `name` may be given to a signal; shows the reason when not. `ownIndex` is the
    // signal being renamed, -1 for a new one.
    bool CheckNewName(QWidget* dialog, const QString& name, int ownIndex = -1);

    // --- the selected signal ----------------------------------------------------------
    // Index of the list's current entry when it is a valid entry, else -1.
    int SelectedIndex() const;
    tSignal* SelectedSignal();

    // --- refreshing -----------------------------------------------------------------------
    void FormPaint(); // titles and spectra, commands, line diagram
    void ShowSpectrumTitles();
    void UpdateCommands();
    void UpdateEditControls();
    void ShowSelectedValue();
    void DrawLineDiagram();
    void UpdateMeasures();
    void UpdateZoomButtons();
    // Sets the list items again from Signals and selects `index` (none when out of range).
    void SetListItems(int index);

    // --- commands -------------------------------------------------------------------------
    void InfoItemClick();
    void Inhalt1Click();
    void TheoryItemClick();
    void ContentsItemClick();
    void NewSignalBtnClick();
    void DeleteSignalBtnClick();
    void CopySignalBtnClick();
    void PasteSignalBtnClick();
    void SignalOptionsBtnClick();
    void ConvertItemClick();
    void SignalListBoxClick();
    void ToggleSelectedVisible();
    void OptionsItemClick();
    void SpecModeBtnClick();
    void hBarChange(int position);
    void StepSelectedLine(float step);
    // The step button in row 0..6 of the column (+100/+45 at the top, -100/-45 at the bottom).
    void StepButtonClick(int row);
    std::array<QToolButton*, 7> StepButtons() const;
    // The selected spectral line as the editing functions take it.
    SpectrumSelection Selection() const;
    void RepaintSpectra();
    void SpecEditKeyUp();
    void PickColumn(int view, int x);
    void PlusBtnClick();
    void MinusBtnClick();
    void RangeUpBtnClick();
    void RangeDownBtnClick();
    void StepZoom(int& level, int delta, int highest);

    // Opens the editor of a signal's kind; returns QDialog::Accepted or Rejected.
    // Kinds without an editor behave as if the user cancelled.
    int EditSignal(int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void CreateDialogs();
    // The save prompt for unsaved changes; false when the user cancels.
    bool QueryProjectSaved();
    void CreateControls();
    void CreateMenu();
    void ConnectCommands();
    void ApplyPlacement();
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();

    void PaintLineDiagram(QPainter& p);
    void PaintUpperView(QPainter& p);
    void PaintLowerView(QPainter& p);

    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<HelpSystem> help_;
    std::unique_ptr<CurveCache> curves_;
    bool closing_ = false;
};
