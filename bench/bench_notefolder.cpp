// Export and import of 500 notes of 64 KB (65,536 characters each) through a
// folder of plain files: a first export into a new folder, an export over an
// earlier one, and the import. Prints medians of the wall time and of the
// processor time (the rest is waiting for the disk: each file is synced);
// asserts nothing.
#include "core/notefolder.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace
{

QString makeBody(QRandomGenerator &random, int length)
{
    static const QString words[] = {
        QStringLiteral("apple "),      QStringLiteral("Bread "),
        QStringLiteral("milk\n"),      QStringLiteral("Meeting "),
        QStringLiteral("tomorrow "),   QStringLiteral("ÜBER "),
        QStringLiteral("straße "),     QStringLiteral("\u05E9\u05DC\u05D5\u05DD "),
        QStringLiteral("\U0001F389 "), QStringLiteral("42 ")};
    QString body;
    body.reserve(length + 16);
    while (body.size() < length)
        body += words[random.bounded(int(std::size(words)))];
    body.truncate(length);
    // Never half an emoji: every body is to come back exactly.
    if (body.back().isHighSurrogate())
        body.back() = u'x';
    return body;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Wall and processor time of one phase, in ms.
struct Phase {
    std::vector<double> wall, cpu;
    template <typename Run> void time(Run run)
    {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t start = std::clock();
        run();
        cpu.push_back(double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC);
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    void print(const char *name) const
    {
        std::printf("%-28s %10.1f %10.1f\n", name, median(wall), median(cpu));
    }
};

} // namespace

int main()
{
    constexpr int runs = 5;
    QRandomGenerator random(20261206);
    QList<Note> notes;
    for (int k = 1; k <= 500; ++k)
        notes.append({QStringLiteral("Note %1").arg(k), makeBody(random, 65536)});

    Phase fresh, again, read;
    qint64 bytes = 0;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("notes"));
        NoteFolder folder(path);
        NoteFolder::Exported first, second;
        NoteFolder::Imported imported;
        fresh.time([&] { first = folder.exportNotes(notes); });
        again.time([&] { second = folder.exportNotes(notes); });
        read.time([&] { imported = folder.importNotes(500); });
        if (first.outcome != NoteFolder::Outcome::Done ||
            second.outcome != NoteFolder::Outcome::Done || imported.notes != notes) {
            std::printf("the notes did not come back as they were: %s\n",
                        qPrintable(imported.message));
            return 1;
        }
        bytes = 0;
        for (const QString &name : first.fileNames)
            bytes += QFileInfo(QDir(path).filePath(name)).size();
    }
    std::printf("500 notes of 65,536 characters (%.1f MB of UTF-8), median of %d runs\n",
                double(bytes) / 1e6, runs);
    std::printf("%-28s %10s %10s\n", "", "wall ms", "cpu ms");
    fresh.print("export into a new folder");
    again.print("export over the last one");
    read.print("import");
    return 0;
}
