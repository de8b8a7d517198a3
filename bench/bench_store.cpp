// Figures, not a timed test: writing and reading 500 notes through the
// program's session and store, beside the floors of doing the same with one
// plain file.
//   save: a change of every note, written as one command's change is;
//   save floor: the same texts as UTF-16 into one file, fdatasync, rename;
//   load: the titles at the start, then every body at once;
//   load floor: read that file back and make the 1,000 QStrings;
//   one note: a change of one body, against writing its bytes with one sync;
//   backup: the day's backup of that store, from its open connection, and
//   restore: putting it back in another store's place, checked page by page,
//   both against copying the store's file with one sync.
// Usage: bench_store [runs] [folder]   (default 7 runs, a temporary folder)
#include "core/backups.h"
#include "core/session.h"
#include "core/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

Session::State makeNotes(int count, int bodyChars, quint32 seed)
{
    QRandomGenerator rng(seed);
    const QString words[] = {QStringLiteral("note "),   QStringLiteral("Quillbox "),
                             QStringLiteral("über "),   QStringLiteral("line\n"),
                             QStringLiteral("日本語 "), QStringLiteral("tab\t"),
                             QStringLiteral("42 "),     QStringLiteral("😀 ")};
    Session::State s;
    for (int k = 1; k <= count; ++k) {
        QString body;
        body.reserve(bodyChars + 16);
        while (body.size() < bodyChars)
            body += words[rng.bounded(8)];
        body.truncate(bodyChars);
        s.notes.append({QStringLiteral("Note number %1").arg(k), body});
    }
    s.titleListPoints = 9.75f;
    s.noteTextPoints = 12;
    return s;
}

// The floor of writing one note: its bytes and one sync.
bool floorWriteOne(const QString &path, const QString &body)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return false;
    const auto bytes = qsizetype(body.size() * 2);
    const bool ok = ::write(fd, body.utf16(), size_t(bytes)) == bytes && ::fdatasync(fd) == 0;
    ::close(fd);
    return ok;
}

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// The floor of a save: every text, length-prefixed, as UTF-16 in one file.
bool floorSave(const QString &path, const Session::State &s)
{
    QByteArray buf;
    qsizetype total = 0;
    for (const Note &note : s.notes)
        total += 8 + 2 * (note.title.size() + note.body.size());
    buf.reserve(total);
    auto put = [&buf](const QString &text) {
        const quint32 n = quint32(text.size());
        buf.append(reinterpret_cast<const char *>(&n), 4);
        buf.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    };
    for (const Note &note : s.notes) {
        put(note.title);
        put(note.body);
    }
    const QByteArray tmp = QFile::encodeName(path + QStringLiteral(".tmp"));
    const int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const char *p = buf.constData();
    qsizetype left = buf.size();
    while (left > 0) {
        const ssize_t w = ::write(fd, p, size_t(left));
        if (w <= 0) {
            ::close(fd);
            return false;
        }
        p += w;
        left -= w;
    }
    const bool ok = ::fdatasync(fd) == 0;
    ::close(fd);
    return ok && ::rename(tmp.constData(), QFile::encodeName(path).constData()) == 0;
}

// The floor of a backup: the store's bytes into a new file, synced.
bool floorCopy(const QString &from, const QString &to)
{
    QFile in(from);
    const int fd = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    const bool ok = fd >= 0 && !bytes.isEmpty() &&
                    ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size() &&
                    ::fdatasync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

// The floor of a load: read the file, make the QStrings.
qsizetype floorLoad(const QString &path, QList<QString> *out)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    ::fstat(fd, &st);
    QByteArray buf(qsizetype(st.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < buf.size()) {
        const ssize_t r = ::read(fd, buf.data() + got, size_t(buf.size() - got));
        if (r <= 0)
            break;
        got += r;
    }
    ::close(fd);
    buf.truncate(got);
    out->clear();
    out->reserve(1000);
    qsizetype at = 0;
    while (at + 4 <= buf.size()) {
        quint32 n;
        memcpy(&n, buf.constData() + at, 4);
        at += 4;
        out->append(QString(reinterpret_cast<const QChar *>(buf.constData() + at), n));
        at += 2 * qsizetype(n);
    }
    return out->size();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication qapp(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir tmp;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : tmp.path();

    std::printf("bench_store: 500 notes, median of %d runs, folder %s\n", runs, qPrintable(folder));
    std::printf("%-26s %10s %10s %7s\n", "case", "median ms", "floor ms", "ratio");
    const struct {
        const char *name;
        int chars;
    } cases[] = {{"10 KB bodies", 10 * 1024}, {"64 KB bodies", 64 * 1024}};
    for (const auto &c : cases) {
        const QString dbPath = folder + QStringLiteral("/bench-%1/settings.db").arg(c.chars);
        const QString plain = folder + QStringLiteral("/plain-%1.bin").arg(c.chars);
        QList<double> save, exitSave, saveFloor, load, loadFloor, one, oneFloor;
        for (int r = 0; r < runs; ++r) {
            // New bodies every run, so that each save writes every note.
            Session::State notes = makeNotes(500, c.chars, quint32(r + 1));
            {
                Session session(dbPath);
                session.opening();
                session.waitForWrites();
                QElapsedTimer t;
                t.start();
                session.write(notes);
                session.waitForWrites();
                save << ms(t);
                for (int k = 0; k < 5; ++k) {
                    notes.notes[k].body =
                        makeNotes(1, c.chars, quint32(1000 + r * 5 + k)).notes[0].body;
                    t.restart();
                    session.write(notes);
                    session.waitForWrites();
                    one << ms(t);
                    t.restart();
                    floorWriteOne(plain + QStringLiteral(".one"), notes.notes[k].body);
                    oneFloor << ms(t);
                }
                // The usual close: everything written already.
                t.restart();
                if (!session.finish()) {
                    std::fprintf(stderr, "%s\n", qPrintable(session.saveProblem()));
                    return 1;
                }
                exitSave << ms(t);
            }
            {
                QElapsedTimer t;
                t.start();
                if (!floorSave(plain, notes))
                    return 1;
                saveFloor << ms(t);
            }
            {
                QElapsedTimer t;
                t.start();
                Session session(dbPath);
                const QList<Note> got = session.opening().notebook.notes();
                load << ms(t);
                const bool same = got == notes.notes;
                if (!same) {
                    std::fprintf(stderr, "load differs\n");
                    return 1;
                }
            }
            {
                QList<QString> texts;
                QElapsedTimer t;
                t.start();
                if (floorLoad(plain, &texts) != 1000)
                    return 1;
                loadFloor << ms(t);
            }
        }
        const double fs = median(saveFloor), fl = median(loadFloor);
        auto row = [](const QString &name, double v, double floor) {
            std::printf("%-26s %10.2f %10.2f %6.2fx\n", qPrintable(name), v, floor, v / floor);
        };
        row(QStringLiteral("save, ") + QLatin1String(c.name), median(save), fs);
        row(QStringLiteral("load, ") + QLatin1String(c.name), median(load), fl);
        row(QStringLiteral("one note, ") + QLatin1String(c.name), median(one), median(oneFloor));
        QList<double> backup, restore, copyFloor;
        {
            SettingsStore store(dbPath);
            Backups backups(dbPath);
            const QString other = folder + QStringLiteral("/restore-%1/settings.db").arg(c.chars);
            if (store.open() != SettingsStore::Opened::Opened)
                return 1;
            for (int r = 0; r < runs; ++r) {
                QElapsedTimer t;
                t.start();
                // A day of its own each run, so that each one is due.
                if (backups.make(store, QDate(2000, 1, 1).addDays(r)) != Backups::Made::Made) {
                    std::fprintf(stderr, "%s\n", qPrintable(backups.errorReason()));
                    return 1;
                }
                backup << ms(t);
                t.restart();
                const Backups::Restored restored = Backups(other).restore(backups.newest());
                restore << ms(t);
                if (!restored.done) {
                    std::fprintf(stderr, "%s\n", qPrintable(restored.message));
                    return 1;
                }
                const QDir otherFolder = QFileInfo(other).dir();
                for (const QString &kept : otherFolder.entryList({"settings.db.before-restore-*"}))
                    QFile::remove(otherFolder.filePath(kept));
                t.restart();
                if (!floorCopy(dbPath, plain + QStringLiteral(".copy")))
                    return 1;
                copyFloor << ms(t);
            }
        }
        row(QStringLiteral("backup, ") + QLatin1String(c.name), median(backup), median(copyFloor));
        row(QStringLiteral("restore, ") + QLatin1String(c.name), median(restore),
            median(copyFloor));
        std::printf("%-26s %10.2f ms\n", "  close, all written", median(exitSave));
        std::printf("%-26s %10.1f MB db, %.1f MB plain\n", "  sizes",
                    double(QFileInfo(dbPath).size()) / 1048576,
                    double(QFileInfo(plain).size()) / 1048576);
    }
    return 0;
}
