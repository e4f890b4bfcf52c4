// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"
#include "text/MessageText.h"

#include <string>

// Writes the signal's tone (harmonics 1..32) as a WAV file, replacing a file of that name.
// Below 5 Hz the file is left empty. Throws MessageError with a German message naming the
// file and the system's reason when the file cannot be created, written or closed.
void WriteToneFile(const tSignal& signal, const std::string& path, float fo, int sfreq);

// Empty when the text of the save-sound dialog's file-name field names a plain file in the
// chosen folder; otherwise the message that tells the user what is wrong.
MessageText SoundFileNameFault(const std::string& fileName);
inline std::string SoundFileNameProblem(const std::string& fileName) {
    return SoundFileNameFault(fileName).German();
}
