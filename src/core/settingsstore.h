// The per-user settings store: text values addressed by application,
// section and key, kept in one SQLite database.
#pragma once

#include "core/historystep.h"
#include "core/storedlayout.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>
#include <sys/types.h>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

// Every text, lone surrogates and NUL characters included, reads back
// exactly as written. Used by one thread at a time, but for the busy
// deadline, which another thread may move.
class SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)

public:
    using Entry = std::pair<QString, QString>; // key, value

    enum class Opened {
        Opened,  // an existing store, or a new empty one
        Damaged, // the file is no sound store; nothing was changed (see setAside())
        Failed   // see errorReason()
    };
    // What the store's path names now, against the file opened.
    enum class FileAtPath { Same, Missing, Other };
    // Every page, or every page and every index against its table.
    enum class Scan { Quick, Full };

    explicit SettingsStore(QString path);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // Makes the folder (0700) and, when create, a missing file (0600), and
    // takes the group's and others' rights off an existing pair.
    Opened open(bool create = true);
    // Opens an existing file to look at it, changing neither it nor its
    // folder: Opened only when it is a sound store (an empty file is none).
    Opened openReadOnly();
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }
    FileAtPath fileAtPath() const;
    // Renames the file, with a journal beside it, to "<path>.<label>-<time>"
    // and closes it; the new name, or an empty text (errorReason()).
    QString setAside(const QString &label);

    // Why the last operation failed, in words a user can act on ("the disk
    // is full; ..."), without the store's name.
    QString errorReason() const { return m_errorReason; }
    // What the last failure was: another program's lock, damage, or else.
    enum class Failure { None, Busy, Damage, Other };
    Failure failure() const { return m_failure; }
    // Until when statements wait for another program's lock, in all.
    void setBusyDeadline(QDeadlineTimer deadline);
    // False when damaged (failure()) or unreadable.
    bool scan(Scan scan);
    // Cuts the statement under way short, from any thread.
    void interrupt();
    // Writes a consistent copy of the store into file, which must be missing
    // or empty, in a read transaction of its own: never inside another one.
    // SQLite does not promise the copy synced, and would make a missing file
    // with the umask's rights.
    bool backUpTo(const QString &file);

    // The application's entries of a section, or of its keys from `from`
    // up to, not including, `to`; nothing when the read failed.
    std::optional<QList<Entry>> readSection(const QString &section, const QString &from = QString(),
                                            const QString &to = QString());
    // What can still be read of a damaged file: the application's entries,
    // found by walking the table row by row (a look-up by key compares with
    // whole neighbouring rows, and stumbles on a damaged one). A lost value
    // reads as a null text; `lost` counts the rows lost whole.
    struct Salvaged {
        QList<StoredLayout::Entry> entries;
        int lost = 0;
    };
    Salvaged salvage();
    // One value; a null text when the key is absent, nothing when the read failed.
    std::optional<QString> readValue(const QString &section, const QString &key);
    // The keys of a section, without reading their values.
    std::optional<QStringList> keys(const QString &section);

    // A read transaction, so that several reads see one state, or a write one.
    bool beginRead();
    bool begin();
    // In a transaction: whether another program has changed the file since
    // this connection last looked.
    bool changedByOthers();
    bool apply(const StoredLayout::Changes &changes);
    bool commit();
    void rollback();

    // The undo history lives in a table of its own beside the settings,
    // whose rows it never changes. Appending drops the steps undone, and
    // keeps the newest maxHistorySteps within maxHistoryCharacters (the
    // newest step whatever its size). In a write transaction.
    static constexpr int maxHistorySteps = 100;
    static constexpr qint64 maxHistoryCharacters = 32 << 20;
    bool appendHistory(const QList<HistoryStep> &steps, int maxSteps = maxHistorySteps,
                       qint64 maxCharacters = maxHistoryCharacters);
    // The step an undo takes back (the newest done) or a redo does again
    // (the oldest undone); nothing when there is none, or when the read
    // failed (failure()).
    std::optional<HistoryStep> historyStep(bool toUndo);
    bool markHistoryStep(qint64 id, bool undone);
    // The labels of those two steps, empty when there is none; read without
    // the notes they hold.
    std::optional<std::pair<QString, QString>> historyLabels();
    bool beginSavepoint();
    void rollBackSavepoint();

private:
    enum class Check { Sound, Damaged, Failed };
    enum Statement {
        ReadSection,
        ReadRange,
        ReadValue,
        ReadKeys,
        Write,
        DeleteKey,
        DeleteSection,
        BeginRead,
        Begin,
        Commit,
        Rollback,
        DataVersion,
        StatementCount
    };
    enum class Access { Create, Existing, ReadOnly };
    Opened open(Access access);
    QString makeFile(bool create);
    Check checkStore(bool mayCreate);
    bool createSchema();
    sqlite3_stmt *statement(Statement which);
    bool fail(int rc);
    bool step(Statement which);
    void walk(const char *sql, const std::function<void(qint64, sqlite3_stmt *)> &row,
              const std::function<void(qint64)> &lost);
    bool hasHistory();
    bool run(const char *sql, const std::function<bool(sqlite3_stmt *)> &bind,
             const std::function<void(sqlite3_stmt *)> &row = {});
    bool write(const QString &section, const QString &key, const QString &value);
    bool remove(const QString &section, const QString &key);
    static int waitWhileBusy(void *store, int attempts);
    std::pair<qint64, qint64> fileStamp() const;
    void stampFile();
    void shrinkCache();

    QString m_path;
    QString m_errorReason;
    Failure m_failure = Failure::None;
    std::atomic<qint64> m_busyDeadlineNs{0}; // on std::chrono::steady_clock
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statements[StatementCount] = {};
    int m_folderFd = -1; // for a path too long for SQLite's own file layer
    dev_t m_device = 0;
    ino_t m_inode = 0;
    qint64 m_dataVersion = -1;
    std::pair<qint64, qint64> m_stamp{-1, -1}; // change time in ns, size: as this left the file
};
