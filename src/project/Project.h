// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "project/History.h"
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
// its operations, which records it as a step that can be undone, keeps the flag right and
// raises exactly one notification; the operations take list indexes and return the entry
// that should be selected afterwards.
class Project {
public:
    // Called after every change with what changed and the entry to select (for Signals and
    // Replaced) or the entry that changed (for Series and Visibility); -1 when none.
    using Listener = std::function<void(ProjectChange change, int index)>;
    void SetListener(Listener listener) { listener_ = std::move(listener); }
    // Tells which entry the window shows as selected, so that undo can select it again.
    void SetSelectionProbe(std::function<int()> probe) { selection_ = std::move(probe); }

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
    bool Modified() const { return !history_.AtSavedState(); }

    // Whether `name` can be given to a new or pasted signal (the entry at `ownIndex`, a
    // signal being renamed, is not compared with itself).
    NameProblem CheckName(const std::string& name, int ownIndex = -1) const;

    // --- signal commands -----------------------------------------------------------------
    // Appends a copy of `signal` under `name` (a new signal); returns its index.
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
    // only then is the project marked as changed. Edits with the same non-empty `mergeKey`
    // in a row are one step until EndMerge.
    bool EditSeries(int index, const std::function<bool(tSignal&)>& change,
                    const std::string& mergeKey = {});

    // --- undo and redo -------------------------------------------------------------------
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // What undo and redo would do, for the menu ("Wert von S1 ändern"): as marked text with
    // the signal's name for the interface to translate, and in German; empty for nothing.
    MessageText UndoStep() const { return history_.UndoStep(); }
    MessageText RedoStep() const { return history_.RedoStep(); }
    std::string UndoName() const { return history_.UndoName(); }
    std::string RedoName() const { return history_.RedoName(); }
    // Restores the signals, their order and the selection as they were before the last
    // step (or after the last undone one), with one notification.
    void Undo();
    void Redo();
    // The next change is a step of its own, even with the merge key of the last.
    void EndMerge() { history_.Seal(); }
    // While one lives, every change is part of one step (a new signal and its first edit).
    class CompoundStep {
    public:
        explicit CompoundStep(Project& project) : history_(project.history_) {
            history_.BeginCompound();
        }
        ~CompoundStep() { history_.EndCompound(); }
        CompoundStep(const CompoundStep&) = delete;
        CompoundStep& operator=(const CompoundStep&) = delete;

    private:
        History& history_;
    };
    const History& UndoHistory() const { return history_; }

    // --- whole projects ------------------------------------------------------------------
    // An empty, untitled, unchanged project.
    void Clear();
    // Replaces every signal by those loaded from `fileName`; the project is then unchanged,
    // unless loading had to change what the file holds (`differsFromFile`).
    void ReplaceAll(SignalList loaded, std::string fileName, bool differsFromFile = false);
    void SetFileName(std::string fileName);
    void MarkSaved() { history_.MarkSaved(); }

private:
    void Changed(ProjectChange change, int index);
    int SelectedNow() const { return selection_ ? selection_() : -1; }
    std::optional<SignalEntry> EntryAt(int index) const;
    // Records the change of entry `index` from `before` to what it holds now.
    void RecordEdit(const char* what, int index, std::optional<SignalEntry> before,
                    int selectionBefore, const std::string& mergeKey = {});
    int AppendStep(std::string name, const tSignal& signal, const char* what);

    SignalList signals_;
    std::optional<tSignal> copyBuffer_;
    std::string fileName_;
    History history_;
    Listener listener_;
    std::function<int()> selection_;
};
