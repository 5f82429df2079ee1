// The score panel, drawn with the character's digit sheet.
#pragma once

// Score, runes dropped and, once a rune has been dropped, the efficiency
// (runes cleared per rune dropped, times 10000).
void draw_statistics();

// Draws n right-aligned, its last digit ending at x; digits are 24 pixels
// apart, drawn right to left.
void draw_number(int n, int x, int y);
