// A board to play rules on: a seeded generator, recording render and audio
// drivers, stand-in images and sounds, and helpers to set runes down.
#pragma once

#include "game/game_state.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

struct Recorders;
struct RenderCall;

// One draw_image call as the driver saw it.
struct DrawnImage {
    float x = 0, y = 0; // where the image's handle went on the screen
    int frame = 0;
    float alpha = 0;
};

class RulesTest : public testing::Test {
  protected:
    RulesTest();
    ~RulesTest() override;
    void SetUp() override;
    void TearDown() override;

    // A fully visible rune, at rest unless y_offset puts its picture above.
    Rune& put(int c, int r, int kind, float y_offset = 0);
    // Fills column c from row `from` to its bottom with kinds 0..2 laid out
    // so that no three in a line ever agree.
    void fill_column(int c, int from);
    void fill_board();
    // Runs n frames of the play loop's rule work.
    void frames(int n);

    // What the drivers saw since set-up or the last forget_log.
    int plays(const SoundRef& sound) const;
    int plays_total() const;
    std::vector<DrawnImage> drawn(const ImageRef& image) const;
    const std::vector<RenderCall>& render_log() const;
    void forget_log();

  private:
    std::unique_ptr<Recorders> recorders_;
};
