// Wiring of the main window's buttons and menu items, and its dialogs.
#include "app/InfoDlg.h"
#include "app/MainForm.h"
#include "app/NewSignalDlg.h"
#include "app/OptionsDlg.h"
#include "app/Prompts.h"
#include "display/PaintBox.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>

void TMainForm::CreateDialogs() {
    auto check = [this](QWidget* dialog, const QString& name) {
        return CheckNewName(dialog, name);
    };
    NewSignalNameDlg = new TNewSignalNameDlg(this, check);
    NewSignalDlg = new TNewSignalDlg(this, check);
    InfoDlg = new TInfoDlg(this);
    OptionsDlg = new Toptionsdlg(this, Settings, *help_);
}

void TMainForm::OptionsItemClick() {
    if (prompts().Exec(*OptionsDlg) == QDialog::Accepted) FormPaint();
}

void TMainForm::ConnectCommands() {
    auto button = [this](QToolButton* b, void (TMainForm::*handler)()) {
        connect(b, &QToolButton::clicked, this, handler);
    };
    auto item = [this](QAction* a, void (TMainForm::*handler)()) {
        connect(a, &QAction::triggered, this, handler);
    };
    connect(ExitItem, &QAction::triggered, this, &QWidget::close);
    item(InfoItem, &TMainForm::InfoItemClick);
    item(Inhalt1, &TMainForm::Inhalt1Click);
    item(TheoryItem, &TMainForm::TheoryItemClick);
    item(ContentsItem, &TMainForm::ContentsItemClick);

    button(NewSignalBtn, &TMainForm::NewSignalBtnClick);
    item(NewSignalItem, &TMainForm::NewSignalBtnClick);
    button(DeleteSignalBtn, &TMainForm::DeleteSignalBtnClick);
    item(DeleteSignalItem, &TMainForm::DeleteSignalBtnClick);
    button(CopySignalBtn, &TMainForm::CopySignalBtnClick);
    item(CopySignalItem, &TMainForm::CopySignalBtnClick);
    button(PasteSignalBtn, &TMainForm::PasteSignalBtnClick);
    item(PasteSignalItem, &TMainForm::PasteSignalBtnClick);
    button(SignalOptionsBtn, &TMainForm::SignalOptionsBtnClick);
    item(EditSignalItem, &TMainForm::SignalOptionsBtnClick);
    item(ConvertItem, &TMainForm::ConvertItemClick);

    connect(SignalListBox, &QListWidget::currentRowChanged, this, &TMainForm::SignalListBoxClick);
    SignalListBox->viewport()->installEventFilter(this);

    button(OptionsBtn, &TMainForm::OptionsItemClick);
    item(OptionsItem, &TMainForm::OptionsItemClick);
    button(PlusBtn, &TMainForm::PlusBtnClick);
    button(MinusBtn, &TMainForm::MinusBtnClick);
    button(RangeUpBtn, &TMainForm::RangeUpBtnClick);
    button(RangeDownBtn, &TMainForm::RangeDownBtnClick);

    diagbox->OnPaint = [this](QPainter& p) { PaintLineDiagram(p); };
    specbox0->OnPaint = [this](QPainter& p) { PaintUpperView(p); };
    specbox1->OnPaint = [this](QPainter& p) { PaintLowerView(p); };
    specbox0->OnMouseDown = [this](QMouseEvent* e) { PickColumn(0, e->position().toPoint().x()); };
    specbox1->OnMouseDown = [this](QMouseEvent* e) { PickColumn(1, e->position().toPoint().x()); };
    button(SpecModeBtn, &TMainForm::SpecModeBtnClick);
    connect(hBar, &QScrollBar::valueChanged, this, &TMainForm::hBarChange);
    const auto steps = StepButtons();
    for (int row = 0; row < static_cast<int>(steps.size()); ++row)
        connect(steps[row], &QToolButton::clicked, this, [this, row] { StepButtonClick(row); });
    SpecEdit->installEventFilter(this);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Only the release of a key the user lets go of counts, not those of auto-repeat.
    if (watched == SpecEdit && event->type() == QEvent::KeyRelease &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        SpecEditKeyUp();
        return false;
    }
    if (watched == SignalListBox->viewport()) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            // The right button toggles the selected signal, whatever row is under the mouse.
            ToggleSelectedVisible();
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            SignalOptionsBtnClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::QueryProjectSaved() {
    return true;
}
