// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/LineDiagramGeometry.h"
#include "project/ProjectFile.h"
#include "project/ProjectTitle.h"
#include "signal/Synthesis.h"
#include "support/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>

namespace fs = std::filesystem;

namespace {

// One signal of each kind, as written under comma settings.
const std::string ExampleFile = "[signals]\r\n0=Grundton\r\n1=Rechteck\r\n2=Reihe\r\n"
                                "[Grundton]\r\nc=1\r\na1=100\r\np1=-90\r\n"
                                "[Rechteck]\r\nm=1\r\nn=0\r\nv0=80\r\nv8=80\r\nv16=80\r\n"
                                "v24=80\r\nv32=-80\r\nv40=-80\r\nv48=-80\r\nv56=-80\r\n"
                                "[Reihe]\r\nm=2\r\nc=3\r\ns=0\r\nfa0=\r\nfan=\r\nfbn=1/n\r\n"
                                "fk=\r\nfl=\r\nfm=\r\nfn=0\r\nmax=32\r\n";

// A load, with the formula failures it reported (name, text); `repair` answers them.
struct Loaded {
    LoadedProject project;
    std::vector<std::pair<std::string, std::string>> failures;
    const SignalList& list() const { return project.list; }
};

Loaded Load(const std::string& bytes, const FormulaFailureHook& repair = {}) {
    Loaded l;
    l.project = LoadProjectFile(IniFile::Parse(bytes),
                                [&](tSignal& s, std::string& name, const FormulaError& e) {
                                    l.failures.emplace_back(name, e.Text());
                                    return repair && repair(s, name, e);
                                });
    return l;
}

std::string Save(const SignalList& list, char separator = ',', const std::string& old = "") {
    IniFile ini = IniFile::Parse(old);
    SaveProjectFile(ini, list, separator);
    return ini.Serialise();
}

std::vector<std::string> Names(const SignalList& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i) names.push_back(list.Name(i));
    return names;
}

std::array<std::uint32_t, HarmonicCount> Bits(const std::array<float, HarmonicCount>& values) {
    return std::bit_cast<std::array<std::uint32_t, HarmonicCount>>(values);
}

TEST(ProjectFile, TheExampleLoadsToTheValuesItShowsAndSavesBackAlike) {
    const Loaded l = Load(ExampleFile);
    ASSERT_EQ(Names(l.list()), (std::vector<std::string>{"Grundton", "Rechteck", "Reihe"}));
    const tSignal &tone = l.list().Signal(0), &square = l.list().Signal(1),
                  &series = l.list().Signal(2);
    EXPECT_EQ(std::tie(tone.Kind, tone.ColorIndex, tone.Visible, tone.Amplitude[1], tone.Phase[1]),
              std::make_tuple(0, 1, true, 100.0f, -90.0f));
    EXPECT_EQ(std::tie(square.Kind, square.PointsIndex), std::make_tuple(1, 0));
    for (int i = 0; i < SupportGridSize; ++i)
        EXPECT_EQ(square.SupportPoints[i], i % 8 ? 0 : i < 32 ? 80 : -80) << i;
    EXPECT_GT(square.Amplitude[1], 100.0f) << "analysed after loading";
    EXPECT_EQ(std::tie(series.Kind, series.ColorIndex, series.Visible, series.MaxHarmonic),
              std::make_tuple(2, 3, false, 32));
    EXPECT_EQ(series.FormulaBn, "1/n");
    EXPECT_EQ(std::make_pair(series.Amplitude[2], series.Amplitude[33]),
              std::make_pair(50.0f, 0.0f));
    EXPECT_FALSE(l.project.changedWhileLoading);
    EXPECT_EQ(Save(l.list()), ExampleFile);
}

TEST(ProjectFile, OnlyKeysThatDifferFromTheirDefaultAreWrittenAndReadBack) {
    tSignal visible, hidden, formula, unknown;
    visible.Visible = unknown.Visible = true;
    formula.Kind = Formulas;
    formula.FormulaAn = "1";
    unknown.Kind = 7; // keeps only the common keys
    unknown.Reserved = -3;
    unknown.Amplitude[1] = 5;
    const std::pair<const tSignal&, const char*> cases[] = {
        {visible, ""}, // no key at all, so no section either
        {hidden, "[S]\r\ns=0\r\n"},
        {formula, "[S]\r\nm=2\r\ns=0\r\nfa0=\r\nfan=1\r\nfbn=\r\nfk=\r\nfl=\r\nfm=\r\nfn=0\r\n"
                  "max=128\r\n"},
        {unknown, "[S]\r\nm=7\r\nx=-3\r\n"},
    };
    for (const auto& [signal, section] : cases) {
        SignalList list;
        list.Append("S", signal);
        const std::string file = Save(list);
        EXPECT_EQ(file, "[signals]\r\n0=S\r\n" + std::string(section));
        const Loaded l = Load(file);
        const tSignal& back = l.list().Signal(0);
        EXPECT_EQ(std::tie(back.Kind, back.Reserved, back.Visible),
                  std::tie(signal.Kind, signal.Reserved, signal.Visible));
        EXPECT_EQ(Save(l.list()), file);
    }
    // Missing keys: "s" true, "max" 32; hexadecimal and unparsable integers.
    const Loaded formulaDefaults =
        Load("[signals]\r\n0=F\r\n[F]\r\nm=2\r\nc=0x7\r\nx=zwei\r\ns=5\r\n");
    const tSignal& read = formulaDefaults.list().Signal(0);
    EXPECT_EQ(std::tie(read.ColorIndex, read.Reserved, read.Visible, read.MaxHarmonic),
              std::make_tuple(7, 0, true, 32));
}

TEST(ProjectFile, WaveformsKeepTheirSupportPointsAlsoForAnUnknownCount) {
    for (int pointsIndex : {0, 1, 2, 3, 99}) {
        tSignal wave;
        wave.Kind = Waveform;
        wave.PointsIndex = pointsIndex;
        const int known = pointsIndex & 3;
        for (int k = 0; k < tSignal::SupportPointTotal(known); ++k)
            wave.SupportPoints[tSignal::SupportGridIndex(known, k)] = k % 2 ? -k : k + 1;
        if (pointsIndex == 99) wave.SupportPoints[255] = 2147483647;
        SignalList list;
        list.Append("W", wave);
        const Loaded l = Load(Save(list));
        EXPECT_EQ(l.list().Signal(0).PointsIndex, pointsIndex);
        EXPECT_EQ(l.list().Signal(0).SupportPoints, wave.SupportPoints) << pointsIndex;
    }
}

TEST(ProjectFile, EveryFloatComesBackBitForBitWithEitherSeparator) {
    // The number texts themselves are tested on random floats; here: the extremes go
    // through a file and back.
    const float values[] = {std::numeric_limits<float>::denorm_min(),
                            std::numeric_limits<float>::min() / 3,
                            -0.1f,
                            MaxAmplitude,
                            -1234.5678f,
                            3.0e-7f};
    for (char separator : {',', '.'}) {
        SignalList list;
        tSignal s;
        for (int n = 0; n < static_cast<int>(std::size(values)); ++n)
            s.Amplitude[n] = s.Phase[n + 10] = values[n];
        s.Phase[5] = std::numeric_limits<float>::max(); // phases are not bounded
        list.Append("S", s);
        const Loaded l = Load(Save(list, separator));
        EXPECT_EQ(Bits(l.list().Signal(0).Amplitude), Bits(s.Amplitude)) << separator;
        EXPECT_EQ(Bits(l.list().Signal(0).Phase), Bits(s.Phase)) << separator;
    }
    for (const char* value : {"0.5", "0,5", "5E-1"})
        EXPECT_EQ(Load(std::string("[signals]\r\n0=S\r\n[S]\r\na3=") + value)
                      .list()
                      .Signal(0)
                      .Amplitude[3],
                  0.5f);
}

TEST(ProjectFile, SavingOverAnOldProjectKeepsOnlyForeignSections) {
    const std::string old = "; notes\r\n[signals]\r\n0=A\r\n1=B\r\n2=C\r\n3=D\r\n4=E\r\n"
                            "[A]\r\na1=1\r\n[B]\r\n[fremd]\r\nk=v\r\n[C]\r\n[D]\r\nm=1\r\n[e]\r\n";
    SignalList list;
    tSignal s;
    s.Amplitude[2] = 0.25f;
    list.Append("Neu", s);
    list.Append("B", s);
    EXPECT_EQ(Save(list, '.', old), "; notes\r\n[fremd]\r\nk=v\r\n[signals]\r\n0=Neu\r\n1=B\r\n"
                                    "[Neu]\r\ns=0\r\na2=0.25\r\n[B]\r\ns=0\r\na2=0.25\r\n");
    EXPECT_EQ(Save(SignalList(), '.', old), "; notes\r\n[fremd]\r\nk=v\r\n");
    // An old list without entries stays in place with its comment.
    EXPECT_EQ(Save(list, '.', "[signals]\r\n; Liste\r\n[fremd]\r\n"),
              "[signals]\r\n0=Neu\r\n1=B\r\n; Liste\r\n[fremd]\r\n[Neu]\r\ns=0\r\na2=0.25\r\n"
              "[B]\r\ns=0\r\na2=0.25\r\n");
}

TEST(ProjectFile, AWindows1252FileComesBackByteForByte) {
    const std::string file = "[signals]\r\n0=S\xE4gezahn\r\n1=Gr\xFC\xDF"
                             "e\r\n[S\xE4gezahn]\r\nm=2\r\nc=4\r\nfa0=\r\nfan=\r\n"
                             "fbn=2/PI/N*(-1)^(N+1)\r\nfk=\r\nfl=\r\nfm=\r\nfn=0\r\nmax=32\r\n"
                             "[Gr\xFC\xDF"
                             "e]\r\na0=-0,5\r\n";
    const Loaded l = Load(file);
    EXPECT_EQ(Names(l.list()), (std::vector<std::string>{"Sägezahn", "Grüße"}));
    EXPECT_NEAR(l.list().Signal(0).Amplitude[1], 63.66f, 0.01f);
    EXPECT_EQ(Save(l.list(), ',', file), file);
    // Names and texts are cut at 255 characters; a lone CR in a text does not stop a save.
    const std::string longName(300, 'x');
    const Loaded cut = Load("[signals]\r\n0=" + longName + "\r\n[" + longName.substr(0, 255) +
                            "]\r\nm=2\r\nfk=" + std::string(300, '1') + "\r\nfbn=1/N\r\r\n");
    EXPECT_EQ(cut.list().Name(0), longName.substr(0, 255));
    EXPECT_EQ(cut.list().Signal(0).ConstK, std::string(255, '1'));
    EXPECT_EQ(Load(Save(cut.list())).list().Signal(0).FormulaBn, "1/N");
}

TEST(ProjectFile, NumbersThatCannotBeShownStopTheLoad) {
    const std::string refused = "Das Projekt wurde nicht geladen.";
    const struct {
        const char *key, *value;
        std::string message;
    } cases[] = {
        {"a1", "", "'' is not a valid floating point value"},
        {"p7", "1,5x", "'1,5x' is not a valid floating point value"},
        {"a0", "INF",
         "Signal \"Wälle\": Der Wert \"INF\" von \"a0\" ist keine endliche Zahl. " + refused},
        {"p2", "-nan",
         "Signal \"Wälle\": Der Wert \"-nan\" von \"p2\" ist keine endliche Zahl. " + refused},
        {"p3", "1E39", "Signal \"Wälle\": Der Wert \"1E39\" von \"p3\" ist zu groß. " + refused},
        {"a128", "-1,1E15",
         "Signal \"Wälle\": Der Wert \"-1,1E15\" von \"a128\" ist zu groß "
         "(erlaubt sind Beträge bis 1E15). " +
             refused},
        {"a1", "1E15", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf([&] {
                      Load("[signals]\r\n0=Gut\r\n1=W\xE4lle\r\n[W\xE4lle]\r\n" +
                           std::string(c.key) + "=" + c.value + "\r\n");
                  }),
                  c.message);
}

TEST(ProjectFile, FailedFormulasGoToTheHook) {
    const std::string file = "[signals]\r\n0=Pol\r\n1=Riese\r\n[Pol]\r\nm=2\r\nfbn=1/(N-3)\r\n"
                             "[Riese]\r\nm=2\r\nfan=4E12*N\r\nmax=5\r\n";
    const Loaded kept = Load(file); // cancelled: the series as far as the evaluation got
    EXPECT_EQ(kept.failures, (std::vector<std::pair<std::string, std::string>>{
                                 {"Pol", "Division durch Null"},
                                 {"Riese", "Wert zu groß bei an für n = 3: die Amplitude 100 · "
                                           "√(an² + bn²) ist größer als 1E15."}}));
    EXPECT_FALSE(kept.project.changedWhileLoading);
    const tSignal &pole = kept.list().Signal(0), &giant = kept.list().Signal(1);
    EXPECT_EQ(std::make_tuple(pole.Amplitude[1], pole.Amplitude[2], pole.Amplitude[3]),
              std::make_tuple(50.0f, 100.0f, 0.0f));
    EXPECT_EQ(std::make_pair(giant.Amplitude[2], giant.Amplitude[3]), std::make_pair(8e14f, 0.0f));

    // Repaired: the hook's signal and name are taken, and the project differs from the file.
    const Loaded repaired = Load(file, [](tSignal& s, std::string& name, const FormulaError&) {
        s.FormulaBn = s.FormulaAn = "1";
        GenerateFromFormulas(s);
        name = "Pol"; // not checked by the editor here, made unique afterwards
        return true;
    });
    EXPECT_EQ(Names(repaired.list()), (std::vector<std::string>{"Pol", "Pol (2)"}));
    EXPECT_TRUE(repaired.project.changedWhileLoading);
    EXPECT_FLOAT_EQ(repaired.list().Signal(1).Amplitude[3], 141.42136f);
}

TEST(ProjectFile, RefusedNamesAreRepairedSoThatTheNextSaveKeepsEverySignal) {
    const Loaded l = Load("[signals]\r\n0=Welle\r\n1=\r\n2=WELLE\r\n3=signals\r\n4=a]b\r\n"
                          "[Welle]\r\na1=1\r\n");
    EXPECT_TRUE(l.project.changedWhileLoading);
    // Both spellings of Welle read the one section the file has.
    EXPECT_EQ(Names(l.list()),
              (std::vector<std::string>{"Welle", "WELLE (2)", "signals (2)", "a)b"}));
    EXPECT_EQ(l.list().Signal(1).Amplitude[1], 1.0f);
    SignalList edited;
    for (int i = 0; i < l.list().Count(); ++i) {
        tSignal s;
        s.Amplitude[1] = i + 1.0f;
        edited.Append(l.list().Name(i), s);
    }
    const Loaded again = Load(Save(edited));
    EXPECT_FALSE(again.project.changedWhileLoading);
    ASSERT_EQ(Names(again.list()), Names(edited));
    for (int i = 0; i < edited.Count(); ++i)
        EXPECT_EQ(again.list().Signal(i).Amplitude[1], i + 1.0f);
    // Names with brackets keep their data under the repaired name; the old sections go.
    const std::string brackets = "[signals]\r\n0=Y]\r\n1=[Z]\r\n[Y]]\r\na1=1\r\n[[Z]]\r\na1=2\r\n";
    EXPECT_EQ(Save(Load(brackets).list(), ',', brackets),
              "[signals]\r\n0=Y)\r\n1=(Z)\r\n[Y)]\r\na1=1\r\n[(Z)]\r\na1=2\r\n");
}

TEST(ProjectFile, AbsurdFilesLoadWithoutHarm) {
    std::string many = "[signals]\r\n";
    for (int i = 0; i < 10000; ++i) many += std::to_string(i) + "=x\r\n";
    const Loaded l = Load(many + "[x]\r\nm=2\r\nmax=-5\r\nfn=9\r\nfan=1\r\n");
    ASSERT_EQ(l.list().Count(), 10000);
    EXPECT_EQ(l.list().Name(9999), "x (10000)");
    const tSignal& s = l.list().Signal(0);
    EXPECT_EQ(std::tie(s.MaxHarmonic, s.SeriesMode, s.Amplitude[1]), std::make_tuple(-5, 9, 0.0f));

    const Loaded huge = Load("[signals]\r\n0=w\r\n[w]\r\nm=1\r\nn=3\r\nv0=2147483647\r\n"
                             "v1=-2147483648\r\nv2=99999999999\r\n");
    const tSignal& wave = huge.list().Signal(0);
    EXPECT_EQ(std::make_pair(wave.SupportPoints[1], wave.SupportPoints[2]),
              std::make_pair(-2147483647 - 1, 0));
    for (float a : wave.Amplitude) EXPECT_LE(std::fabs(a), MaxAmplitude);
}

TEST(ProjectFile, TheExampleProjectsLoadAndAreWrittenAsTheProgramWritesThem) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(WELLENWERK_SOURCE_DIR) / "examples")) {
        const std::string bytes = FileBytes(entry.path());
        const Loaded l = Load(bytes);
        EXPECT_TRUE(l.failures.empty() && !l.project.changedWhileLoading) << entry.path();
        EXPECT_EQ(Save(l.list(), ',', bytes), bytes) << entry.path();
        EXPECT_FALSE(ProjectTitle(bytes).empty()) << entry.path(); // listed by it in the menu
        for (int i = 0; i < l.list().Count(); ++i) // each curve fits the default view
            for (int x = 0; x < DiagramSampleCount; ++x)
                ASSERT_LE(std::fabs(SignalValue(l.list().Signal(i), x,
                                                DiagramAngleStep(AppSettings().dxr))),
                          AmplitudeFor(AppSettings().dyr).range)
                    << l.list().Name(i);
        count += entry.path().extension() == ".wwp";
    }
    EXPECT_EQ(count, 3);
}

TEST(ProjectFile, OnDiskAFailedSaveLeavesTheOldFile) {
    const TempFolder folder("wellenwerk-pf-");
    fs::create_directories(folder / "ordner.wwp");
    const fs::path path = folder / "p.wwp";
    SaveProjectToFile(path.string(), Load(ExampleFile).list(), ',');
    EXPECT_EQ(LoadProjectFromFile(path.string(), {}).list.Count(), 3);
    SignalList list;
    list.Append("B\r", tSignal()); // a name no section header can hold
    for (const fs::path& target : {path, folder / "ordner.wwp"})
        EXPECT_EQ(ErrorOf([&] { SaveProjectToFile(target.string(), list, ','); }),
                  "In " + target.string() + " kann nicht geschrieben werden");
    EXPECT_EQ(FileBytes(path), ExampleFile);
}

} // namespace
