#include "game/game_state.h"
#include "screens/key_names.h"
#include "screens/title_menu.h"

#include <gtest/gtest.h>

TEST(KeyNames, NamedUnnamedAndSidedKeys) {
    fill_key_names();
    EXPECT_EQ(key_name_count(), 114);
    EXPECT_EQ(key_name(13), "Enter");
    EXPECT_EQ(key_name(3), "<Key 3>");
    EXPECT_EQ(key_name(160), "Shift (Left)");
    EXPECT_EQ(key_name(165), "Alt key (Right)");
    EXPECT_EQ(key_name(37), "Cursor Left");
    EXPECT_EQ(key_name(32), "Space");
    EXPECT_EQ(key_name(48), "0");
    EXPECT_EQ(key_name(90), "Z");
    EXPECT_EQ(key_name(105), "Numpad 9");
    EXPECT_EQ(key_name(108), "Numpad /");
    EXPECT_EQ(key_name(111), "Numpad /");
    EXPECT_EQ(key_name(123), "F12");
    EXPECT_EQ(key_name(189), "Minus");
    EXPECT_EQ(key_name(187), "Equals");
    EXPECT_EQ(key_name(255), "<Key 255>");
    int named = 0;
    for (const std::string& name : key_names) named += name.empty() ? 0 : 1;
    EXPECT_EQ(named, 114);
}

TEST(TitleMenu, SelectionWrapsBothWays) {
    EXPECT_EQ(menu_left(0), 2);
    EXPECT_EQ(menu_left(1), 0);
    EXPECT_EQ(menu_right(2), 0);
    EXPECT_EQ(menu_right(1), 2);
}
