// The least writes between two states of the stored layout, without SQLite.
// Guards against: a write more or fewer than a change needs (a stale key
// kept, a moved note left under its old number, the mark or a size
// forgotten). Reading odd stores is in tst_session.
#include "core/storedlayout.h"

#include <QTest>

namespace
{

using Layout = StoredLayout;

Layout::State notes(const QString &spec, bool running = true)
{
    Layout::State state;
    state.running = running;
    for (const QString &title : spec.split(' ', Qt::SkipEmptyParts))
        state.notes.append({title, title.toUpper()});
    return state;
}

// "w:key=value" and "r:key", in the order the changes hold them.
QString describe(const Layout::Changes &changes)
{
    QStringList parts;
    if (changes.clearNotes)
        parts << "clear";
    for (const auto &entry : changes.writes)
        parts << "w:" + entry.key + '=' + entry.value;
    for (const auto &entry : changes.removals)
        parts << "r:" + entry.key;
    return parts.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(StoredLayout::State)

class tst_StoredLayout : public QObject
{
    Q_OBJECT

private slots:
    void between_data()
    {
        QTest::addColumn<Layout::State>("from");
        QTest::addColumn<Layout::State>("to");
        QTest::addColumn<QString>("changes");
        Layout::State bigger = notes("a b");
        bigger.titleListPoints = 9.75f;
        Layout::State updated = notes("a b");
        updated.notes[1].body = "new";
        // clang-format off
        QTest::newRow("nothing") << notes("a b") << notes("a b") << "";
        QTest::newRow("one body") << notes("a b") << updated << "w:notecontent2=new";
        QTest::newRow("a size") << notes("a b") << bigger << "w:mainlistsize=9.75";
        QTest::newRow("add") << notes("a") << notes("a b") << "w:notetotal=2 w:notetitle2=b w:notecontent2=B";
        QTest::newRow("delete the first") << notes("a b c") << notes("b c")
            << "w:notetotal=2 w:notetitle1=b w:notecontent1=B w:notetitle2=c w:notecontent2=C r:notetitle3 r:notecontent3";
        QTest::newRow("flush") << notes("a") << notes("") << "w:notetotal=0 r:notetitle1 r:notecontent1";
        QTest::newRow("the session ends") << notes("a") << notes("a", false) << "r:temp";
        QTest::newRow("a session begins") << notes("a", false) << notes("a") << "w:temp=-";
        // clang-format on
    }

    void between()
    {
        QFETCH(Layout::State, from);
        QFETCH(Layout::State, to);
        QTEST(describe(Layout::between(from, to)), "changes");
    }
};

QTEST_GUILESS_MAIN(tst_StoredLayout)
#include "tst_storedlayout.moc"
