// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "project/SignalList.h"
#include "text/MessageText.h"

#include <string>

// The section of a project file that lists the signals; no signal may take its name.
inline constexpr char SignalListSection[] = "signals";

// Signal names must survive a round trip through a project file: each signal is stored in
// a section named after it, and section names are compared without regard to letter case.
enum class NameProblem {
    None,
    Empty,
    OuterBlanks,
    Duplicate,   // equal to another signal's name, ignoring letter case
    Reserved,    // the name of the list section itself
    Brackets,    // "[" or "]" would end the section header
    ControlChar, // line breaks and other control characters
    NotStorable, // a character outside the single-byte code page of project files
    TooLong,     // a project file gives back only the first MaxShortStringLength characters
};

// Checks `name` (UTF-8) against the rules and the other names of `list`; the entry at
// `ownIndex` (a signal being renamed) is not compared with itself.
NameProblem CheckSignalName(const std::string& name, const SignalList& list, int ownIndex = -1);

// The message for a problem with `name`: its German text with the name as its argument.
MessageText NameProblemFault(NameProblem problem, const std::string& name);

// Makes every name of `list` pass the rules, in list order, and returns whether any changed.
// "[" and "]" become "(" and ")", control characters blanks and characters outside the code
// page "?"; outer blanks go, the rest is cut to MaxShortStringLength characters, and a name
// left empty becomes "Signal". A name equal (ignoring case) to "signals" or to an earlier
// name gets " (2)", " (3)" ... appended, choosing a number that no other name of the list
// uses, so names that were already valid and unique all stay as they are.
bool MakeNamesValid(SignalList& list);

// Whether two names denote the same project-file section (letter case ignored, also for
// the accented letters of the code page).
bool SameSectionName(const std::string& a, const std::string& b);
