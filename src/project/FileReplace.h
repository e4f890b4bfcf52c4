// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Makes `bytes` the whole content of the file at `path`, creating it if it does not exist.
//
// A symbolic link stays a link: the file at the end of its chain is written, and created if
// the chain ends nowhere. A file the user may not write, or one without any write permission
// (which counts for the superuser too), is refused. Otherwise the content goes into a fresh
// file in the same folder, which takes the old one's owner, group and mode, reaches the disk
// and then replaces the old file in one step. Where that would change what the file is - it
// has further hard links, its owner cannot be kept, or the folder takes no new file - the
// existing file is overwritten instead, and put back as it was if that fails.
//
// Returns false when the file could not be written; the old file then keeps its content and no
// temporary file is left behind. On Linux the new file has no name until it takes its place,
// so that a save that is killed leaves nothing either, short of the instant it gets a name;
// what such a save left is removed by the next save of the same file.
bool WriteFileContent(const std::string& path, std::string_view bytes);

// The start of the names of the temporary files beside `target`: ".wwp-", eight hex digits
// standing for the target's file name, and "-"; eight random letters follow.
std::string TemporaryPrefix(const std::filesystem::path& target);
