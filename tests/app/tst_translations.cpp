// The program in the session's language; run under LANG=de_DE.UTF-8 and under
// LANG=C. Guards against: a text shown untranslated or translated under C,
// the wrong plural on the count line, Qt's standard buttons left in English,
// and a translation or the locale's number format leaking into the store.
#include "app/translations.h"
#include "fakedesktop.h"
#include "storefile.h"
#include "ui/mainwindow.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

namespace
{

// One note; the texts the window shows before and after adding a second note
// under the title it offers, and those of the flush box; then the store.
QStringList run(StoreFile &file)
{
    file.seed(numberedNotes(1), 9.75f, 12);
    FakeDesktop desktop;
    desktop.whileOpen = [&desktop] {
        desktop.typedTexts = {desktop.asked.value(0).section('|', 2)};
    };
    Session session(file.path());
    MainWindow window(session, &desktop);
    window.show();
    const auto count = [&window] { return window.findChild<QLabel *>("Label1")->text(); };
    QStringList texts = {count(), window.findChild<QWidget *>("but3")->toolTip()};
    window.findChild<QPlainTextEdit *>("maintextbox")
        ->setPlainText("Größe 9,75 und 1.000 Zeichen, über dem Rand");
    QTest::mouseClick(window.findChild<QWidget *>("but3"), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QWidget *>("icons2"), Qt::LeftButton);
    window.close();
    return texts << count() << desktop.messages.value(0).title << desktop.messages.value(0).text;
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

    std::optional<Translations> m_translations{std::in_place};
    const bool m_german = qEnvironmentVariable("LANG").startsWith(QLatin1String("de"));

    QString expected(const char *english, const char *german) const
    {
        return QString::fromUtf8(m_german ? german : english);
    }

private slots:
    // The texts follow the language; what is stored is the same as under C
    // with no translation.
    void textsFollowTheLanguageTheStoreDoesNot()
    {
        StoreFile native, c;
        QCOMPARE(run(native),
                 QStringList({expected("Listing 1 of 1 note(s)", "1 von 1 Notiz"),
                              expected("Add new note", "Neue Notiz hinzufügen"),
                              expected("Listing 2 of 2 note(s)", "2 von 2 Notizen"),
                              expected("Flush all notes", "Alle Notizen löschen"),
                              expected("This will permanently remove all the notes from the "
                                       "list. Are you sure?",
                                       "Damit werden alle Notizen endgültig aus der Liste "
                                       "entfernt. Sind Sie sicher?")}));
        QMessageBox box;
        QCOMPARE(box.addButton(QMessageBox::Cancel)->text(), expected("Cancel", "Abbrechen"));
        m_translations.reset();
        QLocale::setDefault(QLocale::c());
        run(c);
        QCOMPARE(native.rows(), c.rows());
        QVERIFY(c.rows().contains("qbxlm120|general|mainlistsize|9.75"));
    }
};

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
