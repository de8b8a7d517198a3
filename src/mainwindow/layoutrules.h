#pragma once

#include <array>

// Where the widgets that follow the window's size stand, in pixels inside
// the window, for an outer window size of wp x hp pixels.
struct WindowLayout {
    int mainlistWidth = 0;
    int mainlistHeight = 0;
    int maintextboxWidth = 0;
    int maintextboxTop = 0;
    int label1Top = 0;
    int buttop = 0;
    int butleft = 0;
    std::array<int, 6> butLefts{};
    int icoSearchLeft = 0;
    int searchboxWidth = 0;
    int statusTop = 0;
    int statusWidth = 0;
};

constexpr int smallestWidthPixels = 180;
constexpr int smallestHeightPixels = 300;

WindowLayout layoutfor(int wp, int hp);

// Twips to whole pixels, a half going to the even neighbour.
int twipstopixels(double twips);
