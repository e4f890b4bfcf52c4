// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"

#include <memory>
#include <string>
#include <vector>

// One entry of a project: a name (UTF-8) and the signal it owns.
struct NamedSignal {
    std::string name;
    std::unique_ptr<tSignal> signal;
};

// The project's ordered list of named signals; it owns its signals.
class SignalList {
public:
    int Count() const { return static_cast<int>(entries_.size()); }
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }

    const std::string& Name(int index) const { return entries_.at(index).name; }
    void Rename(int index, std::string name) { entries_.at(index).name = std::move(name); }
    tSignal& Signal(int index) { return *entries_.at(index).signal; }
    const tSignal& Signal(int index) const { return *entries_.at(index).signal; }

    // Appends a copy of `signal` under `name`; returns its index.
    int Append(std::string name, const tSignal& signal);
    // Puts an exact copy of `signal` (every field as it is) at `index`, 0..Count().
    void Insert(int index, std::string name, const tSignal& signal);
    // Makes the entry at `index` an exact copy of `signal` under `name`.
    void Replace(int index, std::string name, const tSignal& signal);
    void Remove(int index);
    void Clear() { entries_.clear(); }

private:
    std::vector<NamedSignal> entries_;
};
