// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/IniFile.h"

#include "project/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <system_error>

IniFile IniFile::LoadFile(const std::string& path) {
    const auto failure = [&path](int error) {
        return MessageError(
            {QT_TRANSLATE_NOOP("Wellenwerk", "Die Datei %1 kann nicht gelesen werden: %2"),
             {path, std::generic_category().message(error)}});
    };
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw failure(errno);
    std::string bytes;
    char buffer[1 << 16];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (error) throw failure(error);
    return Parse(bytes);
}

void IniFile::SaveFileAtomically(const std::string& path) const {
    bool written = false;
    try {
        written = WriteFileContent(path, Serialise());
    } catch (const std::exception&) { // out of memory, or no source of randomness
    }
    if (!written) throw MessageError({CannotWriteText, {path}});
}
