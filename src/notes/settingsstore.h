#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// The per-user settings store: text values addressed by application,
// section and key, kept in one SQLite database. Every text, lone surrogates
// and NUL characters included, reads back exactly as written.
class SettingsStore
{
public:
    // What open() found.
    enum class OpenResult {
        Opened,      // an existing store, or a new empty one
        Quarantined, // the file was not a sound store: set aside, a new one made
        Failed       // no store can be used; see error()
    };

    explicit SettingsStore(QString path);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // $XDG_CONFIG_HOME/quillbox/settings.db, or ~/.config/quillbox/settings.db.
    static QString defaultPath();

    // Creates the folder (0700) and the file (0600) when missing. A file that
    // is not a database or fails the integrity check is renamed beside itself
    // with a time stamp (see quarantinedPath()) and a new store is made.
    OpenResult open();
    bool isOpen() const { return db != nullptr; }
    QString path() const { return file; }
    QString quarantinedPath() const { return quarantined; }
    // The reason of the last failure, in words a user can act on.
    QString error() const { return lastError; }

    QString read(const QString &app, const QString &section, const QString &key,
                 const QString &fallback);
    bool write(const QString &app, const QString &section, const QString &key,
               const QString &value);
    bool deleteSection(const QString &app, const QString &section);
    // Makes the section hold exactly these keys and values, as
    // deleteSection and a write of each would, but touches only the rows
    // that differ: saving unchanged notes rewrites none of them.
    bool replaceSection(const QString &app, const QString &section,
                        const QList<std::pair<QString, QString>> &entries);
    // Hands back the memory holding the file's pages read so far (the map
    // of the file and the page cache); later reads fetch them again.
    void releaseMemory();

    // The bytes of the file that hold data: an upper bound on the texts it holds.
    qint64 bytesInUse();

    // Every key and value of a section, read in one pass.
    QList<std::pair<QString, QString>> readSection(const QString &app, const QString &section);

    bool begin();
    bool commit();
    void rollback();

private:
    enum class Check { Sound, Damaged, Failed };
    OpenResult openFile(bool allowQuarantine);
    Check checkStore();
    bool createSchema();
    bool quarantine();
    void close();
    sqlite3_stmt *statement(int which);
    bool fail(const QString &doing, int rc);
    // Steps one of the transaction statements; false (and error()) on failure.
    bool runControl(int which, const QString &what);
    bool exec(const char *sql);

    QString file;
    QString quarantined;
    QString lastError;
    sqlite3 *db = nullptr;
    sqlite3_stmt *stmts[8] = {};
    bool inTransaction = false;
};
