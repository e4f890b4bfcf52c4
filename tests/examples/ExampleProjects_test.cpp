// The example projects come with the program: each of their curves fits the line diagram as
// it opens on a first start.
#include "display/LineDiagramGeometry.h"
#include "project/ProjectFile.h"
#include "signal/Synthesis.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

TEST(ExampleProjects, EveryCurveStaysWithinTheDefaultAmplitudeRange) {
    const AppSettings defaults;
    const float angleStep = DiagramAngleStep(defaults.dxr);
    const std::filesystem::path examples =
        std::filesystem::path(WELLENWERK_SOURCE_DIR) / "examples";
    for (const auto& file : std::filesystem::directory_iterator(examples)) {
        const SignalList list = LoadProjectFromFile(file.path().string(), {}).list;
        for (int i = 0; i < list.Count(); ++i) {
            float peak = 0;
            for (int x = 0; x < DiagramSampleCount; ++x)
                peak = std::max(peak, std::fabs(SignalValue(list.Signal(i), x, angleStep)));
            EXPECT_LE(peak, AmplitudeFor(defaults.dyr).range) << list.Name(i);
        }
    }
}
