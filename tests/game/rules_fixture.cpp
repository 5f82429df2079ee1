#include "rules_fixture.h"

#include "game/board.h"
#include "game/play_frame.h"
#include "graphics/display.h"
#include "graphics/image.h"
#include "system/random.h"
#include "tests/audio/wav_bytes.h"
#include "tests/support/recording_audio_driver.h"
#include "tests/support/recording_render_driver.h"
#include "tests/support/scratch_folder.h"

#include <map>

struct Recorders {
    TRecordingRenderDriver::Scope display;
    std::shared_ptr<RecordingAudioDriver> audio = RecordingAudioDriver::install();
    ScratchFolder folder;
    std::map<const TSoundClip*, std::string> sound_urls;
};

namespace {

// A sheet of n frames whose pixels exist, so that every drawn frame can be
// traced back to its image and index.
ImageRef sheet(int width, int height, int frames) {
    ImageRef image = create_image(width, height, frames, -1);
    for (int i = 0; i < frames; ++i) image->lock(i, 1, 0);
    return image;
}

} // namespace

RulesTest::RulesTest() = default;
RulesTest::~RulesTest() = default;

void RulesTest::SetUp() {
    recorders_ = std::make_unique<Recorders>();
    set_blend(BLEND_ALPHA);
    rune_image = sheet(40, 40, 11);
    sparks_image = sheet(40, 40, 11);
    center_image_handle(sparks_image);
    digit_image = sheet(24, 24, 10);
    board_image = sheet(640, 480, 1);
    auto load = [this](const std::string& name) {
        std::string url = recorders_->folder.write(name + ".wav", wav_file({}, pcm16({0, 0})));
        SoundRef sound = load_sound(url, 0);
        recorders_->sound_urls[sound.get()] = url;
        return sound;
    };
    click_sound = load("click");
    white_sound = load("white");
    black_sound = load("black");
    gray_sound = load("gray");
    sparkle_sound = load("sparkle");
    ASSERT_TRUE(click_sound && sparkle_sound);
    reset_game_state();
    seed_random(20240601);
    forget_log();
}

void RulesTest::TearDown() {
    reset_game_state();
    sparks_image = rune_image = digit_image = board_image = nullptr;
    click_sound = white_sound = black_sound = gray_sound = sparkle_sound = nullptr;
    recorders_.reset();
}

Rune& RulesTest::put(int c, int r, int kind, float y_offset) {
    auto rune = std::make_shared<Rune>();
    rune->kind = kind;
    rune->y_offset = y_offset;
    rune->opacity = 1;
    board[c][r] = rune;
    return *rune;
}

void RulesTest::fill_column(int c, int from) {
    // Kinds (c + 2r) mod 3 differ along every axis: down a column by 2,
    // across by 1, along the rising diagonal by 1.
    for (int r = from; r <= column_bottom(c); ++r) put(c, r, (c + 2 * r) % 3);
}

void RulesTest::fill_board() {
    for (int c = 0; c < BOARD_COLUMNS; ++c) fill_column(c, column_top(c));
}

void RulesTest::frames(int n) {
    for (int i = 0; i < n; ++i) play_frame_rules();
}

int RulesTest::plays(const SoundRef& sound) const {
    const std::string& url = recorders_->sound_urls.at(sound.get());
    int count = 0;
    for (const AudioCall& call : recorders_->audio->calls_of(AudioCall::Play))
        count += call.sound == url;
    return count;
}

int RulesTest::plays_total() const {
    return static_cast<int>(recorders_->audio->calls_of(AudioCall::Play).size());
}

std::vector<DrawnImage> RulesTest::drawn(const ImageRef& image) const {
    std::vector<DrawnImage> out;
    float alpha = 1;
    for (const RenderCall& call : recorders_->display.driver().calls) {
        if (call.name == "set_alpha") alpha = call.args.at(0);
        if (call.name != "frame_draw") continue;
        for (int i = 0; i < image->frame_count(); ++i) {
            if (image->pixmaps[i] == call.pixmap)
                out.push_back({call.args[4], call.args[5], i, alpha});
        }
    }
    return out;
}

const std::vector<RenderCall>& RulesTest::render_log() const {
    return recorders_->display.driver().calls;
}

void RulesTest::forget_log() {
    recorders_->display.driver().clear();
    recorders_->audio->clear();
}
