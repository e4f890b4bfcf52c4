// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/Project.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

tSignal WithA1(float a1, int32_t kind = SpectralLines) {
    tSignal s;
    s.Kind = kind;
    s.Amplitude[1] = a1;
    return s;
}

// A project whose notifications are recorded.
struct Recorded {
    Project project;
    std::vector<std::pair<ProjectChange, int>> changes;
    Recorded() {
        project.SetListener([this](ProjectChange c, int i) { changes.emplace_back(c, i); });
    }
    void Fill(int count) {
        for (int i = 0; i < count; ++i)
            project.Append("s" + std::to_string(i), WithA1(i, i % SignalKindCount));
        project.MarkSaved();
        changes.clear();
    }
};

TEST(Project, RemovingSelectsTheEntryThatTakesItsPlace) {
    const struct {
        int count, removed, selected;
    } cases[] = {{3, 0, 0}, {3, 1, 1}, {3, 2, 1}, {1, 0, -1}, {2, 5, -1}};
    for (const auto& c : cases) {
        Recorded r;
        r.Fill(c.count);
        EXPECT_EQ(r.project.Remove(c.removed), c.selected) << c.count << " " << c.removed;
        const bool removed = c.removed < c.count;
        EXPECT_EQ(r.project.Modified(), removed);
        ASSERT_EQ(r.changes.size(), removed ? 1u : 0u);
        if (removed) {
            EXPECT_EQ(r.changes[0], std::make_pair(ProjectChange::Signals, c.selected));
        }
    }
}

TEST(Project, EveryCommandMarksTheProjectAndNotifiesOnce) {
    const struct {
        const char* what;
        std::function<void(Project&)> command;
        ProjectChange change;
        int index;
        bool modifies;
    } cases[] = {
        {"append", [](Project& p) { p.Append("neu", tSignal()); }, ProjectChange::Signals, 2, true},
        {"convert", [](Project& p) { p.Convert(1); }, ProjectChange::Signals, 1, true},
        {"toggle", [](Project& p) { p.ToggleVisible(0); }, ProjectChange::Visibility, 0, true},
        {"commit", [](Project& p) { p.CommitEdit(1, tSignal(), "x"); }, ProjectChange::Signals, 1,
         true},
        {"touch", [](Project& p) { p.Touch(0); }, ProjectChange::Signals, 0, true},
        {"edit series",
         [](Project& p) { p.EditSeries(0, [](tSignal& s) { return (s.Amplitude[2] = 5) != 0; }); },
         ProjectChange::Series, 0, true},
        {"copy", [](Project& p) { p.Copy(1); }, ProjectChange::CopyBuffer, 1, false},
        {"clear", [](Project& p) { p.Clear(); }, ProjectChange::Replaced, -1, false},
    };
    for (const auto& c : cases) {
        Recorded r;
        r.Fill(2);
        r.project.Convert(0); // spectral lines already: nothing happens
        c.command(r.project);
        EXPECT_EQ(r.project.Modified(), c.modifies) << c.what;
        ASSERT_EQ(r.changes.size(), 1u) << c.what;
        EXPECT_EQ(r.changes[0], std::make_pair(c.change, c.index)) << c.what;
    }
}

TEST(Project, AnEditThatChangesNothingLeavesTheProjectAsItWas) {
    Recorded r;
    r.Fill(1);
    EXPECT_FALSE(r.project.EditSeries(0, [](tSignal&) { return false; }));
    EXPECT_FALSE(r.project.Modified());
    EXPECT_TRUE(r.changes.empty());
}

TEST(Project, PasteCopiesTheBufferUnderANewNameAgainAndAgain) {
    Recorded r;
    EXPECT_EQ(r.project.Paste("nichts"), -1); // nothing copied yet
    r.Fill(1);
    r.project.Copy(0);
    r.project.Remove(0); // the buffer keeps the deleted signal's data
    EXPECT_EQ(r.project.Paste("a"), 0);
    EXPECT_EQ(r.project.Paste("b"), 1);
    EXPECT_EQ(r.project.Name(1), "b");
    EXPECT_EQ(r.project.Signal(1).Amplitude[1], 0.0f);
    r.project.Clear(); // the buffer outlives the project
    ASSERT_NE(r.project.CopyBuffer(), nullptr);
}

TEST(Project, ConvertingKeepsTheSeriesAndCommitTakesTheEditorsNameUnchecked) {
    Recorded r;
    r.project.Append("w", WithA1(42, Waveform));
    r.project.Append("f", WithA1(7, Formulas));
    r.project.Convert(0);
    EXPECT_EQ(r.project.Signal(0).Kind, SpectralLines);
    EXPECT_EQ(r.project.Signal(0).Amplitude[1], 42.0f);
    r.project.CommitEdit(1, WithA1(9, Formulas), "W"); // renaming is not checked
    EXPECT_EQ(r.project.Name(1), "W");
    EXPECT_EQ(r.project.Signal(1).Amplitude[1], 9.0f);
}

TEST(Project, ReplacingAllSelectsTheFirstAndIsUnchanged) {
    Recorded r;
    r.Fill(1);
    r.project.ToggleVisible(0);
    SignalList loaded;
    loaded.Append("eins", tSignal());
    loaded.Append("zwei", tSignal());
    r.project.ReplaceAll(std::move(loaded), "/tmp/x.wwp");
    EXPECT_EQ(r.project.Count(), 2);
    EXPECT_EQ(r.project.FileName(), "/tmp/x.wwp");
    EXPECT_FALSE(r.project.Modified());
    EXPECT_EQ(r.changes.back(), std::make_pair(ProjectChange::Replaced, 0));
}

} // namespace
