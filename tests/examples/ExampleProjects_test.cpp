// The examples that come with the program fit the line diagram as it opens on a first start.
#include "display/LineDiagramGeometry.h"
#include "project/ProjectFile.h"
#include "signal/Synthesis.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

TEST(ExampleProjects, EveryCurveStaysWithinTheDefaultAmplitudeRange) {
    const AppSettings defaults;
    for (const auto& file :
         std::filesystem::directory_iterator(WELLENWERK_SOURCE_DIR "/examples")) {
        const SignalList list = LoadProjectFromFile(file.path().string(), {}).list;
        for (int i = 0; i < list.Count(); ++i)
            for (int x = 0; x < DiagramSampleCount; ++x)
                ASSERT_LE(std::fabs(SignalValue(list.Signal(i), x, DiagramAngleStep(defaults.dxr))),
                          AmplitudeFor(defaults.dyr).range)
                    << list.Name(i);
    }
}
