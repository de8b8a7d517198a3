// Daily copies of the notes store, kept beside it, and putting one back in
// its place.
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

class SettingsStore;

// The copies are "<store's folder>/backups/settings-<yyyy-MM-dd>.db", one for
// each local date at most, the newest `kept` of them. Which exist is read
// from the folder each time, so a restart makes no second one. Files of any
// other name in that folder are never touched. The folder is the owner's
// alone, and so is each copy from its first byte.
class Backups
{
    Q_DECLARE_TR_FUNCTIONS(Backups)

public:
    static constexpr int kept = 7;

    explicit Backups(const QString &storePath);

    QString folder() const { return m_folder; }
    // The backups' paths, newest first; the newest, or an empty text.
    QStringList list() const;
    QString newest() const;

    enum class Made {
        Made,
        NotDue, // there is one of that date already
        Failed  // see errorReason()
    };
    // Copies the open store, outside any transaction, unless a backup of
    // that date exists, then removes all but the newest `kept`.
    Made make(SettingsStore &store, QDate today = QDate::currentDate());
    // Why the last make() failed, in words a user can act on.
    QString errorReason() const { return m_errorReason; }

    struct Restored {
        bool done = false;
        QString message; // what was done, both files named, or why not
    };
    // Puts a copy of a sound backup in the store's place, keeping the store
    // there before as "<store>.before-restore-<time>". No session may have
    // the store open. The backup itself is only read.
    Restored restore(const QString &backup) const;

private:
    QString m_storePath;
    QString m_folder;
    QString m_errorReason;
};
