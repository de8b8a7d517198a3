<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Quillbox</source>
        <translation>Acerca de Quillbox</translation>
    </message>
    <message>
        <source>VERSION %1</source>
        <translation>VERSIÓN %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>the disk is full; free some space and try again</source>
        <translation>el disco está lleno; libere espacio e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>la carpeta %1 es de solo lectura</translation>
    </message>
    <message>
        <source>a file cannot be written in %1 (%2)</source>
        <translation>no se puede escribir un archivo en %1 (%2)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is no sound notes store; it may be damaged or another program&apos;s file</source>
        <translation>no es un almacén de notas válido; puede estar dañado o ser un archivo de otro programa</translation>
    </message>
    <message>
        <source>the backup %1 was made, but the older %2 could not be removed (%3)</source>
        <translation>se hizo la copia de seguridad %1, pero no se pudo eliminar la anterior %2 (%3)</translation>
    </message>
    <message>
        <source>%1 was not restored: %2. The notes store %3 is unchanged.</source>
        <translation>%1 no se ha restaurado: %2. El almacén de notas %3 no ha cambiado.</translation>
    </message>
    <message>
        <source>the store cannot be moved aside (%1)</source>
        <translation>no se puede apartar el almacén (%1)</translation>
    </message>
    <message>
        <source>The notes of %1 are now in the notes store %2.</source>
        <translation>Las notas de %1 están ahora en el almacén de notas %2.</translation>
    </message>
    <message>
        <source>The notes of %1 are now in the notes store %2. The store as it was before is kept as %3.</source>
        <translation>Las notas de %1 están ahora en el almacén de notas %2. El almacén tal como estaba antes se conserva como %3.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quillbox answered in a way this start does not understand.</source>
        <translation>Quillbox respondió de una forma que este inicio no entiende.</translation>
    </message>
    <message>
        <source>Quillbox is running but does not answer; try again when it does.</source>
        <translation>Quillbox se está ejecutando pero no responde; inténtelo de nuevo cuando responda.</translation>
    </message>
    <message>
        <source>A small desktop notes keeper: one narrow window at the side of the screen.
The notes are kept in $XDG_CONFIG_HOME/quillbox/settings.db.</source>
        <translation>Un pequeño gestor de notas para el escritorio: una ventana estrecha en el borde de la pantalla.
Las notas se guardan en $XDG_CONFIG_HOME/quillbox/settings.db.</translation>
    </message>
    <message>
        <source>Bring the running Quillbox to the front, or minimise it when it is the active window; start it when none runs.</source>
        <translation>Trae al frente el Quillbox en ejecución, o lo minimiza si es la ventana activa; lo inicia si no hay ninguno en ejecución.</translation>
    </message>
    <message>
        <source>Write every note into &lt;folder&gt; as a text file, with an index of their titles and order; an earlier export there is brought up to date.</source>
        <translation>Escribe cada nota en &lt;carpeta&gt; como un archivo de texto, con un índice de sus títulos y su orden; una exportación anterior en ella se pone al día.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Add the notes of &lt;folder&gt; (an export, or plain .txt files) after those held.</source>
        <translation>Añade las notas de &lt;carpeta&gt; (una exportación, o simples archivos .txt) tras las que ya hay.</translation>
    </message>
    <message>
        <source>Put &lt;backup&gt; (from the backups folder beside the notes store) in the store&apos;s place, keeping the store beside it; Quillbox must not be running.</source>
        <translation>Pone &lt;copia&gt; (de la carpeta de copias de seguridad junto al almacén de notas) en el lugar del almacén, y conserva el almacén a su lado; Quillbox no debe estar en ejecución.</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>copia</translation>
    </message>
    <message>
        <source>Give one of --toggle, --export, --import and --restore at a time.</source>
        <translation>Indique solo una de las opciones --toggle, --export, --import y --restore a la vez.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Try &apos;quillbox --help&apos; for more information.</source>
        <translation>Pruebe «quillbox --help» para más información.</translation>
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
        <translation>Cambios sin guardar: %1</translation>
    </message>
    <message>
        <source>All changes saved</source>
        <translation>Todos los cambios guardados</translation>
    </message>
    <message>
        <source>Dock Quillbox to the left of the screen</source>
        <translation>Acoplar Quillbox al borde izquierdo de la pantalla</translation>
    </message>
    <message>
        <source>Dock Quillbox to the right of the screen</source>
        <translation>Acoplar Quillbox al borde derecho de la pantalla</translation>
    </message>
    <message>
        <source>Change font size</source>
        <translation>Cambiar el tamaño de letra</translation>
    </message>
    <message>
        <source>Flush all notes</source>
        <translation>Eliminar todas las notas</translation>
    </message>
    <message>
        <source>Show all notes</source>
        <translation>Mostrar todas las notas</translation>
    </message>
    <message>
        <source>About Quillbox</source>
        <translation>Acerca de Quillbox</translation>
    </message>
    <message>
        <source>Exit Quillbox</source>
        <translation>Salir de Quillbox</translation>
    </message>
    <message>
        <source>Clear Note</source>
        <translation>Vaciar nota</translation>
    </message>
    <message>
        <source>Update Note</source>
        <translation>Actualizar nota</translation>
    </message>
    <message>
        <source>Delete Note</source>
        <translation>Eliminar nota</translation>
    </message>
    <message>
        <source>Add new note</source>
        <translation>Añadir nota nueva</translation>
    </message>
    <message>
        <source>Add note from clipboard</source>
        <translation>Añadir nota desde el portapapeles</translation>
    </message>
    <message>
        <source>Copy note to clipboard</source>
        <translation>Copiar nota al portapapeles</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Texto de búsqueda</translation>
    </message>
    <message>
        <source>Shortcut: Return in the search text</source>
        <translation>Atajo: Intro en el texto de búsqueda</translation>
    </message>
    <message>
        <source>Note titles</source>
        <translation>Títulos de las notas</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Texto de la nota</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Notes not read yet: %1</source>
        <translation>Notas aún sin leer: %1</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>Undo history not saved: %1</source>
        <translation>Historial de deshacer sin guardar: %1</translation>
    </message>
    <message>
        <source>Today&apos;s backup of the notes was not made: %1</source>
        <translation>No se hizo la copia de seguridad de hoy de las notas: %1</translation>
    </message>
    <message>
        <source>Quillbox is busy with an undo; try again.</source>
        <translation>Quillbox está ocupado deshaciendo un cambio; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Quillbox has not read its notes yet; try again later.</source>
        <translation>Quillbox aún no ha leído sus notas; inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Nothing can be undone or redone while changes are not saved.</source>
        <translation>No se puede deshacer ni rehacer nada mientras haya cambios sin guardar.</translation>
    </message>
    <message>
        <source>The undo history could not be used: %1</source>
        <translation>No se pudo usar el historial de deshacer: %1</translation>
    </message>
    <message>
        <source>Dropped the text typed for &quot;%1&quot;.</source>
        <translation>Texto escrito para «%1» descartado.</translation>
    </message>
    <message>
        <source>Dropped the text typed in the box.</source>
        <translation>Texto escrito en el cuadro descartado.</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message numerus="yes">
        <source>Listing %1 of %n note(s)</source>
        <translation>
            <numerusform>%1 de %n nota</numerusform>
            <numerusform>%1 de %n notas</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to search!</source>
        <translation>¡No hay nada que buscar!</translation>
    </message>
    <message>
        <source>No notes found containing the text &apos;%1&apos;</source>
        <translation>No se encontraron notas con el texto «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Found %n notes containing the text &apos;%1&apos;</source>
        <translation>
            <numerusform>Se encontró %n nota con el texto «%1»</numerusform>
            <numerusform>Se encontraron %n notas con el texto «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t insert blank note!</source>
        <translation>¡No se puede añadir una nota vacía!</translation>
    </message>
    <message>
        <source>Insert note</source>
        <translation>Añadir nota</translation>
    </message>
    <message>
        <source>Enter title of note</source>
        <translation>Escriba el título de la nota</translation>
    </message>
    <message>
        <source>Can&apos;t update a blank note!</source>
        <translation>¡No se puede actualizar una nota vacía!</translation>
    </message>
    <message>
        <source>&apos;%1&apos; Updated!</source>
        <translation>¡«%1» actualizada!</translation>
    </message>
    <message>
        <source>Change title</source>
        <translation>Cambiar título</translation>
    </message>
    <message>
        <source>Change title of note</source>
        <translation>Cambiar el título de la nota</translation>
    </message>
    <message>
        <source>Flush all notes</source>
        <translation>Eliminar todas las notas</translation>
    </message>
    <message>
        <source>This will permanently remove all the notes from the list. Are you sure?</source>
        <translation>Se eliminarán definitivamente todas las notas de la lista. ¿Está seguro?</translation>
    </message>
    <message>
        <source>Note copied to clipboard</source>
        <translation>Nota copiada al portapapeles</translation>
    </message>
    <message>
        <source>Too many notes. You can only insert up to %1 notes.</source>
        <translation>Demasiadas notas. Solo puede añadir hasta %1 notas.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;.</source>
        <translation>«%1» añadida.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot; from the clipboard.</source>
        <translation>«%1» añadida desde el portapapeles.</translation>
    </message>
    <message>
        <source>Renamed &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>«%1» renombrada como «%2».</translation>
    </message>
    <message>
        <source>Deleted &quot;%1&quot;.</source>
        <translation>«%1» eliminada.</translation>
    </message>
    <message numerus="yes">
        <source>Flushed %n note(s).</source>
        <translation>
            <numerusform>%n nota eliminada.</numerusform>
            <numerusform>%n notas eliminadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n note(s) from %1.</source>
        <translation>
            <numerusform>%n nota importada de %1.</numerusform>
            <numerusform>%n notas importadas de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) left out: Quillbox holds at most %1 notes.</source>
        <translation>
            <numerusform>%n nota omitida: Quillbox admite como máximo %1 notas.</numerusform>
            <numerusform>%n notas omitidas: Quillbox admite como máximo %1 notas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
</context>
<context>
    <name>NoteFolder</name>
    <message>
        <source>the disk is full; free some space and try again</source>
        <translation>el disco está lleno; libere espacio e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>note %1 &quot;%2&quot; (%3): %4</source>
        <translation>nota %1 «%2» (%3): %4</translation>
    </message>
    <message>
        <source>no folder was given to export into</source>
        <translation>no se indicó ninguna carpeta a la que exportar</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>%1 is no index this program can read (damaged, or made by a later version); export into a new folder</source>
        <translation>%1 no es un índice que este programa pueda leer (está dañado o lo creó una versión posterior); exporte a una carpeta nueva</translation>
    </message>
    <message>
        <source>%1 holds files this program did not write; export into an empty or new folder</source>
        <translation>%1 contiene archivos que este programa no escribió; exporte a una carpeta vacía o nueva</translation>
    </message>
    <message>
        <source>holds text UTF-8 cannot hold (a lone surrogate), written as U+FFFD</source>
        <translation>contiene texto que UTF-8 no puede representar (un sustituto aislado), escrito como U+FFFD</translation>
    </message>
    <message>
        <source>%1 holds %2, which this program did not write, where note %3 goes; move it away</source>
        <translation>%1 contiene %2, que este programa no escribió, donde va la nota %3; muévalo</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>could not be removed</source>
        <translation>no se pudo eliminar</translation>
    </message>
    <message>
        <source>%1; an import would read the notes exported before</source>
        <translation>%1; una importación leería las notas exportadas antes</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n note(s) to %1.</source>
        <translation>
            <numerusform>%n nota exportada a %1.</numerusform>
            <numerusform>%n notas exportadas a %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n note(s) to %2.</source>
        <translation>
            <numerusform>Se exportaron %1 de %n nota a %2.</numerusform>
            <numerusform>Se exportaron %1 de %n notas a %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no folder %1</source>
        <translation>no existe la carpeta %1</translation>
    </message>
    <message>
        <source>%1 is no index this program can read (damaged, or made by a later version)</source>
        <translation>%1 no es un índice que este programa pueda leer (está dañado o lo creó una versión posterior)</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>is larger than %1 MiB, too large for a note</source>
        <translation>ocupa más de %1 MiB, demasiado para una nota</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>Read %n note(s) from %1.</source>
        <translation>
            <numerusform>%n nota leída de %1.</numerusform>
            <numerusform>%n notas leídas de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more left out: there is no room for them.</source>
        <translation>
            <numerusform>%n más omitida: no hay sitio para ella.</numerusform>
            <numerusform>%n más omitidas: no hay sitio para ellas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureButton</name>
    <message>
        <source>Shortcut: %1</source>
        <translation>Atajo: %1</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>a file stands where the folder %1 should be; move it away</source>
        <translation>hay un archivo donde debería estar la carpeta %1; muévalo</translation>
    </message>
    <message>
        <source>the folder %1 cannot be reached (%2)</source>
        <translation>no se puede acceder a la carpeta %1 (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created because its parent folder is read-only</source>
        <translation>no se puede crear la carpeta %1 porque su carpeta superior es de solo lectura</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created (%2)</source>
        <translation>no se puede crear la carpeta %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Docking needs X11: log in to an X11 session, or install XWayland, and start Quillbox again.</source>
        <translation>Acoplar necesita X11: inicie una sesión X11 o instale XWayland, y vuelva a abrir Quillbox.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The notes store %1 was damaged and has been kept aside as %2. Quillbox starts with no notes.</source>
        <translation>El almacén de notas %1 estaba dañado y se ha apartado como %2. Quillbox empieza sin notas.</translation>
    </message>
    <message>
        <source>The notes store %1 was damaged. It is kept as %2, and your notes are kept in a new store from now on.</source>
        <translation>El almacén de notas %1 estaba dañado. Se conserva como %2, y a partir de ahora sus notas se guardan en un almacén nuevo.</translation>
    </message>
    <message>
        <source>Another program changed the notes store %1 while Quillbox ran. That file is kept as %2, and the notes Quillbox shows are kept in a new store.</source>
        <translation>Otro programa cambió el almacén de notas %1 mientras Quillbox se ejecutaba. Ese archivo se conserva como %2, y las notas que muestra Quillbox se guardan en un almacén nuevo.</translation>
    </message>
    <message>
        <source>Quillbox could not save your notes to %1: %2.</source>
        <translation>Quillbox no pudo guardar sus notas en %1: %2.</translation>
    </message>
    <message>
        <source>Quillbox cannot read its notes store %1: %2.
It keeps trying, and shows your notes as soon as it can read them; until then nothing can be changed.</source>
        <translation>Quillbox no puede leer su almacén de notas %1: %2.
Sigue intentándolo y mostrará sus notas en cuanto pueda leerlas; hasta entonces no se puede cambiar nada.</translation>
    </message>
    <message>
        <source>The newest backup is %1. To put it back, close Quillbox and run:
    quillbox --restore %1</source>
        <translation>La copia de seguridad más reciente es %1. Para recuperarla, cierre Quillbox y ejecute:
    quillbox --restore %1</translation>
    </message>
    <message>
        <source>the notes have changed since</source>
        <translation>las notas han cambiado desde entonces</translation>
    </message>
    <message>
        <source>The notes store %1 was removed while Quillbox ran; Quillbox made it anew with the notes it shows.</source>
        <translation>El almacén de notas %1 se eliminó mientras Quillbox se ejecutaba; Quillbox lo ha vuelto a crear con las notas que muestra.</translation>
    </message>
    <message>
        <source>the store must be set aside, and cannot be: %1</source>
        <translation>hay que apartar el almacén, y no se puede: %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>These notes could not be read in full: %1.</source>
        <translation>Estas notas no se pudieron leer completas: %1.</translation>
    </message>
    <message>
        <source>The notes store %1 held texts Quillbox does not show (notes past its count of notes, past the limit of 500, or under keys of another spelling). That file is kept as %2, and the notes Quillbox shows are kept in a new store.</source>
        <translation>El almacén de notas %1 contenía textos que Quillbox no muestra (notas más allá de su número de notas, más allá del límite de 500 o bajo claves escritas de otra forma). Ese archivo se conserva como %2, y las notas que muestra Quillbox se guardan en un almacén nuevo.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the store is locked by another program; close the other program and try again</source>
        <translation>otro programa tiene bloqueado el almacén; cierre ese programa e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>the store is read-only; check the permissions of the file and its folder</source>
        <translation>el almacén es de solo lectura; compruebe los permisos del archivo y de su carpeta</translation>
    </message>
    <message>
        <source>the folder is read-only, so the store cannot write its journal there</source>
        <translation>la carpeta es de solo lectura, así que el almacén no puede escribir allí su diario</translation>
    </message>
    <message>
        <source>the disk is full; free some space and try again</source>
        <translation>el disco está lleno; libere espacio e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>el disco informó de un error (%1)</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>el disco informó de un error</translation>
    </message>
    <message>
        <source>the store is damaged</source>
        <translation>el almacén está dañado</translation>
    </message>
    <message>
        <source>the computer ran out of memory</source>
        <translation>el equipo se quedó sin memoria</translation>
    </message>
    <message>
        <source>the store refused the change (%1)</source>
        <translation>el almacén rechazó el cambio (%1)</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>la carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>a file beside the store cannot be opened (%1)</source>
        <translation>no se puede abrir un archivo junto al almacén (%1)</translation>
    </message>
    <message>
        <source>the store is not open</source>
        <translation>el almacén no está abierto</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>a folder stands where the file should be; move or remove that folder</source>
        <translation>hay una carpeta donde debería estar el archivo; mueva o elimine esa carpeta</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>falta el archivo</translation>
    </message>
    <message>
        <source>the file may not be read; check its permissions</source>
        <translation>el archivo no se puede leer; compruebe sus permisos</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Quillbox cannot open its lock file %1 (%2). Make sure that file can be created and written, then start Quillbox again.</source>
        <translation>Quillbox no puede abrir su archivo de bloqueo %1 (%2). Asegúrese de que ese archivo se pueda crear y escribir, y vuelva a iniciar Quillbox.</translation>
    </message>
    <message>
        <source>Quillbox cannot lock its lock file %1 (%2). That drive may not offer file locks; keep the notes on a local drive (set XDG_CONFIG_HOME to a folder there), then start Quillbox again.</source>
        <translation>Quillbox no puede bloquear su archivo de bloqueo %1 (%2). Puede que esa unidad no admita bloqueos de archivos; guarde las notas en una unidad local (defina XDG_CONFIG_HOME como una carpeta de esa unidad) y vuelva a iniciar Quillbox.</translation>
    </message>
    <message>
        <source>Without the lock a second Quillbox could overwrite the notes, so this one does not start.</source>
        <translation>Sin el bloqueo, un segundo Quillbox podría sobrescribir las notas, así que este no se inicia.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Shortcut: %1</source>
        <translation>Atajo: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillbox is already running but does not answer. Close it, or end it if it hangs, and start Quillbox again.</source>
        <translation>Quillbox ya se está ejecutando pero no responde. Ciérrelo, o termínelo si está bloqueado, y vuelva a iniciar Quillbox.</translation>
    </message>
    <message>
        <source>Quillbox has not read its notes yet; try again later.</source>
        <translation>Quillbox aún no ha leído sus notas; inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Quillbox could not save all its changes to its store; the export holds them nonetheless.</source>
        <translation>Quillbox no pudo guardar todos sus cambios en su almacén; la exportación los contiene de todos modos.</translation>
    </message>
    <message>
        <source>The notes to import did not arrive whole.</source>
        <translation>Las notas que había que importar no llegaron completas.</translation>
    </message>
    <message>
        <source>Quillbox is running: close it first, then restore the backup.</source>
        <translation>Quillbox se está ejecutando: ciérrelo primero y después restaure la copia de seguridad.</translation>
    </message>
</context>
</TS>
