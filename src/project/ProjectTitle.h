// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// A project file may name what it shows in a comment line of its own, which reading a
// project skips: "; Titel: Fourierreihen". The example projects carry one, so that the menu
// can list them by what they show rather than by file name.
//
// The title (UTF-8, blanks around it removed) of the first such line among the file's
// bytes (Windows-1252); empty when there is none.
std::string ProjectTitle(std::string_view fileBytes);
