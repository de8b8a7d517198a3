// The notes and the two font sizes kept between runs, every change written
// at once on a thread of the session's own.
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

Session::Session(QString storePath, int busyWaitMs, QObject *parent)
    : QObject(parent), m_store(std::move(storePath)), m_busyWaitMs(busyWaitMs)
{
}

Session::~Session()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_writer.joinable())
        m_writer.join();
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
    m_written = *state;
    // The writer opens the store again on its own thread, and checks it
    // then: a store found damaged while running is never written into.
    m_store.close();
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

void Session::write(const State &state)
{
    {
        const std::lock_guard lock(m_mutex);
        m_pending.push_back(state);
        if (!m_writer.joinable())
            m_writer = std::thread(&Session::runWriter, this);
    }
    m_wake.notify_one();
}

void Session::waitForWrites()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_pending.empty() && !m_writing; });
}

void Session::runWriter()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_pending.empty(); });
        if (m_pending.empty())
            return;
        const State state = std::move(m_pending.front());
        m_pending.pop_front();
        m_writing = true;
        lock.unlock();
        const bool wasFailing = m_failing;
        m_failing = !writeChanges(state);
        // Told once when writes start failing, and once when they work again.
        if (m_failing && !wasFailing)
            emit writesFailing(m_store.errorReason());
        if (!m_failing && wasFailing)
            emit writesSucceeding();
        lock.lock();
        m_writing = false;
        if (m_pending.empty())
            m_idle.notify_all();
    }
}

bool Session::writeChanges(const State &state)
{
    // Nothing known to compare with: the last save keeps what the store holds.
    if (!m_loaded)
        return true;
    // A damaged store is never written into; the last save deals with it.
    if (m_damaged)
        return false;
    QList<SettingsStore::Entry> generalWrites, noteWrites;
    QStringList removed;
    const qsizetype before = m_written.notes.size();
    const qsizetype after = state.notes.size();
    if (before != after)
        generalWrites.emplace_back(countKey, QString::number(after));
    if (state.titleListPoints != m_written.titleListPoints)
        generalWrites.emplace_back(titleListSizeKey, textFromSize(state.titleListPoints));
    if (state.noteTextPoints != m_written.noteTextPoints)
        generalWrites.emplace_back(noteTextSizeKey, textFromSize(state.noteTextPoints));
    for (qsizetype i = 0; i < std::max(before, after); ++i) {
        const QString index = QString::number(i + 1);
        if (i >= after) {
            removed << titleKey + index << bodyKey + index;
            continue;
        }
        // Texts shared with the last state written compare at once.
        const Note &note = state.notes.at(i);
        if (i >= before || note.title != m_written.notes.at(i).title)
            noteWrites.emplace_back(titleKey + index, note.title);
        if (i >= before || note.body != m_written.notes.at(i).body)
            noteWrites.emplace_back(bodyKey + index, note.body);
    }
    if (generalWrites.isEmpty() && noteWrites.isEmpty() && removed.isEmpty())
        return true;

    m_store.setBusyWait(m_busyWaitMs);
    bool written = (m_store.isOpen() || m_store.open(false) != SettingsStore::OpenResult::Failed) &&
                   m_store.begin();
    for (const auto &[key, value] : std::as_const(generalWrites))
        written = written && m_store.write(application, general, key, value);
    for (const auto &[key, value] : std::as_const(noteWrites))
        written = written && m_store.write(application, notesSection, key, value);
    for (const QString &key : std::as_const(removed))
        written = written && m_store.remove(application, notesSection, key);
    if (written && m_store.commit()) {
        m_written = state;
        return true;
    }
    m_store.rollback();
    m_damaged = m_store.foundDamage();
    // The next attempt opens the file afresh: a connection that found the
    // file read-only stays read-only after the user mends the permissions.
    m_store.close();
    return false;
}

bool Session::save(const State &state)
{
    waitForWrites();
    m_store.setBusyWait(m_busyWaitMs);
    if (m_damaged) {
        // Told as a failed save; a retry sets the damaged file aside and
        // saves the notes in a new store.
        m_damaged = false;
        return false;
    }
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
