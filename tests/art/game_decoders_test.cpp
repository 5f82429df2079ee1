// The game's own sound decoders take every effect, jingle and tune as made.
#include "art_files.h"
#include "audio/decoders.h"

#include <gtest/gtest.h>

using namespace art;

TEST(GameDecoders, ReadEverySoundInItsFormat) {
    register_sound_decoders();
    struct Expected {
        std::string path;
        int format, hertz;
    };
    std::vector<Expected> files = {{assets_dir() + "/click.wav", PCM_MONO16, 44100},
                                   {assets_dir() + "/sparkle.wav", PCM_MONO16, 22050},
                                   {assets_dir() + "/white.wav", PCM_STEREO16, 44100},
                                   {assets_dir() + "/black.wav", PCM_STEREO16, 44100},
                                   {assets_dir() + "/gray.wav", PCM_STEREO16, 44100},
                                   {assets_dir() + "/kovjingle.ogg", PCM_STEREO16, 44100},
                                   {assets_dir() + "/select.ogg", PCM_STEREO16, 44100}};
    for (int id : character_ids())
        files.push_back(
            {chars_dir() + "/music" + std::to_string(id) + ".ogg", PCM_STEREO16, 44100});
    for (const Expected& e : files) {
        SCOPED_TRACE(e.path);
        PcmSampleRef sample = decode_sound(e.path);
        ASSERT_TRUE(sample);
        EXPECT_EQ(sample->sample_format, e.format);
        EXPECT_EQ(sample->hertz, e.hertz);
        Sound ours = e.path.ends_with(".wav") ? read_wav(e.path) : read_ogg(e.path);
        EXPECT_EQ(static_cast<std::size_t>(sample->frame_count), ours.frames())
            << "frames lost or added";
    }
}
