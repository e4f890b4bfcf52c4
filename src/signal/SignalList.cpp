#include "signal/SignalList.h"

int SignalList::Append(std::string name, const tSignal& signal) {
    auto copy = std::make_unique<tSignal>();
    copy->Assign(signal);
    entries_.push_back({std::move(name), std::move(copy)});
    return Count() - 1;
}

void SignalList::Remove(int index) {
    entries_.erase(entries_.begin() + index);
}

int SignalList::FindExact(const std::string& name) const {
    for (int i = 0; i < Count(); ++i)
        if (entries_[i].name == name) return i;
    return -1;
}
