// The notes and the two font sizes kept between runs, every change written
// at once on a thread of the session's own.
#include "core/session.h"

#include "core/backups.h"

#include <QDir>
#include <QHash>
#include <QSet>

#include <chrono>
#include <pwd.h>
#include <unistd.h>

namespace
{

using Layout = StoredLayout;

// How often a failed read or write is tried again on its own.
constexpr auto retryInterval = std::chrono::seconds(2);
// The bodies are read at the first need, or this long after the titles:
// the window shows first.
constexpr auto bodiesAfter = std::chrono::seconds(1);
// The day's backup waits for this long a time with nothing to write, so that
// it holds back neither a change nor the end.
constexpr auto backupAfterQuiet = std::chrono::seconds(5);

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

QString damagedText()
{
    return Session::tr("The notes store %1 was damaged. It is kept as %2, and your notes are "
                       "kept in a new store from now on.");
}

QString changedText()
{
    return Session::tr("Another program changed the notes store %1 while Quillbox ran. That "
                       "file is kept as %2, and the notes Quillbox shows are kept in a new store.");
}

} // namespace

Session::Session(QString storePath, int busyWaitMs, Access access, QObject *parent)
    : QObject(parent), m_store(std::move(storePath)), m_busyWaitMs(busyWaitMs), m_access(access)
{
}

Session::~Session()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        if (m_backingUp)
            m_store.interrupt();
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

QString Session::defaultStorePath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // An unset, empty or relative value means the default.
    if (!QDir::isAbsolutePath(config))
        config = QDir::cleanPath(homeFolder() + QStringLiteral("/.config"));
    return config + QStringLiteral("/quillbox/settings.db");
}

void Session::open()
{
    const std::lock_guard lock(m_mutex);
    if (m_thread.joinable())
        return;
    m_writing = true;
    m_thread = std::thread(&Session::run, this);
}

Session::Opening Session::opening()
{
    open();
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_opening.has_value(); });
    return *m_opening;
}

Session::Condition Session::condition() const
{
    const std::lock_guard lock(m_mutex);
    return m_condition;
}

void Session::hold(Op op)
{
    {
        const std::lock_guard lock(m_mutex);
        op.generation = op.kind == Op::Kind::Write ? op.state.read : m_generation;
        m_ops.push_back(std::move(op));
    }
    m_wake.notify_all();
}

void Session::write(const State &state, const QString &step)
{
    hold({Op::Kind::Write, state, step, {}});
}

void Session::dropEdit(int note, const QString &text, const QString &label)
{
    HistoryStep step;
    step.label = label;
    step.at = note;
    step.droppedText = text;
    hold({Op::Kind::DropEdit, {}, {}, step});
}

void Session::undo()
{
    hold({Op::Kind::Undo, {}, {}, {}});
}

void Session::redo()
{
    hold({Op::Kind::Redo, {}, {}, {}});
}

void Session::waitForWrites()
{
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return !m_writing && m_ops.empty(); });
}

bool Session::finish()
{
    {
        const std::lock_guard lock(m_mutex);
        if (!m_thread.joinable() || m_condition == Condition::Ended)
            return true;
        m_finishing = true;
        m_finished.reset();
        if (m_backingUp)
            m_store.interrupt();
        // One wait for another program's lock, for all that is left to write.
        m_store.setBusyDeadline(QDeadlineTimer(m_busyWaitMs));
    }
    m_wake.notify_all();
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_finished.has_value(); });
    return *m_finished;
}

QString Session::saveProblem() const
{
    const std::lock_guard lock(m_mutex);
    return tr("Quillbox could not save your notes to %1: %2.").arg(m_store.path(), m_reason);
}

void Session::post(std::function<void()> toOwner)
{
    // The queued event owns the call and deletes it once run. The static
    // analyzer loses it in there and reports a leak, so it does not see it.
#ifndef __clang_analyzer__
    QMetaObject::invokeMethod(this, std::move(toOwner), Qt::QueuedConnection);
#else
    toOwner = nullptr;
#endif
}

void Session::setCondition(Condition condition, const QString &reason)
{
    // With the mutex held.
    if (condition == m_condition && reason == m_reason)
        return;
    m_condition = condition;
    m_reason = reason;
    post([this, condition, reason] { emit conditionChanged(condition, reason); });
}

void Session::run()
{
    for (bool first = true;; first = false) {
        if (readStore())
            break;
        std::unique_lock lock(m_mutex);
        setCondition(Condition::Unread, m_store.errorReason());
        if (first) {
            Opening unread;
            unread.problem = tr("Quillbox cannot read its notes store %1: %2.\nIt keeps trying, "
                                "and shows your notes as soon as it can read them; until then "
                                "nothing can be changed.")
                                 .arg(m_store.path(), m_reason);
            m_opening = unread;
        }
        m_writing = false;
        m_done.notify_all();
        if (m_access == Access::ReadWrite)
            m_wake.wait_for(lock, retryInterval, [this] { return m_stopping || m_finishing; });
        if (m_stopping || m_finishing || m_access == Access::ReadOnly) {
            // Nothing was read, so nothing was changed: nothing to save.
            m_finished = true;
            m_condition = Condition::Ended;
            m_done.notify_all();
            return;
        }
        m_writing = true;
    }

    if (m_access == Access::ReadOnly) {
        const std::lock_guard lock(m_mutex);
        m_store.close();
        m_ops.clear();
        m_condition = Condition::Ended;
        m_writing = false;
        m_done.notify_all();
        return;
    }
    tellHistory();
    for (;;) {
        std::unique_lock lock(m_mutex);
        m_writing = false;
        m_done.notify_all();
        const auto due = [this] { return m_stopping || m_finishing || !m_ops.empty(); };
        // Not while the end's failure is before the user: the answer decides.
        if (m_condition == Condition::Failing && m_finished.value_or(true)) {
            m_wake.wait_for(lock, retryInterval, due);
        } else if (m_keepsBackups && m_backedUp != QDate::currentDate()) {
            if (!m_wake.wait_for(lock, backupAfterQuiet, due)) {
                lock.unlock();
                backUp();
                continue;
            }
        } else {
            m_wake.wait(lock, due);
        }
        if (m_stopping)
            return;
        // The writes waiting go in one transaction; an undo or a redo waits
        // for them, and goes alone.
        std::optional<Op::Kind> move;
        QList<Op> writes;
        std::erase_if(m_ops, [this](const Op &op) { return op.generation != m_generation; });
        while (!m_ops.empty()) {
            const Op::Kind kind = m_ops.front().kind;
            if (kind == Op::Kind::Undo || kind == Op::Kind::Redo) {
                if (writes.isEmpty()) {
                    move = kind;
                    m_ops.pop_front();
                }
                break;
            }
            writes.append(std::move(m_ops.front()));
            m_ops.pop_front();
        }
        const bool ending = m_finishing && m_ops.empty();
        if (!ending)
            m_store.setBusyDeadline(QDeadlineTimer(m_busyWaitMs));
        m_writing = true;
        lock.unlock();

        for (const Op &op : std::as_const(writes)) {
            if (op.kind == Op::Kind::DropEdit) {
                m_unwrittenSteps.append(op.step);
                continue;
            }
            HistoryStep step = HistoryStep::between(m_given.notes, op.state.notes);
            if (!op.label.isEmpty() && step.changesNotes()) {
                step.label = op.label;
                m_unwrittenSteps.append(step);
            }
            m_given = op.state;
        }
        if (move) {
            moveHistory(*move == Op::Kind::Undo);
            continue;
        }
        const bool written = store(target(!ending));

        lock.lock();
        setCondition(written ? Condition::Saved : Condition::Failing,
                     written ? QString() : m_writeProblem);
        if (ending) {
            m_finished = written;
            m_finishing = false;
            m_done.notify_all();
            if (written) {
                setCondition(Condition::Ended, QString());
                m_writing = false;
                return;
            }
        }
    }
}

Layout::State Session::target(bool running) const
{
    return {m_given.notes, m_given.titleListPoints, m_given.noteTextPoints, running};
}

bool Session::readStore()
{
    m_store.setBusyDeadline(QDeadlineTimer(m_busyWaitMs));
    QString problem;
    SettingsStore::Opened opened = m_store.open(m_access == Access::ReadWrite);
    if (opened == SettingsStore::Opened::Damaged && m_access == Access::ReadWrite) {
        const QString aside = m_store.setAside(QStringLiteral("damaged"));
        if (aside.isEmpty())
            return false;
        problem = tr("The notes store %1 was damaged and has been kept aside as %2. "
                     "Quillbox starts with no notes.")
                      .arg(m_store.path(), aside);
        if (const QString newest = Backups(m_store.path()).newest(); !newest.isEmpty())
            problem += u'\n' + tr("The newest backup is %1. To put it back, close Quillbox "
                                  "and run:\n    quillbox --restore %1")
                                   .arg(newest);
        opened = m_store.open();
    }
    if (opened != SettingsStore::Opened::Opened)
        return false;
    // A file copied over the store while it is read gives titles of one
    // store and bodies of another: the read starts again, and whatever the
    // window did with the first is dropped.
    for (int attempt = 1;; ++attempt) {
        switch (readNotes(problem)) {
        case Read::Done:
            return true;
        case Read::Failed:
            return false;
        case Read::ChangedMeanwhile:
            // A connection keeps pages it read: a new one reads the new file.
            if (attempt == 3 || m_store.open(false) != SettingsStore::Opened::Opened)
                return false;
            break;
        }
    }
}

Session::Read Session::readNotes(const QString &problem)
{
    // One read, so that the titles and the bodies agree.
    auto general = m_store.beginRead() ? m_store.readSection(Layout::generalSection)
                                       : std::optional<QList<SettingsStore::Entry>>();
    if (!general && m_store.failure() != SettingsStore::Failure::Damage) {
        m_store.rollback();
        m_store.close();
        return Read::Failed;
    }
    m_store.changedByOthers(); // from now on, a change by another program shows
    // What a damaged file still gives, looked for once, when a read fails:
    // row by row, then each note's keys by themselves, which a damaged page
    // elsewhere may not hold up.
    std::optional<SettingsStore::Salvaged> salvaged;
    auto salvage = [this, &salvaged]() -> const SettingsStore::Salvaged & {
        if (salvaged)
            return *salvaged;
        salvaged = m_store.salvage();
        QSet<QString> found;
        for (const auto &entry : std::as_const(salvaged->entries))
            found.insert(entry.section + u'/' + entry.key);
        auto lookUp = [&](const QString &section, const QString &key) {
            if (!found.contains(section + u'/' + key)) {
                if (const auto value = m_store.readValue(section, key); value && !value->isNull())
                    salvaged->entries.append({section, key, *value});
            }
        };
        for (const QString &key :
             {Layout::countKey, Layout::titleListSizeKey, Layout::noteTextSizeKey})
            lookUp(Layout::generalSection, key);
        for (int k = 1; k <= Notebook::maxNotes; ++k) {
            lookUp(Layout::notesSection, Layout::titleKey + QString::number(k));
            lookUp(Layout::notesSection, Layout::bodyKey + QString::number(k));
        }
        return *salvaged;
    };
    QHash<QString, QString> values;
    std::optional<QStringList> keys = general ? m_store.keys(Layout::notesSection) : std::nullopt;
    if (general) {
        for (const auto &[key, value] : *general)
            values.insert(key, value);
    }
    if (!general || !keys) {
        keys = QStringList();
        for (const auto &entry : salvage().entries) {
            if (entry.section == Layout::generalSection)
                values.insert(entry.key, entry.value);
            else if (entry.section == Layout::notesSection)
                keys->append(entry.key);
        }
    }
    const int count = Layout::noteCount(values.value(Layout::countKey), *keys);
    const QList<QString> titles = readNumbered(Layout::titleKey, count, salvage);

    Opening opening;
    opening.read = true;
    {
        const std::lock_guard lock(m_mutex);
        opening.number = m_generation;
    }
    opening.titleListPoints = Layout::pointSize(values.value(Layout::titleListSizeKey));
    opening.noteTextPoints = Layout::pointSize(values.value(Layout::noteTextSizeKey));
    opening.problem = problem;
    QList<QString> shownTitles = titles;
    for (QString &title : shownTitles)
        title = title.isNull() ? Layout::missingTitle : title;
    opening.notebook = Notebook(shownTitles, [this] { return waitForBodies(); });
    {
        std::unique_lock lock(m_mutex);
        m_bodies.reset();
        m_bodiesWanted = false;
        if (!m_opening) {
            m_opening = opening;
            m_done.notify_all();
        } else {
            post([this, opening] { emit notesRead(opening); });
        }
        if (count > 0)
            m_wake.wait_for(lock, bodiesAfter,
                            [this] { return m_bodiesWanted || m_finishing || m_stopping; });
    }
    const QList<QString> bodies = readNumbered(Layout::bodyKey, count, salvage);
    const std::optional<QString> mark =
        salvaged ? std::nullopt : m_store.readValue(Layout::notesSection, Layout::runningKey);
    // A file copied over while it is read reads as damage where the copy
    // has not come yet: a change is read again, never salvaged.
    const bool changedMeanwhile = m_store.changedByOthers();
    m_store.rollback(); // the read is over
    {
        const std::lock_guard lock(m_mutex);
        QList<QString> shownBodies = bodies;
        for (QString &body : shownBodies)
            body = body.isNull() ? QString() : body;
        m_bodies = shownBodies;
        if (changedMeanwhile)
            ++m_generation;
        m_done.notify_all();
    }
    if (changedMeanwhile)
        return Read::ChangedMeanwhile;

    // A text lost to damage reads as null: its note is told, the title as
    // a missing one, the body empty.
    Layout::State read{
        {}, opening.titleListPoints, opening.noteTextPoints, mark && !mark->isNull()};
    QStringList lost;
    read.notes.reserve(count);
    for (int i = 0; i < count; ++i) {
        read.notes.append({shownTitles.at(i), bodies.at(i).isNull() ? QString() : bodies.at(i)});
        if (salvaged && (titles.at(i).isNull() || bodies.at(i).isNull()))
            lost.append(QStringLiteral("%1 \"%2\"").arg(i + 1).arg(shownTitles.at(i)));
    }
    m_given = {read.notes, read.titleListPoints, read.noteTextPoints, opening.number};
    m_known.reset();
    if (!salvaged && mark && Layout::notesHoldExactly(read, *keys, *mark)) {
        m_known = read;
        m_generalToMend = !Layout::generalToMend(read, values).isEmpty();
    }

    // Every page after a session that did not end (its mark is still
    // there), else a quicker look; before anything is written.
    m_scanDue = read.running ? SettingsStore::Scan::Full : SettingsStore::Scan::Quick;
    if (m_access == Access::ReadWrite && salvaged) {
        if (lost.size() > 10)
            lost = lost.mid(0, 10) << tr("and %n more", nullptr, int(lost.size() - 10));
        setAsideLater(QStringLiteral("damaged"),
                      damagedText() + (lost.isEmpty() ? QString()
                                                      : u' ' + tr("These notes could not be read "
                                                                  "in full: %1.")
                                                                   .arg(lost.join(u", "))));
    } else if (m_access == Access::ReadWrite && !Layout::unshownKeys(count, *keys).isEmpty()) {
        // Written over, they would be lost without a word.
        setAsideLater(QStringLiteral("more"),
                      tr("The notes store %1 held texts Quillbox does not show (notes past its "
                         "count of notes, past the limit of 500, or under keys of another "
                         "spelling). That file is kept as %2, and the notes Quillbox shows are "
                         "kept in a new store."));
    }
    {
        const std::lock_guard lock(m_mutex);
        setCondition(Condition::Saved, QString());
        // The session's mark goes in at once, with whatever else must.
        if (m_ops.empty())
            m_ops.push_back({Op::Kind::Write, m_given, {}, {}, m_generation});
    }
    return Read::Done;
}

QList<QString>
Session::readNumbered(const QString &prefix, int count,
                      const std::function<const SettingsStore::Salvaged &()> &salvage)
{
    const QString missing = prefix == Layout::titleKey ? Layout::missingTitle : Layout::missingBody;
    QList<QString> texts(count, missing);
    if (count == 0)
        return texts;
    // The keys sort "notecontent..." before "notetitle...": each kind is one
    // range of the table.
    const auto entries = m_store.readSection(
        Layout::notesSection, prefix, prefix.chopped(1) + QChar(prefix.back().unicode() + 1));
    if (entries) {
        for (const auto &[key, value] : *entries) {
            if (const int k = Layout::noteNumber(key, prefix); k >= 1 && k <= count)
                texts[k - 1] = value;
        }
        return texts;
    }
    // Every text that can still be read is kept; a text lost (found but
    // unreadable, or not found at all) is null.
    std::fill(texts.begin(), texts.end(), QString());
    for (const auto &entry : salvage().entries) {
        const int k = Layout::noteNumber(entry.key, prefix);
        if (entry.section == Layout::notesSection && k >= 1 && k <= count)
            texts[k - 1] = entry.value;
    }
    return texts;
}

QList<QString> Session::waitForBodies()
{
    std::unique_lock lock(m_mutex);
    m_bodiesWanted = true;
    m_wake.notify_all();
    m_done.wait(lock, [this] { return m_bodies.has_value(); });
    return *m_bodies;
}

bool Session::store(const Layout::State &target, bool again)
{
    if (m_unwrittenSteps.isEmpty() && !m_generalToMend && m_known &&
        Layout::between(*m_known, target).isEmpty())
        return true;
    if (!beginWrite(again))
        return false;
    Layout::Changes changes = m_known ? Layout::between(*m_known, target) : Layout::whole(target);
    if (m_known && m_generalToMend)
        changes.writes += Layout::generalToMend(target, {});
    const bool applied = m_store.apply(changes);
    // The history never holds the notes back: when it cannot be written,
    // the notes are written without it, and that is told.
    if (applied && !m_unwrittenSteps.isEmpty() && m_store.beginSavepoint() &&
        !m_store.appendHistory(m_unwrittenSteps)) {
        const QString reason = m_store.errorReason();
        m_store.rollBackSavepoint();
        post([this, reason] { emit historyFailed(reason); });
    }
    if (applied && m_store.commit()) {
        m_known = target;
        m_generalToMend = false;
        if (!std::exchange(m_unwrittenSteps, {}).isEmpty())
            tellHistory();
        return true;
    }
    m_writeProblem = m_store.errorReason();
    m_store.rollback();
    classifyFailure();
    return m_toSetAside && !again && store(target, true);
}

bool Session::beginWrite(bool again)
{
    m_writeProblem.clear();
    if (const auto scan = std::exchange(m_scanDue, std::nullopt);
        scan && m_store.isOpen() && !m_store.scan(*scan) &&
        m_store.failure() == SettingsStore::Failure::Damage)
        setAsideLater(QStringLiteral("damaged"), damagedText());
    const bool ready =
        setAsidePending() &&
        ((m_store.isOpen() && m_store.fileAtPath() == SettingsStore::FileAtPath::Same) ||
         openAgain());
    if (!ready || !m_store.begin()) {
        if (m_writeProblem.isEmpty())
            m_writeProblem = m_store.errorReason();
        return false;
    }
    if (!m_store.changedByOthers())
        return true;
    m_store.rollback();
    setAsideLater(QStringLiteral("changed"), changedText());
    return !again && beginWrite(true);
}

void Session::classifyFailure()
{
    switch (m_store.failure()) {
    case SettingsStore::Failure::Busy:
        break; // nothing was changed: the file holds what is known
    case SettingsStore::Failure::Damage:
        setAsideLater(QStringLiteral("damaged"), damagedText());
        break;
    default:
        // A connection that found the file read-only stays so: the next
        // try opens it afresh, and writes the whole state.
        m_store.close();
        m_known.reset();
        break;
    }
}

void Session::moveHistory(bool undo)
{
    const auto answer = [this, undo](const HistoryStep &step, Refusal refusal,
                                     const QString &reason = QString()) {
        post([=, this] { emit historyMoved(step, undo, refusal, reason); });
    };
    // Steps not yet written could not be found there.
    if (!m_unwrittenSteps.isEmpty() || !beginWrite(false)) {
        answer({}, Refusal::NotSaved);
        return;
    }
    // A store found removed or replaced gets the notes first, whatever comes
    // of the undo; the history stays behind with the old file.
    if (!m_known) {
        const Layout::State notes = target(true);
        if (!m_store.apply(Layout::whole(notes)) || !m_store.commit() || !m_store.begin()) {
            m_store.rollback();
            answer({}, Refusal::NotSaved);
            return;
        }
        m_known = notes;
    }
    const std::optional<HistoryStep> step = m_store.historyStep(undo);
    if (!step) {
        const bool failed = m_store.failure() != SettingsStore::Failure::None;
        const QString reason = m_store.errorReason();
        m_store.rollback();
        failed ? answer({}, Refusal::Failed, reason) : answer({}, Refusal::NothingToMove);
        return;
    }
    // The step applies only to the notes it left: another program (or an
    // earlier version) may have changed them since.
    const QList<Note> &left = undo ? step->inserted : step->removed;
    if (!step->droppedText && (step->at < 0 || step->at + left.size() > m_given.notes.size() ||
                               m_given.notes.mid(step->at, left.size()) != left)) {
        m_store.rollback();
        answer({}, Refusal::Failed, tr("the notes have changed since"));
        return;
    }
    const QList<Note> notes = undo ? step->undone(m_given.notes) : step->redone(m_given.notes);
    if (notes.size() > Notebook::maxNotes) {
        m_store.rollback();
        answer({}, Refusal::OverLimit);
        return;
    }
    const Layout::State after{notes, m_given.titleListPoints, m_given.noteTextPoints, true};
    if (m_store.apply(m_known ? Layout::between(*m_known, after) : Layout::whole(after)) &&
        m_store.markHistoryStep(step->id, undo) && m_store.commit()) {
        m_known = after;
        m_given.notes = notes;
        answer(*step, Refusal::None);
        tellHistory();
        return;
    }
    const QString reason = m_store.errorReason();
    m_store.rollback();
    classifyFailure();
    answer({}, Refusal::Failed, reason);
}

void Session::backUp()
{
    // Once a day at most, even when the program runs for days; never of a
    // file about to be set aside.
    m_backedUp = QDate::currentDate();
    if (m_toSetAside || !m_store.isOpen())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_backingUp = true;
    }
    m_store.setBusyDeadline(QDeadlineTimer(m_busyWaitMs));
    Backups backups(m_store.path());
    const bool failed = backups.make(m_store) == Backups::Made::Failed;
    const std::lock_guard lock(m_mutex);
    m_backingUp = false;
    // An end cuts it short: the next start makes it.
    if (failed && !m_finishing && !m_stopping)
        post([this, reason = backups.errorReason()] { emit backupFailed(reason); });
}

void Session::tellHistory()
{
    m_store.setBusyDeadline(QDeadlineTimer(m_busyWaitMs));
    if (const auto labels = m_store.historyLabels())
        post([this, labels = *labels] { emit historyChanged(labels.first, labels.second); });
}

bool Session::openAgain()
{
    const SettingsStore::FileAtPath found = m_store.fileAtPath();
    m_store.close();
    m_known.reset();
    switch (found) {
    case SettingsStore::FileAtPath::Same:
        switch (m_store.open(false)) {
        case SettingsStore::Opened::Opened:
            return true;
        case SettingsStore::Opened::Damaged:
            setAsideLater(QStringLiteral("damaged"), damagedText());
            return setAsidePending();
        case SettingsStore::Opened::Failed:
            return false;
        }
        return false;
    case SettingsStore::FileAtPath::Missing:
        // Never made anew without a word.
        if (m_store.open() != SettingsStore::Opened::Opened)
            return false;
        post([this, path = m_store.path()] {
            emit storeReplaced(tr("The notes store %1 was removed while Quillbox ran; Quillbox "
                                  "made it anew with the notes it shows.")
                                   .arg(path));
        });
        return true;
    case SettingsStore::FileAtPath::Other:
        setAsideLater(QStringLiteral("changed"), changedText());
        return setAsidePending();
    }
    return false;
}

void Session::setAsideLater(const QString &label, const QString &message)
{
    m_store.close();
    m_known.reset();
    m_toSetAside = {label, message};
}

bool Session::setAsidePending()
{
    if (!m_toSetAside)
        return true;
    const auto &[label, message] = *m_toSetAside;
    const QString aside = m_store.setAside(label);
    if (aside.isEmpty()) {
        m_writeProblem =
            tr("the store must be set aside, and cannot be: %1").arg(m_store.errorReason());
        return false;
    }
    post([this, text = message.arg(m_store.path(), aside)] { emit storeReplaced(text); });
    m_toSetAside.reset();
    m_known.reset();
    if (m_store.open() != SettingsStore::Opened::Opened) {
        m_writeProblem = m_store.errorReason();
        return false;
    }
    return true;
}
