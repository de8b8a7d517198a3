// Export and import of 500 notes of 64 KB (65,536 characters each) through a
// folder of plain files: a first export into a new folder, an export over an
// earlier one, and the import. Prints medians; asserts nothing.
#include "core/notefolder.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
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

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main()
{
    constexpr int runs = 5;
    QRandomGenerator random(20261206);
    QList<Note> notes;
    for (int k = 1; k <= 500; ++k)
        notes.append({QStringLiteral("Note %1").arg(k), makeBody(random, 65536)});

    std::vector<double> fresh, again, read;
    qint64 bytes = 0;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir dir;
        NoteFolder folder(dir.filePath(QStringLiteral("notes")));
        QElapsedTimer timer;
        timer.start();
        const NoteFolder::Exported first = folder.exportNotes(notes);
        fresh.push_back(elapsedMs(timer));
        timer.restart();
        const NoteFolder::Exported second = folder.exportNotes(notes);
        again.push_back(elapsedMs(timer));
        timer.restart();
        const NoteFolder::Imported imported = folder.importNotes(500);
        read.push_back(elapsedMs(timer));
        if (first.outcome != NoteFolder::Outcome::Done ||
            second.outcome != NoteFolder::Outcome::Done || imported.notes != notes) {
            std::printf("the notes did not come back as they were: %s\n",
                        qPrintable(imported.message));
            return 1;
        }
        bytes = 0;
        for (const QString &name : first.fileNames)
            bytes += QFileInfo(QDir(dir.filePath(QStringLiteral("notes"))).filePath(name)).size();
    }
    std::printf("500 notes of 65,536 characters (%.1f MB of UTF-8), median of %d runs\n",
                double(bytes) / 1e6, runs);
    std::printf("%-28s %10.1f ms\n", "export into a new folder", median(fresh));
    std::printf("%-28s %10.1f ms\n", "export over the last one", median(again));
    std::printf("%-28s %10.1f ms\n", "import", median(read));
    return 0;
}
