// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/History.h"

namespace {

// Heap bytes of a text beyond what its object holds itself.
std::size_t HeapBytes(const std::string& text) {
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

std::size_t HeapBytes(const std::optional<SignalEntry>& entry) {
    if (!entry) return 0;
    const tSignal& s = entry->signal;
    std::size_t bytes = HeapBytes(entry->name);
    for (const std::string* text :
         {&s.FormulaA0, &s.FormulaAn, &s.FormulaBn, &s.ConstK, &s.ConstL, &s.ConstM})
        bytes += HeapBytes(*text);
    return bytes;
}

// Puts `entry` at `index` when there is one and takes away the entry that stood there
// when `replaces`.
void Apply(SignalList& list, int index, const std::optional<SignalEntry>& entry, bool replaces) {
    if (entry && replaces)
        list.Replace(index, entry->name, entry->signal);
    else if (entry)
        list.Insert(index, entry->name, entry->signal);
    else if (replaces)
        list.Remove(index);
}

} // namespace

std::size_t History::ByteSizeOf(const Step& step) {
    std::size_t bytes = sizeof(Step) + step.name.args.capacity() * sizeof(std::string) +
                        HeapBytes(step.mergeKey) + step.changes.capacity() * sizeof(EntryChange);
    for (const std::string& arg : step.name.args) bytes += HeapBytes(arg);
    for (const EntryChange& c : step.changes) bytes += HeapBytes(c.before) + HeapBytes(c.after);
    return bytes;
}

void History::Join(Step& step, EntryChange change) {
    if (!step.changes.empty()) {
        EntryChange& last = step.changes.back();
        // What the last change left at this place is what this one found there.
        if (last.index == change.index && last.after && change.before) {
            last.after = std::move(change.after);
            return;
        }
    }
    step.changes.push_back(std::move(change));
}

void History::Record(MessageText name, EntryChange change, int selectionBefore, int selectionAfter,
                     const std::string& mergeKey) {
    // A new change makes what was undone unreachable, the saved state too if it lay there.
    if (CanRedo()) {
        for (auto i = steps_.begin() + position_; i != steps_.end(); ++i) bytes_ -= i->bytes;
        steps_.erase(steps_.begin() + position_, steps_.end());
        if (saved_ > position_) saved_ = -1;
    }
    const bool joins = CanUndo() && saved_ != position_ &&
                       ((compoundDepth_ > 0 && compoundStarted_) ||
                        (open_ && !mergeKey.empty() && steps_.back().mergeKey == mergeKey));
    if (joins) {
        Step& last = steps_.back();
        bytes_ -= last.bytes;
        Join(last, std::move(change));
        last.selectionAfter = selectionAfter;
        last.bytes = ByteSizeOf(last);
        bytes_ += last.bytes;
        if (compoundDepth_ > 0) compoundStarted_ = true;
    } else {
        Step step{std::move(name), {}, selectionBefore, selectionAfter, mergeKey, 0};
        step.changes.push_back(std::move(change));
        step.bytes = ByteSizeOf(step);
        bytes_ += step.bytes;
        steps_.push_back(std::move(step));
        ++position_;
        if (compoundDepth_ > 0) compoundStarted_ = true;
    }
    open_ = !mergeKey.empty() || compoundDepth_ > 0;
    while (StepCount() > MaxSteps || (bytes_ > MaxBytes && StepCount() > 1)) DropOldest();
}

void History::DropOldest() {
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
    --position_;
    // The state before the dropped step can no longer be reached.
    if (saved_ >= 0) --saved_;
}

void History::BeginCompound() {
    if (compoundDepth_++ == 0) compoundStarted_ = false;
}

void History::EndCompound() {
    if (compoundDepth_ > 0 && --compoundDepth_ == 0) open_ = false;
}

MessageText History::UndoStep() const {
    return CanUndo() ? steps_[position_ - 1].name : MessageText();
}

MessageText History::RedoStep() const {
    return CanRedo() ? steps_[position_].name : MessageText();
}

int History::Undo(SignalList& list) {
    if (!CanUndo()) return -1;
    open_ = false;
    const Step& step = steps_[--position_];
    for (auto c = step.changes.rbegin(); c != step.changes.rend(); ++c)
        Apply(list, c->index, c->before, c->after.has_value());
    return step.selectionBefore;
}

int History::Redo(SignalList& list) {
    if (!CanRedo()) return -1;
    open_ = false;
    const Step& step = steps_[position_++];
    for (const EntryChange& c : step.changes) Apply(list, c.index, c.after, c.before.has_value());
    return step.selectionAfter;
}

void History::Clear(bool modified) {
    steps_.clear();
    position_ = 0;
    saved_ = modified ? -1 : 0;
    open_ = false;
    bytes_ = 0;
}

void History::MarkSaved() {
    saved_ = position_;
    open_ = false;
}
