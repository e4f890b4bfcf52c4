#pragma once

#include "app/MainForm.h"
#include "display/SpectrumViews.h"
#include "ui/HelpSystem.h"

#include <QAction>
#include <QLatin1String>
#include <stdexcept>

// What tests (and the screenshot tool) may reach inside the main window: its state, and its
// controls by object name.
class MainFormAccess {
public:
    explicit MainFormAccess(TMainForm& form) : f_(form) {}

    AppSettings& Settings() { return f_.Settings; }
    Project& project() { return f_.project_; }
    const QString& ProgramDir() const { return f_.ProgramDir; }
    bool& FirstActivation() { return f_.FirstActivation; }
    SpectrumViews& Spectra() { return *f_.spectra_; }
    HelpSystem& Help() { return *f_.help_; }
    const QPixmap& ListIcons() const { return f_.ListIcons; }
    const QPixmap& StepGlyphs() const { return f_.StepGlyphs; }

    int SelectedIndex() const { return f_.SelectedIndex(); }
    const tSignal* SelectedSignal() const { return f_.SelectedSignal(); }
    // Selects a list entry as a click on it would.
    void Select(int index) {
        f_.SetListItems(index);
        f_.SignalListBoxClick();
    }
    void FormPaint() { f_.FormPaint(); }

    // The control of that object name; fails loudly when there is none.
    template <typename T = QWidget> T* Control(const char* name) const {
        T* control = f_.findChild<T*>(QLatin1String(name));
        if (!control) throw std::logic_error(std::string("no control ") + name);
        return control;
    }

private:
    TMainForm& f_;
};
