// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/IniFile.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

// Any bytes parse; serialising gives them back when every line ends with CR LF (or the last
// with nothing); a value written reads back, also from the written file; updates named by
// the data keep what they do not touch.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniFile ini = IniFile::Parse(bytes);
    const std::string out = ini.Serialise();
    // A lone CR or LF ends a line too, and is written as CR LF.
    bool loneEnd = false;
    for (std::size_t i = 0; i < size; ++i)
        if ((bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) ||
            (bytes[i] == '\r' && (i + 1 == size || bytes[i + 1] != '\n')))
            loneEnd = true;
    if (!loneEnd && out != bytes) std::abort();
    if (IniFile::Parse(out).Serialise() != out) std::abort();

    // The first line names a section and a key; write, read back and erase them.
    const std::string_view first = bytes.substr(0, bytes.find_first_of("\r\n"));
    const std::string_view section = first.substr(0, first.size() / 2);
    const std::string_view key = first.substr(first.size() / 2);
    try {
        ini.Write(section, key, "v");
        if (ini.Read(section, key, "") != "v") std::abort();
        if (IniFile::Parse(ini.Serialise()).Read(section, key, "") != "v") std::abort();
        ini.EraseSection(section);
        if (ini.HasSection(section)) std::abort();
        if (IniFile::Parse(ini.Serialise()).HasSection(section)) std::abort();
    } catch (const std::invalid_argument&) {
    }
    return 0;
}
