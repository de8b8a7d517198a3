// The rules that make a title from a text and trim what the user typed.
#include "core/textrules.h"

#include <QTextBoundaryFinder>

namespace
{

constexpr int longestWholeTitle = 30;
constexpr int keptWhenCut = 27;

// The offset in code units after the first n characters; -1 when the text
// holds fewer.
qsizetype offsetAfterCharacters(const QString &text, int n)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (int seen = 0; seen < n; ++seen) {
        if (finder.toNextBoundary() < 0)
            return -1;
    }
    return finder.position();
}

} // namespace

QString titleFromText(const QString &text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    QString line = text.left(end);
    // Fewer code units than the cut can never make more characters than it.
    if (line.size() <= keptWhenCut)
        return line;
    if (offsetAfterCharacters(line, longestWholeTitle + 1) < 0)
        return line;
    return line.left(offsetAfterCharacters(line, keptWhenCut)) + QStringLiteral("...");
}

QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}
