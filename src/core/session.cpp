// The notes and the two font sizes kept between runs, every change written
// at once on a thread of the session's own.
#include "core/session.h"

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

// The note a key such as "notetitle12" belongs to, or 0: only the canonical
// spelling counts, so "notetitle012" is no note's.
int noteNumber(QStringView key, QStringView prefix)
{
    if (!key.startsWith(prefix))
        return 0;
    const QStringView digits = key.mid(prefix.size());
    bool isNumber = false;
    const int k = digits.toInt(&isNumber);
    return isNumber && k >= 1 && digits.size() == QString::number(k).size() ? k : 0;
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
    // The start reads what the window shows first: the font sizes and the
    // titles. Bodies and the scan for damage come after, on the session's
    // own thread.
    m_store.setBusyWait(m_busyWaitMs);
    SettingsStore::OpenResult opened = m_store.open(SettingsStore::Scan::None);
    std::optional<State> state;
    if (opened != SettingsStore::OpenResult::Failed)
        state = readState(false);
    if (!state && m_store.foundDamage()) {
        // Damaged past reading: set aside, and a new store in its place.
        opened = m_store.open(SettingsStore::Scan::Full);
        if (opened != SettingsStore::OpenResult::Failed)
            state = readState(false);
    }
    if (!state) {
        // Not loaded: the exit save must not write over notes it never saw.
        m_store.close();
        return {LoadStatus::Failed, {}, cannotOpenProblem()};
    }
    // A mark left by a session that did not end, and so did not remove it,
    // earns the full scan.
    const auto mark =
        m_store.readSection(application, notesSection, runningKey, runningKey + QChar(1));
    m_endedUncleanly = mark && !mark->isEmpty();
    // A store that cannot take the mark can still be read; its save will
    // say what is wrong. The connection stays open for the session's thread.
    if (!m_endedUncleanly)
        m_store.write(application, notesSection, runningKey, QStringLiteral("-"));
    m_loaded = true;
    m_written = *state;
    if (opened == SettingsStore::OpenResult::Quarantined)
        return {LoadStatus::StoreReplaced, *state,
                tr("The notes store %1 was damaged and has been kept aside as %2. "
                   "Quillbox starts with no notes.")
                    .arg(m_store.path(), m_store.quarantinedPath())};
    return {LoadStatus::Loaded, *state, {}};
}

std::optional<Session::State> Session::readState(bool withBodies)
{
    const auto generalEntries = m_store.readSection(application, general);
    if (!generalEntries)
        return std::nullopt;
    const QHash<QString, QString> values = toHash(*generalEntries);
    State state;
    const int count = countFromText(values.value(countKey, QStringLiteral("0")));
    state.titleListPoints = sizeFromText(values.value(titleListSizeKey, QStringLiteral("8")));
    state.noteTextPoints = sizeFromText(values.value(noteTextSizeKey, QStringLiteral("8")));
    if (count == 0)
        return state;
    // The keys sort "notecontent..." before "notetitle...": the titles are
    // one range of the table, read without touching a body.
    const auto titles = readNumbered(titleKey, count, QStringLiteral("Your note"));
    const auto bodies = withBodies ? readNumbered(bodyKey, count, QStringLiteral("note"))
                                   : std::optional<QList<QString>>(QList<QString>());
    if (!titles || !bodies)
        return std::nullopt;
    state.notes.reserve(count);
    for (int i = 0; i < count; ++i)
        state.notes.append(
            {titles->at(i), withBodies ? bodies->at(i) : QString(), withBodies ? -1 : i});
    return state;
}

std::optional<QList<QString>> Session::readNumbered(const QString &prefix, int count,
                                                    const QString &missing)
{
    const auto entries = m_store.readSection(
        application, notesSection, prefix, prefix.chopped(1) + QChar(prefix.back().unicode() + 1));
    // The texts now live in our strings; the file's pages read to make them
    // would otherwise stay mapped as a second copy of every note.
    m_store.releaseMemory();
    if (!entries)
        return std::nullopt;
    QList<QString> texts(count, missing);
    for (const auto &[key, value] : *entries) {
        if (const int k = noteNumber(key, prefix); k >= 1 && k <= count)
            texts[k - 1] = value;
    }
    return texts;
}

void Session::loadBodies()
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_bodiesAsked)
            return;
        m_bodiesAsked = true;
        m_bodiesTried = false;
        m_jobs.emplace_back(std::nullopt);
        if (!m_writer.joinable())
            m_writer = std::thread(&Session::runWriter, this);
    }
    m_wake.notify_one();
}

QList<QString> Session::waitForBodies()
{
    loadBodies();
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_bodiesTried; });
    return m_bodies;
}

void Session::write(const State &state)
{
    {
        const std::lock_guard lock(m_mutex);
        m_jobs.emplace_back(state);
        if (!m_writer.joinable())
            m_writer = std::thread(&Session::runWriter, this);
    }
    m_wake.notify_one();
}

void Session::waitForWrites()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_writing; });
}

void Session::runWriter()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_jobs.empty())
            return;
        const std::optional<State> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_writing = true;
        lock.unlock();
        const bool bodiesRead = job || readBodies();
        if (job)
            report(writeChanges(*job));
        lock.lock();
        m_writing = false;
        if (!job) {
            m_bodiesTried = true;
            // Asked again at the next need when they could not be read.
            m_bodiesAsked = bodiesRead;
        }
        if (m_jobs.empty() || !job)
            m_idle.notify_all();
    }
}

void Session::report(bool succeeded)
{
    // Told once when writes start failing, and once when they work again.
    const bool wasFailing = m_failing;
    m_failing = !succeeded;
    if (m_failing && !wasFailing)
        emit writesFailing(m_store.errorReason());
    if (!m_failing && wasFailing)
        emit writesSucceeding();
}

bool Session::openToRead()
{
    m_store.setBusyWait(m_busyWaitMs);
    return m_store.isOpen() ||
           m_store.open(SettingsStore::Scan::None, false) != SettingsStore::OpenResult::Failed;
}

bool Session::openToWrite()
{
    if (!openToRead())
        return false;
    if (m_scanned)
        return true;
    // The scan for damage, off the start, before the first write: every
    // page, and every index against its table after a session that did not
    // end (it left its mark).
    m_scanned =
        m_store.scan(m_endedUncleanly ? SettingsStore::Scan::Full : SettingsStore::Scan::Quick);
    // The scan read every page; they need not stay mapped.
    m_store.releaseMemory();
    if (m_scanned)
        return true;
    // Never written into again.
    m_damaged = m_store.foundDamage();
    m_store.close();
    return false;
}

bool Session::readBodies()
{
    if (!m_loaded || m_bodiesRead)
        return true;
    if (!openToRead())
        return false;
    const auto bodies = readNumbered(bodyKey, int(m_written.notes.size()), QStringLiteral("note"));
    if (!bodies) {
        // A damaged store is never written into; what could be read is kept.
        m_damaged = m_damaged || m_store.foundDamage();
        m_store.close();
        if (!m_damaged)
            return false;
    }
    m_bodies = bodies.value_or(QList<QString>(m_written.notes.size()));
    m_bodiesRead = true;
    emit bodiesRead(m_bodies);
    return true;
}

bool Session::hasMovedBodies(const State &state) const
{
    for (qsizetype i = 0; i < state.notes.size(); ++i) {
        if (!state.notes.at(i).hasBody() && state.notes.at(i).pendingBody != i)
            return true;
    }
    return false;
}

Session::State Session::resolved(State state, bool movedOnly) const
{
    for (qsizetype i = 0; i < state.notes.size(); ++i) {
        Note &note = state.notes[i];
        if (!note.hasBody() && (!movedOnly || note.pendingBody != i)) {
            note.body = m_bodies.value(note.pendingBody);
            note.pendingBody = -1;
        }
    }
    return state;
}

bool Session::writeChanges(const State &state, bool ending)
{
    // Nothing known to compare with: the last save keeps what the store holds.
    if (!m_loaded)
        return true;
    // A damaged store is never written into; the last save deals with it.
    if (m_damaged)
        return false;
    // A note whose body is still in the store where it was read needs no
    // body; one that moved brings it to its new place.
    if (hasMovedBodies(state) && !readBodies())
        return false;
    const State next = resolved(state, true);
    QList<SettingsStore::Entry> generalWrites, noteWrites;
    QStringList removed;
    const qsizetype before = m_written.notes.size();
    const qsizetype after = next.notes.size();
    // The end writes the count and the sizes whatever they were, as every
    // save has: a store starts with none of them.
    if (ending || before != after)
        generalWrites.emplace_back(countKey, QString::number(after));
    if (ending || next.titleListPoints != m_written.titleListPoints)
        generalWrites.emplace_back(titleListSizeKey, textFromSize(next.titleListPoints));
    if (ending || next.noteTextPoints != m_written.noteTextPoints)
        generalWrites.emplace_back(noteTextSizeKey, textFromSize(next.noteTextPoints));
    for (qsizetype i = 0; i < std::max(before, after); ++i) {
        const QString index = QString::number(i + 1);
        if (i >= after) {
            removed << titleKey + index << bodyKey + index;
            continue;
        }
        // Texts shared with the last state written compare at once.
        const Note &note = next.notes.at(i);
        const Note *last = i < before ? &m_written.notes.at(i) : nullptr;
        if (!last || note.title != last->title)
            noteWrites.emplace_back(titleKey + index, note.title);
        if (note.hasBody() && (!last || !last->hasBody() || note.body != last->body))
            noteWrites.emplace_back(bodyKey + index, note.body);
    }
    if (generalWrites.isEmpty() && noteWrites.isEmpty() && removed.isEmpty() && !ending)
        return true;
    if (!openToWrite())
        return false;
    if (ending) {
        // The end of the session, and any key the layout does not have.
        const auto keys = m_store.keys(application, notesSection);
        if (!keys)
            return false;
        for (const QString &key : *keys) {
            const int k = std::max(noteNumber(key, titleKey), noteNumber(key, bodyKey));
            if ((k < 1 || k > after) && !removed.contains(key))
                removed << key;
        }
    }
    if (generalWrites.isEmpty() && noteWrites.isEmpty() && removed.isEmpty())
        return true;
    bool written = m_store.begin();
    for (const auto &[key, value] : std::as_const(generalWrites))
        written = written && m_store.write(application, general, key, value);
    for (const auto &[key, value] : std::as_const(noteWrites))
        written = written && m_store.write(application, notesSection, key, value);
    for (const QString &key : std::as_const(removed))
        written = written && m_store.remove(application, notesSection, key);
    if (written && m_store.commit()) {
        m_written = next;
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
    if (m_loaded && !m_damaged && !m_setAsideOnRetry && writeChanges(state, true))
        return true;
    if (m_damaged && !m_setAsideOnRetry) {
        // Told as a failed save; a retry sets the damaged file aside and
        // saves every note in a new store.
        readBodies();
        m_setAsideOnRetry = true;
        return false;
    }
    if (m_loaded && !m_setAsideOnRetry)
        return false;
    if (m_store.open() == SettingsStore::OpenResult::Failed)
        return false;
    State written = resolved(state, false);
    if (!m_loaded) {
        // Keep the notes the store holds ahead of this session's rather than
        // save over notes this run never saw.
        const std::optional<State> kept = readState(true);
        if (!kept) {
            m_store.close();
            return false;
        }
        written.notes = (kept->notes + written.notes).mid(0, Notebook::maxNotes);
    }
    if (writeState(written))
        return true;
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
    return tr("Quillbox could not save your notes to %1: %2")
        .arg(m_store.path(), m_store.errorText());
}

QString Session::cannotOpenProblem() const
{
    return tr("Quillbox cannot open its notes store %1: %2\n"
              "It starts with no notes; saving will be tried again when it closes.")
        .arg(m_store.path(), m_store.errorText());
}
