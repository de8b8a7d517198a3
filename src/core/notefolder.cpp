// Notes as a folder of plain text files, one per note, and back.
#include "core/notefolder.h"

#include "core/privatefolder.h"
#include "core/textrules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <optional>
#include <utility>

namespace
{

const QString formatMarker = QStringLiteral("quillbox-notes");
constexpr int formatVersion = 1;
// The title part of a file name: short enough to read in a file list, and
// the whole name within 143 bytes, the tightest name limit on Linux
// (eCryptfs home folders); ext4 and most others take 255.
constexpr int longestNameCharacters = 60;
constexpr qsizetype longestNameBytes = 100;

struct IndexEntry {
    QString title;
    QString fileName;
};
struct Index {
    QList<IndexEntry> notes;
    QStringList otherFiles;
};

// text with each lone surrogate, which UTF-8 cannot hold, made U+FFFD.
QString validUnicode(const QString &text, bool *replaced = nullptr)
{
    QString valid = text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            valid[i] = QChar::ReplacementCharacter;
            if (replaced)
                *replaced = true;
        }
    }
    return valid;
}

// Only names this program makes, in the folder itself: an index from
// elsewhere can neither reach outside the folder nor remove a file of the
// user's with another name.
bool isOurFileName(const QString &name)
{
    static const QRegularExpression ours(QStringLiteral("\\A[0-9]{3,} [^/\\x{0}]*\\.txt\\z"));
    return ours.match(name).hasMatch();
}

std::optional<Index> readIndex(const QDir &folder)
{
    QFile file(folder.filePath(NoteFolder::indexFileName));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject root = QJsonDocument::fromJson(file.read(NoteFolder::largestFile)).object();
    if (root.value(u"format").toString() != formatMarker ||
        root.value(u"version").toInt(formatVersion + 1) > formatVersion)
        return std::nullopt;
    Index index;
    for (const auto &value : root.value(u"notes").toArray()) {
        const QJsonValue title = value[u"title"], fileName = value[u"file"];
        if (!title.isString() || !isOurFileName(fileName.toString()))
            return std::nullopt;
        index.notes.append({title.toString(), fileName.toString()});
    }
    for (const auto &value : root.value(u"otherFiles").toArray()) {
        if (!isOurFileName(value.toString()))
            return std::nullopt;
        index.otherFiles.append(value.toString());
    }
    return index;
}

QString reasonFor(const QFileDevice &file)
{
    if (file.error() == QFileDevice::ResourceError)
        return NoteFolder::tr("the disk is full; free some space and try again");
    return file.errorString();
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return reasonFor(file);
    return {};
}

QString writeIndex(const QDir &folder, const Index &index)
{
    QJsonArray notes;
    for (const IndexEntry &entry : index.notes)
        notes.append(QJsonObject{{"title", entry.title}, {"file", entry.fileName}});
    const QJsonObject root{{"format", formatMarker},
                           {"version", formatVersion},
                           {"notes", notes},
                           {"otherFiles", QJsonArray::fromStringList(index.otherFiles)}};
    return writeFile(folder.filePath(NoteFolder::indexFileName), QJsonDocument(root).toJson());
}

QString describe(const NoteFolder::Report &report)
{
    if (report.index < 0)
        return NoteFolder::tr("%1: %2").arg(report.fileName, report.reason);
    return NoteFolder::tr("note %1 \"%2\" (%3): %4")
        .arg(QString::number(report.index + 1), titleFromText(report.title), report.fileName,
             report.reason);
}

template <typename Result> Result refused(const QString &why)
{
    Result result;
    result.message = why;
    return result;
}

// Done, or Reported with a line for each report under the summary.
template <typename Result> void conclude(Result &result, QString summary)
{
    result.outcome =
        result.reported.isEmpty() ? NoteFolder::Outcome::Done : NoteFolder::Outcome::Reported;
    for (const NoteFolder::Report &report : std::as_const(result.reported))
        summary += u'\n' + describe(report);
    result.message = summary;
}

} // namespace

NoteFolder::NoteFolder(QString path) : m_path(std::move(path)) {}

NoteFolder::Exported NoteFolder::exportNotes(const QList<Note> &notes) const
{
    const QFileInfo info(m_path);
    QDir folder(m_path);
    Index previous;
    // An empty path would be the working folder.
    if (m_path.isEmpty()) {
        return refused<Exported>(tr("no folder was given to export into"));
    } else if (!info.exists()) {
        if (const QString why = makePrivateFolder(m_path); !why.isEmpty())
            return refused<Exported>(why);
    } else if (!info.isDir()) {
        return refused<Exported>(tr("%1 is a file, not a folder").arg(m_path));
    } else if (folder.exists(indexFileName)) {
        const std::optional<Index> index = readIndex(folder);
        if (!index)
            return refused<Exported>(
                tr("%1 is no index this program can read (damaged, or made by a later version); "
                   "export into a new folder")
                    .arg(folder.filePath(indexFileName)));
        previous = *index;
    } else if (!folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                               QDir::System)) {
        return refused<Exported>(
            tr("%1 holds files this program did not write; export into an empty or new folder")
                .arg(m_path));
    }

    QSet<QString> ours(previous.otherFiles.cbegin(), previous.otherFiles.cend());
    for (const IndexEntry &entry : std::as_const(previous.notes))
        ours.insert(entry.fileName);
    // A file system that ignores case (a FAT memory stick) takes "001 milk.txt"
    // for "001 Milk.txt": a file of ours, not the user's.
    QSet<QString> oursFolded;
    for (const QString &name : std::as_const(ours))
        oursFolded.insert(name.toCaseFolded());
    Exported result;
    QList<Note> valid;
    QStringList names;
    for (qsizetype i = 0; i < notes.size(); ++i) {
        bool replaced = false;
        valid.append(
            {validUnicode(notes[i].title, &replaced), validUnicode(notes[i].body, &replaced)});
        names.append(fileNameFor(int(i), valid.last().title));
        if (replaced)
            result.reported.append({int(i), valid.last().title, names.last(),
                                    tr("holds text UTF-8 cannot hold (a lone surrogate), "
                                       "written as U+FFFD")});
        if (!oursFolded.contains(names.last().toCaseFolded()) && folder.exists(names.last()))
            return refused<Exported>(tr("%1 holds %2, which this program did not write, where "
                                        "note %3 goes; move it away")
                                         .arg(m_path, names.last(), QString::number(i + 1)));
    }

    // Every file about to be written is named in the index before the first
    // is, so that an interrupted export leaves nothing the next one would
    // take for the user's.
    const QSet<QString> fresh(names.cbegin(), names.cend());
    ours.unite(fresh);
    previous.otherFiles = QStringList(ours.cbegin(), ours.cend());
    if (const QString why = writeIndex(folder, previous); !why.isEmpty())
        return refused<Exported>(tr("%1 cannot be written: %2").arg(m_path, why));

    // On a file system that ignores case, a note retitled from "Milk" to
    // "milk" keeps its one file: the old name goes before the new is
    // written, as removing it after would remove the note.
    QSet<QString> freshFolded;
    for (const QString &name : names)
        freshFolded.insert(name.toCaseFolded());
    Index written;
    const auto removeFile = [&](const QString &name) {
        if (!folder.remove(name) && folder.exists(name)) {
            written.otherFiles.append(name);
            result.reported.append({-1, {}, name, tr("could not be removed")});
        }
    };
    for (auto name = ours.begin(); name != ours.end();) {
        if (fresh.contains(*name) || !freshFolded.contains(name->toCaseFolded())) {
            ++name;
            continue;
        }
        removeFile(*name);
        name = ours.erase(name);
    }

    for (qsizetype i = 0; i < valid.size(); ++i) {
        if (const QString why = writeFile(folder.filePath(names[i]), valid[i].body.toUtf8());
            !why.isEmpty()) {
            result.reported.append({int(i), valid[i].title, names[i], why});
            continue;
        }
        written.notes.append({valid[i].title, names[i]});
        result.fileNames.append(names[i]);
        ours.remove(names[i]);
    }
    for (const QString &gone : std::as_const(ours))
        removeFile(gone);
    if (const QString why = writeIndex(folder, written); !why.isEmpty())
        result.reported.append({-1,
                                {},
                                indexFileName,
                                tr("%1; an import would read the notes exported before").arg(why)});

    const int count = int(notes.size());
    conclude(result, result.fileNames.size() == count
                         ? tr("Exported %n note(s) to %1.", nullptr, count).arg(m_path)
                         : tr("Exported %1 of %n note(s) to %2.", nullptr, count)
                               .arg(QString::number(result.fileNames.size()), m_path));
    return result;
}

NoteFolder::Imported NoteFolder::importNotes(int room) const
{
    const QDir folder(m_path);
    if (m_path.isEmpty() || !QFileInfo(m_path).isDir())
        return refused<Imported>(tr("there is no folder %1").arg(m_path));
    const bool hasIndex = folder.exists(indexFileName);
    QList<IndexEntry> entries;
    if (hasIndex) {
        const std::optional<Index> index = readIndex(folder);
        if (!index)
            return refused<Imported>(
                tr("%1 is no index this program can read (damaged, or made by a later version)")
                    .arg(folder.filePath(indexFileName)));
        entries = index->notes;
    } else {
        QStringList names = folder.entryList({QStringLiteral("*.txt")}, QDir::Files);
        std::sort(names.begin(), names.end(),
                  [](const QString &a, const QString &b) { return a.toUtf8() < b.toUtf8(); });
        for (const QString &name : std::as_const(names))
            entries.append({{}, name});
    }

    Imported result;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (result.notes.size() >= room) {
            result.leftOut = int(entries.size() - i);
            break;
        }
        const IndexEntry &entry = entries[i];
        const auto skip = [&](const QString &reason) {
            result.reported.append({hasIndex ? int(i) : -1, entry.title, entry.fileName, reason});
        };
        QFile file(folder.filePath(entry.fileName));
        if (!file.open(QIODevice::ReadOnly)) {
            skip(tr("cannot be read (%1)").arg(file.errorString()));
            continue;
        }
        // Read one byte past the limit: a file may tell no size, or grow.
        const QByteArray bytes =
            file.size() > largestFile ? QByteArray() : file.read(largestFile + 1);
        if (file.error() != QFileDevice::NoError) {
            skip(tr("cannot be read (%1)").arg(file.errorString()));
            continue;
        }
        if (file.size() > largestFile || bytes.size() > largestFile) {
            skip(tr("is larger than %1 MiB, too large for a note").arg(largestFile >> 20));
            continue;
        }
        // A byte order mark is text of the note's in a file this program
        // wrote, and an editor's marker in any other.
        QStringDecoder decoder(QStringDecoder::Utf8,
                               hasIndex ? QStringDecoder::Flag::Stateless |
                                              QStringDecoder::Flag::ConvertInitialBom
                                        : QStringDecoder::Flag::Stateless);
        const QString body = decoder.decode(bytes);
        if (decoder.hasError()) {
            skip(tr("is not UTF-8 text"));
            continue;
        }
        QString title = hasIndex ? entry.title : titleFromText(body);
        if (title.isEmpty() && !hasIndex)
            title = entry.fileName.chopped(4);
        result.notes.append({title, body});
    }

    QString summary = tr("Read %n note(s) from %1.", nullptr, int(result.notes.size())).arg(m_path);
    if (result.leftOut > 0)
        summary +=
            u' ' + tr("%n more left out: there is no room for them.", nullptr, result.leftOut);
    conclude(result, summary);
    if (result.leftOut > 0)
        result.outcome = Outcome::Reported;
    return result;
}

QString NoteFolder::fileNameFor(int index, const QString &title)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    QString safe = validUnicode(title);
    for (QChar &c : safe) {
        const char16_t u = c.unicode();
        // Direction overrides could make a name read as another.
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || forbidden.contains(c) || u == 0x2028 ||
            u == 0x2029 || (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069))
            c = u'_';
    }
    qsizetype start = 0;
    while (start < safe.size() && (safe[start] == u'.' || safe[start].isSpace()))
        ++start;
    safe = safe.mid(start);

    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, safe);
    qsizetype end = 0, bytes = 0;
    for (int kept = 0; kept < longestNameCharacters; ++kept) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        bytes += QStringView(safe).sliced(end, next - end).toUtf8().size();
        if (bytes > longestNameBytes)
            break;
        end = next;
    }
    safe.truncate(end);
    while (!safe.isEmpty() && safe.back().isSpace())
        safe.chop(1);
    if (safe.isEmpty())
        safe = QStringLiteral("note");
    return QStringLiteral("%1 %2.txt").arg(index + 1, 3, 10, QLatin1Char('0')).arg(safe);
}
