// Folders only their owner may enter, for the notes and the lock beside them.
#include "core/privatefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace
{
// Where the reasons below are translated.
struct PrivateFolder {
    Q_DECLARE_TR_FUNCTIONS(PrivateFolder)
};
} // namespace

QString makePrivateFolder(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    QString at = clean.startsWith(u'/') ? QStringLiteral("/") : QString();
    for (const QString &part : clean.split(u'/', Qt::SkipEmptyParts)) {
        if (!at.isEmpty() && !at.endsWith(u'/'))
            at += u'/';
        at += part;
        const QByteArray native = QFile::encodeName(at);
        struct stat st;
        if (::stat(native.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return PrivateFolder::tr(
                           "a file stands where the folder %1 should be; move it away")
                    .arg(at);
            continue;
        }
        const int err = errno;
        if (err != ENOENT)
            return PrivateFolder::tr("the folder %1 cannot be reached (%2)")
                .arg(at, QString::fromLocal8Bit(std::strerror(err)));
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
            const int made = errno;
            if (made == EACCES || made == EPERM || made == EROFS)
                return PrivateFolder::tr(
                           "the folder %1 cannot be created because its parent folder is read-only")
                    .arg(at);
            return PrivateFolder::tr("the folder %1 cannot be created (%2)")
                .arg(at, QString::fromLocal8Bit(std::strerror(made)));
        }
        // mkdir honours the umask, which may leave the folder less private.
        ::chmod(native.constData(), 0700);
    }
    return {};
}
