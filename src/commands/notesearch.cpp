#include "commands/notesearch.h"

#include <array>
#include <memory>
#include <string>

namespace
{

// The upper case of every character of the Basic Multilingual Plane, as
// QString::toUpper maps it, or 0 where the upper case is longer than one
// character (ß -> SS and the like). Built once, on the first search.
const std::array<char16_t, 0x10000> &uppertable()
{
    static const std::unique_ptr<std::array<char16_t, 0x10000>> table = [] {
        auto t = std::make_unique<std::array<char16_t, 0x10000>>();
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (QChar::isSurrogate(c)) {
                (*t)[c] = char16_t(c);
                continue;
            }
            const QString upper = QString(QChar(char16_t(c))).toUpper();
            (*t)[c] = upper.size() == 1 ? upper.at(0).unicode() : char16_t(0);
        }
        return t;
    }();
    return *table;
}

// Writes text upper-cased, exactly as QString::toUpper would, into buffer,
// reusing its memory, so that a search makes no copy of each body.
void uppercaseinto(std::u16string &buffer, QStringView text)
{
    const auto &table = uppertable();
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    buffer.resize(static_cast<std::size_t>(n));
    std::size_t out = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        const char16_t mapped = table[c];
        if (mapped != 0 || c == 0) {
            if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
                // No character outside the BMP has a longer upper case.
                const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(c, p[i + 1]));
                buffer[out++] = QChar::highSurrogate(upper);
                buffer[out++] = QChar::lowSurrogate(upper);
                ++i;
                continue;
            }
            buffer[out++] = mapped;
            continue;
        }
        const QString expanded = QString(QChar(c)).toUpper();
        buffer.resize(buffer.size() + static_cast<std::size_t>(expanded.size() - 1));
        for (QChar e : expanded)
            buffer[out++] = e.unicode();
    }
    buffer.resize(out);
}

} // namespace

QList<int> findnotes(const NoteCollection &notes, const QString &s)
{
    QList<int> matches;
    if (s.isEmpty())
        return matches;
    const QString upper = s.toUpper();
    std::u16string body;
    for (int k = 1; k <= notes.notecount; ++k) {
        uppercaseinto(body, notes.notecontents[k]);
        const bool inBody = QStringView(body.data(), qsizetype(body.size())).contains(upper);
        const bool inTitle = notes.notetitles[k].contains(s);
        if (inBody || inTitle)
            matches.append(k);
    }
    return matches;
}
