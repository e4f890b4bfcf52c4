// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/Project.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// A signal with every field set, with bit patterns a value comparison would miss (-0, NaN)
// and formula texts of full length.
tSignal Full(int seed, int32_t kind = SpectralLines) {
    tSignal s;
    s.Kind = kind, s.PointsIndex = seed % 4, s.Reserved = seed, s.ColorIndex = seed % 8;
    s.FormulaA0 = s.FormulaAn = s.FormulaBn = s.ConstK = s.ConstL = s.ConstM =
        std::string(255, static_cast<char>('a' + seed % 26));
    s.Visible = seed % 2 == 0;
    for (int n = 0; n < HarmonicCount; ++n)
        s.Amplitude[n] = 100.0f / static_cast<float>(n + 1 + seed), s.Phase[n] = 0.7f * n * seed;
    s.Phase[1] = -0.0f, s.Phase[2] = std::numeric_limits<float>::quiet_NaN();
    for (int k = 0; k < SupportPointCount; ++k) s.SupportPoints[k] = (k * 37 + seed) % 201 - 100;
    return s;
}

// The list's entries byte for byte, so that -0 and NaN compare as what they are.
std::string Bytes(const Project& p) {
    std::string out;
    auto raw = [&out](const auto& v) { out.append(reinterpret_cast<const char*>(&v), sizeof v); };
    for (int i = 0; i < p.Count(); ++i) {
        const tSignal& s = p.Signal(i);
        out += p.Name(i) + '|' + s.FormulaA0 + s.FormulaAn + s.FormulaBn + s.ConstK + s.ConstL +
               s.ConstM + '|';
        for (auto v : {s.Kind, s.PointsIndex, s.Reserved, s.ColorIndex, s.SeriesMode, s.MaxHarmonic,
                       int32_t{s.Visible}})
            raw(v);
        raw(s.Amplitude), raw(s.Phase), raw(s.SupportPoints);
    }
    return out;
}

// A saved project of full signals whose notifications are recorded.
struct Recorded {
    Project project;
    int selected = 1; // the entry the window shows as selected
    std::vector<std::pair<ProjectChange, int>> changes;
    explicit Recorded(int count) {
        SignalList list;
        for (int i = 0; i < count; ++i) list.Append("s" + std::to_string(i), Full(i, i % 3));
        project.ReplaceAll(std::move(list), "p.wwp");
        project.Copy(2);
        project.SetListener([this](ProjectChange c, int i) { changes.emplace_back(c, i); });
        project.SetSelectionProbe([this] { return selected; });
    }
    static bool Step(tSignal& s) { return ++s.Phase[3] > 0; }
    void Add(int i) { project.EditSeries(i, Step, "+"); } // as a held key
};

TEST(History, EveryOperationIsUndoneAndRedoneExactlyWithItsSelection) {
    const struct {
        const char* step;
        std::function<void(Project&)> operation;
        int selectedAfter;
    } cases[] = {
        {"Signal neu erzeugen", [](Project& p) { p.Append("neu", Full(9)); }, 3},
        {"Signal s1 löschen", [](Project& p) { p.Remove(1); }, 1},
        {"Signal s2 löschen", [](Project& p) { p.Remove(2); }, 1},
        {"Signal kopie einfügen", [](Project& p) { p.Paste("kopie"); }, 3},
        {"Signal s1 konvertieren", [](Project& p) { p.Convert(1); }, 1},
        {"Sichtbarkeit von s1 ändern", [](Project& p) { p.ToggleVisible(1); }, 1},
        {"Signal s1 bearbeiten", [](Project& p) { p.CommitEdit(1, Full(7, 1), "anders"); }, 1},
        {"Signal s0 bearbeiten", [](Project& p) { p.Touch(0); }, 0},
        {"Wert von s1 ändern",
         [](Project& p) { p.EditSeries(1, [](tSignal& s) { return (s.Phase[1] = 5) != 0; }); }, 1},
    };
    for (const auto& c : cases) {
        Recorded r(3);
        const std::string before = Bytes(r.project);
        c.operation(r.project);
        const std::string after = Bytes(r.project);
        EXPECT_TRUE(r.project.Modified() && r.project.UndoName() == c.step) << c.step;
        r.selected = c.selectedAfter;
        r.changes.clear();
        r.project.Undo();
        EXPECT_EQ(Bytes(r.project), before) << c.step;
        EXPECT_TRUE(!r.project.Modified() && r.project.RedoName() == c.step) << c.step;
        r.project.Redo();
        EXPECT_TRUE(Bytes(r.project) == after && r.project.Modified()) << c.step;
        const decltype(r.changes) once = {{ProjectChange::Signals, 1},
                                          {ProjectChange::Signals, c.selectedAfter}};
        EXPECT_EQ(r.changes, once) << c.step;
    }
}

TEST(History, TheModifiedFlagFollowsTheSavedState) {
    Recorded r(3);
    r.project.ToggleVisible(0);
    r.project.MarkSaved();
    r.project.ToggleVisible(1);
    const std::string walk = "UURRRUUU", modified = "01011011"; // undo, redo; none at the ends
    for (std::size_t i = 0; i < walk.size(); ++i) {
        walk[i] == 'U' ? r.project.Undo() : r.project.Redo();
        EXPECT_EQ(r.project.Modified(), modified[i] == '1') << i;
    }
    r.project.ToggleVisible(2); // where the saved state was undone: it cannot come back
    r.project.Undo();
    EXPECT_TRUE(r.project.Modified());
    r.project.ReplaceAll({}, "x.wwp", true); // loading changed what the file holds
    EXPECT_TRUE(r.project.Modified() && !r.project.CanUndo());
}

TEST(History, HeldEditsAndCompoundsAreOneStep) {
    Recorded r(2);
    const std::string start = Bytes(r.project);
    for (int i = 0; i < 50; ++i) r.Add(0);
    r.project.EndMerge();
    r.Add(0);
    {
        const Project::CompoundStep step(r.project); // a new signal and its first edit
        r.project.CommitEdit(r.project.Append("neu", tSignal()), Full(4), "umbenannt");
        r.Add(2);
    }
    r.Add(2);
    EXPECT_EQ(r.project.UndoHistory().StepCount(), 4);
    r.project.Undo();
    EXPECT_EQ(r.project.UndoName(), "Signal neu erzeugen");
    for (int i = 0; i < 3; ++i) r.project.Undo();
    EXPECT_TRUE(Bytes(r.project) == start && !r.project.CanUndo());
}

TEST(History, IsBoundedInStepsAndBytesWithThreeHundredFullSignals) {
    Recorded r(300);
    for (int i = 0; i < 3 * History::MaxSteps; ++i) {
        r.project.CommitEdit(i % 300, Full(i + 1, i % 3), "s" + std::to_string(i));
        r.project.Remove(i % 300);
        r.project.Append("wieder" + std::to_string(i), Full(i, i % 3));
    }
    const History& h = r.project.UndoHistory();
    EXPECT_TRUE(h.StepCount() == History::MaxSteps && h.ByteSize() <= std::size_t{20} << 20);
    ::testing::Test::RecordProperty("historyBytes", std::to_string(h.ByteSize()));
    while (r.project.CanUndo()) r.project.Undo();
    EXPECT_TRUE(r.project.Modified()); // the saved state lies beyond the oldest kept step
}

} // namespace
