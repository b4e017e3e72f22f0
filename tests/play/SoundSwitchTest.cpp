// SPDX-License-Identifier: MIT
// The player's sound switch: clips reach the device only while the sound is on, switching it
// off lets go of the device, and getting ready reaches the device only while the sound is on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingSoundDevice.h"
#include "sound/SoundSwitch.h"

namespace quadrelle::play {
namespace {

enum class Step { On, Off, Prepare, Reaction, SingleRemoval };

struct Switching {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> asked; // of the device, in order
};

class SoundSwitching : public ::testing::TestWithParam<Switching> {};

TEST_P(SoundSwitching, asksTheDeviceOnlyWhatTheSwitchAllows) {
    doubles::RecordingSoundDevice device;
    SoundSwitch sound(device);
    for (const Step step : GetParam().steps) {
        switch (step) {
        case Step::On: sound.setOn(true); break;
        case Step::Off: sound.setOn(false); break;
        case Step::Prepare: sound.prepare(); break;
        case Step::Reaction: sound.play(Clip::Reaction); break;
        case Step::SingleRemoval: sound.play(Clip::SingleRemoval); break;
        }
    }
    EXPECT_EQ(device.asked, GetParam().asked);
}

using enum Step;

INSTANTIATE_TEST_SUITE_P(
    play, SoundSwitching,
    ::testing::Values(
        Switching{
            "startsOnAndPlaysEveryClip", {Reaction, SingleRemoval}, {"play reaction", "play single removal"}},
        Switching{"offLetsGoOfTheDeviceAndSilences", {Reaction, Off, Reaction}, {"play reaction", "release"}},
        Switching{"onAgainTakesTheDeviceAtTheNextClip",
                  {Off, On, SingleRemoval},
                  {"release", "play single removal"}},
        Switching{"readyWhileOnReachesTheDevice", {Prepare}, {"prepare and reach"}},
        Switching{"readyWhileOffReachesNoDevice",
                  {Off, Prepare, On, Reaction},
                  {"release", "prepare", "play reaction"}}),
    [](const ::testing::TestParamInfo<Switching>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quadrelle::play
