// Texts in bounded rooms: gd's fonts are fixed-width, so a text's width is known before it is
// drawn, and a text that does not fit its room is cut rather than run into its neighbours.
#pragma once
#include <string>

#include "common/surface/canvas.h"

// The text cut to at most room pixels in the font: when it is too wide, as many of its first
// characters as fit with "..." after them (only dots when not even those fit; empty for no room).
std::string f_fitText(const std::string& text, font_face face, long long room);

// The left x of a text `width` pixels wide placed as near as possible to `wanted` while its box
// stays within lo..hi - 1; `wanted` when the room is narrower than the text.
int f_placeInRoom(long long wanted, long long width, long long lo, long long hi);
