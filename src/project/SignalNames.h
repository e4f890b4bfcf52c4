#pragma once

#include "project/SignalList.h"

#include <string>

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
};

// Checks `name` (UTF-8) against the rules and the other names of `list`; the entry at
// `ownIndex` (a signal being renamed) is not compared with itself.
NameProblem CheckSignalName(const std::string& name, const SignalList& list, int ownIndex = -1);

// The German message for a problem with `name`.
std::string NameProblemMessage(NameProblem problem, const std::string& name);

// Whether two names denote the same project-file section (letter case ignored, also for
// the accented letters of the code page).
bool SameSectionName(const std::string& a, const std::string& b);
