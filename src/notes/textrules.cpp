#include "notes/textrules.h"

#include <QTextBoundaryFinder>

namespace
{

constexpr int longestWhole = 30;
constexpr int keptWhenCut = 27;

// The code-unit offset after the first n graphemes, or -1 when text is shorter.
qsizetype offsetAfter(const QString &text, int n)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int seen = 0;
    while (seen < n) {
        if (finder.toNextBoundary() < 0)
            return -1;
        ++seen;
    }
    return finder.position();
}

} // namespace

int charactercount(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() >= 0)
        ++count;
    return count;
}

QString derivedtitle(const QString &text)
{
    qsizetype end = text.size();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            end = i;
            break;
        }
    }
    QString line = text.left(end);
    if (line.size() <= keptWhenCut)
        return line; // cannot exceed 30 characters
    const qsizetype past = offsetAfter(line, longestWhole + 1);
    if (past < 0 || past > line.size())
        return line;
    return line.left(offsetAfter(line, keptWhenCut)) + QStringLiteral("...");
}

QString trimblanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}
