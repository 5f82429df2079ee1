// SDL keys into the game's virtual-key codes.
//
// Letters and digits follow the keyboard layout, so the key that types "A"
// reports 65 wherever it sits. Every other key is known by its position (the
// scancode), named after the key at that place on a US keyboard. The left and
// right modifier keys stay apart (160..165); the generic Shift, Ctrl and Alt
// codes are never produced.
#include "platform/internal.h"

#include <array>
#include <cstdint>

namespace platform::detail {
namespace {

using CodeTable = std::array<std::uint8_t, SDL_NUM_SCANCODES>;

constexpr CodeTable make_code_table() {
    CodeTable codes{};
    for (int i = 0; i < 26; ++i) codes[SDL_SCANCODE_A + i] = static_cast<std::uint8_t>(65 + i);
    for (int i = 0; i < 9; ++i) codes[SDL_SCANCODE_1 + i] = static_cast<std::uint8_t>(49 + i);
    codes[SDL_SCANCODE_0] = 48;
    for (int i = 0; i < 12; ++i) codes[SDL_SCANCODE_F1 + i] = static_cast<std::uint8_t>(112 + i);
    for (int i = 0; i < 12; ++i) codes[SDL_SCANCODE_F13 + i] = static_cast<std::uint8_t>(124 + i);
    for (int i = 0; i < 9; ++i) codes[SDL_SCANCODE_KP_1 + i] = static_cast<std::uint8_t>(97 + i);
    codes[SDL_SCANCODE_KP_0] = 96;

    codes[SDL_SCANCODE_BACKSPACE] = 8;
    codes[SDL_SCANCODE_TAB] = 9;
    codes[SDL_SCANCODE_CLEAR] = 12;
    codes[SDL_SCANCODE_RETURN] = 13;
    codes[SDL_SCANCODE_RETURN2] = 13;
    codes[SDL_SCANCODE_KP_ENTER] = 13;
    codes[SDL_SCANCODE_PAUSE] = 19;
    codes[SDL_SCANCODE_CAPSLOCK] = 20;
    codes[SDL_SCANCODE_ESCAPE] = 27;
    codes[SDL_SCANCODE_SPACE] = 32;
    codes[SDL_SCANCODE_PAGEUP] = 33;
    codes[SDL_SCANCODE_PAGEDOWN] = 34;
    codes[SDL_SCANCODE_END] = 35;
    codes[SDL_SCANCODE_HOME] = 36;
    codes[SDL_SCANCODE_LEFT] = 37;
    codes[SDL_SCANCODE_UP] = 38;
    codes[SDL_SCANCODE_RIGHT] = 39;
    codes[SDL_SCANCODE_DOWN] = 40;
    codes[SDL_SCANCODE_SELECT] = 41;
    codes[SDL_SCANCODE_EXECUTE] = 43;
    codes[SDL_SCANCODE_PRINTSCREEN] = 44;
    codes[SDL_SCANCODE_INSERT] = 45;
    codes[SDL_SCANCODE_DELETE] = 46;
    codes[SDL_SCANCODE_HELP] = 47;
    codes[SDL_SCANCODE_LGUI] = 91;
    codes[SDL_SCANCODE_RGUI] = 92;
    codes[SDL_SCANCODE_APPLICATION] = 93;
    codes[SDL_SCANCODE_KP_MULTIPLY] = 106;
    codes[SDL_SCANCODE_KP_PLUS] = 107;
    codes[SDL_SCANCODE_KP_COMMA] = 108;
    codes[SDL_SCANCODE_KP_MINUS] = 109;
    codes[SDL_SCANCODE_KP_PERIOD] = 110;
    codes[SDL_SCANCODE_KP_DIVIDE] = 111;
    codes[SDL_SCANCODE_NUMLOCKCLEAR] = 144;
    codes[SDL_SCANCODE_SCROLLLOCK] = 145;
    codes[SDL_SCANCODE_LSHIFT] = 160;
    codes[SDL_SCANCODE_RSHIFT] = 161;
    codes[SDL_SCANCODE_LCTRL] = 162;
    codes[SDL_SCANCODE_RCTRL] = 163;
    codes[SDL_SCANCODE_LALT] = 164;
    codes[SDL_SCANCODE_RALT] = 165;
    codes[SDL_SCANCODE_SEMICOLON] = 186;
    codes[SDL_SCANCODE_EQUALS] = 187;
    codes[SDL_SCANCODE_COMMA] = 188;
    codes[SDL_SCANCODE_MINUS] = 189;
    codes[SDL_SCANCODE_PERIOD] = 190;
    codes[SDL_SCANCODE_SLASH] = 191;
    codes[SDL_SCANCODE_GRAVE] = 192;
    codes[SDL_SCANCODE_LEFTBRACKET] = 219;
    codes[SDL_SCANCODE_BACKSLASH] = 220;
    codes[SDL_SCANCODE_NONUSHASH] = 220; // the same key on ISO boards
    codes[SDL_SCANCODE_RIGHTBRACKET] = 221;
    codes[SDL_SCANCODE_APOSTROPHE] = 222;
    codes[SDL_SCANCODE_NONUSBACKSLASH] = 226;
    return codes;
}

constexpr CodeTable code_by_scancode = make_code_table();

} // namespace

int virtual_key_code(const SDL_Keysym& key) {
    if (key.sym >= SDLK_a && key.sym <= SDLK_z) return 65 + (key.sym - SDLK_a);
    if (key.sym >= SDLK_0 && key.sym <= SDLK_9) return 48 + (key.sym - SDLK_0);
    const int scancode = static_cast<int>(key.scancode);
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
    return code_by_scancode[static_cast<std::size_t>(scancode)];
}

} // namespace platform::detail
