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
    bool onAfter;
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
    EXPECT_EQ(sound.isOn(), GetParam().onAfter);
}

using enum Step;
using Asked = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    play, SoundSwitching,
    ::testing::Values(
        Switching{"startsOnAndPlaysEveryClip", {Reaction, SingleRemoval},
                  Asked{"play reaction", "play single removal"}, true},
        Switching{"offLetsGoOfTheDeviceAndSilences", {Reaction, Off, Reaction, SingleRemoval},
                  Asked{"play reaction", "release"}, false},
        Switching{"onAgainTakesTheDeviceOnlyAtTheNextClip", {Off, On}, Asked{"release"}, true},
        Switching{"onAgainPlays", {Off, On, SingleRemoval}, Asked{"release", "play single removal"}, true},
        Switching{"readyWhileOnReachesTheDevice", {Prepare}, Asked{"prepare and reach"}, true},
        Switching{"readyWhileOffReachesNoDevice", {Off, Prepare, On, Reaction},
                  Asked{"release", "prepare", "play reaction"}, true}),
    [](const ::testing::TestParamInfo<Switching>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quadrelle::play
