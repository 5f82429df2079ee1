// The game's own loaders take every picture, sound and the font as made.
#include "art_files.h"
#include "audio/decoders.h"
#include "graphics/images.h"
#include "graphics/pixmap.h"
#include "graphics/startup.h"
#include "graphics/text.h"
#include "tests/support/recording_render_driver.h"

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

TEST(GameLoaders, ReadEveryPictureInItsLayout) {
    graphics_startup();
    std::vector<std::string> files;
    for (const char* name :
         {"sparks.png", "kovname.png", "charscreen.png", "cursor.png", "blankface.png",
          "titlescreen.png", "pointer.png", "gameover.png", "paused.png"})
        files.push_back(assets_dir() + "/" + name);
    for (int id : character_ids())
        for (const char* part : {"face", "port", "board", "runes", "score"})
            files.push_back(chars_dir() + "/" + part + std::to_string(id) + ".png");
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        Picture ours = read_png(path);
        PixmapRef pixmap = load_pixmap(path);
        ASSERT_TRUE(pixmap);
        EXPECT_EQ(pixmap->width, ours.width);
        EXPECT_EQ(pixmap->height, ours.height);
        // Only pictures that carry alpha skip the mask colour.
        EXPECT_EQ(format_has_alpha(pixmap->format), ours.channels == 4);
    }
}

TEST(GameLoaders, OpenTheTitleFontAtTheMenusSize) {
    graphics_startup();
    TRecordingRenderDriver::Scope display;
    FontRef font = open_font(assets_dir() + "/Brasswick.ttf", 20, 4);
    ASSERT_TRUE(font);
    // The tables narrow a name wider than the 76 pixels before its value;
    // the defaults should never need it.
    select_font(font);
    for (const char* name :
         {"K. Tesselk", "J. Orrimund", "Quoraan", "A. Lumivessa", "P. Pyx", "D. Darrowen"})
        EXPECT_LE(text_width(name), 76) << name;
}
