// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundImage.h"
#include "sound/ToneFile.h"
#include "support/CoreTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

class ToneFileTest : public ::testing::Test {
protected:
    const TempFolder temp{"wellenwerk-tone-"};
    const fs::path& folder = temp.path();
};

std::vector<uint8_t> ReadAll(const fs::path& path) {
    const std::string bytes = FileBytes(path);
    return {bytes.begin(), bytes.end()};
}

// Output of a shell command (stdout and stderr); the exit status must be 0.
std::string Shell(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
        EXPECT_EQ(pclose(pipe), 0) << command << "\n" << output;
    }
    return output;
}

tSignal Chord() {
    tSignal s;
    s.Amplitude[0] = 20; // not heard
    s.Amplitude[1] = 70;
    s.Amplitude[3] = 20;
    s.Phase[3] = 45;
    s.Amplitude[40] = 30; // above what a file holds
    return s;
}

TEST_F(ToneFileTest, WritesTheImageWithThirtyTwoHarmonics) {
    const fs::path path = folder / "ton.wav";
    { std::ofstream(path) << std::string(20000, 'x'); } // replaced, not appended to
    WriteToneFile(Chord(), path.string(), 440, 2);
    EXPECT_EQ(ReadAll(path), BuildSoundImage(Chord(), 440, 2, SavedHarmonics));
    EXPECT_NE(ReadAll(path), BuildSoundImage(Chord(), 440, 2, PlayedHarmonics));

    WriteToneFile(Chord(), path.string(), 4.9f, 2); // below 5 Hz: no tone, an empty file
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 0u);
}

TEST_F(ToneFileTest, AnIndependentReaderAgrees) {
    ASSERT_EQ(std::system("command -v soxi >/dev/null && command -v sox >/dev/null"), 0)
        << "soxi and sox are needed to check WAV files (package sox, scripts/install-deps.sh)";
    struct Case {
        float fo;
        int sfreq;
    };
    // sox estimates the frequency from sample differences, which reads low as the tone
    // nears the sample rate; these tones stay well below it.
    for (const Case c : {Case{440, 2}, Case{1000, 1}, Case{250, 0}}) {
        const fs::path path = folder / ("ton" + std::to_string(c.sfreq) + ".wav");
        tSignal sine;
        sine.Amplitude[1] = 90;
        WriteToneFile(sine, path.string(), c.fo, c.sfreq);
        const auto t = *ToneTimingFor(c.fo, SampleRateFor(c.sfreq));
        const std::string file = "'" + path.string() + "'";
        EXPECT_EQ(Shell("soxi -r " + file), std::to_string(SampleRateFor(c.sfreq)) + "\n");
        EXPECT_EQ(Shell("soxi -c " + file), "1\n");
        EXPECT_EQ(Shell("soxi -b " + file), "8\n");
        EXPECT_EQ(Shell("soxi -s " + file), std::to_string(t.samples) + "\n");

        const std::string stat = Shell("sox " + file + " -n stat");
        const std::size_t at = stat.find("Rough   frequency:");
        ASSERT_NE(at, std::string::npos) << stat;
        const double rough = std::stod(stat.substr(at + 18));
        const double tone = double(t.periods) * SampleRateFor(c.sfreq) / t.samples;
        EXPECT_NEAR(rough, tone, tone / 100) << stat;
    }
}

TEST_F(ToneFileTest, FailuresAreReportedWithFileNameAndReason) {
    fs::create_directory(folder / "Ordner");
    struct Case {
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {(folder / "fehlt" / "ton.wav").string(), std::strerror(ENOENT)},
        {(folder / "Ordner").string(), std::strerror(EISDIR)},
        {"/dev/full", std::strerror(ENOSPC)}, // full disk: noticed when the data are flushed
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorOf([&] { WriteToneFile(Chord(), c.path, 440, 2); }),
                  "Die Datei „" + c.path + "“ kann nicht geschrieben werden: " + c.reason);
    EXPECT_FALSE(fs::exists(folder / "fehlt"));
    EXPECT_TRUE(fs::is_directory(folder / "Ordner"));
}

TEST(SoundFileName, OnlyPlainNamesPass) {
    const std::pair<const char*, bool> cases[] = {
        {"ton.wav", true},  {"Ton 440 Hz", true}, {".versteckt.wav", true},
        {"", false},        {"*.wav", false},     {"ton?.wav", false},
        {"a/b.wav", false}, {"a\\b.wav", false},  {"/tmp/x", false},
        {".", false},       {"..", false},
    };
    for (auto [name, ok] : cases) {
        const std::string problem = SoundFileNameProblem(name);
        EXPECT_EQ(problem.empty(), ok) << name << ": " << problem;
    }
    EXPECT_FALSE(SoundFileNameProblem(std::string("a\0b", 3)).empty());
    EXPECT_NE(SoundFileNameProblem("*.wav").find("*.wav"), std::string::npos);
}

} // namespace
