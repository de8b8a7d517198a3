// Search over 500 notes with 10 KB bodies: one search (bodies in any case,
// titles as they stand) against one plain case-sensitive pass over the same
// bodies, in the same run. Prints figures; asserts nothing.
#include "commands/notesearch.h"
#include "notes/notecollection.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

QString makeBody(QRandomGenerator &random, int length)
{
    static const QString words[] = {
        QStringLiteral("apple "),     QStringLiteral("Bread "),    QStringLiteral("milk\n"),
        QStringLiteral("Meeting "),   QStringLiteral("tomorrow "), QStringLiteral("ÜBER "),
        QStringLiteral("straße "),    QStringLiteral("call "),     QStringLiteral("Notes, "),
        QStringLiteral("quarterly "), QStringLiteral("report "),   QStringLiteral("42 ")};
    QString body;
    body.reserve(length + 16);
    while (body.size() < length)
        body += words[random.bounded(int(std::size(words)))];
    body.truncate(length);
    return body;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    QRandomGenerator random(20261206);
    NoteCollection notes;
    for (int k = 1; k <= 500; ++k)
        notes.insertnotenow(QStringLiteral("Note %1").arg(k), makeBody(random, 10 * 1024));

    const QStringList needles = {QStringLiteral("zebra"), QStringLiteral("MEETING TOMORROW"),
                                 QStringLiteral("über"), QStringLiteral("Note 42")};
    std::printf("%-20s %12s %12s %8s %8s\n", "search text", "search ms", "plain ms", "ratio",
                "matches");
    for (const QString &needle : needles) {
        std::vector<double> searchTimes, plainTimes;
        qsizetype matches = 0;
        int plainHits = 0;
        for (int run = 0; run < 31; ++run) {
            QElapsedTimer timer;
            timer.start();
            matches = findnotes(notes, needle).size();
            searchTimes.push_back(timer.nsecsElapsed() / 1e6);

            timer.restart();
            int hits = 0;
            for (int k = 1; k <= notes.notecount; ++k)
                hits += notes.notecontents[k].contains(needle) ? 1 : 0;
            plainTimes.push_back(timer.nsecsElapsed() / 1e6);
            plainHits = hits;
        }
        const double s = median(searchTimes);
        const double p = median(plainTimes);
        std::printf("%-20s %12.3f %12.3f %8.2f %8lld\n", qPrintable(needle), s, p, s / p,
                    static_cast<long long>(matches));
        (void)plainHits;
    }
    return 0;
}
