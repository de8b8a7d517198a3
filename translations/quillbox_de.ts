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
        <source>Quillbox keeps your changes and saves them with the next change, or when it closes.</source>
        <translation>Quillbox behält Ihre Änderungen und speichert sie mit der nächsten Änderung oder beim Schließen.</translation>
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
        <source>Quillbox could not save your notes to %1: %2</source>
        <translation>Quillbox konnte Ihre Notizen nicht in %1 speichern: %2</translation>
    </message>
    <message>
        <source>Quillbox cannot open its notes store %1: %2
It starts with no notes; saving will be tried again when it closes.</source>
        <translation>Quillbox kann seinen Notizspeicher %1 nicht öffnen: %2
Es startet ohne Notizen; das Speichern wird beim Schließen erneut versucht.</translation>
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
        <source>a file beside the store cannot be opened</source>
        <translation>eine Datei neben dem Speicher lässt sich nicht öffnen</translation>
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
        <source>Could not read the settings store %1: %2.</source>
        <translation>Der Einstellungsspeicher %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Could not write the settings store %1: %2.</source>
        <translation>In den Einstellungsspeicher %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Could not save the settings store %1: %2.</source>
        <translation>Der Einstellungsspeicher %1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Could not use the settings store %1: %2.</source>
        <translation>Der Einstellungsspeicher %1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: %2.</source>
        <translation>Der Einstellungsspeicher %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Could not create the settings store %1: %2.</source>
        <translation>Der Einstellungsspeicher %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Could not open the settings store: no file name was given.</source>
        <translation>Der Einstellungsspeicher konnte nicht geöffnet werden: Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: a folder stands where the file should be; move or remove that folder.</source>
        <translation>Der Einstellungsspeicher %1 konnte nicht geöffnet werden: An der Stelle der Datei steht ein Ordner; verschieben oder entfernen Sie diesen Ordner.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: it is not a plain file.</source>
        <translation>Der Einstellungsspeicher %1 konnte nicht geöffnet werden: Er ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Could not create the settings store %1: the folder is read-only.</source>
        <translation>Der Einstellungsspeicher %1 konnte nicht angelegt werden: Der Ordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: the file may not be read; check its permissions.</source>
        <translation>Der Einstellungsspeicher %1 konnte nicht geöffnet werden: Die Datei darf nicht gelesen werden; prüfen Sie ihre Berechtigungen.</translation>
    </message>
    <message>
        <source>Could not make a new settings store %1.</source>
        <translation>Es konnte kein neuer Einstellungsspeicher %1 angelegt werden.</translation>
    </message>
    <message>
        <source>Could not use the settings store %1: the store is damaged.</source>
        <translation>Der Einstellungsspeicher %1 kann nicht verwendet werden: Der Speicher ist beschädigt.</translation>
    </message>
    <message>
        <source>Could not create a new settings store %1 after setting the damaged one aside as %2: %3.</source>
        <translation>Nachdem der beschädigte Speicher als %2 beiseitegelegt wurde, konnte kein neuer Einstellungsspeicher %1 angelegt werden: %3.</translation>
    </message>
    <message>
        <source>Could not create the settings store %1: the file is read-only.</source>
        <translation>Der Einstellungsspeicher %1 konnte nicht angelegt werden: Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The settings store %1 is damaged and could not be set aside: %2.</source>
        <translation>Der Einstellungsspeicher %1 ist beschädigt und konnte nicht beiseitegelegt werden: %2.</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A small desktop notes keeper: one narrow window at the side of the screen.
The notes are kept in $XDG_CONFIG_HOME/quillbox/settings.db.</source>
        <translation>Ein kleines Notizprogramm für den Desktop: ein schmales Fenster am Bildschirmrand.
Die Notizen liegen in $XDG_CONFIG_HOME/quillbox/settings.db.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;quillbox --help&apos; for more information.</source>
        <translation>Weitere Informationen erhalten Sie mit „quillbox --help“.</translation>
    </message>
    <message>
        <source>Quillbox is already running but does not answer. Close it, or end it if it hangs, and start Quillbox again.</source>
        <translation>Quillbox läuft bereits, antwortet aber nicht. Schließen Sie es, oder beenden Sie es, falls es hängt, und starten Sie Quillbox erneut.</translation>
    </message>
</context>
</TS>
