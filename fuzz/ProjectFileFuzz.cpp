// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/ProjectFile.h"
#include "project/SignalNames.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

// Any bytes as a project file: the load either fails with a message or gives signals with
// valid, unique names and showable amplitudes, which a save and a second load keep.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto cancel = [](tSignal&, std::string&, const FormulaError&) { return false; };
    LoadedProject loaded;
    try {
        loaded = LoadProjectFile(IniFile::Parse(bytes), cancel);
    } catch (const std::runtime_error&) {
        return 0;
    }
    const SignalList& list = loaded.list;
    for (int i = 0; i < list.Count(); ++i) {
        if (CheckSignalName(list.Name(i), list, i) != NameProblem::None) std::abort();
        for (float a : list.Signal(i).Amplitude)
            if (!(std::fabs(a) <= MaxAmplitude)) std::abort();
        for (float p : list.Signal(i).Phase)
            if (!std::isfinite(p)) std::abort();
    }

    IniFile saved;
    SaveProjectFile(saved, list, ',');
    const LoadedProject again = LoadProjectFile(IniFile::Parse(saved.Serialise()), cancel);
    if (again.changedWhileLoading || again.list.Count() != list.Count()) std::abort();
    for (int i = 0; i < list.Count(); ++i) {
        const tSignal &a = list.Signal(i), &b = again.list.Signal(i);
        if (again.list.Name(i) != list.Name(i) || a.Kind != b.Kind) std::abort();
        if (a.Kind == SpectralLines && (a.Amplitude != b.Amplitude || a.Phase != b.Phase))
            std::abort();
    }
    return 0;
}
