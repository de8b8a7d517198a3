// The box that holds the picked note's text, wrapped at the box's width.
#pragma once

#include <QPlainTextEdit>
#include <optional>

// A line of many thousand characters with no blank (minified data, base64,
// a pasted log line) takes Qt's word wrap a time that grows with the square
// of its length, since each wrapped line looks for a word boundary to the
// end of the line. Such a text is wrapped anywhere instead, and drawn
// without shaping, which costs a pass per layout; other texts keep word
// wrap.
class NoteTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit NoteTextBox(QWidget *parent = nullptr);

    // Laying out such a text takes and frees tens of megabytes at each
    // keystroke. This keeps blocks that large in the heap for the process,
    // where their pages are used again instead of mapped and faulted in
    // afresh each time.
    static void keepLayoutMemory();

    void setNoteText(const QString &text);
    // Every character as shown or typed; each line break a line feed.
    // toPlainText() is no such text: it turns U+00A0 into a blank and U+2028
    // into a line feed.
    QString noteText() const;

protected:
    void insertFromMimeData(const QMimeData *source) override;

private:
    void wrapFor(const QString &text);
    void keepGlyphsOfLongLines(int from, int removed, int added);

    // The text last shown, while nobody has edited it. The document makes a
    // line break of U+2029, U+FDD0 and U+FDD1 and cannot tell them from a
    // line feed afterwards.
    std::optional<QString> m_unedited;
};
