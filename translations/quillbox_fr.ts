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
        <source>Quillbox keeps your changes and saves them with the next change, or when it closes.</source>
        <translation>Quillbox conserve vos modifications et les enregistre à la prochaine modification ou à sa fermeture.</translation>
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
        <source>Quillbox could not save your notes to %1: %2</source>
        <translation>Quillbox n’a pas pu enregistrer vos notes dans %1 : %2</translation>
    </message>
    <message>
        <source>Quillbox cannot open its notes store %1: %2
It starts with no notes; saving will be tried again when it closes.</source>
        <translation>Quillbox ne peut pas ouvrir son stockage de notes %1 : %2
Il démarre sans notes ; l’enregistrement sera retenté à sa fermeture.</translation>
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
        <source>a file beside the store cannot be opened</source>
        <translation>un fichier voisin du stockage ne peut pas être ouvert</translation>
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
        <source>Could not read the settings store %1: %2.</source>
        <translation>Impossible de lire le stockage des réglages %1 : %2.</translation>
    </message>
    <message>
        <source>Could not write the settings store %1: %2.</source>
        <translation>Impossible d’écrire dans le stockage des réglages %1 : %2.</translation>
    </message>
    <message>
        <source>Could not save the settings store %1: %2.</source>
        <translation>Impossible d’enregistrer le stockage des réglages %1 : %2.</translation>
    </message>
    <message>
        <source>Could not use the settings store %1: %2.</source>
        <translation>Impossible d’utiliser le stockage des réglages %1 : %2.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: %2.</source>
        <translation>Impossible d’ouvrir le stockage des réglages %1 : %2.</translation>
    </message>
    <message>
        <source>Could not create the settings store %1: %2.</source>
        <translation>Impossible de créer le stockage des réglages %1 : %2.</translation>
    </message>
    <message>
        <source>Could not open the settings store: no file name was given.</source>
        <translation>Impossible d’ouvrir le stockage des réglages : aucun nom de fichier n’a été donné.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: a folder stands where the file should be; move or remove that folder.</source>
        <translation>Impossible d’ouvrir le stockage des réglages %1 : un dossier se trouve à la place du fichier ; déplacez ou supprimez ce dossier.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: it is not a plain file.</source>
        <translation>Impossible d’ouvrir le stockage des réglages %1 : ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Could not create the settings store %1: the folder is read-only.</source>
        <translation>Impossible de créer le stockage des réglages %1 : le dossier est en lecture seule.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: the file may not be read; check its permissions.</source>
        <translation>Impossible d’ouvrir le stockage des réglages %1 : le fichier ne peut pas être lu ; vérifiez ses droits.</translation>
    </message>
    <message>
        <source>Could not make a new settings store %1.</source>
        <translation>Impossible de créer un nouveau stockage des réglages %1.</translation>
    </message>
    <message>
        <source>Could not use the settings store %1: the store is damaged.</source>
        <translation>Impossible d’utiliser le stockage des réglages %1 : le stockage est endommagé.</translation>
    </message>
    <message>
        <source>Could not create a new settings store %1 after setting the damaged one aside as %2: %3.</source>
        <translation>Impossible de créer un nouveau stockage des réglages %1 après avoir mis de côté l’ancien, endommagé, sous le nom %2 : %3.</translation>
    </message>
    <message>
        <source>Could not create the settings store %1: the file is read-only.</source>
        <translation>Impossible de créer le stockage des réglages %1 : le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>The settings store %1 is damaged and could not be set aside: %2.</source>
        <translation>Le stockage des réglages %1 est endommagé et n’a pas pu être mis de côté : %2.</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>le dossier est en lecture seule</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A small desktop notes keeper: one narrow window at the side of the screen.
The notes are kept in $XDG_CONFIG_HOME/quillbox/settings.db.</source>
        <translation>Un petit gestionnaire de notes pour le bureau : une fenêtre étroite au bord de l’écran.
Les notes sont conservées dans $XDG_CONFIG_HOME/quillbox/settings.db.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Try &apos;quillbox --help&apos; for more information.</source>
        <translation>Essayez « quillbox --help » pour plus d’informations.</translation>
    </message>
    <message>
        <source>Quillbox is already running but does not answer. Close it, or end it if it hangs, and start Quillbox again.</source>
        <translation>Quillbox est déjà lancé mais ne répond pas. Fermez-le, ou arrêtez-le s’il est bloqué, puis relancez Quillbox.</translation>
    </message>
</context>
</TS>
