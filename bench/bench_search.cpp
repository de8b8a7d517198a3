// Search over 500 notes of 10 KB: the program's search against the rule
// written plainly (each body upper-cased whole) and against one plain
// case-sensitive pass over the same bodies. Prints figures; asserts nothing.
#include "core/notesearch.h"

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

template <typename Run> double medianMs(Run run)
{
    std::vector<double> times;
    for (int i = 0; i < 31; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

} // namespace

int main(int argc, char *argv[])
{
    const int bodyChars = argc > 1 ? std::atoi(argv[1]) * 1024 : 10 * 1024;
    QRandomGenerator random(20261206);
    QList<Note> notes;
    for (int k = 1; k <= 500; ++k)
        notes.append({QStringLiteral("Note %1").arg(k), makeBody(random, bodyChars)});

    const QStringList needles = {QStringLiteral("zebra"), QStringLiteral("MEETING TOMORROW"),
                                 QStringLiteral("über"), QStringLiteral("Note 42")};
    std::printf("500 notes of %d KB\n%-18s %10s %12s %10s %9s %9s\n", bodyChars / 1024,
                "search text", "search ms", "plain rule ms", "plain ms", "vs plain", "rule/search");
    for (const QString &needle : needles) {
        qsizetype matches = 0;
        const double search = medianMs([&] { matches = findNotes(notes, needle).size(); });
        const QString upper = needle.toUpper();
        const double rule = medianMs([&] {
            int hits = 0;
            for (const Note &note : notes)
                hits += note.body.toUpper().contains(upper) || note.title.contains(needle);
            return hits;
        });
        const double plain = medianMs([&] {
            int hits = 0;
            for (const Note &note : notes)
                hits += note.body.contains(needle);
            return hits;
        });
        std::printf("%-18s %10.3f %12.3f %10.3f %8.2fx %8.2fx   (%lld matches)\n",
                    qPrintable(needle), search, rule, plain, search / plain, rule / search,
                    static_cast<long long>(matches));
    }
    return 0;
}
