// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/Project.h"

void Project::Changed(ProjectChange change, int index, bool modifies) {
    if (modifies) modified_ = true;
    if (listener_) listener_(change, index);
}

NameProblem Project::CheckName(const std::string& name, int ownIndex) const {
    return CheckSignalName(name, signals_, ownIndex);
}

int Project::Append(std::string name, const tSignal& signal) {
    const int index = signals_.Append(std::move(name), signal);
    Changed(ProjectChange::Signals, index);
    return index;
}

int Project::Remove(int index) {
    if (!IsValidIndex(index)) return -1;
    signals_.Remove(index);
    const int next = index < Count() ? index : index - 1;
    Changed(ProjectChange::Signals, next);
    return next;
}

void Project::Copy(int index) {
    if (!IsValidIndex(index)) return;
    if (!copyBuffer_) copyBuffer_.emplace();
    copyBuffer_->Assign(Signal(index));
    Changed(ProjectChange::CopyBuffer, index, false);
}

int Project::Paste(std::string name) {
    if (!copyBuffer_) return -1;
    return Append(std::move(name), *copyBuffer_);
}

void Project::Convert(int index) {
    if (!IsValidIndex(index) || signals_.Signal(index).Kind <= SpectralLines) return;
    signals_.Signal(index).Kind = SpectralLines;
    Changed(ProjectChange::Signals, index);
}

void Project::ToggleVisible(int index) {
    if (!IsValidIndex(index)) return;
    tSignal& s = signals_.Signal(index);
    s.Visible = !s.Visible;
    Changed(ProjectChange::Visibility, index);
}

void Project::CommitEdit(int index, const tSignal& edited, std::string name) {
    if (!IsValidIndex(index)) return;
    signals_.Signal(index).Assign(edited);
    signals_.Rename(index, std::move(name));
    Changed(ProjectChange::Signals, index);
}

void Project::Touch(int index) {
    Changed(ProjectChange::Signals, index);
}

bool Project::EditSeries(int index, const std::function<bool(tSignal&)>& change) {
    if (!IsValidIndex(index) || !change(signals_.Signal(index))) return false;
    Changed(ProjectChange::Series, index);
    return true;
}

void Project::Clear() {
    ReplaceAll({}, {});
}

void Project::ReplaceAll(SignalList loaded, std::string fileName, bool differsFromFile) {
    signals_ = std::move(loaded);
    fileName_ = std::move(fileName);
    modified_ = differsFromFile;
    Changed(ProjectChange::Replaced, Count() > 0 ? 0 : -1, false);
}

void Project::SetFileName(std::string fileName) {
    fileName_ = std::move(fileName);
    Changed(ProjectChange::FileName, -1, false);
}
