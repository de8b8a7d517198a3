// A note: a title and a body of free text.
#pragma once

#include <QString>

struct Note {
    QString title;
    QString body;

    friend bool operator==(const Note &, const Note &) = default;
};
