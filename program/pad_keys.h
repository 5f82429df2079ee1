// What a pad's controls stand for on each screen, by the screen's own list
// of key tests (input/key_tests.h), declared beside the tests themselves.
#pragma once

#include "program/game_loop.h"
#include "screens/character_select.h"
#include "screens/title_menu.h"

inline const TKeyTests& title_pad_keys = title_keys;
inline const TKeyTests& select_pad_keys = select_keys;
inline const TKeyTests& play_pad_keys = play_keys;
inline const TKeyTests& pause_pad_keys = pause_keys;
inline const TKeyTests& game_over_pad_keys = game_over_keys;
