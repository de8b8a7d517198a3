// A note: a title and a body of free text.
#pragma once

#include <QString>

struct Note {
    QString title;
    QString body;
    // While the body is still being read from the store after the start:
    // where the note stood in the store; -1 once the body is here.
    int pendingBody = -1;

    bool hasBody() const { return pendingBody < 0; }
    friend bool operator==(const Note &, const Note &) = default;
};
