// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/ToneFile.h"

#include "sound/SoundImage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

[[noreturn]] void FailWriting(const std::string& path, int error) {
    if (error == 0) error = EIO; // never "Success" in a failure
    throw MessageError(
        {QT_TRANSLATE_NOOP("Wellenwerk", "Die Datei „%1“ kann nicht geschrieben werden: %2"),
         {path, std::strerror(error)}});
}

} // namespace

void WriteToneFile(const tSignal& signal, const std::string& path, float fo, int sfreq) {
    const std::vector<uint8_t> image = BuildSoundImage(signal, fo, sfreq, SavedHarmonics);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) FailWriting(path, errno);
    if (!image.empty() && std::fwrite(image.data(), 1, image.size(), file) != image.size()) {
        const int error = errno;
        std::fclose(file);
        FailWriting(path, error);
    }
    // Buffered data reach the disk only now, so a full disk shows up here.
    if (std::fclose(file) != 0) FailWriting(path, errno);
}

MessageText SoundFileNameFault(const std::string& fileName) {
    if (fileName.empty())
        return {QT_TRANSLATE_NOOP("Wellenwerk", "Bitte geben Sie einen Dateinamen ein."), {}};
    if (fileName.find_first_of("*?") != std::string::npos)
        return {QT_TRANSLATE_NOOP("Wellenwerk",
                                  "Der Dateiname „%1“ enthält einen Platzhalter („*“ oder „?“). "
                                  "Bitte geben Sie einen vollständigen Dateinamen ein, zum "
                                  "Beispiel „ton.wav“."),
                {fileName}};
    if (fileName.find_first_of("/\\") != std::string::npos)
        return {QT_TRANSLATE_NOOP("Wellenwerk",
                                  "Der Dateiname „%1“ enthält ein Pfadtrennzeichen („/“ oder "
                                  "„\\“). Bitte wählen Sie den Ordner in der Verzeichnisliste "
                                  "und geben Sie hier nur den Namen der Datei ein."),
                {fileName}};
    if (fileName.find('\0') != std::string::npos)
        return {QT_TRANSLATE_NOOP("Wellenwerk", "Der Dateiname enthält ein unzulässiges Zeichen."),
                {}};
    if (fileName == "." || fileName == "..")
        return {QT_TRANSLATE_NOOP("Wellenwerk", "„%1“ ist kein Dateiname. Bitte geben Sie einen "
                                                "Dateinamen ein."),
                {fileName}};
    return {};
}
