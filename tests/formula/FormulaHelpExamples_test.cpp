// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/FormulaSeries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <numbers>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

// The worked examples of the formula help page are read from the page itself, so the texts
// a user copies from there are known to give the textbook Fourier series.

namespace {

struct Coefficients {
    double a, b;
};

constexpr double Pi = std::numbers::pi;

// The textbook coefficients of each example curve by its name on the page (n = 0: a0).
const std::map<std::string, std::function<Coefficients(int)>> Known = {
    {"Rechteck",
     [](int n) {
         return Coefficients{0, n % 2 ? 4 / (Pi * n) : 0};
     }},
    {"Dreieck",
     [](int n) {
         return Coefficients{n % 2 ? 8 / (Pi * Pi * n * n) : 0, 0};
     }},
    {"Sägezahn",
     [](int n) {
         return Coefficients{0, n ? 2 / (Pi * n) * (n % 2 ? 1 : -1) : 0};
     }},
    {"Einweg-gleichgerichteter Sinus",
     [](int n) {
         return n == 0   ? Coefficients{1 / Pi, 0}
                : n == 1 ? Coefficients{0, 0.5}
                         : Coefficients{n % 2 ? 0 : -2 / (Pi * (n * n - 1)), 0};
     }},
    {"Zweiweg-gleichgerichteter Sinus",
     [](int n) {
         return Coefficients{n == 0 ? 2 / Pi : n % 2 ? 0 : -4 / (Pi * (n * n - 1)), 0};
     }},
    {"Rechteckpuls mit Tastgrad k",
     [](int n) {
         return Coefficients{n == 0 ? 0.25 : 2 / (Pi * n) * std::sin(n * Pi / 4), 0};
     }},
};
const std::map<std::string, std::string> GermanName = {
    {"Square wave", "Rechteck"},
    {"Triangle wave", "Dreieck"},
    {"Sawtooth wave", "Sägezahn"},
    {"Half-wave rectified sine", "Einweg-gleichgerichteter Sinus"},
    {"Full-wave rectified sine", "Zweiweg-gleichgerichteter Sinus"},
    {"Rectangular pulse with duty cycle k", "Rechteckpuls mit Tastgrad k"}};

std::vector<std::vector<std::string>> ExampleRows(const char* name) {
    const auto page = std::filesystem::path(WELLENWERK_SOURCE_DIR) / "resources/help" / name;
    std::stringstream html;
    html << std::ifstream(page).rdbuf();
    const std::string text = html.str();
    const std::regex row(R"(<tr class="beispiel">(.*?)</tr>)"), cell(R"(<td>(.*?)</td>)"),
        tag("<[^>]*>");
    std::vector<std::vector<std::string>> rows;
    for (auto r = std::sregex_iterator(text.begin(), text.end(), row); r != std::sregex_iterator();
         ++r) {
        const std::string content = (*r)[1];
        rows.emplace_back();
        for (auto c = std::sregex_iterator(content.begin(), content.end(), cell);
             c != std::sregex_iterator(); ++c)
            rows.back().push_back(std::regex_replace((*c)[1].str(), tag, ""));
    }
    return rows;
}

TEST(FormulaHelpExamples, GiveTheKnownFourierSeries) {
    auto rows = ExampleRows("formeln.html");
    for (const auto& row : ExampleRows("en/formeln.html")) rows.push_back(row);
    ASSERT_EQ(rows.size(), 2 * Known.size());
    const std::vector<std::string> seriesCaptions = {"n = 1, 2, 3, 4, ...", "n = 1, 3, 5, 7, ...",
                                                     "n = 2, 4, 6, 8, ..."};
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 6u);
        SCOPED_TRACE(row[0]);
        tSignal s;
        s.Kind = Formulas;
        s.ConstK = row[1];
        s.FormulaA0 = row[2];
        s.FormulaAn = row[3];
        s.FormulaBn = row[4];
        s.SeriesMode =
            static_cast<int>(std::find(seriesCaptions.begin(), seriesCaptions.end(), row[5]) -
                             seriesCaptions.begin());
        ASSERT_LT(s.SeriesMode, 3);
        s.MaxHarmonic = 32;
        ASSERT_FALSE(GenerateFromFormulas(s));

        const auto& coefficients =
            Known.at(GermanName.count(row[0]) ? GermanName.at(row[0]) : row[0]);
        EXPECT_NEAR(s.Amplitude[0], 100 * coefficients(0).a, 1e-4);
        for (int n = 1; n <= 8; ++n) {
            const Coefficients c = coefficients(n);
            EXPECT_NEAR(s.Amplitude[n], 100 * std::hypot(c.a, c.b), 1e-3) << n;
            if (std::hypot(c.a, c.b) > 1e-5) {
                EXPECT_NEAR(s.Phase[n], -std::atan2(c.b, c.a) * 180 / Pi, 1e-3) << n;
            }
        }
    }
}

} // namespace
