#include "screens/key_names.h"

#include "game/game_state.h"

namespace {

struct NamedKey {
    int code;
    const char* name;
};

// Minus and Equals are the main keyboard's keys as the input layer reports
// them (189 and 187); the numeric keypad's keep their own names.
const NamedKey named_keys[] = {
    {1, "Mouse button (Left)"}, {2, "Mouse button (Right)"}, {4, "Mouse button (Middle)"},
    {8, "Backspace"}, {9, "Tab"}, {12, "Clear"}, {13, "Enter"}, {16, "Shift"},
    {17, "Control"}, {18, "Alt"}, {19, "Pause"}, {20, "Caps Lock"}, {27, "Escape"},
    {32, "Space"}, {33, "Page Up"}, {34, "Page Down"}, {35, "End"}, {36, "Home"},
    {37, "Cursor Left"}, {38, "Cursor Up"}, {39, "Cursor Right"}, {40, "Cursor Down"},
    {41, "Select"}, {42, "Print"}, {43, "Execute"}, {44, "Screen"}, {45, "Insert"},
    {46, "Delete"}, {47, "Help"}, {91, "Sys key (Left)"}, {92, "Sys key (Right)"},
    {106, "Numpad *"}, {107, "Numpad +"}, {108, "Numpad /"}, {109, "Numpad -"},
    {110, "Numpad ."}, {111, "Numpad /"}, {144, "Num Lock"}, {145, "Scroll Lock"},
    {160, "Shift (Left)"}, {161, "Shift (Right)"}, {162, "Control (Left)"},
    {163, "Control (Right)"}, {164, "Alt key (Left)"}, {165, "Alt key (Right)"},
    {186, "Semi-colon"}, {187, "Equals"}, {188, "Comma"}, {189, "Minus"}, {190, "Period"},
    {191, "Slash"}, {192, "Tilde"}, {219, "Bracket (Open)"}, {221, "Bracket (Close)"},
    {222, "Quote"}, {226, "Backslash"},
};

} // namespace

void fill_key_names() {
    for (std::string& name : key_names) name.clear();
    for (const NamedKey& key : named_keys) key_names[static_cast<size_t>(key.code)] = key.name;
    for (int digit = 0; digit <= 9; ++digit) {
        key_names[static_cast<size_t>(48 + digit)] = std::string(1, static_cast<char>('0' + digit));
        key_names[static_cast<size_t>(96 + digit)] = "Numpad " + std::to_string(digit);
    }
    for (int letter = 0; letter < 26; ++letter)
        key_names[static_cast<size_t>(65 + letter)] = std::string(1, static_cast<char>('A' + letter));
    for (int f = 1; f <= 12; ++f) key_names[static_cast<size_t>(111 + f)] = "F" + std::to_string(f);
}

int key_name_count() {
    return static_cast<int>(sizeof named_keys / sizeof named_keys[0]) + 10 + 10 + 26 + 12;
}

std::string key_name(int code) {
    if (code >= 0 && code < KEY_NAME_COUNT && !key_names[static_cast<size_t>(code)].empty())
        return key_names[static_cast<size_t>(code)];
    return "<Key " + std::to_string(code) + ">";
}
