// The notes and the two font sizes kept between runs.
#include "core/session.h"

#include "core/heapreserve.h"
#include "core/notebook.h"

#include <QDir>
#include <QHash>
#include <QLocale>

#include <cmath>
#include <pwd.h>
#include <unistd.h>

namespace
{

const QString application = QStringLiteral("qbxlm120");
const QString general = QStringLiteral("general");
const QString notesSection = QStringLiteral("notes");
const QString countKey = QStringLiteral("notetotal");
const QString titleListSizeKey = QStringLiteral("mainlistsize");
const QString noteTextSizeKey = QStringLiteral("maintextboxsize");
const QString titleKey = QStringLiteral("notetitle");
const QString bodyKey = QStringLiteral("notecontent");
const QString runningKey = QStringLiteral("temp");

QHash<QString, QString> toHash(const QList<SettingsStore::Entry> &entries)
{
    QHash<QString, QString> hash;
    hash.reserve(entries.size());
    for (const auto &[key, value] : entries)
        hash.insert(key, value);
    return hash;
}

// Blanks around, an optional sign and decimal digits; anything else reads
// as 0, a negative count as 0, one above the limit (however long) as the limit.
int countFromText(const QString &text)
{
    QStringView digits = QStringView(text).trimmed();
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == u'-' || digits.front() == u'+')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    if (digits.isEmpty())
        return 0;
    qint64 value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
        if (value <= Notebook::maxNotes)
            value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? 0 : int(std::min<qint64>(value, Notebook::maxNotes));
}

// At most seven significant digits and a full stop, whatever the locale:
// "8.25", "12".
QString textFromSize(float points)
{
    return QString::number(double(points), 'g', 7);
}

// A full stop or the locale's own separator; the default for anything that
// is not a finite size from 1 to 100 points.
float sizeFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    for (QLocale locale : {QLocale::c(), QLocale()}) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = locale.toDouble(trimmed, &ok);
        if (ok)
            return std::isfinite(value) && value >= 1 && value <= 100 ? float(value)
                                                                      : Session::defaultPointSize;
    }
    return Session::defaultPointSize;
}

QString homeFolder()
{
    QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return home;
    // No usable HOME (a service, a stripped environment): the user database
    // knows, as it does for every other desktop program.
    if (const passwd *user = ::getpwuid(::getuid()); user && user->pw_dir)
        return QString::fromLocal8Bit(user->pw_dir);
    return QDir::rootPath();
}

} // namespace

Session::Session(QString storePath, int busyWaitMs)
    : m_store(std::move(storePath)), m_busyWaitMs(busyWaitMs)
{
}

QString Session::defaultStorePath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // An unset, empty or relative value means the default.
    if (!QDir::isAbsolutePath(config))
        config = QDir::cleanPath(homeFolder() + QStringLiteral("/.config"));
    return config + QStringLiteral("/quillbox/settings.db");
}

Session::LoadResult Session::load()
{
    m_store.setBusyWait(m_busyWaitMs);
    const SettingsStore::OpenResult opened = m_store.open();
    std::optional<State> state;
    if (opened != SettingsStore::OpenResult::Failed)
        state = readState(true);
    if (!state) {
        // Not loaded: the exit save must not write over notes it never saw.
        m_store.close();
        return {LoadStatus::Failed, {}, cannotOpenProblem()};
    }
    m_loaded = true;
    if (opened == SettingsStore::OpenResult::Quarantined)
        return {LoadStatus::StoreReplaced, *state,
                QStringLiteral("The notes store %1 was damaged and has been kept aside as %2. "
                               "Quillbox starts with no notes.")
                    .arg(m_store.path(), m_store.quarantinedPath())};
    return {LoadStatus::Loaded, *state, {}};
}

std::optional<Session::State> Session::readState(bool markRunning)
{
    const auto generalEntries = m_store.readSection(application, general);
    if (!generalEntries)
        return std::nullopt;
    const QHash<QString, QString> values = toHash(*generalEntries);
    State state;
    const int count = countFromText(values.value(countKey, QStringLiteral("0")));
    state.titleListPoints = sizeFromText(values.value(titleListSizeKey, QStringLiteral("8")));
    state.noteTextPoints = sizeFromText(values.value(noteTextSizeKey, QStringLiteral("8")));
    // A store that cannot take the mark can still be read; its save will
    // say what is wrong.
    if (markRunning)
        m_store.write(application, notesSection, runningKey, QStringLiteral("-"));
    if (count == 0)
        return state;

    reserveHeap(m_store.bytesInUse());
    const auto noteEntries = m_store.readSection(application, notesSection);
    // The texts now live in our strings; the file's pages read to make them
    // would otherwise stay mapped as a second copy of every note.
    m_store.releaseMemory();
    if (!noteEntries)
        return std::nullopt;
    const QHash<QString, QString> stored = toHash(*noteEntries);
    state.notes.reserve(count);
    for (int k = 1; k <= count; ++k) {
        const QString index = QString::number(k);
        state.notes.append({stored.value(titleKey + index, QStringLiteral("Your note")),
                            stored.value(bodyKey + index, QStringLiteral("note"))});
    }
    return state;
}

bool Session::save(const State &state)
{
    m_store.setBusyWait(m_busyWaitMs);
    if (!m_store.isOpen() && m_store.open() == SettingsStore::OpenResult::Failed)
        return false;
    State written = state;
    if (!m_loaded) {
        // Keep the notes the store holds ahead of this session's rather than
        // save over notes this run never saw.
        const std::optional<State> kept = readState(false);
        if (!kept) {
            m_store.close();
            return false;
        }
        written.notes = (kept->notes + state.notes).mid(0, Notebook::maxNotes);
    }
    if (writeState(written))
        return true;
    // The next attempt opens the file afresh: a connection that found the
    // file read-only stays read-only after the user mends the permissions.
    m_store.close();
    return false;
}

bool Session::writeState(const State &state)
{
    if (!m_store.begin())
        return false;
    QList<SettingsStore::Entry> entries;
    entries.reserve(2 * state.notes.size());
    for (qsizetype i = 0; i < state.notes.size(); ++i) {
        const QString index = QString::number(i + 1);
        entries.emplace_back(titleKey + index, state.notes.at(i).title);
        entries.emplace_back(bodyKey + index, state.notes.at(i).body);
    }
    const bool written =
        m_store.write(application, general, countKey, QString::number(state.notes.size())) &&
        m_store.write(application, general, titleListSizeKey,
                      textFromSize(state.titleListPoints)) &&
        m_store.write(application, general, noteTextSizeKey, textFromSize(state.noteTextPoints)) &&
        m_store.replaceSection(application, notesSection, entries);
    if (written && m_store.commit())
        return true;
    m_store.rollback();
    return false;
}

QString Session::saveProblem() const
{
    return QStringLiteral("Quillbox could not save your notes to %1: %2")
        .arg(m_store.path(), m_store.errorText());
}

QString Session::cannotOpenProblem() const
{
    return QStringLiteral("Quillbox cannot open its notes store %1: %2\n"
                          "It starts with no notes; saving will be tried again when it closes.")
        .arg(m_store.path(), m_store.errorText());
}
