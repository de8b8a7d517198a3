// The notes and the two font sizes as the settings store holds them: the one
// description of that layout, the least writes that take a store from one
// state to another, and the rules for reading what another program left.
#pragma once

#include "core/note.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Application "qbxlm120"; section "general" holds "notetotal",
// "mainlistsize" and "maintextboxsize"; section "notes" holds
// "notetitle<k>" and "notecontent<k>" for k = 1..notetotal, and "temp" = "-"
// while a session runs on the store. Nothing else is written.
class StoredLayout
{
public:
    static constexpr float defaultPointSize = 8;
    static const QString application;
    static const QString generalSection;
    static const QString notesSection;
    static const QString countKey;
    static const QString titleListSizeKey;
    static const QString noteTextSizeKey;
    static const QString titleKey;
    static const QString bodyKey;
    static const QString runningKey;
    static const QString missingTitle;
    static const QString missingBody;

    struct State {
        QList<Note> notes;
        float titleListPoints = defaultPointSize;
        float noteTextPoints = defaultPointSize;
        bool running = false; // the "temp" mark is stored

        friend bool operator==(const State &, const State &) = default;
    };

    struct Entry {
        QString section;
        QString key;
        QString value; // unused for a removal

        friend bool operator==(const Entry &, const Entry &) = default;
    };

    // One transaction's work: the whole section "notes" dropped first when
    // clearNotes, then the writes and the removals, in any order.
    struct Changes {
        bool clearNotes = false;
        QList<Entry> writes;
        QList<Entry> removals;

        bool isEmpty() const { return !clearNotes && writes.isEmpty() && removals.isEmpty(); }
    };

    // Every entry of the layout, in key order within each section.
    static QList<Entry> entries(const State &state);
    // What makes a store hold exactly state, whatever it held before.
    static Changes whole(const State &state);
    // The least writes from a store known to hold exactly `from`.
    static Changes between(const State &from, const State &to);

    // Reading. The number of notes a store holds: its count, but taken from
    // the highest note key present when the count is absent or no whole
    // number, so that no stored note is ever hidden and then deleted by it;
    // a negative count is 0, and none is above the limit of 500.
    static int noteCount(const QString &countText, const QStringList &noteKeys);
    // A size from 1 to 100 points, with a full stop or the locale's decimal
    // separator; the default for anything else.
    static float pointSize(const QString &text);
    // The note, from 1, that a key such as "notetitle12" belongs to; 0 when
    // none. Only the canonical spelling counts: "notetitle012" is no note's.
    static int noteNumber(QStringView key, QStringView prefix);
    // Whether a section "notes" of the keys `noteKeys` (with `runningMark`
    // the value of "temp", if any) holds exactly state's notes.
    static bool notesHoldExactly(const State &state, const QStringList &noteKeys,
                                 const QString &runningMark);
    // The keys of section "notes" that a store of count notes does not
    // keep: notes past the count or the limit, keys of another spelling.
    static QStringList unshownKeys(int count, const QStringList &noteKeys);
    // The entries of section "general" that differ from state's, or are
    // missing: to be written, whatever changes, at the next write.
    static QList<Entry> generalToMend(const State &state, const QHash<QString, QString> &general);
    // "8.25", "12": at most seven significant digits and a full stop.
    static QString textFromSize(float points);
};
