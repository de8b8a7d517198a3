// The rules that make a title from a text and trim what the user typed. They
// are the same in every language: titles are compared and stored as made.
#pragma once

#include <QString>

// What stands before the first line break (carriage return or line feed);
// when that is longer than 30 characters, its first 27 followed by "...".
// A character is what a reader sees as one (a grapheme cluster), so a cut
// never splits an emoji or an accented letter. Blanks are kept.
QString titleFromText(const QString &text);

// text without its leading and trailing blanks (U+0020 only: tabs and line
// breaks stay).
QString trimBlanks(const QString &text);
