// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "project/SignalList.h"
#include "project/SignalNames.h"

#include <functional>
#include <optional>
#include <string>

// What a change of the project touched, so that the window redraws what shows it.
enum class ProjectChange {
    Signals,    // entries added, removed, renamed, converted, edited or all replaced
    Series,     // one signal's spectral lines changed in place
    Visibility, // one signal shown or hidden in the line diagram
    CopyBuffer, // the copy buffer was filled
    Replaced,   // every signal and the file name replaced (new or loaded project)
    FileName,   // the project's file name changed
};

// The open project: the ordered list of named signals, the copy buffer, the file it was
// loaded from or saved to, and whether it changed since. Every change goes through one of
// its operations, which keeps the flag right and raises exactly one notification; the
// operations take list indexes and return the entry that should be selected afterwards.
class Project {
public:
    // Called after every change with what changed and the entry to select (for Signals and
    // Replaced) or the entry that changed (for Series and Visibility); -1 when none.
    using Listener = std::function<void(ProjectChange change, int index)>;
    void SetListener(Listener listener) { listener_ = std::move(listener); }

    const SignalList& Signals() const { return signals_; }
    int Count() const { return signals_.Count(); }
    bool IsValidIndex(int index) const { return signals_.IsValidIndex(index); }
    const std::string& Name(int index) const { return signals_.Name(index); }
    const tSignal& Signal(int index) const { return signals_.Signal(index); }
    // The signal at `index`, nullptr when the index names no entry.
    const tSignal* SignalAt(int index) const {
        return IsValidIndex(index) ? &signals_.Signal(index) : nullptr;
    }

    // The last copied signal, nullptr before the first copy. It survives new and loaded
    // projects.
    const tSignal* CopyBuffer() const { return copyBuffer_ ? &*copyBuffer_ : nullptr; }

    // Full path of the project file; empty while the project is untitled.
    const std::string& FileName() const { return fileName_; }
    // Whether the project changed since it was started, loaded or saved.
    bool Modified() const { return modified_; }

    // Whether `name` can be given to a new or pasted signal (the entry at `ownIndex`, a
    // signal being renamed, is not compared with itself).
    NameProblem CheckName(const std::string& name, int ownIndex = -1) const;

    // --- signal commands -----------------------------------------------------------------
    // Appends a copy of `signal` under `name`; returns its index.
    int Append(std::string name, const tSignal& signal);
    // Removes an entry; returns the entry that takes its place in the selection: the same
    // index, the one before when the last entry went, -1 when the list is now empty.
    int Remove(int index);
    // Copies an entry into the copy buffer. The project itself does not change.
    void Copy(int index);
    // Appends a copy of the copy buffer under `name`; returns its index, -1 without a buffer.
    int Paste(std::string name);
    // Makes a waveform or formula signal a spectral-line signal; its series stays as it is.
    void Convert(int index);
    void ToggleVisible(int index);
    // Takes an editor's result for an entry: the edited signal and the name from the dialog.
    void CommitEdit(int index, const tSignal& edited, std::string name);
    // Marks an entry as edited without changing it (a kind that has no editor).
    void Touch(int index);
    // Changes an entry's series in place; `change` returns whether it changed anything, and
    // only then is the project marked as changed.
    bool EditSeries(int index, const std::function<bool(tSignal&)>& change);

    // --- whole projects ------------------------------------------------------------------
    // An empty, untitled, unchanged project.
    void Clear();
    // Replaces every signal by those loaded from `fileName`; the project is then unchanged,
    // unless loading had to change what the file holds (`differsFromFile`).
    void ReplaceAll(SignalList loaded, std::string fileName, bool differsFromFile = false);
    void SetFileName(std::string fileName);
    void MarkSaved() { modified_ = false; }

private:
    void Changed(ProjectChange change, int index, bool modifies = true);

    SignalList signals_;
    std::optional<tSignal> copyBuffer_;
    std::string fileName_;
    bool modified_ = false;
    Listener listener_;
};
