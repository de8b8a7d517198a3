<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Quillbox</source>
        <translation>Über Quillbox</translation>
    </message>
    <message>
        <source>VERSION %1</source>
        <translation>VERSION %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>the disk is full; free some space and try again</source>
        <translation>der Datenträger ist voll; geben Sie Speicherplatz frei und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>a file cannot be written in %1 (%2)</source>
        <translation>in %1 kann keine Datei geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is no sound notes store; it may be damaged or another program&apos;s file</source>
        <translation>das ist kein intakter Notizspeicher; die Datei ist vielleicht beschädigt oder gehört einem anderen Programm</translation>
    </message>
    <message>
        <source>the backup %1 was made, but the older %2 could not be removed (%3)</source>
        <translation>die Sicherung %1 wurde angelegt, aber die ältere %2 konnte nicht entfernt werden (%3)</translation>
    </message>
    <message>
        <source>%1 was not restored: %2. The notes store %3 is unchanged.</source>
        <translation>%1 wurde nicht wiederhergestellt: %2. Der Notizspeicher %3 ist unverändert.</translation>
    </message>
    <message>
        <source>the store cannot be moved aside (%1)</source>
        <translation>der Speicher kann nicht beiseitegelegt werden (%1)</translation>
    </message>
    <message>
        <source>The notes of %1 are now in the notes store %2.</source>
        <translation>Die Notizen aus %1 liegen jetzt im Notizspeicher %2.</translation>
    </message>
    <message>
        <source>The notes of %1 are now in the notes store %2. The store as it was before is kept as %3.</source>
        <translation>Die Notizen aus %1 liegen jetzt im Notizspeicher %2. Der Speicher, wie er vorher war, wird als %3 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quillbox answered in a way this start does not understand.</source>
        <translation>Quillbox hat auf eine Weise geantwortet, die dieser Start nicht versteht.</translation>
    </message>
    <message>
        <source>Quillbox is running but does not answer; try again when it does.</source>
        <translation>Quillbox läuft, antwortet aber nicht; versuchen Sie es erneut, sobald es antwortet.</translation>
    </message>
    <message>
        <source>A small desktop notes keeper: one narrow window at the side of the screen.
The notes are kept in $XDG_CONFIG_HOME/quillbox/settings.db.</source>
        <translation>Ein kleines Notizprogramm für den Desktop: ein schmales Fenster am Bildschirmrand.
Die Notizen liegen in $XDG_CONFIG_HOME/quillbox/settings.db.</translation>
    </message>
    <message>
        <source>Bring the running Quillbox to the front, or minimise it when it is the active window; start it when none runs.</source>
        <translation>Holt das laufende Quillbox in den Vordergrund oder minimiert es, wenn es das aktive Fenster ist; startet es, wenn keines läuft.</translation>
    </message>
    <message>
        <source>Write every note into &lt;folder&gt; as a text file, with an index of their titles and order; an earlier export there is brought up to date.</source>
        <translation>Schreibt jede Notiz als Textdatei in &lt;Ordner&gt;, mit einem Index ihrer Titel und ihrer Reihenfolge; ein früherer Export dort wird auf den neuesten Stand gebracht.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Add the notes of &lt;folder&gt; (an export, or plain .txt files) after those held.</source>
        <translation>Fügt die Notizen aus &lt;Ordner&gt; (einem Export oder einfachen .txt-Dateien) hinter den vorhandenen an.</translation>
    </message>
    <message>
        <source>Put &lt;backup&gt; (from the backups folder beside the notes store) in the store&apos;s place, keeping the store beside it; Quillbox must not be running.</source>
        <translation>Setzt &lt;Sicherung&gt; (aus dem Sicherungsordner neben dem Notizspeicher) an die Stelle des Speichers und bewahrt den Speicher daneben auf; Quillbox darf dabei nicht laufen.</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Give one of --toggle, --export, --import and --restore at a time.</source>
        <translation>Geben Sie jeweils nur eine der Optionen --toggle, --export, --import und --restore an.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;quillbox --help&apos; for more information.</source>
        <translation>Weitere Informationen erhalten Sie mit „quillbox --help“.</translation>
    </message>
</context>
<context>
    <name>FontSizeMenu</name>
    <message>
        <source>%1 Pt</source>
        <translation>%1 pt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Changes not saved: %1</source>
        <translation>Änderungen nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>All changes saved</source>
        <translation>Alle Änderungen gespeichert</translation>
    </message>
    <message>
        <source>Dock Quillbox to the left of the screen</source>
        <translation>Quillbox am linken Bildschirmrand andocken</translation>
    </message>
    <message>
        <source>Dock Quillbox to the right of the screen</source>
        <translation>Quillbox am rechten Bildschirmrand andocken</translation>
    </message>
    <message>
        <source>Change font size</source>
        <translation>Schriftgröße ändern</translation>
    </message>
    <message>
        <source>Flush all notes</source>
        <translation>Alle Notizen löschen</translation>
    </message>
    <message>
        <source>Show all notes</source>
        <translation>Alle Notizen anzeigen</translation>
    </message>
    <message>
        <source>About Quillbox</source>
        <translation>Über Quillbox</translation>
    </message>
    <message>
        <source>Exit Quillbox</source>
        <translation>Quillbox beenden</translation>
    </message>
    <message>
        <source>Clear Note</source>
        <translation>Notiz leeren</translation>
    </message>
    <message>
        <source>Update Note</source>
        <translation>Notiz aktualisieren</translation>
    </message>
    <message>
        <source>Delete Note</source>
        <translation>Notiz löschen</translation>
    </message>
    <message>
        <source>Add new note</source>
        <translation>Neue Notiz hinzufügen</translation>
    </message>
    <message>
        <source>Add note from clipboard</source>
        <translation>Notiz aus der Zwischenablage hinzufügen</translation>
    </message>
    <message>
        <source>Copy note to clipboard</source>
        <translation>Notiz in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Suchtext</translation>
    </message>
    <message>
        <source>Shortcut: Return in the search text</source>
        <translation>Tastenkürzel: Eingabetaste im Suchtext</translation>
    </message>
    <message>
        <source>Note titles</source>
        <translation>Notiztitel</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Notiztext</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Notes not read yet: %1</source>
        <translation>Notizen noch nicht gelesen: %1</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Undo history not saved: %1</source>
        <translation>Verlauf zum Rückgängigmachen nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Today&apos;s backup of the notes was not made: %1</source>
        <translation>Die heutige Sicherung der Notizen wurde nicht angelegt: %1</translation>
    </message>
    <message>
        <source>Quillbox is busy with an undo; try again.</source>
        <translation>Quillbox macht gerade etwas rückgängig; versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Quillbox has not read its notes yet; try again later.</source>
        <translation>Quillbox hat seine Notizen noch nicht gelesen; versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Nothing can be undone or redone while changes are not saved.</source>
        <translation>Solange Änderungen nicht gespeichert sind, lässt sich nichts rückgängig machen oder wiederherstellen.</translation>
    </message>
    <message>
        <source>The undo history could not be used: %1</source>
        <translation>Der Verlauf zum Rückgängigmachen konnte nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Dropped the text typed for &quot;%1&quot;.</source>
        <translation>Für „%1“ eingegebenen Text verworfen.</translation>
    </message>
    <message>
        <source>Dropped the text typed in the box.</source>
        <translation>Im Textfeld eingegebenen Text verworfen.</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message numerus="yes">
        <source>Listing %1 of %n note(s)</source>
        <translation>
            <numerusform>%1 von %n Notiz</numerusform>
            <numerusform>%1 von %n Notizen</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to search!</source>
        <translation>Nichts zu suchen!</translation>
    </message>
    <message>
        <source>No notes found containing the text &apos;%1&apos;</source>
        <translation>Keine Notizen mit dem Text „%1“ gefunden</translation>
    </message>
    <message numerus="yes">
        <source>Found %n notes containing the text &apos;%1&apos;</source>
        <translation>
            <numerusform>%n Notiz mit dem Text „%1“ gefunden</numerusform>
            <numerusform>%n Notizen mit dem Text „%1“ gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t insert blank note!</source>
        <translation>Eine leere Notiz kann nicht hinzugefügt werden!</translation>
    </message>
    <message>
        <source>Insert note</source>
        <translation>Notiz hinzufügen</translation>
    </message>
    <message>
        <source>Enter title of note</source>
        <translation>Titel der Notiz eingeben</translation>
    </message>
    <message>
        <source>Can&apos;t update a blank note!</source>
        <translation>Eine leere Notiz kann nicht aktualisiert werden!</translation>
    </message>
    <message>
        <source>&apos;%1&apos; Updated!</source>
        <translation>„%1“ aktualisiert!</translation>
    </message>
    <message>
        <source>Change title</source>
        <translation>Titel ändern</translation>
    </message>
    <message>
        <source>Change title of note</source>
        <translation>Titel der Notiz ändern</translation>
    </message>
    <message>
        <source>Flush all notes</source>
        <translation>Alle Notizen löschen</translation>
    </message>
    <message>
        <source>This will permanently remove all the notes from the list. Are you sure?</source>
        <translation>Damit werden alle Notizen endgültig aus der Liste entfernt. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Note copied to clipboard</source>
        <translation>Notiz in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Too many notes. You can only insert up to %1 notes.</source>
        <translation>Zu viele Notizen. Sie können höchstens %1 Notizen anlegen.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;.</source>
        <translation>„%1“ hinzugefügt.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot; from the clipboard.</source>
        <translation>„%1“ aus der Zwischenablage hinzugefügt.</translation>
    </message>
    <message>
        <source>Renamed &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>„%1“ in „%2“ umbenannt.</translation>
    </message>
    <message>
        <source>Deleted &quot;%1&quot;.</source>
        <translation>„%1“ gelöscht.</translation>
    </message>
    <message numerus="yes">
        <source>Flushed %n note(s).</source>
        <translation>
            <numerusform>%n Notiz gelöscht.</numerusform>
            <numerusform>%n Notizen gelöscht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n note(s) from %1.</source>
        <translation>
            <numerusform>%n Notiz aus %1 importiert.</numerusform>
            <numerusform>%n Notizen aus %1 importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) left out: Quillbox holds at most %1 notes.</source>
        <translation>
            <numerusform>%n Notiz ausgelassen: Quillbox fasst höchstens %1 Notizen.</numerusform>
            <numerusform>%n Notizen ausgelassen: Quillbox fasst höchstens %1 Notizen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
</context>
<context>
    <name>NoteFolder</name>
    <message>
        <source>the disk is full; free some space and try again</source>
        <translation>der Datenträger ist voll; geben Sie Speicherplatz frei und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>note %1 &quot;%2&quot; (%3): %4</source>
        <translation>Notiz %1 „%2“ (%3): %4</translation>
    </message>
    <message>
        <source>no folder was given to export into</source>
        <translation>es wurde kein Ordner für den Export angegeben</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>%1 is no index this program can read (damaged, or made by a later version); export into a new folder</source>
        <translation>%1 ist kein Index, den dieses Programm lesen kann (beschädigt oder von einer neueren Version angelegt); exportieren Sie in einen neuen Ordner</translation>
    </message>
    <message>
        <source>%1 holds files this program did not write; export into an empty or new folder</source>
        <translation>%1 enthält Dateien, die dieses Programm nicht geschrieben hat; exportieren Sie in einen leeren oder neuen Ordner</translation>
    </message>
    <message>
        <source>holds text UTF-8 cannot hold (a lone surrogate), written as U+FFFD</source>
        <translation>enthält Text, den UTF-8 nicht darstellen kann (ein einzelnes Surrogat), als U+FFFD geschrieben</translation>
    </message>
    <message>
        <source>%1 holds %2, which this program did not write, where note %3 goes; move it away</source>
        <translation>in %1 steht an der Stelle von Notiz %3 die Datei %2, die dieses Programm nicht geschrieben hat; verschieben Sie sie</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>in %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>could not be removed</source>
        <translation>konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>%1; an import would read the notes exported before</source>
        <translation>%1; ein Import würde die zuvor exportierten Notizen lesen</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n note(s) to %1.</source>
        <translation>
            <numerusform>%n Notiz nach %1 exportiert.</numerusform>
            <numerusform>%n Notizen nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n note(s) to %2.</source>
        <translation>
            <numerusform>%1 von %n Notiz nach %2 exportiert.</numerusform>
            <numerusform>%1 von %n Notizen nach %2 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no folder %1</source>
        <translation>es gibt keinen Ordner %1</translation>
    </message>
    <message>
        <source>%1 is no index this program can read (damaged, or made by a later version)</source>
        <translation>%1 ist kein Index, den dieses Programm lesen kann (beschädigt oder von einer neueren Version angelegt)</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>is larger than %1 MiB, too large for a note</source>
        <translation>ist größer als %1 MiB, zu groß für eine Notiz</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>ist kein UTF-8-Text</translation>
    </message>
    <message numerus="yes">
        <source>Read %n note(s) from %1.</source>
        <translation>
            <numerusform>%n Notiz aus %1 gelesen.</numerusform>
            <numerusform>%n Notizen aus %1 gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more left out: there is no room for them.</source>
        <translation>
            <numerusform>%n weitere ausgelassen: Dafür ist kein Platz.</numerusform>
            <numerusform>%n weitere ausgelassen: Dafür ist kein Platz.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureButton</name>
    <message>
        <source>Shortcut: %1</source>
        <translation>Tastenkürzel: %1</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>a file stands where the folder %1 should be; move it away</source>
        <translation>an der Stelle des Ordners %1 steht eine Datei; verschieben Sie sie</translation>
    </message>
    <message>
        <source>the folder %1 cannot be reached (%2)</source>
        <translation>der Ordner %1 ist nicht erreichbar (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created because its parent folder is read-only</source>
        <translation>der Ordner %1 kann nicht angelegt werden, weil sein übergeordneter Ordner schreibgeschützt ist</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created (%2)</source>
        <translation>der Ordner %1 kann nicht angelegt werden (%2)</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Docking needs X11: log in to an X11 session, or install XWayland, and start Quillbox again.</source>
        <translation>Andocken braucht X11: Melden Sie sich in einer X11-Sitzung an oder installieren Sie XWayland, und starten Sie Quillbox neu.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The notes store %1 was damaged and has been kept aside as %2. Quillbox starts with no notes.</source>
        <translation>Der Notizspeicher %1 war beschädigt und wurde als %2 beiseitegelegt. Quillbox startet ohne Notizen.</translation>
    </message>
    <message>
        <source>The notes store %1 was damaged. It is kept as %2, and your notes are kept in a new store from now on.</source>
        <translation>Der Notizspeicher %1 war beschädigt. Er wird als %2 aufbewahrt, und Ihre Notizen liegen ab jetzt in einem neuen Speicher.</translation>
    </message>
    <message>
        <source>Another program changed the notes store %1 while Quillbox ran. That file is kept as %2, and the notes Quillbox shows are kept in a new store.</source>
        <translation>Ein anderes Programm hat den Notizspeicher %1 geändert, während Quillbox lief. Diese Datei wird als %2 aufbewahrt, und die Notizen, die Quillbox anzeigt, liegen in einem neuen Speicher.</translation>
    </message>
    <message>
        <source>Quillbox could not save your notes to %1: %2.</source>
        <translation>Quillbox konnte Ihre Notizen nicht in %1 speichern: %2.</translation>
    </message>
    <message>
        <source>Quillbox cannot read its notes store %1: %2.
It keeps trying, and shows your notes as soon as it can read them; until then nothing can be changed.</source>
        <translation>Quillbox kann seinen Notizspeicher %1 nicht lesen: %2.
Es versucht es weiter und zeigt Ihre Notizen, sobald es sie lesen kann; bis dahin lässt sich nichts ändern.</translation>
    </message>
    <message>
        <source>The newest backup is %1. To put it back, close Quillbox and run:
    quillbox --restore %1</source>
        <translation>Die neueste Sicherung ist %1. Um sie zurückzuholen, schließen Sie Quillbox und führen Sie aus:
    quillbox --restore %1</translation>
    </message>
    <message>
        <source>the notes have changed since</source>
        <translation>die Notizen haben sich seitdem geändert</translation>
    </message>
    <message>
        <source>The notes store %1 was removed while Quillbox ran; Quillbox made it anew with the notes it shows.</source>
        <translation>Der Notizspeicher %1 wurde entfernt, während Quillbox lief; Quillbox hat ihn mit den angezeigten Notizen neu angelegt.</translation>
    </message>
    <message>
        <source>the store must be set aside, and cannot be: %1</source>
        <translation>der Speicher muss beiseitegelegt werden, was nicht möglich ist: %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>These notes could not be read in full: %1.</source>
        <translation>Diese Notizen konnten nicht vollständig gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The notes store %1 held texts Quillbox does not show (notes past its count of notes, past the limit of 500, or under keys of another spelling). That file is kept as %2, and the notes Quillbox shows are kept in a new store.</source>
        <translation>Der Notizspeicher %1 enthielt Texte, die Quillbox nicht anzeigt (Notizen jenseits seiner Notizanzahl, jenseits der Grenze von 500 oder unter Schlüsseln anderer Schreibweise). Diese Datei wird als %2 aufbewahrt, und die Notizen, die Quillbox anzeigt, liegen in einem neuen Speicher.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the store is locked by another program; close the other program and try again</source>
        <translation>der Speicher ist von einem anderen Programm gesperrt; schließen Sie das andere Programm und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the store is read-only; check the permissions of the file and its folder</source>
        <translation>der Speicher ist schreibgeschützt; prüfen Sie die Berechtigungen der Datei und ihres Ordners</translation>
    </message>
    <message>
        <source>the folder is read-only, so the store cannot write its journal there</source>
        <translation>der Ordner ist schreibgeschützt, daher kann der Speicher dort sein Journal nicht schreiben</translation>
    </message>
    <message>
        <source>the disk is full; free some space and try again</source>
        <translation>der Datenträger ist voll; geben Sie Speicherplatz frei und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>der Datenträger hat einen Fehler gemeldet (%1)</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>der Datenträger hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>the store is damaged</source>
        <translation>der Speicher ist beschädigt</translation>
    </message>
    <message>
        <source>the computer ran out of memory</source>
        <translation>dem Computer ist der Arbeitsspeicher ausgegangen</translation>
    </message>
    <message>
        <source>the store refused the change (%1)</source>
        <translation>der Speicher hat die Änderung abgelehnt (%1)</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>a file beside the store cannot be opened (%1)</source>
        <translation>eine Datei neben dem Speicher lässt sich nicht öffnen (%1)</translation>
    </message>
    <message>
        <source>the store is not open</source>
        <translation>der Speicher ist nicht geöffnet</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>a folder stands where the file should be; move or remove that folder</source>
        <translation>an der Stelle der Datei steht ein Ordner; verschieben oder entfernen Sie diesen Ordner</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>the file may not be read; check its permissions</source>
        <translation>die Datei darf nicht gelesen werden; prüfen Sie ihre Berechtigungen</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Quillbox cannot open its lock file %1 (%2). Make sure that file can be created and written, then start Quillbox again.</source>
        <translation>Quillbox kann seine Sperrdatei %1 nicht öffnen (%2). Sorgen Sie dafür, dass diese Datei angelegt und geschrieben werden kann, und starten Sie Quillbox dann erneut.</translation>
    </message>
    <message>
        <source>Quillbox cannot lock its lock file %1 (%2). That drive may not offer file locks; keep the notes on a local drive (set XDG_CONFIG_HOME to a folder there), then start Quillbox again.</source>
        <translation>Quillbox kann seine Sperrdatei %1 nicht sperren (%2). Dieses Laufwerk bietet vielleicht keine Dateisperren; legen Sie die Notizen auf ein lokales Laufwerk (setzen Sie XDG_CONFIG_HOME auf einen Ordner dort) und starten Sie Quillbox dann erneut.</translation>
    </message>
    <message>
        <source>Without the lock a second Quillbox could overwrite the notes, so this one does not start.</source>
        <translation>Ohne die Sperre könnte ein zweites Quillbox die Notizen überschreiben, daher startet dieses nicht.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Shortcut: %1</source>
        <translation>Tastenkürzel: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillbox is already running but does not answer. Close it, or end it if it hangs, and start Quillbox again.</source>
        <translation>Quillbox läuft bereits, antwortet aber nicht. Schließen Sie es, oder beenden Sie es, falls es hängt, und starten Sie Quillbox erneut.</translation>
    </message>
    <message>
        <source>Quillbox has not read its notes yet; try again later.</source>
        <translation>Quillbox hat seine Notizen noch nicht gelesen; versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Quillbox could not save all its changes to its store; the export holds them nonetheless.</source>
        <translation>Quillbox konnte nicht alle Änderungen in seinen Speicher schreiben; der Export enthält sie trotzdem.</translation>
    </message>
    <message>
        <source>The notes to import did not arrive whole.</source>
        <translation>Die zu importierenden Notizen sind nicht vollständig angekommen.</translation>
    </message>
    <message>
        <source>Quillbox is running: close it first, then restore the backup.</source>
        <translation>Quillbox läuft: Schließen Sie es zuerst und stellen Sie dann die Sicherung wieder her.</translation>
    </message>
</context>
</TS>
