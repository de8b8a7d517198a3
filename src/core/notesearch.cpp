// The search rule: bodies in any case, titles as they stand.
#include "core/notesearch.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <unordered_map>

namespace
{

// The upper case of every character of the Basic Multilingual Plane, as
// QString::toUpper maps it: one character in single, or, where it is longer
// (ß -> SS and the like), 0 there and the whole text in longer. Built once,
// on the first search.
struct UpperCase {
    std::array<char16_t, 0x10000> single{};
    std::unordered_map<char16_t, std::u16string> longer;
};

const UpperCase &upperCaseTable()
{
    static const std::unique_ptr<UpperCase> table = [] {
        auto t = std::make_unique<UpperCase>();
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (QChar::isSurrogate(c)) {
                t->single[c] = char16_t(c);
                continue;
            }
            const QString upper = QString(QChar(char16_t(c))).toUpper();
            if (upper.size() == 1) {
                t->single[c] = upper.at(0).unicode();
            } else {
                t->longer.emplace(char16_t(c),
                                  std::u16string(reinterpret_cast<const char16_t *>(upper.utf16()),
                                                 std::size_t(upper.size())));
            }
        }
        return t;
    }();
    return *table;
}

// Appends text upper-cased, exactly as QString::toUpper would, to buffer.
// Blocks of ASCII, the common case, take a branch-free loop the compiler
// vectorises; other characters go through the table.
void appendUpperCase(std::u16string &buffer, const char16_t *p, qsizetype n)
{
    constexpr qsizetype block = 32;
    const UpperCase &upper = upperCaseTable();
    std::size_t out = buffer.size();
    buffer.resize(out + static_cast<std::size_t>(n));
    qsizetype i = 0;
    while (i < n) {
        const qsizetype end = std::min(i + block, n);
        char16_t seen = 0;
        for (qsizetype j = i; j < end; ++j)
            seen |= p[j];
        if (seen < 0x80) {
            char16_t *o = buffer.data() + out;
            for (qsizetype j = i; j < end; ++j) {
                const char16_t c = p[j];
                *o++ = char16_t(c ^ (char16_t(char16_t(c - u'a') < 26) << 5));
            }
            out += static_cast<std::size_t>(end - i);
            i = end;
            continue;
        }
        for (; i < end; ++i) {
            const char16_t c = p[i];
            const char16_t mapped = upper.single[c];
            if (mapped == 0 && c != 0) {
                const std::u16string &expanded = upper.longer.at(c);
                buffer.resize(buffer.size() + expanded.size() - 1);
                for (char16_t e : expanded)
                    buffer[out++] = e;
            } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
                // No character outside the BMP has a longer upper case.
                const char32_t u = QChar::toUpper(QChar::surrogateToUcs4(c, p[i + 1]));
                buffer[out++] = QChar::highSurrogate(u);
                buffer[out++] = QChar::lowSurrogate(u);
                ++i;
            } else {
                buffer[out++] = mapped;
            }
        }
    }
    buffer.resize(out);
}

// Whether the upper case of body holds upper. The body is upper-cased a
// piece at a time into one reused buffer, so that a search makes no copy of
// each body and stops at the first piece that holds the text.
bool upperCaseHolds(std::u16string &buffer, QStringView body, QStringView upper)
{
    constexpr qsizetype piece = 2048;
    const char16_t *p = body.utf16();
    const qsizetype n = body.size();
    const std::size_t keep = static_cast<std::size_t>(upper.size() > 0 ? upper.size() - 1 : 0);
    buffer.clear();
    for (qsizetype at = 0; at < n;) {
        qsizetype len = std::min(piece, n - at);
        // Never split a surrogate pair between two pieces.
        if (at + len < n && QChar::isHighSurrogate(p[at + len - 1]))
            ++len;
        appendUpperCase(buffer, p + at, len);
        at += len;
        if (QStringView(buffer.data(), qsizetype(buffer.size())).contains(upper))
            return true;
        // Keep the end of this piece: the text may run on into the next.
        if (buffer.size() > keep)
            buffer.erase(0, buffer.size() - keep);
    }
    return false;
}

} // namespace

QList<int> findNotes(const QList<Note> &notes, const QString &text)
{
    QList<int> matches;
    if (text.isEmpty())
        return matches;
    const QString upper = text.toUpper();
    std::u16string buffer;
    for (int index = 0; index < notes.size(); ++index) {
        const Note &note = notes.at(index);
        // Both tests run for every note, as the rule states them.
        const bool inBody = upperCaseHolds(buffer, note.body, upper);
        const bool inTitle = note.title.contains(text);
        if (inBody || inTitle)
            matches.append(index);
    }
    return matches;
}
