// A SQLite file system for tests that keeps, beside the real files, what a
// power cut could leave of them.
#include "powercutvfs.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <random>

namespace
{

struct File : sqlite3_file {
    PowerCutVfs *vfs;
    QString path; // SQLite's nameless temporary files share the empty one
    // The unix file system syncs the folder of a journal or log it made with
    // the file's first sync.
    bool syncsFolder;
    static File *of(sqlite3_file *f) { return static_cast<File *>(f); }
    static sqlite3_file *real(sqlite3_file *f)
    {
        return reinterpret_cast<sqlite3_file *>(of(f) + 1);
    }
};

// Passes a call on to the wrapped file system's own file.
template <auto method>
constexpr auto forward = [](sqlite3_file *f, auto... a) {
    return (File::real(f)->pMethods->*method)(File::real(f), a...);
};

// Writes data at offset, or cuts the image to offset when data is null.
void land(QByteArray &image, qint64 offset, const QByteArray &data)
{
    image.resize(data.isNull() ? offset : std::max(image.size(), offset + data.size()), '\0');
    image.replace(offset, data.size(), data);
}

} // namespace

// The unix file system's other calls do not read the file system they are
// given, so its table serves as ours but for opening and deleting.
PowerCutVfs::PowerCutVfs() : m_base(sqlite3_vfs_find(nullptr)), m_vfs(*m_base)
{
    m_vfs.szOsFile = int(sizeof(File)) + m_base->szOsFile;
    m_vfs.zName = "powercut";
    m_vfs.pAppData = this;
    m_vfs.xOpen = [](sqlite3_vfs *vfs, const char *name, sqlite3_file *file, int flags, int *out) {
        auto *self = static_cast<PowerCutVfs *>(vfs->pAppData);
        const int journal = SQLITE_OPEN_MAIN_JOURNAL | SQLITE_OPEN_SUPER_JOURNAL | SQLITE_OPEN_WAL;
        File *f = new (file) File{
            {}, self, QFile::decodeName(name), (flags & SQLITE_OPEN_CREATE) && (flags & journal)};
        QFile before(f->path);
        const bool existed = !f->path.isEmpty() && before.open(QIODevice::ReadOnly);
        const int rc = self->m_base->xOpen(self->m_base, name, File::real(f), flags, out);
        if (rc != SQLITE_OK) {
            f->~File();
            return rc;
        }
        f->pMethods = &s_methods;
        std::lock_guard lock(self->m_mutex);
        std::vector<Life> &lives = self->m_files[f->path];
        if (lives.empty())
            lives.push_back({existed, existed ? before.readAll() : QByteArray(), {}});
        if (!lives.back().exists)
            lives.push_back({});
        return rc;
    };
    m_vfs.xDelete = [](sqlite3_vfs *vfs, const char *name, int syncDir) {
        auto *self = static_cast<PowerCutVfs *>(vfs->pAppData);
        const QString path = QFile::decodeName(name);
        self->m_syncHook();
        const int rc = self->m_base->xDelete(self->m_base, name, 0); // the disk need not keep it
        std::lock_guard lock(self->m_mutex);
        if (rc == SQLITE_OK && self->m_files.count(path))
            self->m_files[path].push_back({false, {}, {}});
        if (syncDir)
            self->settleFolder(path);
        return rc;
    };
    sqlite3_vfs_register(&m_vfs, 1);
}

PowerCutVfs::~PowerCutVfs()
{
    sqlite3_vfs_unregister(&m_vfs);
    sqlite3_vfs_register(m_base, 1);
}

// No memory mapping (version 2), so every write passes through here. The
// disk keeps nothing the cuts need, so syncs stop here.
const sqlite3_io_methods PowerCutVfs::s_methods = {
    2,
    [](sqlite3_file *f) {
        const int rc = forward<&sqlite3_io_methods::xClose>(f);
        File::of(f)->~File();
        return rc;
    },
    forward<&sqlite3_io_methods::xRead>,
    [](sqlite3_file *f, const void *data, int size, sqlite3_int64 at) {
        const int rc = forward<&sqlite3_io_methods::xWrite>(f, data, size, at);
        if (rc == SQLITE_OK)
            File::of(f)->vfs->record(File::of(f)->path,
                                     {at, QByteArray(static_cast<const char *>(data), size)});
        return rc;
    },
    [](sqlite3_file *f, sqlite3_int64 size) {
        const int rc = forward<&sqlite3_io_methods::xTruncate>(f, size);
        if (rc == SQLITE_OK)
            File::of(f)->vfs->record(File::of(f)->path, {size, {}});
        return rc;
    },
    [](sqlite3_file *f, int) {
        File *file = File::of(f);
        file->vfs->m_syncHook();
        std::lock_guard lock(file->vfs->m_mutex);
        Life &life = file->vfs->m_files[file->path].back();
        for (const Change &change : life.pending)
            land(life.synced, change.offset, change.data);
        life.pending.clear();
        if (std::exchange(file->syncsFolder, false))
            file->vfs->settleFolder(file->path);
        return SQLITE_OK;
    },
    forward<&sqlite3_io_methods::xFileSize>,
    forward<&sqlite3_io_methods::xLock>,
    forward<&sqlite3_io_methods::xUnlock>,
    forward<&sqlite3_io_methods::xCheckReservedLock>,
    forward<&sqlite3_io_methods::xFileControl>,
    forward<&sqlite3_io_methods::xSectorSize>,
    forward<&sqlite3_io_methods::xDeviceCharacteristics>,
    // The log's index (-shm) is mapped by the unix file system itself, never
    // opened through here, so no cut keeps it, as no power cut does.
    forward<&sqlite3_io_methods::xShmMap>,
    forward<&sqlite3_io_methods::xShmLock>,
    forward<&sqlite3_io_methods::xShmBarrier>,
    forward<&sqlite3_io_methods::xShmUnmap>,
    nullptr,
    nullptr,
};

void PowerCutVfs::record(const QString &path, Change change)
{
    std::lock_guard lock(m_mutex);
    m_files[path].back().pending.push_back(std::move(change));
}

// A synced folder holds durably what each of its names points to now.
void PowerCutVfs::settleFolder(const QString &path)
{
    const QString folder = QFileInfo(path).path();
    for (auto &[name, lives] : m_files)
        if (QFileInfo(name).path() == folder)
            lives.erase(lives.begin(), lives.end() - 1);
}

void PowerCutVfs::writeCut(const QString &folder, const QString &target, unsigned seed)
{
    std::mt19937 random(seed);
    std::lock_guard lock(m_mutex);
    for (const auto &[path, lives] : m_files) {
        const QFileInfo info(path);
        if (info.path() != folder)
            continue;
        const Life &life = lives[random() % lives.size()];
        QFile out(target + u'/' + info.fileName());
        if (!life.exists) {
            out.remove();
            continue;
        }
        // Of each unsynced write none, some or all of its 512-byte sectors
        // land, and the landed pieces in any order.
        std::vector<Change> landed;
        for (const Change &change : life.pending) {
            const unsigned odds = random() % 3; // none, some or all of it lands
            if (change.data.isNull() && odds)
                landed.push_back(change);
            for (qint64 at = change.offset; at < change.offset + change.data.size();
                 at += 512 - at % 512) {
                if (odds == 2 || (odds == 1 && random() % 2))
                    landed.push_back({at, change.data.mid(at - change.offset, 512 - at % 512)});
            }
        }
        std::shuffle(landed.begin(), landed.end(), random);
        QByteArray image = life.synced;
        for (const Change &change : landed)
            land(image, change.offset, change.data);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(image);
    }
}
