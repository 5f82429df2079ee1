#include "game/board.h"
#include "game/falling.h"
#include "game/sparkle_spawners.h"
#include "graphics/image.h"
#include "rules_fixture.h"
#include "tests/support/recording_render_driver.h"

TEST_F(RulesTest, FullBoardWithAClearingRunePlaysOn) {
    fill_board();
    EXPECT_EQ(active_rune_count(), BOARD_CELLS);
    board[6][7]->clear_count = 30;
    EXPECT_EQ(active_rune_count(), BOARD_CELLS - 1);
    frames(10);
    EXPECT_TRUE(board[6][7]);
    frames(1);
    EXPECT_FALSE(board[6][7]);
    EXPECT_EQ(active_rune_count(), BOARD_CELLS - 1);
    cursor_column = 6;
    drop_rune();
    EXPECT_EQ(runes_dropped, 1);
}

TEST_F(RulesTest, FrameDrawsInPlayLoopOrder) {
    put(0, 10, 3);
    spawn_burst(100, 100, 1);
    score = 5;
    frames(1);
    // One letter a step, repeats folded: clear, board, runes, sparkles,
    // preview, numbers, gauge discs, gauge hand.
    std::string order;
    auto step = [&](char letter) {
        if (order.empty() || order.back() != letter) order += letter;
    };
    for (const RenderCall& call : render_log()) {
        if (call.name == "clear_frame") step('C');
        if (call.name == "draw_oval") step('O');
        if (call.name == "draw_line") step('L');
        if (call.name != "frame_draw") continue;
        auto from = [&](const ImageRef& image) {
            for (const PixmapRef& p : image->pixmaps)
                if (p == call.pixmap) return true;
            return false;
        };
        if (from(board_image)) step('B');
        if (from(rune_image)) step(call.args[5] == 60 ? 'P' : 'R');
        if (from(sparks_image)) step('S');
        if (from(digit_image)) step('D');
    }
    EXPECT_EQ(order, "CBRSPDOL");
}
