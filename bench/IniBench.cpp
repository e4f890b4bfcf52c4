// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/IniFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int SignalCount = 300;

std::string SectionName(int i) {
    return "Signal " + std::to_string(i) + " S\xE4gezahn";
}

// The keys of a spectral-line signal: the common ones, then a0..a128 and p0..p128.
std::vector<std::string> SignalKeys() {
    std::vector<std::string> keys = {"m", "x", "c", "s"};
    for (const char* letter : {"a", "p"})
        for (int n = 0; n <= 128; ++n)
            keys.push_back(std::string(letter).append(std::to_string(n)));
    return keys;
}

// What a save writes: the list entry and the values of each signal, formatted beforehand so
// that only the file's work is measured.
struct Entry {
    std::string index, name;
    std::vector<std::string> values;
};

std::vector<Entry> Entries() {
    const std::size_t keyCount = SignalKeys().size();
    std::vector<Entry> entries(SignalCount);
    for (int i = 0; i < SignalCount; ++i) {
        entries[i].index = std::to_string(i);
        entries[i].name = SectionName(i);
        for (std::size_t k = 0; k < keyCount; ++k)
            entries[i].values.push_back(std::to_string(i * 1000 + k) + ",100000001490116");
    }
    return entries;
}

void WriteAll(IniFile& ini, const std::vector<Entry>& entries,
              const std::vector<std::string>& keys) {
    for (const Entry& e : entries) {
        ini.Write("signals", e.index, e.name);
        for (std::size_t k = 0; k < keys.size(); ++k) ini.Write(e.name, keys[k], e.values[k]);
    }
}

// A project of 300 signals with 262 keys each.
IniFile Project() {
    IniFile ini;
    WriteAll(ini, Entries(), SignalKeys());
    return ini;
}

// Loading: parse the file, list the signals and read every key of every signal.
void BM_IniParseAndReadAll(benchmark::State& state) {
    const std::string bytes = Project().Serialise();
    const std::vector<std::string> keys = SignalKeys();
    for (auto _ : state) {
        const IniFile ini = IniFile::Parse(bytes);
        std::size_t total = 0;
        for (const std::string& index : ini.Keys("signals")) {
            const std::string name = ini.Read("signals", index, "");
            for (const std::string& key : keys) total += ini.Read(name, key, "0").size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_IniParseAndReadAll)->Unit(benchmark::kMillisecond);

// Saving over the same project: erase the listed sections and the list, write every key
// again and serialise.
void BM_IniWriteAllAndSerialise(benchmark::State& state) {
    const IniFile loaded = Project();
    const std::vector<Entry> entries = Entries();
    const std::vector<std::string> keys = SignalKeys();
    for (auto _ : state) {
        state.PauseTiming();
        IniFile ini = loaded;
        state.ResumeTiming();
        for (const std::string& index : ini.Keys("signals"))
            ini.EraseSection(ini.Read("signals", index, ""));
        ini.EraseSection("signals");
        WriteAll(ini, entries, keys);
        benchmark::DoNotOptimize(ini.Serialise());
    }
}
BENCHMARK(BM_IniWriteAllAndSerialise)->Unit(benchmark::kMillisecond);

} // namespace
