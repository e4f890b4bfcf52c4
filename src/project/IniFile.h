// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/MessageText.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A file that could not be written, its path as %1.
inline constexpr char CannotWriteText[] =
    QT_TRANSLATE_NOOP("Wellenwerk", "In %1 kann nicht geschrieben werden");

// A project file in INI format, held whole in memory. All names and values are the file's
// own bytes (Windows-1252); converting to and from UTF-8 is the caller's business.
//
// Reading:
// - A line "[name]" opens a section, a line "key=value" gives a value in it. The name runs
//   from the first "[" to the last "]" of the line, so it may hold brackets itself. Blanks
//   (space, tab) around section names, keys and values do not count, so "a1 = 100" is key
//   "a1" with value "100". Lines starting with ";" (after blanks) are comments; lines that are
//   neither header nor key line (text without "=", an empty key, "[" without "]") are kept but
//   not read, and so are key lines before the first section.
// - Section names and keys are compared without regard to letter case, the accented letters
//   of the code page included. Where a section or a key stands twice, the first counts.
// - CR LF, LF and a lone CR each end a line.
// Updating keeps every line it does not change byte for byte: parsing a file with CR LF line
// ends and serialising it again gives the same bytes. Every line is written with CR LF, so a
// file read with LF or lone CR line ends is written with CR LF throughout.
class IniFile {
public:
    // The longest value Read gives; longer values are cut.
    static constexpr std::size_t MaxValueLength = 2047;

    // Lines end with CR LF, LF or CR; the last line may have no line end (and keeps having
    // none as long as it stays the last line). Refuses files of 4 GiB and more (runtime_error).
    static IniFile Parse(std::string_view bytes);
    std::string Serialise() const;

    // Throws MessageError with a German message and the system's reason.
    static IniFile LoadFile(const std::string& path);
    // Writes the whole file as WriteFileContent (FileReplace.h) does: as a new file that takes
    // the old one's place in one step where it can keep owner, group, mode and links, else
    // over the old file itself; symbolic links are followed and kept; a file the user may not
    // write is refused. On failure throws MessageError with CannotWriteText; the old file
    // keeps its content and no temporary file is left.
    void SaveFileAtomically(const std::string& path) const;

    bool HasSection(std::string_view section) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    // The keys of a section in file order, each once, spelt as at its first occurrence.
    std::vector<std::string> Keys(std::string_view section) const;
    // The value, cut at MaxValueLength bytes, or `fallback` when the key is missing.
    std::string Read(std::string_view section, std::string_view key,
                     std::string_view fallback) const;
    // The value as Read gives it, or nothing when the key is missing: one lookup for both.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Replaces the value of an existing key in its line. A new key is added as "key=value"
    // right after the section's last key line (so before blank lines or comments that
    // separate it from the next section), or right after the header of a section without
    // keys; a new section is added at the end of the file as "[section]" and the key line.
    // Blanks around the value are written but do not count when it is read back.
    // Throws std::invalid_argument for what a line cannot hold: a line break anywhere, "="
    // in the key, or a key that is empty or starts with "[" or ";".
    void Write(std::string_view section, std::string_view key, std::string_view value);

    // Removes the header and every line up to the next section header, for every occurrence
    // of the section, so that no older copy of it comes to light afterwards.
    void EraseSection(std::string_view section);

private:
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    // A line as it stands in `text_`, without its line end. Offsets of key and value count
    // from the line's start; keyEnd is 0 unless this is a key line.
    struct Line {
        std::uint32_t begin = 0, size = 0;
        std::uint32_t keyBegin = 0, keyEnd = 0, valueBegin = 0, valueEnd = 0;
        bool lineEnd = true; // false only for a last line that had no line end

        bool IsKey() const { return keyEnd != 0; }
    };

    // A section header with the lines up to the next one; the first block holds the lines
    // before the first header and has no header.
    struct Block {
        bool hasHeader = false;
        bool erased = false;
        Line header;
        std::vector<Line> lines;
        // Open addressing over the first occurrence of each key: (hash << 32) | (line + 1),
        // 0 for a free slot.
        std::vector<std::uint64_t> keySlots;
        std::vector<std::uint32_t> keyLines; // the same lines in file order
        std::uint32_t insertAt = 0;          // just after the last key line of any key
    };

    // Every line's bytes. Parsing copies the file here once; a new or changed line is
    // appended and its Line points there, so no line owns memory of its own.
    std::string text_;
    std::vector<Block> blocks_;
    std::unordered_map<std::string, std::vector<std::size_t>, NameHash, NameEqual>
        sections_; // the blocks of each section, in file order

    std::string_view Text(const Line& line) const;
    std::string_view Key(const Line& line) const;
    std::string_view Value(const Line& line) const;
    Line AppendLine(std::string_view bytes);
    const Block* FindSection(std::string_view section) const;
    const Line* FindKey(const Block& block, std::string_view key) const;
    void AddBlock(Line header, std::string_view name);
    // Puts a line at `at`, where no key line may follow.
    void Insert(Block& block, std::uint32_t at, const Line& line);
    void Index(Block& block, std::uint64_t hash, std::uint32_t line);
};
