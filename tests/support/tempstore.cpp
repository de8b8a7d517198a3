#include "tempstore.h"

#include "notes/settingslayout.h"
#include "notes/settingsstore.h"

#include <QDir>
#include <sqlite3.h>

TempStore::TempStore() = default;

QString TempStore::folder() const
{
    return dir.filePath(QStringLiteral("quillbox"));
}

QString TempStore::path() const
{
    return QDir(folder()).filePath(QStringLiteral("settings.db"));
}

namespace
{

// Reads the file with SQLite itself, not through the program's store.
QStringList query(const QString &file, const char *sql, const QStringList &args)
{
    QStringList rows;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK) {
        for (int i = 0; i < args.size(); ++i)
            sqlite3_bind_text16(stmt, i + 1, args[i].utf16(), int(args[i].size() * 2),
                                SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto *text = static_cast<const char16_t *>(sqlite3_column_text16(stmt, 0));
            const int bytes = sqlite3_column_bytes16(stmt, 0);
            rows.append(bytes > 0 ? QString::fromUtf16(text, bytes / 2) : QStringLiteral(""));
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

} // namespace

QString TempStore::value(const QString &section, const QString &key) const
{
    const QStringList rows =
        query(path(), "SELECT value FROM settings WHERE app = ? AND section = ? AND key = ?",
              {QStringLiteral("qbxlm120"), section, key});
    return rows.isEmpty() ? QString() : rows.first();
}

QStringList TempStore::keys(const QString &section) const
{
    return query(path(), "SELECT key FROM settings WHERE app = ? AND section = ? ORDER BY key",
                 {QStringLiteral("qbxlm120"), section});
}

void TempStore::seed(const QStringList &titles, const QStringList &bodies, float mainlistsize,
                     float maintextboxsize) const
{
    SettingsStore store(path());
    store.open();
    StoredSettings settings;
    settings.titles = titles;
    settings.contents = bodies;
    settings.mainlistsize = mainlistsize;
    settings.maintextboxsize = maintextboxsize;
    savesettings(store, QStringLiteral("qbxlm120"), settings);
}

void TempStore::seedNumbered(int n) const
{
    QStringList titles, bodies;
    for (int k = 1; k <= n; ++k) {
        titles << QStringLiteral("t%1").arg(k);
        bodies << QStringLiteral("b%1").arg(k);
    }
    seed(titles, bodies);
}
