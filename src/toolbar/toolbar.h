#pragma once

#include <QString>

// One toolbar picture: its index in the icons array, its left edge in the
// window and its caption (tooltip and status line).
struct IconPlace {
    int index;
    int left;
    const char *caption;
};

// In screen order, left to right; the font-size icon (index 6) stands third.
inline constexpr IconPlace iconPlaces[] = {
    {0, 5, "Dock Quillbox to the left of the screen"},
    {1, 25, "Dock Quillbox to the right of the screen"},
    {6, 50, "Change font size"},
    {2, 75, "Flush all notes"},
    {3, 95, "Show all notes"},
    {4, 120, "About Quillbox"},
    {5, 145, "Exit Quillbox"},
};

// The caption of icon index; the empty text for an index outside 0 to 6.
QString iconCaption(int index);
