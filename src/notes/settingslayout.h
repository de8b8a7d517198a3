#pragma once

#include <QList>
#include <QString>

class SettingsStore;

// What the program keeps between runs, as it lies in the settings store
// under one application name: section "general" holds "notetotal",
// "mainlistsize" and "maintextboxsize"; section "notes" holds
// "notetitle<k>" and "notecontent<k>" for k = 1..notetotal.
struct StoredSettings {
    QList<QString> titles;
    QList<QString> contents;
    float mainlistsize = 8;
    float maintextboxsize = 8;
};

// Reads everything back, giving absent keys their defaults, and writes the
// marker "temp" = "-" in "notes". A count that is not a number or is negative
// reads as 0, one above maxnotes as maxnotes; a size that is not a finite
// number from 1 to 100 reads as 8.
StoredSettings loadsettings(SettingsStore &store, const QString &appname, int maxnotes);

// Writes the count, the two sizes and the notes, replacing section "notes"
// whole, in one transaction: on failure the store keeps what it held before
// and false is returned (store.error() says why).
bool savesettings(SettingsStore &store, const QString &appname, const StoredSettings &settings);

// A font size as stored: at most seven significant digits, no trailing zeros,
// a full stop as decimal separator ("8.25", "12").
QString sizetotext(float size);
// Reads a stored size, taking a full stop or the locale's own separator;
// fallback when the text is no finite size from 1 to 100 points.
float texttosize(const QString &text, float fallback);
