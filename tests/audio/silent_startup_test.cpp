// Start-up on a machine without sound: everything works, nothing is heard.
#include "audio/driver.h"
#include "audio/sound.h"
#include "audio/startup.h"
#include "tests/audio/wav_bytes.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(SilentStartup, WithoutAnOutputDeviceTheSilentDriverStays) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    audio_startup();
    audio_startup();
    ASSERT_TRUE(dynamic_cast<TSilentAudioDriver*>(audio_driver().get()));

    ScratchFolder folder;
    SoundRef sound = load_sound(folder.write("a.wav", wav_file(WavFormat{}, pcm16({5, 6}))), 1);
    ASSERT_TRUE(sound); // the decoders are there all the same
    ChannelRef channel = play_sound(sound);
    ASSERT_TRUE(channel);
    set_channel_volume(channel, 0.5f);
    stop_channel(channel);
    EXPECT_EQ(channel_playing(channel), 0);
}

} // namespace
