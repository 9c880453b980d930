// Volume and pan in hundredths of a decibel turned into levels.
#include "Decibelios.h"

#include <gtest/gtest.h>

#include <limits>

namespace polvareda {
namespace {

TEST(Decibelios, VolumeIsTenToTheHundredthsOverTwoThousand) {
    EXPECT_DOUBLE_EQ(Ganancia(0), 1.0);
    EXPECT_NEAR(Ganancia(-600), 0.501187, 1e-6);  // -6 dB: half the amplitude
    EXPECT_NEAR(Ganancia(-2000), 0.1, 1e-12);     // -20 dB
    EXPECT_NEAR(Ganancia(-9999), 1.00115e-5, 1e-9);
}

TEST(Decibelios, VolumeOutsideTheRangeIsClampedAndTheBottomIsSilence) {
    EXPECT_EQ(Ganancia(-10000), 0.0);
    EXPECT_EQ(Ganancia(-20000), 0.0);
    EXPECT_EQ(Ganancia(500), 1.0);
    EXPECT_EQ(NivelMezclador(-10000, 128), 0);
    EXPECT_EQ(NivelMezclador(0, 128), 128);
    EXPECT_EQ(NivelMezclador(-600, 128), 64);   // 64.15 rounds to 64
    EXPECT_EQ(NivelMezclador(-2000, 128), 13);  // 12.8 rounds to 13
}

TEST(Decibelios, PanAttenuatesOnlyTheFarSide) {
    EXPECT_EQ(NivelesPanoramica(0), (Panorama{255, 255}));
    EXPECT_EQ(NivelesPanoramica(600), (Panorama{128, 255}));  // right: left down 6 dB
    EXPECT_EQ(NivelesPanoramica(-600), (Panorama{255, 128}));
    EXPECT_EQ(NivelesPanoramica(-2000), (Panorama{255, 26}));
    EXPECT_EQ(NivelesPanoramica(10000), (Panorama{0, 255}));  // right only
    EXPECT_EQ(NivelesPanoramica(-10000), (Panorama{255, 0}));
    EXPECT_EQ(NivelesPanoramica(99999), (Panorama{0, 255}));
    EXPECT_EQ(NivelesPanoramica(-99999), (Panorama{255, 0}));
}

TEST(Decibelios, RepeatsBecomeMixerPlays) {
    EXPECT_EQ(VueltasMezclador(0), 1);  // plays once
    EXPECT_EQ(VueltasMezclador(2), 3);
    EXPECT_EQ(VueltasMezclador(-1), -1);  // for ever
    EXPECT_EQ(VueltasMezclador(-5), -1);
    EXPECT_EQ(VueltasMezclador(std::numeric_limits<int>::max()), -1);
}

}  // namespace
}  // namespace polvareda
