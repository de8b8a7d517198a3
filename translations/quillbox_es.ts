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
        <source>Quillbox keeps your changes and saves them with the next change, or when it closes.</source>
        <translation>Quillbox conserva sus cambios y los guarda con el siguiente cambio o al cerrarse.</translation>
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
        <source>Quillbox could not save your notes to %1: %2</source>
        <translation>Quillbox no pudo guardar sus notas en %1: %2</translation>
    </message>
    <message>
        <source>Quillbox cannot open its notes store %1: %2
It starts with no notes; saving will be tried again when it closes.</source>
        <translation>Quillbox no puede abrir su almacén de notas %1: %2
Empieza sin notas; se volverá a intentar guardar al cerrarse.</translation>
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
        <source>a file beside the store cannot be opened</source>
        <translation>no se puede abrir un archivo junto al almacén</translation>
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
        <source>Could not read the settings store %1: %2.</source>
        <translation>No se pudo leer el almacén de configuración %1: %2.</translation>
    </message>
    <message>
        <source>Could not write the settings store %1: %2.</source>
        <translation>No se pudo escribir en el almacén de configuración %1: %2.</translation>
    </message>
    <message>
        <source>Could not save the settings store %1: %2.</source>
        <translation>No se pudo guardar el almacén de configuración %1: %2.</translation>
    </message>
    <message>
        <source>Could not use the settings store %1: %2.</source>
        <translation>No se pudo usar el almacén de configuración %1: %2.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: %2.</source>
        <translation>No se pudo abrir el almacén de configuración %1: %2.</translation>
    </message>
    <message>
        <source>Could not create the settings store %1: %2.</source>
        <translation>No se pudo crear el almacén de configuración %1: %2.</translation>
    </message>
    <message>
        <source>Could not open the settings store: no file name was given.</source>
        <translation>No se pudo abrir el almacén de configuración: no se indicó ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: a folder stands where the file should be; move or remove that folder.</source>
        <translation>No se pudo abrir el almacén de configuración %1: hay una carpeta donde debería estar el archivo; mueva o elimine esa carpeta.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: it is not a plain file.</source>
        <translation>No se pudo abrir el almacén de configuración %1: no es un archivo normal.</translation>
    </message>
    <message>
        <source>Could not create the settings store %1: the folder is read-only.</source>
        <translation>No se pudo crear el almacén de configuración %1: la carpeta es de solo lectura.</translation>
    </message>
    <message>
        <source>Could not open the settings store %1: the file may not be read; check its permissions.</source>
        <translation>No se pudo abrir el almacén de configuración %1: el archivo no se puede leer; compruebe sus permisos.</translation>
    </message>
    <message>
        <source>Could not make a new settings store %1.</source>
        <translation>No se pudo crear un almacén de configuración nuevo %1.</translation>
    </message>
    <message>
        <source>Could not use the settings store %1: the store is damaged.</source>
        <translation>No se puede usar el almacén de configuración %1: el almacén está dañado.</translation>
    </message>
    <message>
        <source>Could not create a new settings store %1 after setting the damaged one aside as %2: %3.</source>
        <translation>No se pudo crear un almacén de configuración nuevo %1 tras apartar el dañado como %2: %3.</translation>
    </message>
    <message>
        <source>Could not create the settings store %1: the file is read-only.</source>
        <translation>No se pudo crear el almacén de configuración %1: el archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>The settings store %1 is damaged and could not be set aside: %2.</source>
        <translation>El almacén de configuración %1 está dañado y no se pudo apartar: %2.</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>la carpeta es de solo lectura</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A small desktop notes keeper: one narrow window at the side of the screen.
The notes are kept in $XDG_CONFIG_HOME/quillbox/settings.db.</source>
        <translation>Un pequeño gestor de notas para el escritorio: una ventana estrecha en el borde de la pantalla.
Las notas se guardan en $XDG_CONFIG_HOME/quillbox/settings.db.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Try &apos;quillbox --help&apos; for more information.</source>
        <translation>Pruebe «quillbox --help» para más información.</translation>
    </message>
    <message>
        <source>Quillbox is already running but does not answer. Close it, or end it if it hangs, and start Quillbox again.</source>
        <translation>Quillbox ya se está ejecutando pero no responde. Ciérrelo, o termínelo si está bloqueado, y vuelva a iniciar Quillbox.</translation>
    </message>
</context>
</TS>
