<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Quillbox</source>
        <translation>À propos de Quillbox</translation>
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
        <translation>le disque est plein ; libérez de la place et réessayez</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>le dossier %1 est en lecture seule</translation>
    </message>
    <message>
        <source>a file cannot be written in %1 (%2)</source>
        <translation>un fichier ne peut pas être écrit dans %1 (%2)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>le fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is no sound notes store; it may be damaged or another program&apos;s file</source>
        <translation>ce n’est pas un stockage de notes sain ; le fichier est peut-être endommagé ou appartient à un autre programme</translation>
    </message>
    <message>
        <source>the backup %1 was made, but the older %2 could not be removed (%3)</source>
        <translation>la sauvegarde %1 a été faite, mais l’ancienne %2 n’a pas pu être supprimée (%3)</translation>
    </message>
    <message>
        <source>%1 was not restored: %2. The notes store %3 is unchanged.</source>
        <translation>%1 n’a pas été restauré : %2. Le stockage des notes %3 est inchangé.</translation>
    </message>
    <message>
        <source>the store cannot be moved aside (%1)</source>
        <translation>le stockage ne peut pas être mis de côté (%1)</translation>
    </message>
    <message>
        <source>The notes of %1 are now in the notes store %2.</source>
        <translation>Les notes de %1 sont maintenant dans le stockage des notes %2.</translation>
    </message>
    <message>
        <source>The notes of %1 are now in the notes store %2. The store as it was before is kept as %3.</source>
        <translation>Les notes de %1 sont maintenant dans le stockage des notes %2. Le stockage tel qu’il était avant est conservé sous le nom %3.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quillbox answered in a way this start does not understand.</source>
        <translation>Quillbox a répondu d’une façon que ce lancement ne comprend pas.</translation>
    </message>
    <message>
        <source>Quillbox is running but does not answer; try again when it does.</source>
        <translation>Quillbox est lancé mais ne répond pas ; réessayez lorsqu’il répondra.</translation>
    </message>
    <message>
        <source>A small desktop notes keeper: one narrow window at the side of the screen.
The notes are kept in $XDG_CONFIG_HOME/quillbox/settings.db.</source>
        <translation>Un petit gestionnaire de notes pour le bureau : une fenêtre étroite au bord de l’écran.
Les notes sont conservées dans $XDG_CONFIG_HOME/quillbox/settings.db.</translation>
    </message>
    <message>
        <source>Bring the running Quillbox to the front, or minimise it when it is the active window; start it when none runs.</source>
        <translation>Mettre au premier plan le Quillbox lancé, ou le réduire lorsqu’il est la fenêtre active ; le lancer si aucun n’est lancé.</translation>
    </message>
    <message>
        <source>Write every note into &lt;folder&gt; as a text file, with an index of their titles and order; an earlier export there is brought up to date.</source>
        <translation>Écrire chaque note dans &lt;dossier&gt; sous forme de fichier texte, avec un index de leurs titres et de leur ordre ; un export précédent à cet endroit est mis à jour.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Add the notes of &lt;folder&gt; (an export, or plain .txt files) after those held.</source>
        <translation>Ajouter les notes de &lt;dossier&gt; (un export, ou de simples fichiers .txt) après celles déjà présentes.</translation>
    </message>
    <message>
        <source>Put &lt;backup&gt; (from the backups folder beside the notes store) in the store&apos;s place, keeping the store beside it; Quillbox must not be running.</source>
        <translation>Mettre &lt;sauvegarde&gt; (du dossier des sauvegardes, à côté du stockage des notes) à la place du stockage, en conservant le stockage à côté ; Quillbox ne doit pas être lancé.</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>sauvegarde</translation>
    </message>
    <message>
        <source>Give one of --toggle, --export, --import and --restore at a time.</source>
        <translation>Donnez une seule des options --toggle, --export, --import et --restore à la fois.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Try &apos;quillbox --help&apos; for more information.</source>
        <translation>Essayez « quillbox --help » pour plus d’informations.</translation>
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
        <translation>Modifications non enregistrées : %1</translation>
    </message>
    <message>
        <source>All changes saved</source>
        <translation>Toutes les modifications sont enregistrées</translation>
    </message>
    <message>
        <source>Dock Quillbox to the left of the screen</source>
        <translation>Ancrer Quillbox à gauche de l’écran</translation>
    </message>
    <message>
        <source>Dock Quillbox to the right of the screen</source>
        <translation>Ancrer Quillbox à droite de l’écran</translation>
    </message>
    <message>
        <source>Change font size</source>
        <translation>Changer la taille de la police</translation>
    </message>
    <message>
        <source>Flush all notes</source>
        <translation>Supprimer toutes les notes</translation>
    </message>
    <message>
        <source>Show all notes</source>
        <translation>Afficher toutes les notes</translation>
    </message>
    <message>
        <source>About Quillbox</source>
        <translation>À propos de Quillbox</translation>
    </message>
    <message>
        <source>Exit Quillbox</source>
        <translation>Quitter Quillbox</translation>
    </message>
    <message>
        <source>Clear Note</source>
        <translation>Effacer la note</translation>
    </message>
    <message>
        <source>Update Note</source>
        <translation>Mettre à jour la note</translation>
    </message>
    <message>
        <source>Delete Note</source>
        <translation>Supprimer la note</translation>
    </message>
    <message>
        <source>Add new note</source>
        <translation>Ajouter une nouvelle note</translation>
    </message>
    <message>
        <source>Add note from clipboard</source>
        <translation>Ajouter une note depuis le presse-papiers</translation>
    </message>
    <message>
        <source>Copy note to clipboard</source>
        <translation>Copier la note dans le presse-papiers</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Texte recherché</translation>
    </message>
    <message>
        <source>Shortcut: Return in the search text</source>
        <translation>Raccourci : Entrée dans le texte recherché</translation>
    </message>
    <message>
        <source>Note titles</source>
        <translation>Titres des notes</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Texte de la note</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Notes not read yet: %1</source>
        <translation>Notes pas encore lues : %1</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Undo history not saved: %1</source>
        <translation>Historique d’annulation non enregistré : %1</translation>
    </message>
    <message>
        <source>Today&apos;s backup of the notes was not made: %1</source>
        <translation>La sauvegarde des notes du jour n’a pas été faite : %1</translation>
    </message>
    <message>
        <source>Quillbox is busy with an undo; try again.</source>
        <translation>Quillbox est occupé par une annulation ; réessayez.</translation>
    </message>
    <message>
        <source>Quillbox has not read its notes yet; try again later.</source>
        <translation>Quillbox n’a pas encore lu ses notes ; réessayez plus tard.</translation>
    </message>
    <message>
        <source>Nothing can be undone or redone while changes are not saved.</source>
        <translation>Rien ne peut être annulé ni rétabli tant que des modifications ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>The undo history could not be used: %1</source>
        <translation>L’historique d’annulation n’a pas pu être utilisé : %1</translation>
    </message>
    <message>
        <source>Dropped the text typed for &quot;%1&quot;.</source>
        <translation>Texte saisi pour « %1 » abandonné.</translation>
    </message>
    <message>
        <source>Dropped the text typed in the box.</source>
        <translation>Texte saisi dans la zone abandonné.</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message numerus="yes">
        <source>Listing %1 of %n note(s)</source>
        <translation>
            <numerusform>%1 sur %n note</numerusform>
            <numerusform>%1 sur %n notes</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to search!</source>
        <translation>Rien à rechercher !</translation>
    </message>
    <message>
        <source>No notes found containing the text &apos;%1&apos;</source>
        <translation>Aucune note ne contient le texte « %1 »</translation>
    </message>
    <message numerus="yes">
        <source>Found %n notes containing the text &apos;%1&apos;</source>
        <translation>
            <numerusform>%n note trouvée contenant le texte « %1 »</numerusform>
            <numerusform>%n notes trouvées contenant le texte « %1 »</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t insert blank note!</source>
        <translation>Impossible d’ajouter une note vide !</translation>
    </message>
    <message>
        <source>Insert note</source>
        <translation>Ajouter une note</translation>
    </message>
    <message>
        <source>Enter title of note</source>
        <translation>Saisissez le titre de la note</translation>
    </message>
    <message>
        <source>Can&apos;t update a blank note!</source>
        <translation>Impossible de mettre à jour une note vide !</translation>
    </message>
    <message>
        <source>&apos;%1&apos; Updated!</source>
        <translation>« %1 » mise à jour !</translation>
    </message>
    <message>
        <source>Change title</source>
        <translation>Changer le titre</translation>
    </message>
    <message>
        <source>Change title of note</source>
        <translation>Changer le titre de la note</translation>
    </message>
    <message>
        <source>Flush all notes</source>
        <translation>Supprimer toutes les notes</translation>
    </message>
    <message>
        <source>This will permanently remove all the notes from the list. Are you sure?</source>
        <translation>Toutes les notes seront définitivement supprimées de la liste. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Note copied to clipboard</source>
        <translation>Note copiée dans le presse-papiers</translation>
    </message>
    <message>
        <source>Too many notes. You can only insert up to %1 notes.</source>
        <translation>Trop de notes. Vous ne pouvez en ajouter que %1 au plus.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;.</source>
        <translation>« %1 » ajoutée.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot; from the clipboard.</source>
        <translation>« %1 » ajoutée depuis le presse-papiers.</translation>
    </message>
    <message>
        <source>Renamed &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>« %1 » renommée en « %2 ».</translation>
    </message>
    <message>
        <source>Deleted &quot;%1&quot;.</source>
        <translation>« %1 » supprimée.</translation>
    </message>
    <message numerus="yes">
        <source>Flushed %n note(s).</source>
        <translation>
            <numerusform>%n note supprimée.</numerusform>
            <numerusform>%n notes supprimées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n note(s) from %1.</source>
        <translation>
            <numerusform>%n note importée depuis %1.</numerusform>
            <numerusform>%n notes importées depuis %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) left out: Quillbox holds at most %1 notes.</source>
        <translation>
            <numerusform>%n note laissée de côté : Quillbox conserve au plus %1 notes.</numerusform>
            <numerusform>%n notes laissées de côté : Quillbox conserve au plus %1 notes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rétabli : %1</translation>
    </message>
</context>
<context>
    <name>NoteFolder</name>
    <message>
        <source>the disk is full; free some space and try again</source>
        <translation>le disque est plein ; libérez de la place et réessayez</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>note %1 &quot;%2&quot; (%3): %4</source>
        <translation>note %1 « %2 » (%3) : %4</translation>
    </message>
    <message>
        <source>no folder was given to export into</source>
        <translation>aucun dossier n’a été donné pour l’export</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>%1 is no index this program can read (damaged, or made by a later version); export into a new folder</source>
        <translation>%1 n’est pas un index que ce programme sait lire (endommagé, ou créé par une version plus récente) ; exportez dans un nouveau dossier</translation>
    </message>
    <message>
        <source>%1 holds files this program did not write; export into an empty or new folder</source>
        <translation>%1 contient des fichiers que ce programme n’a pas écrits ; exportez dans un dossier vide ou nouveau</translation>
    </message>
    <message>
        <source>holds text UTF-8 cannot hold (a lone surrogate), written as U+FFFD</source>
        <translation>contient du texte que UTF-8 ne peut pas représenter (un substitut isolé), écrit comme U+FFFD</translation>
    </message>
    <message>
        <source>%1 holds %2, which this program did not write, where note %3 goes; move it away</source>
        <translation>%1 contient %2, que ce programme n’a pas écrit, à la place de la note %3 ; déplacez-le</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>impossible d’écrire dans %1 : %2</translation>
    </message>
    <message>
        <source>could not be removed</source>
        <translation>n’a pas pu être supprimé</translation>
    </message>
    <message>
        <source>%1; an import would read the notes exported before</source>
        <translation>%1 ; un import lirait les notes exportées auparavant</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n note(s) to %1.</source>
        <translation>
            <numerusform>%n note exportée dans %1.</numerusform>
            <numerusform>%n notes exportées dans %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n note(s) to %2.</source>
        <translation>
            <numerusform>%1 sur %n note exportée dans %2.</numerusform>
            <numerusform>%1 sur %n notes exportées dans %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no folder %1</source>
        <translation>le dossier %1 n’existe pas</translation>
    </message>
    <message>
        <source>%1 is no index this program can read (damaged, or made by a later version)</source>
        <translation>%1 n’est pas un index que ce programme sait lire (endommagé, ou créé par une version plus récente)</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>is larger than %1 MiB, too large for a note</source>
        <translation>dépasse %1 Mio, trop grand pour une note</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>n’est pas du texte UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>Read %n note(s) from %1.</source>
        <translation>
            <numerusform>%n note lue depuis %1.</numerusform>
            <numerusform>%n notes lues depuis %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more left out: there is no room for them.</source>
        <translation>
            <numerusform>%n autre laissée de côté : il n’y a pas de place pour elle.</numerusform>
            <numerusform>%n autres laissées de côté : il n’y a pas de place pour elles.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureButton</name>
    <message>
        <source>Shortcut: %1</source>
        <translation>Raccourci : %1</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>a file stands where the folder %1 should be; move it away</source>
        <translation>un fichier se trouve à la place du dossier %1 ; déplacez-le</translation>
    </message>
    <message>
        <source>the folder %1 cannot be reached (%2)</source>
        <translation>le dossier %1 est inaccessible (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created because its parent folder is read-only</source>
        <translation>le dossier %1 ne peut pas être créé car son dossier parent est en lecture seule</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created (%2)</source>
        <translation>le dossier %1 ne peut pas être créé (%2)</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Docking needs X11: log in to an X11 session, or install XWayland, and start Quillbox again.</source>
        <translation>L’ancrage nécessite X11 : ouvrez une session X11 ou installez XWayland, puis relancez Quillbox.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The notes store %1 was damaged and has been kept aside as %2. Quillbox starts with no notes.</source>
        <translation>Le stockage des notes %1 était endommagé et a été mis de côté sous le nom %2. Quillbox démarre sans notes.</translation>
    </message>
    <message>
        <source>The notes store %1 was damaged. It is kept as %2, and your notes are kept in a new store from now on.</source>
        <translation>Le stockage des notes %1 était endommagé. Il est conservé sous le nom %2, et vos notes sont désormais conservées dans un nouveau stockage.</translation>
    </message>
    <message>
        <source>Another program changed the notes store %1 while Quillbox ran. That file is kept as %2, and the notes Quillbox shows are kept in a new store.</source>
        <translation>Un autre programme a modifié le stockage des notes %1 pendant que Quillbox tournait. Ce fichier est conservé sous le nom %2, et les notes affichées par Quillbox sont conservées dans un nouveau stockage.</translation>
    </message>
    <message>
        <source>Quillbox could not save your notes to %1: %2.</source>
        <translation>Quillbox n’a pas pu enregistrer vos notes dans %1 : %2.</translation>
    </message>
    <message>
        <source>Quillbox cannot read its notes store %1: %2.
It keeps trying, and shows your notes as soon as it can read them; until then nothing can be changed.</source>
        <translation>Quillbox ne peut pas lire son stockage de notes %1 : %2.
Il continue d’essayer et affiche vos notes dès qu’il peut les lire ; d’ici là, rien ne peut être modifié.</translation>
    </message>
    <message>
        <source>The newest backup is %1. To put it back, close Quillbox and run:
    quillbox --restore %1</source>
        <translation>La sauvegarde la plus récente est %1. Pour la remettre en place, fermez Quillbox et lancez :
    quillbox --restore %1</translation>
    </message>
    <message>
        <source>the notes have changed since</source>
        <translation>les notes ont changé depuis</translation>
    </message>
    <message>
        <source>The notes store %1 was removed while Quillbox ran; Quillbox made it anew with the notes it shows.</source>
        <translation>Le stockage des notes %1 a été supprimé pendant que Quillbox tournait ; Quillbox l’a recréé avec les notes qu’il affiche.</translation>
    </message>
    <message>
        <source>the store must be set aside, and cannot be: %1</source>
        <translation>le stockage doit être mis de côté, et ne peut pas l’être : %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>These notes could not be read in full: %1.</source>
        <translation>Ces notes n&apos;ont pas pu être lues en entier : %1.</translation>
    </message>
    <message>
        <source>The notes store %1 held texts Quillbox does not show (notes past its count of notes, past the limit of 500, or under keys of another spelling). That file is kept as %2, and the notes Quillbox shows are kept in a new store.</source>
        <translation>Le stockage des notes %1 contenait des textes que Quillbox n&apos;affiche pas (des notes au-delà de son nombre de notes, au-delà de la limite de 500, ou sous des clés écrites autrement). Ce fichier est conservé sous le nom %2, et les notes affichées par Quillbox sont conservées dans un nouveau stockage.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the store is locked by another program; close the other program and try again</source>
        <translation>le stockage est verrouillé par un autre programme ; fermez cet autre programme et réessayez</translation>
    </message>
    <message>
        <source>the store is read-only; check the permissions of the file and its folder</source>
        <translation>le stockage est en lecture seule ; vérifiez les droits du fichier et de son dossier</translation>
    </message>
    <message>
        <source>the folder is read-only, so the store cannot write its journal there</source>
        <translation>le dossier est en lecture seule, le stockage ne peut donc pas y écrire son journal</translation>
    </message>
    <message>
        <source>the disk is full; free some space and try again</source>
        <translation>le disque est plein ; libérez de la place et réessayez</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>le disque a signalé une erreur (%1)</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
    <message>
        <source>the store is damaged</source>
        <translation>le stockage est endommagé</translation>
    </message>
    <message>
        <source>the computer ran out of memory</source>
        <translation>l’ordinateur manque de mémoire</translation>
    </message>
    <message>
        <source>the store refused the change (%1)</source>
        <translation>le stockage a refusé la modification (%1)</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>le dossier est en lecture seule</translation>
    </message>
    <message>
        <source>a file beside the store cannot be opened (%1)</source>
        <translation>un fichier voisin du stockage ne peut pas être ouvert (%1)</translation>
    </message>
    <message>
        <source>the store is not open</source>
        <translation>le stockage n’est pas ouvert</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n’a été donné</translation>
    </message>
    <message>
        <source>a folder stands where the file should be; move or remove that folder</source>
        <translation>un dossier se trouve à la place du fichier ; déplacez ou supprimez ce dossier</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>the file may not be read; check its permissions</source>
        <translation>le fichier ne peut pas être lu ; vérifiez ses droits</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Quillbox cannot open its lock file %1 (%2). Make sure that file can be created and written, then start Quillbox again.</source>
        <translation>Quillbox ne peut pas ouvrir son fichier de verrou %1 (%2). Assurez-vous que ce fichier peut être créé et écrit, puis relancez Quillbox.</translation>
    </message>
    <message>
        <source>Quillbox cannot lock its lock file %1 (%2). That drive may not offer file locks; keep the notes on a local drive (set XDG_CONFIG_HOME to a folder there), then start Quillbox again.</source>
        <translation>Quillbox ne peut pas verrouiller son fichier de verrou %1 (%2). Ce disque ne permet peut-être pas de verrouiller les fichiers ; gardez les notes sur un disque local (en faisant pointer XDG_CONFIG_HOME vers un dossier de ce disque), puis relancez Quillbox.</translation>
    </message>
    <message>
        <source>Without the lock a second Quillbox could overwrite the notes, so this one does not start.</source>
        <translation>Sans le verrou, un second Quillbox pourrait écraser les notes ; celui-ci ne démarre donc pas.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Shortcut: %1</source>
        <translation>Raccourci : %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillbox is already running but does not answer. Close it, or end it if it hangs, and start Quillbox again.</source>
        <translation>Quillbox est déjà lancé mais ne répond pas. Fermez-le, ou arrêtez-le s’il est bloqué, puis relancez Quillbox.</translation>
    </message>
    <message>
        <source>Quillbox has not read its notes yet; try again later.</source>
        <translation>Quillbox n’a pas encore lu ses notes ; réessayez plus tard.</translation>
    </message>
    <message>
        <source>Quillbox could not save all its changes to its store; the export holds them nonetheless.</source>
        <translation>Quillbox n’a pas pu enregistrer toutes ses modifications dans son stockage ; l’export les contient néanmoins.</translation>
    </message>
    <message>
        <source>The notes to import did not arrive whole.</source>
        <translation>Les notes à importer ne sont pas arrivées en entier.</translation>
    </message>
    <message>
        <source>Quillbox is running: close it first, then restore the backup.</source>
        <translation>Quillbox est lancé : fermez-le d’abord, puis restaurez la sauvegarde.</translation>
    </message>
</context>
</TS>
