// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/IniFile.h"

#include "text/NumberText.h"

#include "text/Windows1252.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::size_t SkipBlanks(std::string_view s, std::size_t i) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    return i;
}

// The section name of a header line "[name]": from the first "[" to the last "]", so that a
// name holding "]" itself ("Y]", "A[1]") reads back as written; text after it does not count.
std::optional<std::string_view> HeaderName(std::string_view text) {
    const std::size_t open = SkipBlanks(text, 0);
    if (open == text.size() || text[open] != '[') return std::nullopt;
    const std::size_t close = text.rfind(']');
    if (close == std::string_view::npos || close < open) return std::nullopt;
    return TrimBlanks(text.substr(open + 1, close - open - 1));
}

// Where key and value stand in a key line; keyEnd is 0 for any other line.
struct KeyRange {
    std::uint32_t keyBegin = 0, keyEnd = 0, valueBegin = 0, valueEnd = 0;
};

KeyRange ScanKey(std::string_view s) {
    const std::size_t begin = SkipBlanks(s, 0);
    if (begin == s.size() || s[begin] == ';' || s[begin] == '[') return {};
    const std::size_t equals = s.find('=', begin);
    if (equals == std::string_view::npos) return {};
    const std::string_view key = TrimBlanks(s.substr(begin, equals - begin));
    if (key.empty()) return {};
    const std::string_view value = TrimBlanks(s.substr(equals + 1));
    const std::size_t valueAt =
        value.empty() ? s.size() : static_cast<std::size_t>(value.data() - s.data());
    return {static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(begin + key.size()),
            static_cast<std::uint32_t>(valueAt),
            static_cast<std::uint32_t>(valueAt + value.size())};
}

// Offsets into the text are 32 bits wide.
void CheckSize(std::size_t size) {
    if (size > UINT32_MAX)
        throw MessageError({QT_TRANSLATE_NOOP("Wellenwerk", "Die Datei ist zu groß."), {}});
}

bool HasLineBreak(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; });
}

// What a line cannot hold; only names that are going to be written are checked. A header's
// name runs to the last "]" of its line, so brackets inside a section name do no harm.
void CheckSection(std::string_view section) {
    if (HasLineBreak(section))
        throw std::invalid_argument("Ungültiger Abschnittsname für eine Projektdatei: " +
                                    Windows1252ToUtf8(section));
}

void CheckKey(std::string_view key) {
    if (key.empty() || HasLineBreak(key) || key.find('=') != std::string_view::npos ||
        key.front() == '[' || key.front() == ';')
        throw std::invalid_argument("Ungültiger Schlüssel für eine Projektdatei: " +
                                    Windows1252ToUtf8(key));
}

void CheckValue(std::string_view key, std::string_view value) {
    if (HasLineBreak(value))
        throw std::invalid_argument("Der Wert von " + Windows1252ToUtf8(key) +
                                    " darf keinen Zeilenumbruch enthalten.");
}

} // namespace

std::size_t IniFile::NameHash::operator()(std::string_view name) const {
    return HashIgnoringCase(name);
}

bool IniFile::NameEqual::operator()(std::string_view a, std::string_view b) const {
    return EqualsIgnoringCase(a, b);
}

std::string_view IniFile::Text(const Line& line) const {
    return std::string_view(text_).substr(line.begin, line.size);
}

std::string_view IniFile::Key(const Line& line) const {
    return Text(line).substr(line.keyBegin, line.keyEnd - line.keyBegin);
}

std::string_view IniFile::Value(const Line& line) const {
    return Text(line).substr(line.valueBegin, line.valueEnd - line.valueBegin);
}

IniFile::Line IniFile::AppendLine(std::string_view bytes) {
    CheckSize(text_.size() + bytes.size());
    Line line;
    line.begin = static_cast<std::uint32_t>(text_.size());
    line.size = static_cast<std::uint32_t>(bytes.size());
    text_.append(bytes);
    const KeyRange range = ScanKey(bytes);
    line.keyBegin = range.keyBegin;
    line.keyEnd = range.keyEnd;
    line.valueBegin = range.valueBegin;
    line.valueEnd = range.valueEnd;
    return line;
}

const IniFile::Line* IniFile::FindKey(const Block& block, std::string_view key) const {
    if (block.keySlots.empty()) return nullptr;
    const std::uint64_t hash = HashIgnoringCase(key);
    const std::size_t mask = block.keySlots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint64_t slot = block.keySlots[i];
        if (slot == 0) return nullptr;
        if ((slot >> 32) != (hash >> 32)) continue;
        const Line& line = block.lines[(slot & UINT32_MAX) - 1];
        if (EqualsIgnoringCase(Key(line), key)) return &line;
    }
}

void IniFile::Index(Block& block, std::uint64_t hash, std::uint32_t line) {
    // At most half the slots in use keeps the probe sequences short.
    if (2 * (block.keyLines.size() + 1) > block.keySlots.size()) {
        std::vector<std::uint64_t> old(std::max<std::size_t>(16, 2 * block.keySlots.size()));
        old.swap(block.keySlots);
        for (std::uint32_t k : block.keyLines)
            Index(block, HashIgnoringCase(Key(block.lines[k])), k);
    }
    const std::size_t mask = block.keySlots.size() - 1;
    std::size_t i = hash & mask;
    while (block.keySlots[i] != 0) i = (i + 1) & mask;
    block.keySlots[i] = (hash & ~std::uint64_t{UINT32_MAX}) | (line + 1);
}

void IniFile::Insert(Block& block, std::uint32_t at, const Line& line) {
    block.lines.insert(block.lines.begin() + at, line);
    if (!line.IsKey()) return;
    block.insertAt = at + 1;
    const std::string_view key = Key(line);
    if (FindKey(block, key)) return;
    Index(block, HashIgnoringCase(key), at);
    block.keyLines.push_back(at);
}

void IniFile::AddBlock(Line header, std::string_view name) {
    Block block;
    block.hasHeader = true;
    block.header = header;
    blocks_.push_back(std::move(block));
    auto it = sections_.find(name);
    if (it == sections_.end()) it = sections_.emplace(std::string(name), 0).first;
    it->second.push_back(blocks_.size() - 1);
}

IniFile IniFile::Parse(std::string_view bytes) {
    CheckSize(bytes.size());
    IniFile ini;
    ini.text_.reserve(bytes.size() + bytes.size() / 4);
    ini.blocks_.emplace_back();
    // CR LF, LF and a lone CR each end a line: files from old Mac editors use CR alone, and a
    // file pieced together from others may mix all three. The next CR and the next LF are
    // each looked for (with memchr) only once the scan has passed the last one found.
    const auto next = [&](char c, std::size_t from) {
        return std::min(bytes.find(c, from), bytes.size());
    };
    std::size_t nextCr = next('\r', 0), nextLf = next('\n', 0);
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (nextCr < pos) nextCr = next('\r', pos);
        if (nextLf < pos) nextLf = next('\n', pos);
        const std::size_t end = std::min(nextCr, nextLf);
        const bool lineEnd = end < bytes.size();
        const std::string_view text = bytes.substr(pos, end - pos);
        pos = end + (bytes.substr(end, 2) == "\r\n" ? 2 : lineEnd ? 1 : 0);

        Line line = ini.AppendLine(text);
        line.lineEnd = lineEnd;
        if (const auto name = HeaderName(text)) {
            ini.AddBlock(line, *name);
        } else {
            Block& block = ini.blocks_.back();
            ini.Insert(block, static_cast<std::uint32_t>(block.lines.size()), line);
        }
    }
    return ini;
}

std::string IniFile::Serialise() const {
    std::size_t size = 0;
    for (const Block& block : blocks_) {
        if (block.hasHeader && !block.erased) size += block.header.size + 2;
        for (const Line& line : block.lines) size += line.size + 2;
    }
    std::string out;
    out.reserve(size);
    const Line* last = nullptr;
    const auto put = [&](const Line& line) {
        out += Text(line);
        out += "\r\n";
        last = &line;
    };
    for (const Block& block : blocks_) {
        if (block.erased) continue;
        if (block.hasHeader) put(block.header);
        for (const Line& line : block.lines) put(line);
    }
    if (last && !last->lineEnd) out.resize(out.size() - 2);
    return out;
}

const IniFile::Block* IniFile::FindSection(std::string_view section) const {
    const auto it = sections_.find(TrimBlanks(section));
    return it == sections_.end() ? nullptr : &blocks_[it->second.front()];
}

bool IniFile::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
    const Block* block = FindSection(section);
    return block && FindKey(*block, TrimBlanks(key));
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Block* block = FindSection(section)) {
        keys.reserve(block->keyLines.size());
        for (std::uint32_t i : block->keyLines) keys.emplace_back(Key(block->lines[i]));
    }
    return keys;
}

std::string IniFile::Read(std::string_view section, std::string_view key,
                          std::string_view fallback) const {
    std::optional<std::string> value = Find(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
    const Block* block = FindSection(section);
    const Line* line = block ? FindKey(*block, TrimBlanks(key)) : nullptr;
    if (!line) return std::nullopt;
    return std::string(Value(*line).substr(0, MaxValueLength));
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    CheckValue(key, value);
    std::string text;
    const auto it = sections_.find(section);
    if (it == sections_.end()) {
        CheckSection(section);
        CheckKey(key);
        text.append("[").append(section).append("]");
        AddBlock(AppendLine(text), section);
        text.assign(key).append("=").append(value);
        Insert(blocks_.back(), 0, AppendLine(text));
        return;
    }
    Block& block = blocks_[it->second.front()];
    if (const Line* found = FindKey(block, key)) {
        // The changed line goes to the end of the text; the rest of it stays as it was.
        const std::string_view old = Text(*found);
        text.append(old.substr(0, found->valueBegin))
            .append(value)
            .append(old.substr(found->valueEnd));
        Line& line = block.lines[found - block.lines.data()];
        const bool lineEnd = line.lineEnd;
        line = AppendLine(text);
        line.lineEnd = lineEnd;
        return;
    }
    CheckKey(key);
    text.assign(key).append("=").append(value);
    Insert(block, block.insertAt, AppendLine(text));
}

void IniFile::EraseSection(std::string_view section) {
    const auto it = sections_.find(TrimBlanks(section));
    if (it == sections_.end()) return;
    // The block stays in place as an empty tombstone so that the indexes of the other blocks
    // keep their meaning; its bytes stay unused in the text.
    for (std::size_t i : it->second) {
        blocks_[i] = Block();
        blocks_[i].erased = true;
    }
    sections_.erase(it);
}
