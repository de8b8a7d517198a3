#pragma once

#include <QString>

// The title a note gets from its text: what stands before the first line
// break (carriage return or line feed), and when that is longer than 30
// characters, its first 27 followed by "...". Characters are what a reader
// sees as one (grapheme clusters), so a cut never splits an emoji or an
// accented letter. Blanks are kept.
QString derivedtitle(const QString &text);

// The number of user-perceived characters in text.
int charactercount(const QString &text);

// text without its leading and trailing blanks (character 32 only; tabs and
// line breaks stay).
QString trimblanks(const QString &text);
