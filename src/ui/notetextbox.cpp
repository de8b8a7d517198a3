// The box that holds the picked note's text, wrapped at the box's width.
#include "ui/notetextbox.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace
{

// Longer than any word, and than the widest box at the smallest font.
constexpr qsizetype longestWord = 1000;

bool hasLongRun(const QString &text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > longestWord)
            return true;
    }
    return false;
}

} // namespace

void NoteTextBox::keepLayoutMemory()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
}

NoteTextBox::NoteTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { m_unedited.reset(); });
    connect(document(), &QTextDocument::contentsChange, this, &NoteTextBox::keepGlyphsOfLongLines);
}

void NoteTextBox::setNoteText(const QString &text)
{
    // Emptied first: a change of wrap or font lays out again the text the
    // box holds, and the last note's long line with word wrap takes minutes.
    clear();
    wrapFor(text);
    setPlainText(text);
    // As the document reads it: "\r\n" and "\r" are one line break each.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    m_unedited = shown;
}

QString NoteTextBox::noteText() const
{
    if (m_unedited)
        return *m_unedited;
    // Every character as typed, but each line break a paragraph separator.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void NoteTextBox::keepGlyphsOfLongLines(int from, int, int added)
{
    // Told before the layout. Qt drops a line's glyphs once it is laid out,
    // then shapes it afresh to place the cursor and again to paint it: three
    // passes over a long line at each keystroke instead of one. A new layout
    // still starts afresh, so a change of font is never drawn stale.
    const QTextBlock last = document()->findBlock(from + added);
    for (QTextBlock block = document()->findBlock(from); block.isValid(); block = block.next()) {
        if (block.length() > longestWord)
            block.layout()->setCacheEnabled(true);
        if (block == last)
            break;
    }
}

void NoteTextBox::insertFromMimeData(const QMimeData *source)
{
    // Before the text goes in: laying it out with word wrap is the wait.
    if (source->hasText() && hasLongRun(source->text()))
        wrapFor(source->text());
    QPlainTextEdit::insertFromMimeData(source);
}

void NoteTextBox::wrapFor(const QString &text)
{
    const bool anywhere = hasLongRun(text);
    setWordWrapMode(anywhere ? QTextOption::WrapAnywhere
                             : QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont face = font();
    face.setStyleStrategy(anywhere ? QFont::PreferNoShaping : QFont::PreferDefault);
    setFont(face);
}
