#pragma once

#include "app/MainForm.h"
#include "app/SignalListView.h"
#include "display/SpectrumViews.h"
#include "ui/HelpSystem.h"

#include <QAction>
#include <QLatin1String>
#include <stdexcept>

// What tests may reach inside the main window beyond its public face: its state, and its
// controls by object name.
class MainFormAccess {
public:
    explicit MainFormAccess(TMainForm& form) : f_(form) {}

    const QString& ProgramDir() const { return f_.ProgramDir; }
    bool& FirstActivation() { return f_.FirstActivation; }
    SpectrumViews& Spectra() { return *f_.spectra_; }
    HelpSystem& Help() { return f_.Help(); }

    int SelectedIndex() const { return f_.SelectedIndex(); }
    const tSignal* SelectedSignal() const { return f_.SelectedSignal(); }
    // Selects a list entry as a click on it would.
    void Select(int index) {
        f_.list_->SetItems(index);
        f_.SignalListBoxClick();
    }

    // The control of that object name; fails loudly when there is none.
    template <typename T = QWidget> T* Control(const char* name) const {
        T* control = f_.findChild<T*>(QLatin1String(name));
        if (!control) throw std::logic_error(std::string("no control ") + name);
        return control;
    }

private:
    TMainForm& f_;
};
