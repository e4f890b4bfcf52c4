// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/Project.h"

namespace {

// The menu's name of a step: `what` with the signal's name in place of "%1".
MessageText StepName(const char* what, const std::string& signalName) {
    return {what, {signalName}};
}

} // namespace

void Project::Changed(ProjectChange change, int index) {
    if (listener_) listener_(change, index);
}

NameProblem Project::CheckName(const std::string& name, int ownIndex) const {
    return CheckSignalName(name, signals_, ownIndex);
}

std::optional<SignalEntry> Project::EntryAt(int index) const {
    return SignalEntry{Name(index), Signal(index)};
}

void Project::RecordEdit(const char* what, int index, std::optional<SignalEntry> before,
                         int selectionBefore, const std::string& mergeKey) {
    MessageText name = StepName(what, before->name);
    history_.Record(std::move(name), {index, std::move(before), EntryAt(index)}, selectionBefore,
                    index, mergeKey);
}

int Project::AppendStep(std::string name, const tSignal& signal, const char* what) {
    const int selected = SelectedNow();
    const int index = signals_.Append(std::move(name), signal);
    history_.Record(StepName(what, Name(index)), {index, std::nullopt, EntryAt(index)}, selected,
                    index);
    Changed(ProjectChange::Signals, index);
    return index;
}

int Project::Append(std::string name, const tSignal& signal) {
    return AppendStep(std::move(name), signal,
                      QT_TRANSLATE_NOOP("Wellenwerk", "Signal %1 erzeugen"));
}

int Project::Remove(int index) {
    if (!IsValidIndex(index)) return -1;
    const int selected = SelectedNow();
    std::optional<SignalEntry> removed = EntryAt(index);
    MessageText name =
        StepName(QT_TRANSLATE_NOOP("Wellenwerk", "Signal %1 löschen"), removed->name);
    signals_.Remove(index);
    const int next = index < Count() ? index : index - 1;
    history_.Record(std::move(name), {index, std::move(removed), std::nullopt}, selected, next);
    Changed(ProjectChange::Signals, next);
    return next;
}

void Project::Copy(int index) {
    if (!IsValidIndex(index)) return;
    if (!copyBuffer_) copyBuffer_.emplace();
    copyBuffer_->Assign(Signal(index));
    Changed(ProjectChange::CopyBuffer, index);
}

int Project::Paste(std::string name) {
    if (!copyBuffer_) return -1;
    return AppendStep(std::move(name), *copyBuffer_,
                      QT_TRANSLATE_NOOP("Wellenwerk", "Signal %1 einfügen"));
}

void Project::Convert(int index) {
    if (!IsValidIndex(index) || signals_.Signal(index).Kind <= SpectralLines) return;
    const int selected = SelectedNow();
    auto before = EntryAt(index);
    signals_.Signal(index).Kind = SpectralLines;
    RecordEdit(QT_TRANSLATE_NOOP("Wellenwerk", "Signal %1 konvertieren"), index, std::move(before),
               selected);
    Changed(ProjectChange::Signals, index);
}

void Project::ToggleVisible(int index) {
    if (!IsValidIndex(index)) return;
    const int selected = SelectedNow();
    auto before = EntryAt(index);
    tSignal& s = signals_.Signal(index);
    s.Visible = !s.Visible;
    RecordEdit(QT_TRANSLATE_NOOP("Wellenwerk", "Sichtbarkeit von %1 ändern"), index,
               std::move(before), selected);
    Changed(ProjectChange::Visibility, index);
}

void Project::CommitEdit(int index, const tSignal& edited, std::string name) {
    if (!IsValidIndex(index)) return;
    const int selected = SelectedNow();
    auto before = EntryAt(index);
    signals_.Signal(index).Assign(edited);
    signals_.Rename(index, std::move(name));
    RecordEdit(QT_TRANSLATE_NOOP("Wellenwerk", "Signal %1 bearbeiten"), index, std::move(before),
               selected);
    Changed(ProjectChange::Signals, index);
}

void Project::Touch(int index) {
    if (!IsValidIndex(index)) return;
    RecordEdit(QT_TRANSLATE_NOOP("Wellenwerk", "Signal %1 bearbeiten"), index, EntryAt(index),
               SelectedNow());
    Changed(ProjectChange::Signals, index);
}

bool Project::EditSeries(int index, const std::function<bool(tSignal&)>& change,
                         const std::string& mergeKey) {
    if (!IsValidIndex(index)) return false;
    auto before = EntryAt(index);
    if (!change(signals_.Signal(index))) return false;
    RecordEdit(QT_TRANSLATE_NOOP("Wellenwerk", "Wert von %1 ändern"), index, std::move(before),
               SelectedNow(), mergeKey);
    Changed(ProjectChange::Series, index);
    return true;
}

void Project::Undo() {
    if (!CanUndo()) return;
    Changed(ProjectChange::Signals, history_.Undo(signals_));
}

void Project::Redo() {
    if (!CanRedo()) return;
    Changed(ProjectChange::Signals, history_.Redo(signals_));
}

void Project::Clear() {
    ReplaceAll({}, {});
}

void Project::ReplaceAll(SignalList loaded, std::string fileName, bool differsFromFile) {
    signals_ = std::move(loaded);
    fileName_ = std::move(fileName);
    history_.Clear(differsFromFile);
    Changed(ProjectChange::Replaced, Count() > 0 ? 0 : -1);
}

void Project::SetFileName(std::string fileName) {
    fileName_ = std::move(fileName);
    Changed(ProjectChange::FileName, -1);
}
