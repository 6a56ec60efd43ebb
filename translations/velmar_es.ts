<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CBroadcastGridCtrl</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Editar</translation>
    </message>
</context>
<context>
    <name>CCaptionLine</name>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satélite</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 satélites</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transpondedor</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transpondedores</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 múltiplex</translation>
    </message>
    <message>
        <source>%1 multiplexes</source>
        <translation>%1 múltiplex</translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 proveedor</translation>
    </message>
    <message>
        <source>%1 providers</source>
        <translation>%1 proveedores</translation>
    </message>
    <message>
        <source>%1 list</source>
        <translation>%1 lista</translation>
    </message>
    <message>
        <source>%1 lists</source>
        <translation>%1 listas</translation>
    </message>
</context>
<context>
    <name>CChannelForm</name>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Número lógico</translation>
    </message>
    <message>
        <source>Shown number</source>
        <translation>Número mostrado</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de servicio</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID de red original</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>ID de flujo de transporte</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID de PCR</translation>
    </message>
    <message>
        <source>Audio streams</source>
        <translation>Pistas de audio</translation>
    </message>
    <message>
        <source>Subtitle streams</source>
        <translation>Pistas de subtítulos</translation>
    </message>
    <message>
        <source>CAS (hex)</source>
        <translation>CAS (hex)</translation>
    </message>
    <message>
        <source>Stream type (hex)</source>
        <translation>Tipo de flujo (hex)</translation>
    </message>
    <message>
        <source>Code table</source>
        <translation>Tabla de caracteres</translation>
    </message>
    <message>
        <source>Update Channel</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Nuevo canal de TV</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Nuevo canal de radio</translation>
    </message>
    <message>
        <source>A new channel is numbered after the last channel of its list.</source>
        <translation>Un canal nuevo recibe el número siguiente al último canal de su lista.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>Como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Neither TV nor radio</source>
        <translation>Ni TV ni radio</translation>
    </message>
    <message>
        <source>Both TV and radio</source>
        <translation>TV y radio a la vez</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>A new channel takes the genre of the genre list it is made in.</source>
        <translation>Un canal nuevo toma el género de la lista de género en la que se crea.</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Tuner byte %1</source>
        <translation>Byte de sintonizador %1</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Sintonizador</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificado</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Recepción</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Múltiplex %1</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>Múltiplex</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>ID de satélite %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Broadcaster ID %1</source>
        <translation>ID de proveedor %1</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Transponder %1</source>
        <translation>Transpondedor %1</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Flujos</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listas de favoritos</translation>
    </message>
    <message>
        <source>%1 must be a hexadecimal number of at most %2 digits.</source>
        <translation>%1 debe ser un número hexadecimal de como máximo %2 cifras.</translation>
    </message>
</context>
<context>
    <name>CChannelGridCtrl</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>CChannelListBar</name>
    <message>
        <source>Filter by name (Esc clears)</source>
        <translation>Filtrar por nombre (Esc borra)</translation>
    </message>
    <message>
        <source>Nothing chosen</source>
        <translation>Nada elegido</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, names with “%2”</source>
        <translation>%1, nombres con «%2»</translation>
    </message>
    <message>
        <source>%1 — %2 TV / %3 radio</source>
        <translation>%1 — %2 TV / %3 radio</translation>
    </message>
</context>
<context>
    <name>CDlgCompare</name>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
</context>
<context>
    <name>CDlgInformation</name>
    <message>
        <source>The maker&apos;s form (64-byte header with CRC)</source>
        <translation>Formato del fabricante (cabecera de 64 bytes con CRC)</translation>
    </message>
    <message>
        <source>The working form (VX header)</source>
        <translation>Formato de trabajo (cabecera VX)</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>satélite</translation>
    </message>
    <message>
        <source>terrestrial</source>
        <translation>terrestre</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>cable</translation>
    </message>
    <message>
        <source>Model %1, type 0x%2 (%3), byte order %4</source>
        <translation>Modelo %1, tipo 0x%2 (%3), orden de bytes %4</translation>
    </message>
    <message>
        <source>no reception bits</source>
        <translation>sin bits de recepción</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listas de favoritos</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Proveedores</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Múltiplex terrestres</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Múltiplex de cable</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Portapapeles</translation>
    </message>
    <message>
        <source>%1 (this receiver does not save them)</source>
        <translation>%1 (este receptor no los guarda)</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3</source>
        <translation>%1 de %2 usados, %3</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 libres</translation>
    </message>
    <message>
        <source>%1 too many to save</source>
        <translation>%1 de más para guardar</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 TV, %2 radio</translation>
    </message>
    <message>
        <source>%1 locked, %2 skipped, %3 scrambled</source>
        <translation>%1 bloqueados, %2 omitidos, %3 codificados</translation>
    </message>
    <message>
        <source>No duplicate channels</source>
        <translation>No hay canales duplicados</translation>
    </message>
    <message>
        <source>%1 duplicate channels in %2 groups</source>
        <translation>%1 canales duplicados en %2 grupos</translation>
    </message>
    <message>
        <source>CH# %1  %2  (%3, satellite %4, TPID %5, ids %6/%7/%8)</source>
        <translation>N.º %1  %2  (%3, satélite %4, TPID %5, ID %6/%7/%8)</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>Header form:</source>
        <translation>Formato de cabecera:</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>Producto:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Atributos:</translation>
    </message>
    <message>
        <source>Duplicates:</source>
        <translation>Duplicados:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>The list check finds no problem.</source>
        <translation>La comprobación de la lista no encuentra ningún problema.</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… y %1 más</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>%1 channels: %2</source>
        <translation>%1 canales: %2</translation>
    </message>
    <message>
        <source>Select them in the channel lists</source>
        <translation>Seleccionarlos en las listas de canales</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
</context>
<context>
    <name>CDlgPrintChoice</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print these lists:</source>
        <translation>Imprimir estas listas:</translation>
    </message>
    <message>
        <source>TV list</source>
        <translation>Lista de TV</translation>
    </message>
    <message>
        <source>Radio list</source>
        <translation>Lista de radio</translation>
    </message>
</context>
<context>
    <name>CDlgPrintPreview</name>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Número de página</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>El nombre tiene caracteres que Windows-1252 no puede representar.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Editar</translation>
    </message>
</context>
<context>
    <name>CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Proveedores</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Favoritos</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Proveedores</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Elegir una fila filtra las listas. La tecla Menú o Mayús+F10 abre los comandos; F6 pasa al panel siguiente.</translation>
    </message>
    <message>
        <source>Favorite lists and genres</source>
        <translation>Listas de favoritos y géneros</translation>
    </message>
    <message>
        <source>Choosing a list or a genre shows its channels; F2 renames a favorite list.</source>
        <translation>Elegir una lista o un género muestra sus canales; F2 cambia el nombre de una lista de favoritos.</translation>
    </message>
</context>
<context>
    <name>CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Satélites</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Múltiplex</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestre</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Múltiplex terrestres</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Múltiplex de cable</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Elegir una fila filtra las listas. La tecla Menú o Mayús+F10 abre los comandos; F6 pasa al panel siguiente.</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. F6 goes to the next pane.</source>
        <translation>Elegir una fila filtra las listas. F6 pasa al panel siguiente.</translation>
    </message>
</context>
<context>
    <name>CLinkForm</name>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Network (TCP)</source>
        <translation>Red (TCP)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Velocidad (baudios)</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>Puerto TCP</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recibir</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Choose the line, press Receive, then start sending on the receiver.</source>
        <translation>Elija la línea, pulse «Recibir» y luego inicie el envío en el receptor.</translation>
    </message>
    <message>
        <source>Choose the line, start receiving on the receiver, then press Send.</source>
        <translation>Elija la línea, inicie la recepción en el receptor y luego pulse «Enviar».</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Elija un puerto serie.</translation>
    </message>
    <message>
        <source>Enter the receiver&apos;s host name or address.</source>
        <translation>Introduzca el nombre de host o la dirección del receptor.</translation>
    </message>
    <message>
        <source>Connecting: %1</source>
        <translation>Conectando: %1</translation>
    </message>
    <message>
        <source>Waiting for the receiver to send...</source>
        <translation>Esperando a que el receptor envíe...</translation>
    </message>
    <message>
        <source>Waiting for the receiver to ask for the data...</source>
        <translation>Esperando a que el receptor pida los datos...</translation>
    </message>
    <message>
        <source>Transfer failed: %1</source>
        <translation>Error en la transferencia: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
</context>
<context>
    <name>CListTools</name>
    <message>
        <source>Compare with…</source>
        <translation>Comparar con…</translation>
    </message>
    <message>
        <source>Show what another image or workbook has differently</source>
        <translation>Muestra en qué difiere otra imagen o libro</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Replace the channels by those of a CSV file</source>
        <translation>Sustituye los canales por los de un archivo CSV</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Write the channels as a CSV file</source>
        <translation>Escribe los canales en un archivo CSV</translation>
    </message>
    <message>
        <source>Import transponders…</source>
        <translation>Importar transpondedores…</translation>
    </message>
    <message>
        <source>Bring satellites and transponders up to date from a satellites.xml file</source>
        <translation>Actualiza satélites y transpondedores desde un archivo satellites.xml</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Counts, capacity and duplicates of the whole list</source>
        <translation>Recuentos, capacidad y duplicados de toda la lista</translation>
    </message>
    <message>
        <source>Apply order</source>
        <translation>Aplicar orden</translation>
    </message>
    <message>
        <source>Number the channels as another list numbers them</source>
        <translation>Numerar los canales como los numera otra lista</translation>
    </message>
    <message>
        <source>Apply the order of another list</source>
        <translation>Aplicar el orden de otra lista</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>No hay memoria suficiente para terminar la orden. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>La orden ha fallado: %1</translation>
    </message>
    <message>
        <source>The command failed.</source>
        <translation>La orden ha fallado.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Abrir una base de datos existente</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recibir</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Recibir la base de datos del receptor</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Enviar la base de datos al receptor</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Actualizar todo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar información del programa, número de versión y copyright</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo the edit undone last</source>
        <translation>Rehacer el último cambio deshecho</translation>
    </message>
    <message>
        <source>Velmar for %1 - 8FAV</source>
        <translation>Velmar para %1 - 8FAV</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>Panel siguiente</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Panel anterior</translation>
    </message>
    <message>
        <source>Add to favorite list %1</source>
        <translation>Añadir a la lista de favoritos %1</translation>
    </message>
    <message>
        <source>The unsaved edits could not be kept in the recovery file, so a crash would lose them. Save the list to keep them.
%1</source>
        <translation>No se pudieron guardar los cambios sin guardar en el archivo de recuperación, así que un bloqueo los perdería. Guarde la lista para conservarlos.
%1</translation>
    </message>
</context>
<context>
    <name>CPrintTools</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print the channel lists or save them as a PDF file</source>
        <translation>Imprime las listas de canales o las guarda como archivo PDF</translation>
    </message>
</context>
<context>
    <name>CRightView</name>
    <message>
        <source>Scrambled</source>
        <translation>Codificado</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Sintonizador</translation>
    </message>
    <message>
        <source> Channels</source>
        <translation> Canales</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>Solo TV</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Solo radio</translation>
    </message>
    <message>
        <source>Lists shown</source>
        <translation>Listas mostradas</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canales de TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canales de radio</translation>
    </message>
    <message>
        <source>Menu or Shift+F10 opens the commands; Ctrl+1 to Ctrl+8 add the selected channels to favorite list 1 to 8; F6 goes to the next pane.</source>
        <translation>La tecla Menú o Mayús+F10 abre los comandos; de Ctrl+1 a Ctrl+8 añaden los canales seleccionados a la lista de favoritos 1 a 8; F6 pasa al panel siguiente.</translation>
    </message>
</context>
<context>
    <name>CSourceGridCtrl</name>
    <message>
        <source>No satellite ID is free: the highest ID is already 255.</source>
        <translation>No queda ningún ID de satélite libre: el ID más alto ya es 255.</translation>
    </message>
    <message>
        <source>No multiplex ID is free: all 255 are in use.</source>
        <translation>No queda ningún ID de múltiplex libre: los 255 están en uso.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>El nombre tiene caracteres que Windows-1252 no puede representar.</translation>
    </message>
    <message>
        <source>No TPID is free on satellite %1.</source>
        <translation>No queda ningún TPID libre en el satélite %1.</translation>
    </message>
</context>
<context>
    <name>DeleteCounts</name>
    <message>
        <source>%1 channel is selected.</source>
        <translation>%1 canal seleccionado.</translation>
    </message>
    <message>
        <source>%1 channels are selected.</source>
        <translation>%1 canales seleccionados.</translation>
    </message>
    <message>
        <source>%1 satellite is selected.</source>
        <translation>%1 satélite seleccionado.</translation>
    </message>
    <message>
        <source>%1 satellites are selected.</source>
        <translation>%1 satélites seleccionados.</translation>
    </message>
    <message>
        <source>%1 transponder is selected.</source>
        <translation>%1 transpondedor seleccionado.</translation>
    </message>
    <message>
        <source>%1 transponders are selected.</source>
        <translation>%1 transpondedores seleccionados.</translation>
    </message>
    <message>
        <source>%1 multiplex is selected.</source>
        <translation>%1 múltiplex seleccionado.</translation>
    </message>
    <message>
        <source>%1 multiplexes are selected.</source>
        <translation>%1 múltiplex seleccionados.</translation>
    </message>
    <message>
        <source>%1 provider is selected.</source>
        <translation>%1 proveedor seleccionado.</translation>
    </message>
    <message>
        <source>%1 providers are selected.</source>
        <translation>%1 proveedores seleccionados.</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transpondedor</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transpondedores</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Deleting it also deletes its %1.</source>
        <translation>Al eliminarlo se eliminan también sus %1.</translation>
    </message>
    <message>
        <source>Deleting them also deletes their %1.</source>
        <translation>Al eliminarlos se eliminan también sus %1.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Múltiplex %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Receiver:</source>
        <translation>Receptor:</translation>
    </message>
    <message>
        <source>Show the technical columns (record keys, satellite and transponder numbers, PIDs)</source>
        <translation>Mostrar las columnas técnicas (claves de registro, números de satélite y transpondedor, PID)</translation>
    </message>
    <message>
        <source>The choice takes effect when the program starts again.</source>
        <translation>La elección se aplica la próxima vez que se inicie el programa.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Enviar la base de datos al receptor</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Recibir la base de datos del receptor</translation>
    </message>
    <message>
        <source>%1 of %2 bytes (%3%), %4 KiB/s</source>
        <translation>%1 de %2 bytes (%3 %), %4 KiB/s</translation>
    </message>
    <message>
        <source>This form is not available in this version yet.
Nothing has been changed.</source>
        <translation>Este formulario aún no está disponible en esta versión.
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Transferencia cancelada</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>El emisor canceló la transferencia</translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>El receptor canceló la transferencia</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>Update Multiplex</source>
        <translation>Editar múltiplex</translation>
    </message>
    <message>
        <source>New Multiplex</source>
        <translation>Nuevo múltiplex</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frecuencia (MHz)</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>Tasa de símbolos (kS/s)</translation>
    </message>
    <message>
        <source>QAM</source>
        <translation>QAM</translation>
    </message>
    <message>
        <source>Inversion (0-%1)</source>
        <translation>Inversión (0-%1)</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>ID de TS</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID de red</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID de red original</translation>
    </message>
    <message>
        <source>Update Satellite</source>
        <translation>Editar satélite</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nuevo satélite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Posición (grados)</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Group 1</source>
        <translation>Grupo 1</translation>
    </message>
    <message>
        <source>Group 2</source>
        <translation>Grupo 2</translation>
    </message>
    <message>
        <source>Update Transponder</source>
        <translation>Editar transpondedor</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nuevo transpondedor</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>ID de satélite %1</translation>
    </message>
    <message>
        <source>Choose a satellite</source>
        <translation>Elija un satélite</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>H (horizontal)</source>
        <translation>H (horizontal)</translation>
    </message>
    <message>
        <source>V (vertical)</source>
        <translation>V (vertical)</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Frequency must be a number of MHz with at most three decimals, up to 4294967.295.</source>
        <translation>La frecuencia debe ser un número de MHz con tres decimales como máximo, hasta 4294967.295.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>El nombre tiene caracteres que Windows-1252 no puede representar.</translation>
    </message>
    <message>
        <source>Position must be from 0.0 to 180.0 degrees, with at most one decimal.</source>
        <translation>La posición debe estar entre 0.0 y 180.0 grados, con un decimal como máximo.</translation>
    </message>
    <message>
        <source>Satellite must be chosen from the list.</source>
        <translation>El satélite debe elegirse de la lista.</translation>
    </message>
</context>
<context>
    <name>Velmar</name>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>TPID</source>
        <translation>TPID</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>ID TS</translation>
    </message>
    <message>
        <source>Sat ID</source>
        <translation>ID sat.</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frec.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Tasa símb.</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polaridad</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>ID proveedor</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>MUX</source>
        <translation>MUX</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Frec. (MHz)</translation>
    </message>
    <message>
        <source>NET ID</source>
        <translation>ID red</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>NID orig.</translation>
    </message>
    <message>
        <source>Const</source>
        <translation>Const.</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inv.</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>Modo TX</translation>
    </message>
    <message>
        <source>C.R.</source>
        <translation>T. cód.</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Constel.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <translation>Int. guarda</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Velmar for VX-7 and VX-8 satellite receivers - 8FAV</source>
        <translation>Velmar para los receptores de satélite VX-7 y VX-8 - 8FAV</translation>
    </message>
    <message>
        <source>About Velmar</source>
        <translation>Acerca de Velmar</translation>
    </message>
    <message>
        <source>Velmar Version 1.4.6.10 (build:20090929)</source>
        <translation>Velmar versión 1.4.6.10 (compilación: 20090929)</translation>
    </message>
    <message>
        <source>Channel database editor for digital-TV receivers</source>
        <translation>Editor de la base de datos de canales para receptores de TV digital</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>No se puede abrir el archivo o su versión no es válida</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>No se puede guardar el archivo de canales</translation>
    </message>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>No se puede leer la cabecera del archivo. ¿Continuar?</translation>
    </message>
    <message>
        <source>Cannot open file %s.</source>
        <translation>No se puede abrir el archivo %s.</translation>
    </message>
    <message>
        <source>The channel data has changed since it was opened or saved. Save the changes?</source>
        <translation>Los datos de canales han cambiado desde que se abrieron o guardaron. ¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>The image was opened, but its working copy in the temporary directory could not be written. The channel list is complete in memory and saves as usual.</source>
        <translation>La imagen se ha abierto, pero no se ha podido escribir su copia de trabajo en la carpeta temporal. La lista de canales está completa en memoria y se guarda como siempre.</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Save it anyway?</source>
        <translation>La lista de canales tiene problemas que el receptor quizá no pueda manejar. ¿Guardarla de todos modos?</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Send it anyway?</source>
        <translation>La lista de canales tiene problemas que el receptor quizá no pueda manejar. ¿Enviarla de todos modos?</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Guardar igualmente</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Enviar igualmente</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Cargar datos de canales</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Guardar datos de canales</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Guardar datos de canales predeterminados</translation>
    </message>
    <message>
        <source>Local file (*.h)|*.bin|All Files(*.*)|*.*||</source>
        <translation>Archivo local (*.h)|*.bin|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Debe reiniciar el programa ahora.</translation>
    </message>
    <message>
        <source>Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>Archivo binario (*.bin)|*.bin|Archivo de Excel (*.xls)|*.xls|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>Archivo local (*.bin)|*.bin|Archivo de Excel (*.xls)|*.xls|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>¿Desea eliminar los elementos seleccionados?</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size</source>
        <translation>No se puede cambiar el nombre de favoritos: la longitud del texto no coincide.</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>No se puede copiar de canales de radio a canales de TV</translation>
    </message>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>No se puede copiar de canales de TV a canales de radio</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>No se puede mover de canales de radio a canales de TV</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>No se puede mover de canales de TV a canales de radio</translation>
    </message>
    <message>
        <source>Broadcast Name : %s (ID : %d)</source>
        <translation>Nombre del proveedor: %s (ID: %d)</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Los datos que se van a enviar están vacíos o no son válidos</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestre</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>Múltiplex</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Fav</source>
        <translation>Fav.</translation>
    </message>
    <message>
        <source>SatID</source>
        <translation>ID sat.</translation>
    </message>
    <message>
        <source>CH#</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>VPID</source>
        <translation>PID V</translation>
    </message>
    <message>
        <source>APID</source>
        <translation>PID A</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Número lógico</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de servicio</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID de PCR</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificado</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Sintonizador</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Seleccionar todo      Ctrl+A</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Sintonizador 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Sintonizador 2</translation>
    </message>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>Nuevo...        	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Copiar          	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Pegar         	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Mover aquí</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Bloquear...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Omitir...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seleccionar...</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>Invertir selección</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Descripción...	Intro</translation>
    </message>
    <message>
        <source>New...            Ctrl+N</source>
        <translation>Nuevo...            Ctrl+N</translation>
    </message>
    <message>
        <source>Delete             Delete</source>
        <translation>Eliminar             Supr</translation>
    </message>
    <message>
        <source>Description...   Enter</source>
        <translation>Descripción...   Intro</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Eliminar        	Supr</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Lock On</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Lock Off</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Skip On</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Skip Off</source>
        <translation>No omitir</translation>
    </message>
    <message>
        <source>Set satellite</source>
        <translation>Asignar satélite</translation>
    </message>
    <message>
        <source>Set multiplex</source>
        <translation>Asignar múltiplex</translation>
    </message>
    <message>
        <source>Set transponder</source>
        <translation>Asignar transpondedor</translation>
    </message>
    <message>
        <source>Set broadcaster</source>
        <translation>Asignar proveedor</translation>
    </message>
    <message>
        <source>Add to favourite list</source>
        <translation>Añadir a la lista de favoritos</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Asignar género</translation>
    </message>
    <message>
        <source>Move channels</source>
        <translation>Mover canales</translation>
    </message>
    <message>
        <source>Reorder favourite list</source>
        <translation>Reordenar lista de favoritos</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nuevo satélite</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Editar satélite</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Eliminar satélite</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nuevo transpondedor</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Editar transpondedor</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Eliminar transpondedor</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Mover transpondedores</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Nuevo múltiplex</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Editar múltiplex</translation>
    </message>
    <message>
        <source>Delete multiplex</source>
        <translation>Eliminar múltiplex</translation>
    </message>
    <message>
        <source>New broadcaster</source>
        <translation>Nuevo proveedor</translation>
    </message>
    <message>
        <source>Update broadcaster</source>
        <translation>Editar proveedor</translation>
    </message>
    <message>
        <source>Delete broadcaster</source>
        <translation>Eliminar proveedor</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Renombrar lista de favoritos</translation>
    </message>
    <message>
        <source>Import workbook</source>
        <translation>Importar libro</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Aplicar orden</translation>
    </message>
    <message>
        <source>Add to this list</source>
        <translation>Añadir a esta lista</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>Import transponders</source>
        <translation>Importar transpondedores</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Noticias y divulgación</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Entretenimiento</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Deportes</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Infantil</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Divulgación</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Educación</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Estilo de vida</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Drama</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Arte</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Actualidad</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Especial</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Comedia</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Documental</translation>
    </message>
    <message>
        <source>Compare with another list</source>
        <translation>Comparar con otra lista</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>Differences between this list and %1: %2</source>
        <translation>Diferencias entre esta lista y %1: %2</translation>
    </message>
    <message>
        <source>The two lists are the same.</source>
        <translation>Las dos listas son iguales.</translation>
    </message>
    <message>
        <source>The other list has no satellites: the channels&apos; tuning was compared by their ids.</source>
        <translation>La otra lista no tiene satélites: la sintonía de los canales se comparó por sus identificadores.</translation>
    </message>
    <message>
        <source>Only in this list</source>
        <translation>Solo en esta lista</translation>
    </message>
    <message>
        <source>Only in the other list</source>
        <translation>Solo en la otra lista</translation>
    </message>
    <message>
        <source>Number changed</source>
        <translation>Número cambiado</translation>
    </message>
    <message>
        <source>Name changed</source>
        <translation>Nombre cambiado</translation>
    </message>
    <message>
        <source>Tuning changed</source>
        <translation>Sintonía cambiada</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Atributos cambiados</translation>
    </message>
    <message>
        <source>Favourite lists changed</source>
        <translation>Listas de favoritos cambiadas</translation>
    </message>
    <message>
        <source>Satellites only in this list</source>
        <translation>Satélites solo en esta lista</translation>
    </message>
    <message>
        <source>Satellites only in the other list</source>
        <translation>Satélites solo en la otra lista</translation>
    </message>
    <message>
        <source>Satellite renamed</source>
        <translation>Satélite renombrado</translation>
    </message>
    <message>
        <source>Transponders only in this list</source>
        <translation>Transpondedores solo en esta lista</translation>
    </message>
    <message>
        <source>Transponders only in the other list</source>
        <translation>Transpondedores solo en la otra lista</translation>
    </message>
    <message>
        <source>Transponder changed</source>
        <translation>Transpondedor cambiado</translation>
    </message>
    <message>
        <source>Multiplexes only in this list</source>
        <translation>Múltiplex solo en esta lista</translation>
    </message>
    <message>
        <source>Multiplexes only in the other list</source>
        <translation>Múltiplex solo en la otra lista</translation>
    </message>
    <message>
        <source>Multiplex changed</source>
        <translation>Múltiplex cambiado</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importar canales desde CSV</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Exportar canales como CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|All Files(*.*)|*.*||</source>
        <translation>Archivo CSV (*.csv)|*.csv|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Importar transpondedores</translation>
    </message>
    <message>
        <source>Satellite list (*.xml)|*.xml|All Files(*.*)|*.*||</source>
        <translation>Lista de satélites (*.xml)|*.xml|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Bring these satellites up to date:</source>
        <translation>Actualizar estos satélites:</translation>
    </message>
    <message>
        <source>%1  %2  (%3, in this list)</source>
        <translation>%1  %2  (%3, en esta lista)</translation>
    </message>
    <message>
        <source>%1  %2  (%3, new)</source>
        <translation>%1  %2  (%3, nuevo)</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders</source>
        <translation>
            <numerusform>%1 transpondedor</numerusform>
            <numerusform>%1 transpondedores</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete transponders the file does not have</source>
        <translation>Eliminar los transpondedores que no están en el archivo</translation>
    </message>
    <message>
        <source>Their channels are deleted with them, as the transponder grid&apos;s Delete does.</source>
        <translation>Sus canales se eliminan con ellos, como hace la eliminación en la lista de transpondedores.</translation>
    </message>
    <message>
        <source>The file lists no satellites. Nothing was changed.</source>
        <translation>El archivo no contiene satélites. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>No hay memoria suficiente para terminar el comando. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The command failed: %s</source>
        <translation>El comando ha fallado: %s</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID de red</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID de red original</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Grupo %1 %2</translation>
    </message>
    <message>
        <source>Satellite receiver with one tuner and compact channel entries (the start-up choice)</source>
        <translation>Receptor de satélite con un sintonizador y entradas de canal compactas (la opción inicial)</translation>
    </message>
    <message>
        <source>VX-7 and VX-8 satellite receivers</source>
        <translation>los receptores de satélite VX-7 y VX-8</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries; each channel keeps its place in eight favourite lists</source>
        <translation>Receptor de satélite con entradas de satélite largas; cada canal conserva su lugar en ocho listas de favoritos</translation>
    </message>
    <message>
        <source>VX-8 Plus satellite receivers</source>
        <translation>los receptores de satélite VX-8 Plus</translation>
    </message>
    <message>
        <source>Satellite receiver with full channel entries; each channel keeps its place in 24 favourite lists</source>
        <translation>Receptor de satélite con entradas de canal completas; cada canal conserva su lugar en 24 listas de favoritos</translation>
    </message>
    <message>
        <source>VX-1 satellite receivers</source>
        <translation>los receptores de satélite VX-1</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries and full channel entries; each channel keeps its place in 32 favourite lists</source>
        <translation>Receptor de satélite con entradas de satélite largas y entradas de canal completas; cada canal conserva su lugar en 32 listas de favoritos</translation>
    </message>
    <message>
        <source>VX-64 satellite receivers</source>
        <translation>los receptores de satélite VX-64</translation>
    </message>
    <message>
        <source>Cable receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Receptor de cable con dos sintonizadores; cada canal se guarda una vez por sintonizador</translation>
    </message>
    <message>
        <source>VX-5 twin-tuner cable receivers</source>
        <translation>los receptores de cable de doble sintonizador VX-5</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Receptor terrestre (antena) con dos sintonizadores; cada canal se guarda una vez por sintonizador</translation>
    </message>
    <message>
        <source>VX-6 twin-tuner terrestrial receivers</source>
        <translation>los receptores terrestres de doble sintonizador VX-6</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver; multiplexes instead of satellites</source>
        <translation>Receptor terrestre (antena); múltiplex en lugar de satélites</translation>
    </message>
    <message>
        <source>VX-1T terrestrial receivers</source>
        <translation>los receptores terrestres VX-1T</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with network channel entries (logical channel numbers) and eight favourite lists</source>
        <translation>Receptor terrestre (antena) con entradas de canal de red (números lógicos de canal) y ocho listas de favoritos</translation>
    </message>
    <message>
        <source>VX-9 terrestrial receivers</source>
        <translation>los receptores terrestres VX-9</translation>
    </message>
    <message>
        <source>Cable receiver; cable multiplexes instead of satellites</source>
        <translation>Receptor de cable; múltiplex de cable en lugar de satélites</translation>
    </message>
    <message>
        <source>VX-2 cable receivers</source>
        <translation>los receptores de cable VX-2</translation>
    </message>
    <message>
        <source>Receiver with a satellite and a terrestrial tuner; the terrestrial multiplexes have their own tab</source>
        <translation>Receptor con un sintonizador de satélite y otro terrestre; los múltiplex terrestres tienen su propia pestaña</translation>
    </message>
    <message>
        <source>VX-3 satellite and terrestrial receivers</source>
        <translation>los receptores de satélite y terrestres VX-3</translation>
    </message>
    <message>
        <source>Cable receiver that keeps its multiplexes, providers and channels together in one block</source>
        <translation>Receptor de cable que guarda sus múltiplex, proveedores y canales juntos en un solo bloque</translation>
    </message>
    <message>
        <source>VX-10 cable receivers</source>
        <translation>los receptores de cable VX-10</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transpondedor</translation>
    </message>
    <message>
        <source>%1 must be a number from 0 to %2.</source>
        <translation>%1: debe ser un número de 0 a %2.</translation>
    </message>
    <message>
        <source>%1 must have at most %2 characters.</source>
        <translation>%1: como máximo %2 caracteres.</translation>
    </message>
    <message>
        <source>%1 must be between 0 and %2.</source>
        <translation>%1: el valor debe estar entre 0 y %2.</translation>
    </message>
    <message>
        <source>%1 must not be 0: the receiver reads it as an empty slot.</source>
        <translation>%1 no debe ser 0: el receptor lo interpreta como una posición vacía.</translation>
    </message>
    <message>
        <source>Name must not be empty.</source>
        <translation>El nombre no debe estar vacío.</translation>
    </message>
    <message>
        <source>Attributes must mark the channel as either TV (0x0400) or radio (0x0800).</source>
        <translation>Attributes debe marcar el canal como TV (0x0400) o como radio (0x0800).</translation>
    </message>
    <message>
        <source>Tuner must be 0 on this receiver: other values mark the second tuner&apos;s copy.</source>
        <translation>Tuner debe ser 0 en este receptor: los demás valores marcan la copia del segundo sintonizador.</translation>
    </message>
    <message>
        <source>Degree must be below 3600 (tenths of a degree).</source>
        <translation>Degree debe ser menor que 3600 (décimas de grado).</translation>
    </message>
    <message>
        <source>ID must not be 0.</source>
        <translation>El ID no debe ser 0.</translation>
    </message>
    <message>
        <source>ID %1 belongs to another satellite.</source>
        <translation>El ID %1 pertenece a otro satélite.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another transponder of satellite %2.</source>
        <translation>El TPID %1 pertenece a otro transpondedor del satélite %2.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another multiplex.</source>
        <translation>El TPID %1 pertenece a otro múltiplex.</translation>
    </message>
    <message numerus="yes">
        <source>Matched %1 channels by ids and %2 by name; %3 not matched.</source>
        <translation>
            <numerusform>%1 canal emparejado por ID y %2 por nombre; sin emparejar: %3.</numerusform>
            <numerusform>%1 canales emparejados por ID y %2 por nombre; sin emparejar: %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>TV %1 %2</source>
        <translation>TV %1 %2</translation>
    </message>
    <message>
        <source>radio %1 %2</source>
        <translation>radio %1 %2</translation>
    </message>
    <message>
        <source>%1 channel shares a number with another channel of its kind</source>
        <translation>%1 canal comparte número con otro canal de su tipo</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels share a number with another channel of their kind</source>
        <translation>
            <numerusform>%1 canal comparte número con otro canal de su tipo</numerusform>
            <numerusform>%1 canales comparten número con otro canal de su tipo</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (satellite %2)</source>
        <translation>%1 (satélite %2)</translation>
    </message>
    <message>
        <source>%1 (transponder %2 of satellite %3)</source>
        <translation>%1 (transpondedor %2 del satélite %3)</translation>
    </message>
    <message>
        <source>%1 (multiplex %2)</source>
        <translation>%1 (múltiplex %2)</translation>
    </message>
    <message>
        <source>%1 (provider %2)</source>
        <translation>%1 (proveedor %2)</translation>
    </message>
    <message>
        <source>transponder %1 MHz (satellite %2)</source>
        <translation>transpondedor %1 MHz (satélite %2)</translation>
    </message>
    <message>
        <source>%1 channel names a satellite the list does not have</source>
        <translation>%1 canal indica un satélite que la lista no tiene</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 canal indica un satélite que la lista no tiene</numerusform>
            <numerusform>%1 canales indican un satélite que la lista no tiene</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a transponder the list does not have</source>
        <translation>%1 canal indica un transpondedor que la lista no tiene</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a transponder the list does not have</source>
        <translation>
            <numerusform>%1 canal indica un transpondedor que la lista no tiene</numerusform>
            <numerusform>%1 canales indican un transpondedor que la lista no tiene</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a multiplex the list does not have</source>
        <translation>%1 canal indica un múltiplex que la lista no tiene</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a multiplex the list does not have</source>
        <translation>
            <numerusform>%1 canal indica un múltiplex que la lista no tiene</numerusform>
            <numerusform>%1 canales indican un múltiplex que la lista no tiene</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a provider the list does not have</source>
        <translation>%1 canal indica un proveedor que la lista no tiene</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a provider the list does not have</source>
        <translation>
            <numerusform>%1 canal indica un proveedor que la lista no tiene</numerusform>
            <numerusform>%1 canales indican un proveedor que la lista no tiene</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder names a satellite the list does not have</source>
        <translation>%1 transpondedor indica un satélite que la lista no tiene</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 transpondedor indica un satélite que la lista no tiene</numerusform>
            <numerusform>%1 transpondedores indican un satélite que la lista no tiene</numerusform>
        </translation>
    </message>
    <message>
        <source>favourite list %1 (TV)</source>
        <translation>lista de favoritos %1 (TV)</translation>
    </message>
    <message>
        <source>favourite list %1 (radio)</source>
        <translation>lista de favoritos %1 (radio)</translation>
    </message>
    <message>
        <source>%1 favourite list has positions that repeat or leave holes</source>
        <translation>%1 lista de favoritos tiene posiciones repetidas o con huecos</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists have positions that repeat or leave holes</source>
        <translation>
            <numerusform>%1 lista de favoritos tiene posiciones repetidas o con huecos</numerusform>
            <numerusform>%1 listas de favoritos tienen posiciones repetidas o con huecos</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>satélite %1</translation>
    </message>
    <message>
        <source>provider %1</source>
        <translation>proveedor %1</translation>
    </message>
    <message>
        <source>%1 name holds characters the receiver cannot show</source>
        <translation>%1 nombre contiene caracteres que el receptor no puede mostrar</translation>
    </message>
    <message numerus="yes">
        <source>%1 names hold characters the receiver cannot show</source>
        <translation>
            <numerusform>%1 nombre contiene caracteres que el receptor no puede mostrar</numerusform>
            <numerusform>%1 nombres contienen caracteres que el receptor no puede mostrar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark neither TV nor radio</source>
        <translation>
            <numerusform>%1 no está marcada ni como TV ni como radio</numerusform>
            <numerusform>%1 no están marcadas ni como TV ni como radio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark both TV and radio</source>
        <translation>
            <numerusform>%1 está marcada como TV y como radio a la vez</numerusform>
            <numerusform>%1 están marcadas como TV y como radio a la vez</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have the number 0</source>
        <translation>
            <numerusform>%1 tiene el número 0</numerusform>
            <numerusform>%1 tienen el número 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have no name</source>
        <translation>
            <numerusform>%1 no tiene nombre</numerusform>
            <numerusform>%1 no tienen nombre</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name satellite %2, which the image does not have</source>
        <translation>%1 con el satélite %2, que la imagen no tiene</translation>
    </message>
    <message numerus="yes">
        <source>%1 name satellites %2, which the image does not have</source>
        <translation>
            <numerusform>%1 con el satélite %2, que la imagen no tiene</numerusform>
            <numerusform>%1 con los satélites %2, que la imagen no tiene</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name transponder %2, which the image does not have on their satellite</source>
        <translation>%1 con el transpondedor %2, que la imagen no tiene en su satélite</translation>
    </message>
    <message numerus="yes">
        <source>%1 name transponders %2, which the image does not have on their satellite</source>
        <translation>
            <numerusform>%1 con el transpondedor %2, que la imagen no tiene en su satélite</numerusform>
            <numerusform>%1 con los transpondedores %2, que la imagen no tiene en su satélite</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name multiplex %2, which the image does not have</source>
        <translation>%1 con el múltiplex %2, que la imagen no tiene</translation>
    </message>
    <message numerus="yes">
        <source>%1 name multiplexes %2, which the image does not have</source>
        <translation>
            <numerusform>%1 con el múltiplex %2, que la imagen no tiene</numerusform>
            <numerusform>%1 con los múltiplex %2, que la imagen no tiene</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name provider %2, which the image does not have</source>
        <translation>%1 con el proveedor %2, que la imagen no tiene</translation>
    </message>
    <message numerus="yes">
        <source>%1 name providers %2, which the image does not have</source>
        <translation>
            <numerusform>%1 con el proveedor %2, que la imagen no tiene</numerusform>
            <numerusform>%1 con los proveedores %2, que la imagen no tiene</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the %1 row of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>La fila de Channel no se puede importar: %2. La lista de canales no ha cambiado.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 rows of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>
            <numerusform>Ninguna de las %1 filas de Channel se puede importar: %2. La lista de canales no ha cambiado.</numerusform>
            <numerusform>Ninguna de las %1 filas de Channel se puede importar: %2. La lista de canales no ha cambiado.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 row of Channel was not imported: %2.</source>
        <translation>%1 fila de Channel no se ha importado: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel were not imported: %2.</source>
        <translation>
            <numerusform>%1 fila de Channel no se ha importado: %2.</numerusform>
            <numerusform>%1 filas de Channel no se han importado: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of the rows imported, %1; the check before Save and Send lists them.</source>
        <translation>De las filas importadas: %1; la comprobación antes de guardar y enviar las enumera.</translation>
    </message>
    <message>
        <source>%1 row of Channel had a number that an earlier row has and now follows the last channel of its kind.</source>
        <translation>%1 fila de Channel tenía un número que ya tiene una fila anterior y ahora sigue al último canal de su tipo.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel had a number that earlier rows have and now follow the last channels of their kind.</source>
        <translation>
            <numerusform>%1 fila de Channel tenía un número que ya tiene una fila anterior y ahora sigue al último canal de su tipo.</numerusform>
            <numerusform>%1 filas de Channel tenían un número que ya tienen filas anteriores y ahora siguen a los últimos canales de su tipo.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satélite</translation>
    </message>
    <message numerus="yes">
        <source>%1 satellites</source>
        <translation>
            <numerusform>%1 satélite</numerusform>
            <numerusform>%1 satélites</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 canal</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels</source>
        <translation>
            <numerusform>%1 canal</numerusform>
            <numerusform>%1 canales</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged, %6 deleted with %7.</source>
        <translation>Añadidos: %1, actualizados: %2; transpondedores añadidos: %3, modificados: %4, sin cambios: %5, eliminados: %6 con %7.</translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged.</source>
        <translation>Añadidos: %1, actualizados: %2; transpondedores añadidos: %3, modificados: %4, sin cambios: %5.</translation>
    </message>
    <message>
        <source>%1 transponder of the list the file no longer has was kept:</source>
        <translation>Se ha conservado %1 transpondedor de la lista que el archivo ya no tiene:</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the list the file no longer has were kept:</source>
        <translation>
            <numerusform>Se ha conservado %1 transpondedor de la lista que el archivo ya no tiene:</numerusform>
            <numerusform>Se han conservado %1 transpondedores de la lista que el archivo ya no tiene:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a frequency outside 1 to 65,535 MHz</source>
        <translation>
            <numerusform>%1 con una frecuencia fuera de 1 a 65.535 MHz</numerusform>
            <numerusform>%1 con una frecuencia fuera de 1 a 65.535 MHz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a symbol rate outside 1 to 65,535 kS/s</source>
        <translation>
            <numerusform>%1 con una tasa de símbolos fuera de 1 a 65.535 kS/s</numerusform>
            <numerusform>%1 con una tasa de símbolos fuera de 1 a 65.535 kS/s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 16APSK or 32APSK, which the receiver cannot hold</source>
        <translation>
            <numerusform>%1 con 16APSK o 32APSK, que el receptor no puede guardar</numerusform>
            <numerusform>%1 con 16APSK o 32APSK, que el receptor no puede guardar</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder of the file was not imported: %2.</source>
        <translation>%1 transpondedor del archivo no se ha importado: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the file were not imported: %2.</source>
        <translation>
            <numerusform>%1 transpondedor del archivo no se ha importado: %2.</numerusform>
            <numerusform>%1 transpondedores del archivo no se han importado: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 circular transponder was taken with left as H and right as V.</source>
        <translation>%1 transpondedor circular se ha tomado con izquierda como H y derecha como V.</translation>
    </message>
    <message numerus="yes">
        <source>%1 circular transponders were taken with left as H and right as V.</source>
        <translation>
            <numerusform>%1 transpondedor circular se ha tomado con izquierda como H y derecha como V.</numerusform>
            <numerusform>%1 transpondedores circulares se han tomado con izquierda como H y derecha como V.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 FEC the receiver has no name for was taken as Auto.</source>
        <translation>%1 FEC sin nombre en el receptor se ha tomado como Auto.</translation>
    </message>
    <message numerus="yes">
        <source>%1 FECs the receiver has no name for were taken as Auto.</source>
        <translation>
            <numerusform>%1 FEC sin nombre en el receptor se ha tomado como Auto.</numerusform>
            <numerusform>%1 FEC sin nombre en el receptor se han tomado como Auto.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 DVB-S2 transponder was taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>%1 transpondedor DVB-S2 se ha tomado sin marca DVB-S2, que las entradas de este receptor no tienen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 DVB-S2 transponders were taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>
            <numerusform>%1 transpondedor DVB-S2 se ha tomado sin marca DVB-S2, que las entradas de este receptor no tienen.</numerusform>
            <numerusform>%1 transpondedores DVB-S2 se han tomado sin marca DVB-S2, que las entradas de este receptor no tienen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The other list has no channels that this list lacks.</source>
        <translation>La otra lista no tiene canales que le falten a esta lista.</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 múltiplex</translation>
    </message>
    <message numerus="yes">
        <source>%1 multiplexes</source>
        <translation>
            <numerusform>%1 múltiplex</numerusform>
            <numerusform>%1 múltiplex</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 proveedor</translation>
    </message>
    <message numerus="yes">
        <source>%1 providers</source>
        <translation>
            <numerusform>%1 proveedor</numerusform>
            <numerusform>%1 proveedores</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>Añadidos: %1.</translation>
    </message>
    <message>
        <source>The favourite tree</source>
        <translation>El árbol de favoritos</translation>
    </message>
    <message>
        <source>%1 favourite list</source>
        <translation>%1 lista de favoritos</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists</source>
        <translation>
            <numerusform>%1 lista de favoritos</numerusform>
            <numerusform>%1 listas de favoritos</numerusform>
        </translation>
    </message>
    <message>
        <source>The satellite list</source>
        <translation>La lista de satélites</translation>
    </message>
    <message>
        <source>The broadcaster list</source>
        <translation>La lista de proveedores</translation>
    </message>
    <message>
        <source>%1 broadcaster</source>
        <translation>%1 proveedor</translation>
    </message>
    <message numerus="yes">
        <source>%1 broadcasters</source>
        <translation>
            <numerusform>%1 proveedor</numerusform>
            <numerusform>%1 proveedores</numerusform>
        </translation>
    </message>
    <message>
        <source>The transponder list</source>
        <translation>La lista de transpondedores</translation>
    </message>
    <message>
        <source>The cable multiplex list</source>
        <translation>La lista de múltiplex de cable</translation>
    </message>
    <message>
        <source>%1 cable multiplex</source>
        <translation>%1 múltiplex de cable</translation>
    </message>
    <message numerus="yes">
        <source>%1 cable multiplexes</source>
        <translation>
            <numerusform>%1 múltiplex de cable</numerusform>
            <numerusform>%1 múltiplex de cable</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel list</source>
        <translation>La lista de canales</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds none. Remove %3 and save again.</source>
        <translation>%1 tiene %2, pero en este receptor no hay sitio. Elimine %3 y vuelva a guardar.</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds at most %4. Remove %3 and save again.</source>
        <translation>%1 tiene %2, pero este receptor admite como máximo %4. Elimine %3 y vuelva a guardar.</translation>
    </message>
    <message>
        <source>The reference list holds no channels. Nothing was changed.</source>
        <translation>La lista de referencia no contiene canales. No se ha cambiado nada.</translation>
    </message>
    <message numerus="yes">
        <source>The numbers after the reference&apos;s highest number %1 leave no room for %2 channels that it does not hold. Nothing was changed.</source>
        <translation>
            <numerusform>Tras el número más alto de la referencia, %1, no queda sitio para %2 canal que no contiene. No se ha cambiado nada.</numerusform>
            <numerusform>Tras el número más alto de la referencia, %1, no queda sitio para %2 canales que no contiene. No se ha cambiado nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>Favourite list %1 has no room after the reference&apos;s positions. Nothing was changed.</source>
        <translation>La lista de favoritos %1 no tiene sitio tras las posiciones de la referencia. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 «%2» no es un número de %3 a %4</translation>
    </message>
    <message>
        <source>line 1: the column %1 is named twice</source>
        <translation>línea 1: la columna %1 aparece dos veces</translation>
    </message>
    <message>
        <source>line 1 names none of the columns of the &quot;Channel&quot; sheet (ProgramNum, CAS, Favorite, ... ServiceType)</source>
        <translation>la línea 1 no nombra ninguna columna de la hoja «Channel» (ProgramNum, CAS, Favorite, ... ServiceType)</translation>
    </message>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>la línea %1 tiene %2 campos y la cabecera %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. The channel list was not changed.</source>
        <translation>No se puede leer el archivo CSV: %1. La lista de canales no se ha cambiado.</translation>
    </message>
    <message>
        <source>The CSV file is empty: it has no header row. The channel list was not changed.</source>
        <translation>El archivo CSV está vacío: no tiene fila de cabecera. La lista de canales no se ha cambiado.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the CSV file. The channel list was not changed.</source>
        <translation>No hay memoria suficiente para leer el archivo CSV. La lista de canales no se ha cambiado.</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>hay texto tras unas comillas de cierre</translation>
    </message>
    <message>
        <source>a quote stands inside a field that is not quoted</source>
        <translation>hay comillas dentro de un campo que no está entre comillas</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a channel number from 1 to 65535. Nothing was changed.</source>
        <translation>Línea %1: «%2» no es un número de canal de 1 a 65535. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two TV channels on number %3. Nothing was changed.</source>
        <translation>Las líneas %1 y %2 ponen dos canales de TV en el número %3. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two radio channels on number %3. Nothing was changed.</source>
        <translation>Las líneas %1 y %2 ponen dos canales de radio en el número %3. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two other channels on number %3. Nothing was changed.</source>
        <translation>Las líneas %1 y %2 ponen dos otros canales en el número %3. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The first line of the CSV file has no Name column. Nothing was changed.</source>
        <translation>La primera línea del archivo CSV no tiene columna Name. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. Nothing was changed.</source>
        <translation>No se puede leer el archivo CSV: %1. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The CSV file is empty. Nothing was changed.</source>
        <translation>El archivo CSV está vacío. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Line %1 comes after number 65535. Nothing was changed.</source>
        <translation>La línea %1 va después del número 65535. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 names of the list is a channel of this list. Nothing was changed.</source>
        <translation>
            <numerusform>El nombre de la lista (%1) no es un canal de esta lista. No se ha cambiado nada.</numerusform>
            <numerusform>Ninguno de los %1 nombres de la lista es un canal de esta lista. No se ha cambiado nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reference list holds no channels</source>
        <translation>La lista de referencia no contiene canales</translation>
    </message>
    <message>
        <source>There is not enough memory to read the reference list. Nothing was changed.</source>
        <translation>No hay memoria suficiente para leer la lista de referencia. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>This receiver has no satellites. Nothing was changed.</source>
        <translation>Este receptor no tiene satélites. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>No satellite ID is left for %1. Nothing was changed.</source>
        <translation>No queda ningún ID de satélite para %1. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Satellite %1 has no transponder number left. Nothing was changed.</source>
        <translation>Al satélite %1 no le quedan números de transpondedor. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>the file has more than %1 elements, more than any transponder list</source>
        <translation>el archivo tiene más de %1 elementos, más que cualquier lista de transpondedores</translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no transponder list is</source>
        <translation>hay elementos anidados a más de %1 niveles, algo que ninguna lista de transpondedores tiene</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no %2</source>
        <translation>&lt;%1&gt; no tiene %2</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1=&quot;%2&quot; no es un número de %3 a %4</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, more than any transponder list.</source>
        <translation>El archivo supera los %1 bytes, más que cualquier lista de transpondedores.</translation>
    </message>
    <message>
        <source>the XML is malformed (%1)</source>
        <translation>el XML está mal formado (%1)</translation>
    </message>
    <message>
        <source>the file has no &lt;satellites&gt; element</source>
        <translation>el archivo no tiene el elemento &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>There is not enough memory to read %1.</source>
        <translation>No hay memoria suficiente para leer %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last TV channel leave no room for %1.</source>
        <translation>Tras el último canal de TV de esta lista no queda sitio para %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last radio channel leave no room for %1.</source>
        <translation>Tras el último canal de radio de esta lista no queda sitio para %1.</translation>
    </message>
    <message>
        <source>Favourite list %1 has no room for the channels to add.</source>
        <translation>La lista de favoritos %1 no tiene sitio para los canales que se añaden.</translation>
    </message>
    <message>
        <source>The channel table has no key left.</source>
        <translation>La tabla de canales no tiene claves libres.</translation>
    </message>
    <message>
        <source>This list has no multiplex number left for %1.</source>
        <translation>A esta lista no le quedan números de múltiplex para %1.</translation>
    </message>
    <message>
        <source>The multiplex at %1 MHz cannot be added: this list has another multiplex with its number.</source>
        <translation>No se puede añadir el múltiplex de %1 MHz: esta lista tiene otro múltiplex con su número.</translation>
    </message>
    <message>
        <source>The multiplex table has no key left.</source>
        <translation>La tabla de múltiplex no tiene claves libres.</translation>
    </message>
    <message>
        <source>This list has no satellite number left for %1.</source>
        <translation>A esta lista no le quedan números de satélite para %1.</translation>
    </message>
    <message>
        <source>The satellite table has no key left.</source>
        <translation>La tabla de satélites no tiene claves libres.</translation>
    </message>
    <message>
        <source>The transponder table has no key left.</source>
        <translation>La tabla de transpondedores no tiene claves libres.</translation>
    </message>
    <message>
        <source>The satellite at %1 has no transponder number left.</source>
        <translation>Al satélite %1 no le quedan números de transpondedor.</translation>
    </message>
    <message>
        <source>This list has no provider number left.</source>
        <translation>A esta lista no le quedan números de proveedor.</translation>
    </message>
    <message>
        <source>The provider table has no key left.</source>
        <translation>La tabla de proveedores no tiene claves libres.</translation>
    </message>
    <message>
        <source>cannot read back the received file %1</source>
        <translation>no se puede volver a leer el archivo recibido %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to send</source>
        <translation>%1 está vacío: no hay nada que enviar</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Transferencia cancelada</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>El emisor canceló la transferencia</translation>
    </message>
    <message>
        <source>The line closed: %1</source>
        <translation>La línea se cerró: %1</translation>
    </message>
    <message numerus="yes">
        <source>The sender went on sending blocks after the announced %1 bytes; transfer abandoned</source>
        <translation>
            <numerusform>El emisor siguió enviando bloques tras el %1 byte anunciado; transferencia abandonada</numerusform>
            <numerusform>El emisor siguió enviando bloques tras los %1 bytes anunciados; transferencia abandonada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 arrived damaged %2 times; transfer abandoned</source>
        <translation>
            <numerusform>El bloque %1 llegó dañado %2 vez; transferencia abandonada</numerusform>
            <numerusform>El bloque %1 llegó dañado %2 veces; transferencia abandonada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 never came: block %2 came again %3 times; transfer abandoned</source>
        <translation>
            <numerusform>El bloque %1 nunca llegó: el bloque %2 volvió a llegar %3 vez; transferencia abandonada</numerusform>
            <numerusform>El bloque %1 nunca llegó: el bloque %2 volvió a llegar %3 veces; transferencia abandonada</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 damaged, %2 repeats of block %3</source>
        <translation>%1 dañados, %2 repeticiones del bloque %3</translation>
    </message>
    <message>
        <source>%1 damaged</source>
        <translation>%1 dañados</translation>
    </message>
    <message numerus="yes">
        <source>Block %1 failed %2 times (%3); transfer abandoned</source>
        <translation>
            <numerusform>El bloque %1 falló %2 vez (%3); transferencia abandonada</numerusform>
            <numerusform>El bloque %1 falló %2 veces (%3); transferencia abandonada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 arrived</source>
        <translation>
            <numerusform>La transferencia no terminó en los %1 permitidos para %2 byte: %3 recibidos</numerusform>
            <numerusform>La transferencia no terminó en los %1 permitidos para %2 bytes: %3 recibidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing arrived within %1: is the other side sending?</source>
        <translation>No llegó nada en %1: ¿está enviando el otro lado?</translation>
    </message>
    <message>
        <source>The sender sent data without a file header (a YMODEM batch was expected)</source>
        <translation>El emisor envió datos sin cabecera de archivo (se esperaba un lote YMODEM)</translation>
    </message>
    <message>
        <source>The sender&apos;s file header is not readable</source>
        <translation>La cabecera de archivo del emisor no se puede leer</translation>
    </message>
    <message>
        <source>The sender had no file to send</source>
        <translation>El emisor no tenía ningún archivo que enviar</translation>
    </message>
    <message>
        <source>The sender did not announce the size of %1; the transfer cannot be checked</source>
        <translation>El emisor no anunció el tamaño de %1; no se puede comprobar la transferencia</translation>
    </message>
    <message numerus="yes">
        <source>%1 is too large (%2 bytes; at most %3)</source>
        <translation>
            <numerusform>%1 es demasiado grande (%2 byte; como máximo %3)</numerusform>
            <numerusform>%1 es demasiado grande (%2 bytes; como máximo %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sender stopped sending: no block for %1, %2 times, after %3 of %4 bytes</source>
        <translation>
            <numerusform>El emisor dejó de enviar: ningún bloque en %1, %2 vez, tras %3 de %4 bytes</numerusform>
            <numerusform>El emisor dejó de enviar: ningún bloque en %1, %2 veces, tras %3 de %4 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer ended after %1 of %2 bytes</source>
        <translation>
            <numerusform>La transferencia terminó tras %1 de %2 byte</numerusform>
            <numerusform>La transferencia terminó tras %1 de %2 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The line closed after %1 of %2 bytes: %3</source>
        <translation>
            <numerusform>La línea se cerró tras %1 de %2 byte: %3</numerusform>
            <numerusform>La línea se cerró tras %1 de %2 bytes: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Block sequence lost: expected block %1, got block %2</source>
        <translation>Secuencia de bloques perdida: se esperaba el bloque %1 y llegó el bloque %2</translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 were acknowledged</source>
        <translation>
            <numerusform>La transferencia no terminó en los %1 permitidos para %2 byte: %3 confirmados</numerusform>
            <numerusform>La transferencia no terminó en los %1 permitidos para %2 bytes: %3 confirmados</numerusform>
        </translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>El receptor canceló la transferencia</translation>
    </message>
    <message>
        <source>The receiver asks for the old checksum mode; only CRC-16 is supported</source>
        <translation>El receptor pide el antiguo modo de suma de verificación; solo se admite CRC-16</translation>
    </message>
    <message>
        <source>The receiver did not ask for %1 within %2</source>
        <translation>El receptor no pidió %1 en %2</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>el final del archivo</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>el bloque %1</translation>
    </message>
    <message numerus="yes">
        <source>The receiver stopped answering: no reply to %1 within %2, %3 times</source>
        <translation>
            <numerusform>El receptor dejó de responder: sin respuesta para %1 en %2, %3 vez</numerusform>
            <numerusform>El receptor dejó de responder: sin respuesta para %1 en %2, %3 veces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receiver refused %1 %2 times; transfer abandoned</source>
        <translation>
            <numerusform>El receptor rechazó %1 %2 vez; transferencia abandonada</numerusform>
            <numerusform>El receptor rechazó %1 %2 veces; transferencia abandonada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sending %1 failed %2 times (%3 refused); transfer abandoned</source>
        <translation>
            <numerusform>El envío falló %2 vez para %1 (%3 rechazos); transferencia abandonada</numerusform>
            <numerusform>El envío falló %2 veces para %1 (%3 rechazos); transferencia abandonada</numerusform>
        </translation>
    </message>
    <message>
        <source>the file</source>
        <translation>el archivo</translation>
    </message>
    <message>
        <source>the data</source>
        <translation>los datos</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>transpondedor %1</translation>
    </message>
    <message>
        <source>other %1 %2</source>
        <translation>otro %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>múltiplex %1</translation>
    </message>
    <message>
        <source>%1, PIDs %2/%3/%4</source>
        <translation>%1, PID %2/%3/%4</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloqueado</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>codificado</translation>
    </message>
    <message>
        <source>cable %1</source>
        <translation>cable %1</translation>
    </message>
    <message>
        <source>terrestrial %1</source>
        <translation>terrestre %1</translation>
    </message>
    <message>
        <source>There is not enough memory to open %1.</source>
        <translation>No hay memoria suficiente para abrir %1.</translation>
    </message>
    <message>
        <source>a receiver image</source>
        <translation>una imagen de receptor</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>un archivo CSV</translation>
    </message>
    <message>
        <source>a channel list</source>
        <translation>una lista de canales</translation>
    </message>
    <message>
        <source>a satellites.xml file</source>
        <translation>un archivo satellites.xml</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not %2.</source>
        <translation>%1 es una carpeta, no %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so it cannot be %2.</source>
        <translation>%1 no es un archivo normal, así que no puede ser %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %2 bytes, more than %3 can have (at most %4 bytes).</source>
        <translation>
            <numerusform>%1 tiene %2 byte, más de los que puede tener %3 (como máximo %4 bytes).</numerusform>
            <numerusform>%1 tiene %2 bytes, más de los que puede tener %3 (como máximo %4 bytes).</numerusform>
        </translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>el archivo termina antes de tiempo</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 The channel list was not changed.</source>
        <translation>%1 La lista de canales no se ha cambiado.</translation>
    </message>
    <message>
        <source>serial %1 at %2 baud</source>
        <translation>serie %1 a %2 baudios</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>puerto TCP %1</translation>
    </message>
    <message>
        <source>TCP port %1 on %2</source>
        <translation>puerto TCP %1 en %2</translation>
    </message>
    <message>
        <source>%1 baud is not a rate a serial port can be set to</source>
        <translation>%1 baudios no es una velocidad que admita un puerto serie</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a serial port: %2</source>
        <translation>%1 no es un puerto serie: %2</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>no se puede configurar %1: %2</translation>
    </message>
    <message>
        <source>cannot find %1: %2</source>
        <translation>no se encuentra %1: %2</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>no se puede conectar con %1</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>no se puede conectar con %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>no se puede escuchar en %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1</source>
        <translation>no se puede escuchar en %1</translation>
    </message>
    <message>
        <source>not listening</source>
        <translation>no se está escuchando</translation>
    </message>
    <message>
        <source>Nobody connected to port %1 within %2</source>
        <translation>Nadie se ha conectado al puerto %1 en %2</translation>
    </message>
    <message>
        <source>accept: %1</source>
        <translation>conexión no aceptada: %1</translation>
    </message>
    <message>
        <source>there is no working copy (it could not be created in the temporary directory)</source>
        <translation>no hay copia de trabajo (no se pudo crear en la carpeta temporal)</translation>
    </message>
    <message>
        <source>Could not allocate memory</source>
        <translation>No se pudo reservar memoria</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>No se pudo determinar el tipo de etiqueta</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>Error en la declaración del documento o en una instrucción de procesamiento</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>Error en un comentario</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>Error en una sección CDATA</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>Error en la declaración del tipo de documento</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>Error en el texto de un elemento (PCDATA)</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>Error en una etiqueta de apertura</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>Error en un atributo</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>Error en una etiqueta de cierre</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>Las etiquetas de apertura y de cierre no coinciden</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>No se encontró ningún elemento del documento</translation>
    </message>
    <message>
        <source>keeping the old file as %1: %2</source>
        <translation>al conservar el archivo anterior como %1: %2</translation>
    </message>
    <message>
        <source>no file open for %1</source>
        <translation>no hay ningún archivo abierto para %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>no se puede crear un archivo en %1: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>no se puede bloquear %1: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1: %2</source>
        <translation>no se pueden establecer los permisos de %1: %2</translation>
    </message>
    <message>
        <source>writing %1: %2</source>
        <translation>al escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>writing %1 to disk: %2</source>
        <translation>al escribir %1 en el disco: %2</translation>
    </message>
    <message>
        <source>closing %1: %2</source>
        <translation>al cerrar %1: %2</translation>
    </message>
    <message>
        <source>replacing %1: %2</source>
        <translation>al reemplazar %1: %2</translation>
    </message>
    <message>
        <source>This receiver&apos;s flash layout is not valid: %1.</source>
        <translation>La distribución de la memoria flash de este receptor no es válida: %1.</translation>
    </message>
    <message>
        <source>sector size %1</source>
        <translation>tamaño de sector %1</translation>
    </message>
    <message>
        <source>favourite</source>
        <translation>favoritos</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>satélites</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>proveedores</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transpondedores</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canales</translation>
    </message>
    <message>
        <source>the %1 block has a negative value</source>
        <translation>el bloque de %1 tiene un valor negativo</translation>
    </message>
    <message>
        <source>the %1 block starts too far out</source>
        <translation>el bloque de %1 empieza demasiado lejos</translation>
    </message>
    <message>
        <source>a negative multiplex count</source>
        <translation>un número de múltiplex negativo</translation>
    </message>
    <message>
        <source>the single block is larger than any receiver&apos;s image</source>
        <translation>el bloque único es mayor que cualquier imagen de receptor</translation>
    </message>
    <message>
        <source>the %1 block reaches beyond any receiver&apos;s image</source>
        <translation>el bloque de %1 sobrepasa cualquier imagen de receptor</translation>
    </message>
    <message>
        <source>%1 Nothing was written. Save the channels under another name.</source>
        <translation>%1 No se ha escrito nada. Guarde los canales con otro nombre.</translation>
    </message>
    <message>
        <source>The workbook has no sheet named &quot;Channel&quot;.</source>
        <translation>El libro no tiene ninguna hoja llamada «Channel».</translation>
    </message>
    <message>
        <source>There is not enough memory to read the workbook.</source>
        <translation>No hay memoria suficiente para leer el libro.</translation>
    </message>
    <message>
        <source>The channel list has %1 channels, but a workbook sheet holds at most %2. Remove %3 channels and save again.</source>
        <translation>La lista tiene %1 canales, pero una hoja de libro admite como máximo %2. Quite %3 canales y vuelva a guardar.</translation>
    </message>
    <message>
        <source>%1 Its other contents could not be kept, so nothing was written. Save the channels under another name.</source>
        <translation>%1 El resto de su contenido no se podría conservar, así que no se ha escrito nada. Guarde los canales con otro nombre.</translation>
    </message>
    <message>
        <source>No workbook was read.</source>
        <translation>No se ha leído ningún libro.</translation>
    </message>
    <message>
        <source>The workbook was not read from a file.</source>
        <translation>El libro no se ha leído de un archivo.</translation>
    </message>
    <message>
        <source>The workbook is damaged: a stream of its compound file cannot be read.</source>
        <translation>El libro está dañado: no se puede leer un flujo de su archivo compuesto.</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook (.xls).</source>
        <translation>El archivo no es un libro de Excel 97-2003 (.xls).</translation>
    </message>
    <message>
        <source>The workbook is damaged: its sector tables or its directory cannot be read.</source>
        <translation>El libro está dañado: no se pueden leer sus tablas de sectores ni su directorio.</translation>
    </message>
    <message>
        <source>The file holds no &quot;Workbook&quot; stream, so it is not an Excel 97-2003 workbook.</source>
        <translation>El archivo no contiene un flujo «Workbook», así que no es un libro de Excel 97-2003.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its &quot;Workbook&quot; stream ends early or its sectors are chained wrongly.</source>
        <translation>El libro está dañado: su flujo «Workbook» termina antes de tiempo o sus sectores están mal encadenados.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its table of shared strings cannot be read.</source>
        <translation>El libro está dañado: no se puede leer su tabla de cadenas compartidas.</translation>
    </message>
    <message>
        <source>The workbook is protected with a password, so it cannot be read.</source>
        <translation>El libro está protegido con contraseña, así que no se puede leer.</translation>
    </message>
    <message>
        <source>The workbook holds more cells or sheets than this program reads.</source>
        <translation>El libro contiene más celdas u hojas de las que lee este programa.</translation>
    </message>
    <message>
        <source>an Excel workbook</source>
        <translation>un libro de Excel</translation>
    </message>
    <message>
        <source>A text of more than 255 characters cannot be added to this workbook.</source>
        <translation>No se puede añadir a este libro un texto de más de 255 caracteres.</translation>
    </message>
    <message>
        <source>The workbook is too large to be written.</source>
        <translation>El libro es demasiado grande para escribirse.</translation>
    </message>
    <message>
        <source>The file has no satellite at %1. Nothing was changed.</source>
        <translation>El archivo no tiene ningún satélite en %1. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>There is not enough memory to write the CSV file.</source>
        <translation>No hay memoria suficiente para escribir el archivo CSV.</translation>
    </message>
</context>
</TS>
