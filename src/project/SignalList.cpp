// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/SignalList.h"

int SignalList::Append(std::string name, const tSignal& signal) {
    auto copy = std::make_unique<tSignal>();
    copy->Assign(signal);
    entries_.push_back({std::move(name), std::move(copy)});
    return Count() - 1;
}

void SignalList::Insert(int index, std::string name, const tSignal& signal) {
    entries_.insert(entries_.begin() + index, {std::move(name), std::make_unique<tSignal>(signal)});
}

void SignalList::Replace(int index, std::string name, const tSignal& signal) {
    NamedSignal& entry = entries_.at(index);
    entry.name = std::move(name);
    *entry.signal = signal;
}

void SignalList::Remove(int index) {
    entries_.erase(entries_.begin() + index);
}
