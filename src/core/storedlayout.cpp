// The notes and the two font sizes as the settings store holds them.
#include "core/storedlayout.h"

#include "core/notebook.h"

#include <QLocale>
#include <QSet>

#include <cmath>

const QString StoredLayout::application = QStringLiteral("qbxlm120");
const QString StoredLayout::generalSection = QStringLiteral("general");
const QString StoredLayout::notesSection = QStringLiteral("notes");
const QString StoredLayout::countKey = QStringLiteral("notetotal");
const QString StoredLayout::titleListSizeKey = QStringLiteral("mainlistsize");
const QString StoredLayout::noteTextSizeKey = QStringLiteral("maintextboxsize");
const QString StoredLayout::titleKey = QStringLiteral("notetitle");
const QString StoredLayout::bodyKey = QStringLiteral("notecontent");
const QString StoredLayout::runningKey = QStringLiteral("temp");
const QString StoredLayout::missingTitle = QStringLiteral("Your note");
const QString StoredLayout::missingBody = QStringLiteral("note");

namespace
{

const QString runningMark = QStringLiteral("-");

// Texts handed on from the last state share their data: no need to compare
// 64 KB bodies character by character.
bool sameText(const QString &a, const QString &b)
{
    return a.isSharedWith(b) || a == b;
}

} // namespace

QString StoredLayout::textFromSize(float points)
{
    return QString::number(double(points), 'g', 7);
}

QList<StoredLayout::Entry> StoredLayout::entries(const State &state)
{
    QList<Entry> all = {
        {generalSection, countKey, QString::number(state.notes.size())},
        {generalSection, titleListSizeKey, textFromSize(state.titleListPoints)},
        {generalSection, noteTextSizeKey, textFromSize(state.noteTextPoints)},
    };
    all.reserve(3 + 2 * state.notes.size() + 1);
    for (qsizetype i = 0; i < state.notes.size(); ++i)
        all.append({notesSection, bodyKey + QString::number(i + 1), state.notes.at(i).body});
    for (qsizetype i = 0; i < state.notes.size(); ++i)
        all.append({notesSection, titleKey + QString::number(i + 1), state.notes.at(i).title});
    if (state.running)
        all.append({notesSection, runningKey, runningMark});
    return all;
}

StoredLayout::Changes StoredLayout::whole(const State &state)
{
    return {true, entries(state), {}};
}

StoredLayout::Changes StoredLayout::between(const State &from, const State &to)
{
    Changes changes;
    const qsizetype before = from.notes.size();
    const qsizetype after = to.notes.size();
    if (before != after)
        changes.writes.append({generalSection, countKey, QString::number(after)});
    if (from.titleListPoints != to.titleListPoints)
        changes.writes.append({generalSection, titleListSizeKey, textFromSize(to.titleListPoints)});
    if (from.noteTextPoints != to.noteTextPoints)
        changes.writes.append({generalSection, noteTextSizeKey, textFromSize(to.noteTextPoints)});
    for (qsizetype i = 0; i < std::max(before, after); ++i) {
        const QString index = QString::number(i + 1);
        if (i >= after) {
            changes.removals.append({notesSection, titleKey + index, {}});
            changes.removals.append({notesSection, bodyKey + index, {}});
            continue;
        }
        const Note &note = to.notes.at(i);
        if (i >= before || !sameText(note.title, from.notes.at(i).title))
            changes.writes.append({notesSection, titleKey + index, note.title});
        if (i >= before || !sameText(note.body, from.notes.at(i).body))
            changes.writes.append({notesSection, bodyKey + index, note.body});
    }
    if (to.running && !from.running)
        changes.writes.append({notesSection, runningKey, runningMark});
    if (from.running && !to.running)
        changes.removals.append({notesSection, runningKey, {}});
    return changes;
}

int StoredLayout::noteCount(const QString &countText, const QStringList &noteKeys)
{
    QStringView digits = QStringView(countText).trimmed();
    if (digits.startsWith(u'+'))
        digits = digits.mid(1);
    bool readable = !digits.isEmpty();
    qint64 count = 0;
    for (QChar c : digits) {
        readable = readable && c >= u'0' && c <= u'9';
        if (readable && count <= Notebook::maxNotes)
            count = count * 10 + (c.unicode() - u'0');
    }
    if (!readable) {
        count = 0;
        for (const QString &key : noteKeys)
            count = std::max(count,
                             qint64(std::max(noteNumber(key, titleKey), noteNumber(key, bodyKey))));
    }
    return int(std::min<qint64>(count, Notebook::maxNotes));
}

float StoredLayout::pointSize(const QString &text)
{
    const QString trimmed = text.trimmed();
    for (QLocale locale : {QLocale::c(), QLocale()}) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = locale.toDouble(trimmed, &ok);
        if (ok)
            return std::isfinite(value) && value >= 1 && value <= 100 ? float(value)
                                                                      : defaultPointSize;
    }
    return defaultPointSize;
}

int StoredLayout::noteNumber(QStringView key, QStringView prefix)
{
    if (!key.startsWith(prefix))
        return 0;
    const QStringView digits = key.mid(prefix.size());
    bool isNumber = false;
    const int k = digits.toInt(&isNumber);
    return isNumber && k >= 1 && digits.size() == QString::number(k).size() ? k : 0;
}

bool StoredLayout::notesHoldExactly(const State &state, const QStringList &noteKeys,
                                    const QString &runningMarkFound)
{
    // A store's keys are unique: every one a key of the layout, and as many.
    const qsizetype count = state.notes.size();
    bool marked = false;
    qsizetype noteKeysFound = 0;
    for (const QString &key : noteKeys) {
        if (key == runningKey) {
            marked = true;
            continue;
        }
        const int k = std::max(noteNumber(key, titleKey), noteNumber(key, bodyKey));
        if (k < 1 || k > count)
            return false;
        ++noteKeysFound;
    }
    return noteKeysFound == 2 * count && marked == state.running &&
           (!marked || runningMarkFound == runningMark);
}

QList<StoredLayout::Entry> StoredLayout::generalToMend(const State &state,
                                                       const QHash<QString, QString> &general)
{
    QList<Entry> odd;
    for (const Entry &entry : entries(state)) {
        if (entry.section == generalSection && general.value(entry.key) != entry.value)
            odd.append(entry);
    }
    return odd;
}

QStringList StoredLayout::unshownKeys(int count, const QStringList &noteKeys)
{
    QStringList unshown;
    for (const QString &key : noteKeys) {
        const int k = std::max(noteNumber(key, titleKey), noteNumber(key, bodyKey));
        if (key != runningKey && (k < 1 || k > count))
            unshown.append(key);
    }
    return unshown;
}
