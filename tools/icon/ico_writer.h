// Windows icon files (.ico) whose pictures are PNG files, as Windows Vista
// and later read them: a six-byte header, a sixteen-byte entry a picture
// (its size, 32 bits a pixel, the PNG's length and where it starts), then
// the PNG files themselves, whole.
#pragma once

#include <string>
#include <vector>

// The icon file for `pngs` (the bytes of PNG files of 1 to 256 pixels a
// side), in that order. Empty, with the reason in `why`, when one is no PNG
// file or too large for an icon.
std::string ico_from_pngs(const std::vector<std::string>& pngs, std::string* why);
