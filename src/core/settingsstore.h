// The per-user settings store: text values addressed by application,
// section and key, kept in one SQLite database.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

// Every text, lone surrogates and NUL characters included, reads back
// exactly as written. Not thread-safe: one thread uses a store at a time.
class SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)

public:
    using Entry = std::pair<QString, QString>; // key, value

    // How much of the file an open reads to find damage: nothing (damage
    // then shows when a damaged page is read), every page, or every page
    // and index against its table.
    enum class Scan { None, Quick, Full };

    enum class OpenResult {
        Opened,      // an existing store, or a new empty one
        Quarantined, // the file was not a sound store: set aside, a new one made
        Failed       // no store can be used; see errorText()
    };

    explicit SettingsStore(QString path);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // Makes the folder (0700) and the file (0600) when missing, and takes
    // the group's and others' rights off an existing pair. A file that is
    // not a database, not a store, or damaged by the scan's measure is
    // renamed beside itself with a time stamp (see quarantinedPath()) and a
    // new store is made; without setAsideDamaged the open fails instead,
    // leaving it alone. Another program's lock is waited for until the busy
    // wait runs out.
    OpenResult open(Scan scan = Scan::Full, bool setAsideDamaged = true);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }
    QString quarantinedPath() const { return m_quarantinedPath; }
    // The reason of the last failure, in words a user can act on, and that
    // reason alone, without the store's name ("the disk is full; ...").
    QString errorText() const { return m_errorText; }
    QString errorReason() const { return m_errorReason; }
    // Whether the last failure found the file damaged.
    bool foundDamage() const { return m_foundDamage; }

    // How long, from now, statements wait for another program's lock in all.
    void setBusyWait(int milliseconds);
    // Reads the open store for damage to the scan's measure; false when it
    // is damaged (foundDamage()) or could not be read.
    bool scan(Scan scan);

    // Every key and value of a section, or of its keys from `from` up to,
    // not including, `to`; nothing when the read failed.
    std::optional<QList<Entry>> readSection(const QString &app, const QString &section,
                                            const QString &from = QString(),
                                            const QString &to = QString());
    bool write(const QString &app, const QString &section, const QString &key,
               const QString &value);
    bool remove(const QString &app, const QString &section, const QString &key);
    // The keys of a section, without reading their values.
    std::optional<QStringList> keys(const QString &app, const QString &section);
    // Makes the section hold exactly these entries, as deleting it and
    // writing each would, but writes only the rows that differ.
    bool replaceSection(const QString &app, const QString &section, const QList<Entry> &entries);

    bool begin();
    bool commit();
    void rollback();

    // Hands back the memory that holds the file's pages read so far.
    void releaseMemory();

private:
    enum class Check { Sound, Damaged, Failed };
    enum class Doing { Read, Write, Save, Use, Open, Create };
    // The statements kept prepared for the life of a connection.
    enum Statement {
        ReadSection,
        ReadRange,
        ReadKeys,
        Write,
        DeleteKey,
        Begin,
        Commit,
        Rollback,
        StatementCount
    };
    OpenResult openFile(Scan scan, bool setAsideDamaged, bool madeAfresh);
    Check checkStore(Scan scan);
    Check scanPages(Scan scan);
    bool createSchema();
    bool quarantine();
    sqlite3_stmt *statement(Statement which);
    bool fail(Doing doing, int rc);
    void failWith(const QString &reason, const QString &text);
    bool step(Statement which, Doing doing);
    static int waitWhileBusy(void *store, int attempts);

    QString m_path;
    QString m_quarantinedPath;
    QString m_errorText;
    QString m_errorReason;
    bool m_foundDamage = false;
    QDeadlineTimer m_busyDeadline;
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statements[StatementCount] = {};
};
