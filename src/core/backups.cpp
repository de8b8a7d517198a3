// Daily copies of the notes store, kept beside it, and putting one back in
// its place.
#include "core/backups.h"

#include "core/privatefolder.h"
#include "core/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const QString dateForm = QStringLiteral("yyyy-MM-dd");

QString backupName(QDate date)
{
    return QStringLiteral("settings-%1.db").arg(date.toString(dateForm));
}

// Only names of this exact form, of a real date, are ours to remove.
bool isBackupName(const QString &name)
{
    static const QRegularExpression form(QStringLiteral("^settings-(\\d{4}-\\d{2}-\\d{2})\\.db$"));
    const QRegularExpressionMatch match = form.match(name);
    return match.hasMatch() && QDate::fromString(match.captured(1), dateForm).isValid();
}

QString systemError(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

QString writeError(int err, const QString &folder)
{
    if (err == ENOSPC || err == EDQUOT)
        return Backups::tr("the disk is full; free some space and try again");
    if (err == EACCES || err == EPERM || err == EROFS)
        return Backups::tr("the folder %1 is read-only").arg(folder);
    return Backups::tr("a file cannot be written in %1 (%2)").arg(folder, systemError(err));
}

// A new, empty file only its owner may read or write, whatever the umask,
// so that no other user ever sees a byte of it; -1 with errno.
int makePrivateFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::fchmod(fd, 0600);
    return fd;
}

// A rename or a removal lasts through a power cut only once its folder is synced.
void syncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Copies from into a new private file, synced; an empty text, or why not.
QString copyFile(const QString &from, const QString &to)
{
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return Backups::tr("it cannot be read (%1)").arg(systemError(errno));
    const QString folder = QFileInfo(to).absolutePath();
    const QByteArray target = QFile::encodeName(to);
    ::unlink(target.constData()); // left by a restore cut short
    struct stat st;
    const bool plain = ::fstat(in, &st) == 0 && S_ISREG(st.st_mode);
    const int out = plain ? makePrivateFile(target) : -1;
    QString problem = !plain    ? Backups::tr("it is not a plain file")
                      : out < 0 ? writeError(errno, folder)
                                : QString();
    char buffer[1 << 16];
    for (ssize_t got = 1; problem.isEmpty() && got != 0;) {
        got = ::read(in, buffer, sizeof buffer);
        if (got < 0 && errno != EINTR)
            problem = Backups::tr("it cannot be read (%1)").arg(systemError(errno));
        for (ssize_t at = 0; problem.isEmpty() && at < got;) {
            const ssize_t put = ::write(out, buffer + at, size_t(got - at));
            if (put < 0 && errno != EINTR)
                problem = writeError(errno, folder);
            at += std::max<ssize_t>(put, 0);
        }
    }
    if (problem.isEmpty() && ::fsync(out) != 0)
        problem = writeError(errno, folder);
    ::close(in);
    if (out >= 0)
        ::close(out);
    return problem;
}

// An empty text when file is a sound store, every page checked; or why not.
QString soundness(const QString &file)
{
    SettingsStore store(file);
    if (store.openReadOnly() == SettingsStore::Opened::Opened &&
        store.scan(SettingsStore::Scan::Full))
        return {};
    return store.failure() == SettingsStore::Failure::Damage
               ? Backups::tr("it is no sound notes store; it may be damaged or another program's "
                             "file")
               : store.errorReason();
}

void removeWithSides(const QString &path)
{
    for (const char *suffix : {"", "-journal", "-wal", "-shm"})
        ::unlink(QFile::encodeName(path + QLatin1String(suffix)).constData());
}

} // namespace

Backups::Backups(const QString &storePath)
    : m_storePath(storePath),
      m_folder(QFileInfo(storePath).absolutePath() + QStringLiteral("/backups"))
{
}

QStringList Backups::list() const
{
    QStringList found;
    const QDir dir(m_folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::NoSymLinks)) {
        if (isBackupName(name))
            found.append(dir.filePath(name));
    }
    // The dates sort as the names do.
    std::sort(found.begin(), found.end(), std::greater<>());
    return found;
}

QString Backups::newest() const
{
    return list().value(0);
}

Backups::Made Backups::make(SettingsStore &store, QDate today)
{
    m_errorReason = makePrivateFolder(m_folder);
    if (!m_errorReason.isEmpty())
        return Made::Failed;
    const QByteArray folder = QFile::encodeName(m_folder);
    struct stat st;
    if (::stat(folder.constData(), &st) == 0 && (st.st_mode & 077) != 0)
        ::chmod(folder.constData(), st.st_mode & 07700);
    const QString target = m_folder + u'/' + backupName(today);
    if (::lstat(QFile::encodeName(target).constData(), &st) == 0)
        return Made::NotDue;

    // Written under a name of its own, and named a backup only when whole and
    // synced: a power cut never leaves half a backup that would count.
    const QString partial = m_folder + QStringLiteral("/settings-new.db.partial");
    const QByteArray partialName = QFile::encodeName(partial);
    ::unlink(partialName.constData()); // left by a backup cut short
    const int fd = makePrivateFile(partialName);
    if (fd < 0) {
        m_errorReason = writeError(errno, m_folder);
        return Made::Failed;
    }
    bool made = store.backUpTo(partial);
    if (!made)
        m_errorReason = store.errorReason();
    else if (!(made = ::fsync(fd) == 0))
        m_errorReason = writeError(errno, m_folder);
    ::close(fd);
    if (made &&
        !(made = ::rename(partialName.constData(), QFile::encodeName(target).constData()) == 0))
        m_errorReason = writeError(errno, m_folder);
    if (!made) {
        removeWithSides(partial);
        return Made::Failed;
    }

    for (const QString &old : list().mid(kept)) {
        if (::unlink(QFile::encodeName(old).constData()) != 0 && errno != ENOENT) {
            m_errorReason = tr("the backup %1 was made, but the older %2 could not be removed (%3)")
                                .arg(target, old, systemError(errno));
            syncFolder(m_folder);
            return Made::Failed;
        }
    }
    syncFolder(m_folder);
    return Made::Made;
}

Backups::Restored Backups::restore(const QString &backup) const
{
    const QString folder = QFileInfo(m_storePath).absolutePath();
    const QString copy = m_storePath + QStringLiteral(".restoring");
    const auto refuse = [&](const QString &why) {
        removeWithSides(copy);
        return Restored{false, tr("%1 was not restored: %2. The notes store %3 is unchanged.")
                                   .arg(backup, why, m_storePath)};
    };
    // The copy is checked, not the backup: what goes in place is what was found sound.
    QString problem = makePrivateFolder(folder);
    if (problem.isEmpty())
        problem = copyFile(backup, copy);
    if (problem.isEmpty())
        problem = soundness(copy);
    if (!problem.isEmpty())
        return refuse(problem);

    const QByteArray storeName = QFile::encodeName(m_storePath);
    QString aside;
    struct stat st;
    if (::lstat(storeName.constData(), &st) == 0) {
        SettingsStore current(m_storePath);
        aside = current.setAside(QStringLiteral("before-restore"));
        if (aside.isEmpty())
            return refuse(tr("the store cannot be moved aside (%1)").arg(current.errorReason()));
    }
    if (::rename(QFile::encodeName(copy).constData(), storeName.constData()) != 0) {
        const int err = errno;
        for (const char *suffix : {"", "-journal", "-wal", "-shm"}) {
            if (!aside.isEmpty())
                ::rename(QFile::encodeName(aside + QLatin1String(suffix)).constData(),
                         QFile::encodeName(m_storePath + QLatin1String(suffix)).constData());
        }
        return refuse(writeError(err, folder));
    }
    syncFolder(folder);
    if (aside.isEmpty())
        return {true,
                tr("The notes of %1 are now in the notes store %2.").arg(backup, m_storePath)};
    return {true, tr("The notes of %1 are now in the notes store %2. The store as it was before "
                     "is kept as %3.")
                      .arg(backup, m_storePath, aside)};
}
