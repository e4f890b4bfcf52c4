// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "project/SignalList.h"
#include "text/MessageText.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

// One entry of the list as it stood, every field of its signal kept exactly.
struct SignalEntry {
    std::string name;
    tSignal signal;
};

// What one change did to one place of the list: an entry inserted (no `before`), removed
// (no `after`) or replaced.
struct EntryChange {
    int index = 0;
    std::optional<SignalEntry> before;
    std::optional<SignalEntry> after;
};

// The undo history of a signal list: the steps done, and those undone that can be redone.
// A step keeps only the entries it changed, so its size does not grow with the project.
// Steps that belong together (a held key's repeats, a new signal with its first edit) merge
// into one. The history also knows at which step the project was last saved, which makes
// the modified flag follow undo and redo.
class History {
public:
    // At least this many steps are kept; the oldest go first when more are recorded, or
    // when the steps together hold more than MaxBytes.
    static constexpr int MaxSteps = 200;
    static constexpr std::size_t MaxBytes = std::size_t{16} << 20;

    // Records a change that has just been made to the list, as a step named `name` (for
    // the menu: a marked text with the signal's name as its argument, translated only where
    // it is shown) with the selection before and after. The change joins the last step
    // instead when it is part of an open compound, or when both carry the same non-empty
    // `mergeKey` and nothing has closed that step since.
    void Record(MessageText name, EntryChange change, int selectionBefore, int selectionAfter,
                const std::string& mergeKey = {});
    // The next change starts a step of its own.
    void Seal() { open_ = false; }
    // Every change until the matching EndCompound forms one step, named by the first.
    void BeginCompound();
    void EndCompound();

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < static_cast<int>(steps_.size()); }
    // The names of the steps undo and redo would take back or do again; empty for none.
    MessageText UndoStep() const;
    MessageText RedoStep() const;
    std::string UndoName() const { return UndoStep().German(); }
    std::string RedoName() const { return RedoStep().German(); }
    // Takes back the last step done (or does again the last undone) in `list`; returns the
    // entry to select then, as it was selected around that step; -1 for none.
    int Undo(SignalList& list);
    int Redo(SignalList& list);

    // Forgets every step. The state then reached counts as saved unless `modified`.
    void Clear(bool modified = false);
    // The present state is the saved one.
    void MarkSaved();
    // Whether the list is as it was when last saved, loaded or started.
    bool AtSavedState() const { return saved_ == position_; }

    int StepCount() const { return static_cast<int>(steps_.size()); }
    // The bytes the steps hold, with what their entries keep on the heap.
    std::size_t ByteSize() const { return bytes_; }

private:
    struct Step {
        MessageText name;
        std::vector<EntryChange> changes;
        int selectionBefore = -1, selectionAfter = -1;
        std::string mergeKey;
        std::size_t bytes = 0;
    };
    static std::size_t ByteSizeOf(const Step& step);
    // Joins a change to the step, folding it into the step's last change of the same place.
    static void Join(Step& step, EntryChange change);
    void DropOldest();

    std::deque<Step> steps_;
    int position_ = 0; // steps done; those from here on were undone
    int saved_ = 0;    // the position of the saved state; -1 when no step leads back to it
    bool open_ = false;
    int compoundDepth_ = 0;
    bool compoundStarted_ = false; // the open compound has recorded its step
    std::size_t bytes_ = 0;
};
