#include "mainwindow/layoutrules.h"

#include <cmath>

WindowLayout layoutfor(int wp, int hp)
{
    WindowLayout l;
    l.mainlistWidth = wp - 18;
    l.maintextboxWidth = wp - 18;
    l.maintextboxTop = hp - 172;
    l.label1Top = l.maintextboxTop - 20;
    l.buttop = hp - 68;
    l.butleft = wp - 122;
    for (int i = 0; i < 6; ++i)
        l.butLefts[static_cast<std::size_t>(i)] = l.butleft + 18 * i;
    l.icoSearchLeft = wp - 35;
    l.searchboxWidth = wp - 40;
    l.mainlistHeight = l.maintextboxTop - 75;
    l.statusTop = hp - 48;
    l.statusWidth = wp - 18;
    return l;
}

int twipstopixels(double twips)
{
    return static_cast<int>(std::nearbyint(twips / 15.0));
}
