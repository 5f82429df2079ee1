// Everything the generator makes, one function per picture or sound family.
// Each writes its files into `dir` under the names the game opens.
#pragma once

#include <string>

struct Character;

// sparks.png
void make_sparks(const std::string& dir);
// kovname.png: the studio logo
void make_logo(const std::string& dir);
// titlescreen.png
void make_title(const std::string& dir);
// pointer.png, paused.png, gameover.png
void make_banners(const std::string& dir);
// charscreen.png, cursor.png, blankface.png
void make_select_screen(const std::string& dir);

// boardID.png, runesID.png, scoreID.png, faceID.png, portID.png
void make_character_pictures(const Character& character, const std::string& dir);
// musicID.ogg
void make_character_music(const Character& character, const std::string& dir);

// click.wav, sparkle.wav, white.wav, black.wav, gray.wav
void make_effects(const std::string& dir);
// kovjingle.ogg
void make_jingle(const std::string& dir);
// select.ogg
void make_select_music(const std::string& dir);

// The desktop icon: orvessa-SIZE.png for 16, 32, 48, 64, 128, 256 and 512
// pixels, and orvessa.svg
void make_icons(const std::string& dir);

// Composite pictures for judging the art as a whole (not part of the game).
void make_previews(const std::string& assets_dir, const std::string& chars_dir,
                   const std::string& out_dir);
