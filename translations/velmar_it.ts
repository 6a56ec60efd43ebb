<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CBroadcastGridCtrl</name>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifica</translation>
    </message>
</context>
<context>
    <name>CCaptionLine</name>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satellite</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 satelliti</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 multiplex</translation>
    </message>
    <message>
        <source>%1 multiplexes</source>
        <translation>%1 multiplex</translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 fornitore</translation>
    </message>
    <message>
        <source>%1 providers</source>
        <translation>%1 fornitori</translation>
    </message>
    <message>
        <source>%1 list</source>
        <translation>%1 lista</translation>
    </message>
    <message>
        <source>%1 lists</source>
        <translation>%1 liste</translation>
    </message>
</context>
<context>
    <name>CChannelForm</name>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Numero logico</translation>
    </message>
    <message>
        <source>Shown number</source>
        <translation>Numero mostrato</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID servizio</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID rete originale</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>ID flusso di trasporto</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Audio streams</source>
        <translation>Tracce audio</translation>
    </message>
    <message>
        <source>Subtitle streams</source>
        <translation>Tracce sottotitoli</translation>
    </message>
    <message>
        <source>CAS (hex)</source>
        <translation>CAS (hex)</translation>
    </message>
    <message>
        <source>Stream type (hex)</source>
        <translation>Tipo di flusso (hex)</translation>
    </message>
    <message>
        <source>Code table</source>
        <translation>Tabella caratteri</translation>
    </message>
    <message>
        <source>Update Channel</source>
        <translation>Modifica canale</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Nuovo canale TV</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Nuovo canale radio</translation>
    </message>
    <message>
        <source>A new channel is numbered after the last channel of its list.</source>
        <translation>Un nuovo canale riceve il numero successivo all’ultimo canale della sua lista.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>Al massimo %1 caratteri</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Né TV né radio</translation>
    </message>
    <message>
        <source>Both TV and radio</source>
        <translation>Sia TV sia radio</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>A new channel takes the genre of the genre list it is made in.</source>
        <translation>Un nuovo canale prende il genere della lista di genere in cui viene creato.</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Tuner byte %1</source>
        <translation>Byte tuner %1</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Criptato</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltato</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Ricezione</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>ID satellite %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Broadcaster ID %1</source>
        <translation>ID fornitore %1</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Fornitore</translation>
    </message>
    <message>
        <source>Transponder %1</source>
        <translation>Transponder %1</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Flussi</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Liste preferiti</translation>
    </message>
    <message>
        <source>%1 must be a hexadecimal number of at most %2 digits.</source>
        <translation>%1 deve essere un numero esadecimale di al massimo %2 cifre.</translation>
    </message>
</context>
<context>
    <name>CChannelGridCtrl</name>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
</context>
<context>
    <name>CChannelListBar</name>
    <message>
        <source>Filter by name (Esc clears)</source>
        <translation>Filtra per nome (Esc cancella)</translation>
    </message>
    <message>
        <source>Nothing chosen</source>
        <translation>Nessuna scelta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, names with “%2”</source>
        <translation>%1, nomi con “%2”</translation>
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
        <translation>Differenze</translation>
    </message>
</context>
<context>
    <name>CDlgInformation</name>
    <message>
        <source>The maker&apos;s form (64-byte header with CRC)</source>
        <translation>Formato del produttore (intestazione di 64 byte con CRC)</translation>
    </message>
    <message>
        <source>The working form (VX header)</source>
        <translation>Formato di lavoro (intestazione VX)</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>satellite</translation>
    </message>
    <message>
        <source>terrestrial</source>
        <translation>terrestre</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>cavo</translation>
    </message>
    <message>
        <source>Model %1, type 0x%2 (%3), byte order %4</source>
        <translation>Modello %1, tipo 0x%2 (%3), ordine dei byte %4</translation>
    </message>
    <message>
        <source>no reception bits</source>
        <translation>nessun bit di ricezione</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Liste preferiti</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Fornitori</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multiplex terrestri</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multiplex via cavo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Appunti</translation>
    </message>
    <message>
        <source>%1 (this receiver does not save them)</source>
        <translation>%1 (questo ricevitore non li salva)</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3</source>
        <translation>%1 di %2 usati, %3</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 liberi</translation>
    </message>
    <message>
        <source>%1 too many to save</source>
        <translation>%1 di troppo per salvare</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 TV, %2 radio</translation>
    </message>
    <message>
        <source>%1 locked, %2 skipped, %3 scrambled</source>
        <translation>%1 bloccati, %2 saltati, %3 criptati</translation>
    </message>
    <message>
        <source>No duplicate channels</source>
        <translation>Nessun canale duplicato</translation>
    </message>
    <message>
        <source>%1 duplicate channels in %2 groups</source>
        <translation>%1 canali duplicati in %2 gruppi</translation>
    </message>
    <message>
        <source>CH# %1  %2  (%3, satellite %4, TPID %5, ids %6/%7/%8)</source>
        <translation>N. %1  %2  (%3, satellite %4, TPID %5, ID %6/%7/%8)</translation>
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
        <translation>Formato intestazione:</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>Prodotto:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canali:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Attributi:</translation>
    </message>
    <message>
        <source>Duplicates:</source>
        <translation>Duplicati:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>The list check finds no problem.</source>
        <translation>Il controllo della lista non trova problemi.</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… e altri %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fornitore</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>%1 channels: %2</source>
        <translation>%1 canali: %2</translation>
    </message>
    <message>
        <source>Select them in the channel lists</source>
        <translation>Selezionali nelle liste dei canali</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicati</translation>
    </message>
</context>
<context>
    <name>CDlgPrintChoice</name>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Print these lists:</source>
        <translation>Stampa questi elenchi:</translation>
    </message>
    <message>
        <source>TV list</source>
        <translation>Elenco TV</translation>
    </message>
    <message>
        <source>Radio list</source>
        <translation>Elenco radio</translation>
    </message>
</context>
<context>
    <name>CDlgPrintPreview</name>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numero di pagina</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
</context>
<context>
    <name>CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Il nome contiene caratteri che Windows-1252 non può rappresentare.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifica</translation>
    </message>
</context>
<context>
    <name>CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Fornitori</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Preferiti</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Fornitori</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Scegliere una riga filtra le liste. Il tasto Menu o Maiusc+F10 apre i comandi; F6 passa al riquadro successivo.</translation>
    </message>
    <message>
        <source>Favorite lists and genres</source>
        <translation>Liste preferiti e generi</translation>
    </message>
    <message>
        <source>Choosing a list or a genre shows its channels; F2 renames a favorite list.</source>
        <translation>Scegliere una lista o un genere ne mostra i canali; F2 rinomina una lista preferiti.</translation>
    </message>
</context>
<context>
    <name>CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Satelliti</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Multiplex</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestre</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Sorgente</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multiplex terrestri</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multiplex via cavo</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Scegliere una riga filtra le liste. Il tasto Menu o Maiusc+F10 apre i comandi; F6 passa al riquadro successivo.</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. F6 goes to the next pane.</source>
        <translation>Scegliere una riga filtra le liste. F6 passa al riquadro successivo.</translation>
    </message>
</context>
<context>
    <name>CLinkForm</name>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Porta seriale</translation>
    </message>
    <message>
        <source>Network (TCP)</source>
        <translation>Rete (TCP)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Velocità (baud)</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>Porta TCP</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Ricevi</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Choose the line, press Receive, then start sending on the receiver.</source>
        <translation>Scegliere la linea, premere “Ricevi”, poi avviare l’invio sul ricevitore.</translation>
    </message>
    <message>
        <source>Choose the line, start receiving on the receiver, then press Send.</source>
        <translation>Scegliere la linea, avviare la ricezione sul ricevitore, poi premere “Invia”.</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Scegliere una porta seriale.</translation>
    </message>
    <message>
        <source>Enter the receiver&apos;s host name or address.</source>
        <translation>Inserire il nome host o l’indirizzo del ricevitore.</translation>
    </message>
    <message>
        <source>Connecting: %1</source>
        <translation>Connessione: %1</translation>
    </message>
    <message>
        <source>Waiting for the receiver to send...</source>
        <translation>In attesa che il ricevitore invii...</translation>
    </message>
    <message>
        <source>Waiting for the receiver to ask for the data...</source>
        <translation>In attesa che il ricevitore richieda i dati...</translation>
    </message>
    <message>
        <source>Transfer failed: %1</source>
        <translation>Trasferimento non riuscito: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
</context>
<context>
    <name>CListTools</name>
    <message>
        <source>Compare with…</source>
        <translation>Confronta con…</translation>
    </message>
    <message>
        <source>Show what another image or workbook has differently</source>
        <translation>Mostra le differenze di un’altra immagine o cartella di lavoro</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importa…</translation>
    </message>
    <message>
        <source>Replace the channels by those of a CSV file</source>
        <translation>Sostituisce i canali con quelli di un file CSV</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Write the channels as a CSV file</source>
        <translation>Scrive i canali in un file CSV</translation>
    </message>
    <message>
        <source>Import transponders…</source>
        <translation>Importa transponder…</translation>
    </message>
    <message>
        <source>Bring satellites and transponders up to date from a satellites.xml file</source>
        <translation>Aggiorna satelliti e transponder da un file satellites.xml</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Counts, capacity and duplicates of the whole list</source>
        <translation>Conteggi, capacità e duplicati dell’intera lista</translation>
    </message>
    <message>
        <source>Apply order</source>
        <translation>Applica ordine</translation>
    </message>
    <message>
        <source>Number the channels as another list numbers them</source>
        <translation>Numera i canali come li numera un’altra lista</translation>
    </message>
    <message>
        <source>Apply the order of another list</source>
        <translation>Applica l’ordine di un’altra lista</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>Memoria insufficiente per completare il comando. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>Il comando non è riuscito: %1</translation>
    </message>
    <message>
        <source>The command failed.</source>
        <translation>Il comando non è riuscito.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Apri un database esistente</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Salva su file</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Ricevi</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Ricevi il database dal ricevitore</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Invia il database al ricevitore</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Aggiorna tutto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostra informazioni sul programma, numero di versione e copyright</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Annulla l’ultima modifica</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Redo the edit undone last</source>
        <translation>Ripete l’ultima modifica annullata</translation>
    </message>
    <message>
        <source>Velmar for %1 - 8FAV</source>
        <translation>Velmar per %1 - 8FAV</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti: %1</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>Riquadro successivo</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Riquadro precedente</translation>
    </message>
    <message>
        <source>Add to favorite list %1</source>
        <translation>Aggiungi alla lista preferiti %1</translation>
    </message>
    <message>
        <source>The unsaved edits could not be kept in the recovery file, so a crash would lose them. Save the list to keep them.
%1</source>
        <translation>Non è stato possibile conservare le modifiche non salvate nel file di ripristino: un arresto anomalo le farebbe perdere. Salvare l&apos;elenco per conservarle.
%1</translation>
    </message>
</context>
<context>
    <name>CPrintTools</name>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Print the channel lists or save them as a PDF file</source>
        <translation>Stampa le liste dei canali o le salva come file PDF</translation>
    </message>
</context>
<context>
    <name>CRightView</name>
    <message>
        <source>Scrambled</source>
        <translation>Criptato</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltato</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source> Channels</source>
        <translation> Canali</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
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
        <translation>Liste mostrate</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canali TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canali radio</translation>
    </message>
    <message>
        <source>Menu or Shift+F10 opens the commands; Ctrl+1 to Ctrl+8 add the selected channels to favorite list 1 to 8; F6 goes to the next pane.</source>
        <translation>Il tasto Menu o Maiusc+F10 apre i comandi; da Ctrl+1 a Ctrl+8 aggiungono i canali selezionati alla lista preferiti da 1 a 8; F6 passa al riquadro successivo.</translation>
    </message>
</context>
<context>
    <name>CSourceGridCtrl</name>
    <message>
        <source>No satellite ID is free: the highest ID is already 255.</source>
        <translation>Nessun ID satellite libero: l’ID più alto è già 255.</translation>
    </message>
    <message>
        <source>No multiplex ID is free: all 255 are in use.</source>
        <translation>Nessun ID multiplex libero: tutti i 255 sono in uso.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Il nome contiene caratteri che Windows-1252 non può rappresentare.</translation>
    </message>
    <message>
        <source>No TPID is free on satellite %1.</source>
        <translation>Nessun TPID libero sul satellite %1.</translation>
    </message>
</context>
<context>
    <name>DeleteCounts</name>
    <message>
        <source>%1 channel is selected.</source>
        <translation>%1 canale selezionato.</translation>
    </message>
    <message>
        <source>%1 channels are selected.</source>
        <translation>%1 canali selezionati.</translation>
    </message>
    <message>
        <source>%1 satellite is selected.</source>
        <translation>%1 satellite selezionato.</translation>
    </message>
    <message>
        <source>%1 satellites are selected.</source>
        <translation>%1 satelliti selezionati.</translation>
    </message>
    <message>
        <source>%1 transponder is selected.</source>
        <translation>%1 transponder selezionato.</translation>
    </message>
    <message>
        <source>%1 transponders are selected.</source>
        <translation>%1 transponder selezionati.</translation>
    </message>
    <message>
        <source>%1 multiplex is selected.</source>
        <translation>%1 multiplex selezionato.</translation>
    </message>
    <message>
        <source>%1 multiplexes are selected.</source>
        <translation>%1 multiplex selezionati.</translation>
    </message>
    <message>
        <source>%1 provider is selected.</source>
        <translation>%1 fornitore selezionato.</translation>
    </message>
    <message>
        <source>%1 providers are selected.</source>
        <translation>%1 fornitori selezionati.</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 canale</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canali</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Deleting it also deletes its %1.</source>
        <translation>Eliminandolo si eliminano anche i suoi %1.</translation>
    </message>
    <message>
        <source>Deleting them also deletes their %1.</source>
        <translation>Eliminandoli si eliminano anche i loro %1.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Receiver:</source>
        <translation>Ricevitore:</translation>
    </message>
    <message>
        <source>Show the technical columns (record keys, satellite and transponder numbers, PIDs)</source>
        <translation>Mostra le colonne tecniche (chiavi dei record, numeri di satellite e transponder, PID)</translation>
    </message>
    <message>
        <source>The choice takes effect when the program starts again.</source>
        <translation>La scelta ha effetto al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Invia il database al ricevitore</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Ricevi il database dal ricevitore</translation>
    </message>
    <message>
        <source>%1 of %2 bytes (%3%), %4 KiB/s</source>
        <translation>%1 di %2 byte (%3%), %4 KiB/s</translation>
    </message>
    <message>
        <source>This form is not available in this version yet.
Nothing has been changed.</source>
        <translation>Questo modulo non è ancora disponibile in questa versione.
Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Trasferimento annullato</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>Il mittente ha annullato il trasferimento</translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Il ricevitore ha annullato il trasferimento</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>Update Multiplex</source>
        <translation>Modifica multiplex</translation>
    </message>
    <message>
        <source>New Multiplex</source>
        <translation>Nuovo multiplex</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenza (MHz)</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>Velocità di simbolo (kS/s)</translation>
    </message>
    <message>
        <source>QAM</source>
        <translation>QAM</translation>
    </message>
    <message>
        <source>Inversion (0-%1)</source>
        <translation>Inversione (0-%1)</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>ID TS</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID rete</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID rete originale</translation>
    </message>
    <message>
        <source>Update Satellite</source>
        <translation>Modifica satellite</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nuovo satellite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Posizione (gradi)</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Group 1</source>
        <translation>Gruppo 1</translation>
    </message>
    <message>
        <source>Group 2</source>
        <translation>Gruppo 2</translation>
    </message>
    <message>
        <source>Update Transponder</source>
        <translation>Modifica transponder</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nuovo transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>ID satellite %1</translation>
    </message>
    <message>
        <source>Choose a satellite</source>
        <translation>Scegliere un satellite</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>H (horizontal)</source>
        <translation>H (orizzontale)</translation>
    </message>
    <message>
        <source>V (vertical)</source>
        <translation>V (verticale)</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Frequency must be a number of MHz with at most three decimals, up to 4294967.295.</source>
        <translation>La frequenza deve essere un numero di MHz con al massimo tre decimali, fino a 4294967.295.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Il nome contiene caratteri che Windows-1252 non può rappresentare.</translation>
    </message>
    <message>
        <source>Position must be from 0.0 to 180.0 degrees, with at most one decimal.</source>
        <translation>La posizione deve essere compresa tra 0.0 e 180.0 gradi, con al massimo un decimale.</translation>
    </message>
    <message>
        <source>Satellite must be chosen from the list.</source>
        <translation>Il satellite deve essere scelto dall’elenco.</translation>
    </message>
</context>
<context>
    <name>Velmar</name>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Gradi</translation>
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
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Vel. simb.</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarità</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>ID fornitore</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>MUX</source>
        <translation>MUX</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Freq. (MHz)</translation>
    </message>
    <message>
        <source>NET ID</source>
        <translation>ID rete</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>NID orig.</translation>
    </message>
    <message>
        <source>Const</source>
        <translation>Costell.</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invers.</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marcatura</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>Modo TX</translation>
    </message>
    <message>
        <source>C.R.</source>
        <translation>Code rate</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Costell.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <translation>Int. guardia</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Velmar for VX-7 and VX-8 satellite receivers - 8FAV</source>
        <translation>Velmar per i ricevitori satellitari VX-7 e VX-8 - 8FAV</translation>
    </message>
    <message>
        <source>About Velmar</source>
        <translation>Informazioni su Velmar</translation>
    </message>
    <message>
        <source>Velmar Version 1.4.6.10 (build:20090929)</source>
        <translation>Velmar versione 1.4.6.10 (build: 20090929)</translation>
    </message>
    <message>
        <source>Channel database editor for digital-TV receivers</source>
        <translation>Editor del database dei canali per ricevitori TV digitali</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Impossibile aprire il file o versione del file non valida</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Impossibile salvare il file dei canali</translation>
    </message>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Impossibile leggere l’intestazione del file. Continuare?</translation>
    </message>
    <message>
        <source>Cannot open file %s.</source>
        <translation>Impossibile aprire il file %s.</translation>
    </message>
    <message>
        <source>The channel data has changed since it was opened or saved. Save the changes?</source>
        <translation>I dati dei canali sono cambiati dall’apertura o dall’ultimo salvataggio. Salvare le modifiche?</translation>
    </message>
    <message>
        <source>The image was opened, but its working copy in the temporary directory could not be written. The channel list is complete in memory and saves as usual.</source>
        <translation>L’immagine è stata aperta, ma non è stato possibile scrivere la sua copia di lavoro nella cartella temporanea. La lista dei canali è completa in memoria e si salva come di consueto.</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Save it anyway?</source>
        <translation>La lista dei canali ha problemi che il ricevitore potrebbe non gestire. Salvarla comunque?</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Send it anyway?</source>
        <translation>La lista dei canali ha problemi che il ricevitore potrebbe non gestire. Inviarla comunque?</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Salva comunque</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Invia comunque</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Carica dati canali</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Salva dati canali</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Salva dati canali predefiniti</translation>
    </message>
    <message>
        <source>Local file (*.h)|*.bin|All Files(*.*)|*.*||</source>
        <translation>File locale (*.h)|*.bin|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Ora è necessario riavviare il programma.</translation>
    </message>
    <message>
        <source>Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>File binario (*.bin)|*.bin|File Excel (*.xls)|*.xls|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>File locale (*.bin)|*.bin|File Excel (*.xls)|*.xls|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Eliminare gli elementi selezionati?</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size</source>
        <translation>Impossibile cambiare il nome dei preferiti: la lunghezza del testo non corrisponde.</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Impossibile copiare dai canali radio ai canali TV</translation>
    </message>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>Impossibile copiare dai canali TV ai canali radio</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Impossibile spostare dai canali radio ai canali TV</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>Impossibile spostare dai canali TV ai canali radio</translation>
    </message>
    <message>
        <source>Broadcast Name : %s (ID : %d)</source>
        <translation>Nome fornitore: %s (ID: %d)</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>I dati da inviare sono vuoti o non validi</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestre</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fornitore</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Fav</source>
        <translation>Pref.</translation>
    </message>
    <message>
        <source>SatID</source>
        <translation>ID sat.</translation>
    </message>
    <message>
        <source>CH#</source>
        <translation>N.</translation>
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
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Velocità di simbolo</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Numero logico</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID servizio</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Criptato</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltato</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Fornitore</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Seleziona tutto      Ctrl+A</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Tuner 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Tuner 2</translation>
    </message>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>Nuovo...        	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Modifica...</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Copia          	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Incolla         	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Sposta qui</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Blocca...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Salta...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seleziona...</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>Inverti selezione</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Cerca...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Descrizione...	Invio</translation>
    </message>
    <message>
        <source>New...            Ctrl+N</source>
        <translation>Nuovo...            Ctrl+N</translation>
    </message>
    <message>
        <source>Delete             Delete</source>
        <translation>Elimina             Canc</translation>
    </message>
    <message>
        <source>Description...   Enter</source>
        <translation>Descrizione...   Invio</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Elimina        	Canc</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Rimuovi dai preferiti</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Lock On</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Lock Off</source>
        <translation>Sblocca</translation>
    </message>
    <message>
        <source>Skip On</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Skip Off</source>
        <translation>Non saltare</translation>
    </message>
    <message>
        <source>Set satellite</source>
        <translation>Imposta satellite</translation>
    </message>
    <message>
        <source>Set multiplex</source>
        <translation>Imposta multiplex</translation>
    </message>
    <message>
        <source>Set transponder</source>
        <translation>Imposta transponder</translation>
    </message>
    <message>
        <source>Set broadcaster</source>
        <translation>Imposta fornitore</translation>
    </message>
    <message>
        <source>Add to favourite list</source>
        <translation>Aggiungi alla lista preferiti</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Imposta genere</translation>
    </message>
    <message>
        <source>Move channels</source>
        <translation>Sposta canali</translation>
    </message>
    <message>
        <source>Reorder favourite list</source>
        <translation>Riordina lista preferiti</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nuovo satellite</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Modifica satellite</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Elimina satellite</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nuovo transponder</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Modifica transponder</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Elimina transponder</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Sposta transponder</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Nuovo multiplex</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Modifica multiplex</translation>
    </message>
    <message>
        <source>Delete multiplex</source>
        <translation>Elimina multiplex</translation>
    </message>
    <message>
        <source>New broadcaster</source>
        <translation>Nuovo fornitore</translation>
    </message>
    <message>
        <source>Update broadcaster</source>
        <translation>Modifica fornitore</translation>
    </message>
    <message>
        <source>Delete broadcaster</source>
        <translation>Elimina fornitore</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Rinomina lista preferiti</translation>
    </message>
    <message>
        <source>Import workbook</source>
        <translation>Importa cartella di lavoro</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Applica ordine</translation>
    </message>
    <message>
        <source>Add to this list</source>
        <translation>Aggiungi a questa lista</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>Import transponders</source>
        <translation>Importa transponder</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Notizie e divulgazione</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Intrattenimento</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Bambini</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Divulgazione</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Istruzione</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Stile di vita</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Dramma</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Arte</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Attualità</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Speciale</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Commedia</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Documentari</translation>
    </message>
    <message>
        <source>Compare with another list</source>
        <translation>Confronta con un altro elenco</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Confronto</translation>
    </message>
    <message>
        <source>Differences between this list and %1: %2</source>
        <translation>Differenze tra questo elenco e %1: %2</translation>
    </message>
    <message>
        <source>The two lists are the same.</source>
        <translation>I due elenchi sono uguali.</translation>
    </message>
    <message>
        <source>The other list has no satellites: the channels&apos; tuning was compared by their ids.</source>
        <translation>L’altro elenco non contiene satelliti: la sintonia dei canali è stata confrontata in base ai loro ID.</translation>
    </message>
    <message>
        <source>Only in this list</source>
        <translation>Solo in questo elenco</translation>
    </message>
    <message>
        <source>Only in the other list</source>
        <translation>Solo nell’altro elenco</translation>
    </message>
    <message>
        <source>Number changed</source>
        <translation>Numero modificato</translation>
    </message>
    <message>
        <source>Name changed</source>
        <translation>Nome modificato</translation>
    </message>
    <message>
        <source>Tuning changed</source>
        <translation>Sintonia modificata</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Attributi modificati</translation>
    </message>
    <message>
        <source>Favourite lists changed</source>
        <translation>Elenchi dei preferiti modificati</translation>
    </message>
    <message>
        <source>Satellites only in this list</source>
        <translation>Satelliti solo in questo elenco</translation>
    </message>
    <message>
        <source>Satellites only in the other list</source>
        <translation>Satelliti solo nell’altro elenco</translation>
    </message>
    <message>
        <source>Satellite renamed</source>
        <translation>Satellite rinominato</translation>
    </message>
    <message>
        <source>Transponders only in this list</source>
        <translation>Transponder solo in questo elenco</translation>
    </message>
    <message>
        <source>Transponders only in the other list</source>
        <translation>Transponder solo nell’altro elenco</translation>
    </message>
    <message>
        <source>Transponder changed</source>
        <translation>Transponder modificato</translation>
    </message>
    <message>
        <source>Multiplexes only in this list</source>
        <translation>Multiplex solo in questo elenco</translation>
    </message>
    <message>
        <source>Multiplexes only in the other list</source>
        <translation>Multiplex solo nell’altro elenco</translation>
    </message>
    <message>
        <source>Multiplex changed</source>
        <translation>Multiplex modificato</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importa canali da CSV</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Esporta canali come CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|All Files(*.*)|*.*||</source>
        <translation>File CSV (*.csv)|*.csv|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Importa transponder</translation>
    </message>
    <message>
        <source>Satellite list (*.xml)|*.xml|All Files(*.*)|*.*||</source>
        <translation>Elenco satelliti (*.xml)|*.xml|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Bring these satellites up to date:</source>
        <translation>Aggiorna questi satelliti:</translation>
    </message>
    <message>
        <source>%1  %2  (%3, in this list)</source>
        <translation>%1  %2  (%3, in questo elenco)</translation>
    </message>
    <message>
        <source>%1  %2  (%3, new)</source>
        <translation>%1  %2  (%3, nuovo)</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders</source>
        <translation>
            <numerusform>%1 transponder</numerusform>
            <numerusform>%1 transponder</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete transponders the file does not have</source>
        <translation>Elimina i transponder assenti dal file</translation>
    </message>
    <message>
        <source>Their channels are deleted with them, as the transponder grid&apos;s Delete does.</source>
        <translation>I loro canali vengono eliminati insieme a essi, come fa l’eliminazione nell’elenco dei transponder.</translation>
    </message>
    <message>
        <source>The file lists no satellites. Nothing was changed.</source>
        <translation>Il file non elenca alcun satellite. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>Memoria insufficiente per completare il comando. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The command failed: %s</source>
        <translation>Il comando non è riuscito: %s</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Inversione</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID rete</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID rete originale</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Gruppo %1 %2</translation>
    </message>
    <message>
        <source>Satellite receiver with one tuner and compact channel entries (the start-up choice)</source>
        <translation>Ricevitore satellitare con un tuner e voci di canale compatte (la scelta iniziale)</translation>
    </message>
    <message>
        <source>VX-7 and VX-8 satellite receivers</source>
        <translation>i ricevitori satellitari VX-7 e VX-8</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries; each channel keeps its place in eight favourite lists</source>
        <translation>Ricevitore satellitare con voci di satellite lunghe; ogni canale mantiene il suo posto in otto liste preferiti</translation>
    </message>
    <message>
        <source>VX-8 Plus satellite receivers</source>
        <translation>i ricevitori satellitari VX-8 Plus</translation>
    </message>
    <message>
        <source>Satellite receiver with full channel entries; each channel keeps its place in 24 favourite lists</source>
        <translation>Ricevitore satellitare con voci di canale complete; ogni canale mantiene il suo posto in 24 liste preferiti</translation>
    </message>
    <message>
        <source>VX-1 satellite receivers</source>
        <translation>i ricevitori satellitari VX-1</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries and full channel entries; each channel keeps its place in 32 favourite lists</source>
        <translation>Ricevitore satellitare con voci di satellite lunghe e voci di canale complete; ogni canale mantiene il suo posto in 32 liste preferiti</translation>
    </message>
    <message>
        <source>VX-64 satellite receivers</source>
        <translation>i ricevitori satellitari VX-64</translation>
    </message>
    <message>
        <source>Cable receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Ricevitore via cavo con due tuner; ogni canale è memorizzato una volta per ciascun tuner</translation>
    </message>
    <message>
        <source>VX-5 twin-tuner cable receivers</source>
        <translation>i ricevitori via cavo a doppio tuner VX-5</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Ricevitore terrestre (antenna) con due tuner; ogni canale è memorizzato una volta per ciascun tuner</translation>
    </message>
    <message>
        <source>VX-6 twin-tuner terrestrial receivers</source>
        <translation>i ricevitori terrestri a doppio tuner VX-6</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver; multiplexes instead of satellites</source>
        <translation>Ricevitore terrestre (antenna); multiplex invece dei satelliti</translation>
    </message>
    <message>
        <source>VX-1T terrestrial receivers</source>
        <translation>i ricevitori terrestri VX-1T</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with network channel entries (logical channel numbers) and eight favourite lists</source>
        <translation>Ricevitore terrestre (antenna) con voci di canale di rete (numeri logici dei canali) e otto liste preferiti</translation>
    </message>
    <message>
        <source>VX-9 terrestrial receivers</source>
        <translation>i ricevitori terrestri VX-9</translation>
    </message>
    <message>
        <source>Cable receiver; cable multiplexes instead of satellites</source>
        <translation>Ricevitore via cavo; multiplex via cavo invece dei satelliti</translation>
    </message>
    <message>
        <source>VX-2 cable receivers</source>
        <translation>i ricevitori via cavo VX-2</translation>
    </message>
    <message>
        <source>Receiver with a satellite and a terrestrial tuner; the terrestrial multiplexes have their own tab</source>
        <translation>Ricevitore con un tuner satellitare e uno terrestre; i multiplex terrestri hanno una scheda propria</translation>
    </message>
    <message>
        <source>VX-3 satellite and terrestrial receivers</source>
        <translation>i ricevitori satellitari e terrestri VX-3</translation>
    </message>
    <message>
        <source>Cable receiver that keeps its multiplexes, providers and channels together in one block</source>
        <translation>Ricevitore via cavo che tiene multiplex, fornitori e canali insieme in un unico blocco</translation>
    </message>
    <message>
        <source>VX-10 cable receivers</source>
        <translation>i ricevitori via cavo VX-10</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>%1 must be a number from 0 to %2.</source>
        <translation>%1: deve essere un numero da 0 a %2.</translation>
    </message>
    <message>
        <source>%1 must have at most %2 characters.</source>
        <translation>%1: al massimo %2 caratteri.</translation>
    </message>
    <message>
        <source>%1 must be between 0 and %2.</source>
        <translation>%1: il valore deve essere compreso tra 0 e %2.</translation>
    </message>
    <message>
        <source>%1 must not be 0: the receiver reads it as an empty slot.</source>
        <translation>%1 non deve essere 0: il ricevitore lo legge come posizione vuota.</translation>
    </message>
    <message>
        <source>Name must not be empty.</source>
        <translation>Il nome non deve essere vuoto.</translation>
    </message>
    <message>
        <source>Attributes must mark the channel as either TV (0x0400) or radio (0x0800).</source>
        <translation>Attributes deve indicare il canale come TV (0x0400) oppure come radio (0x0800).</translation>
    </message>
    <message>
        <source>Tuner must be 0 on this receiver: other values mark the second tuner&apos;s copy.</source>
        <translation>Tuner deve essere 0 su questo ricevitore: gli altri valori indicano la copia del secondo tuner.</translation>
    </message>
    <message>
        <source>Degree must be below 3600 (tenths of a degree).</source>
        <translation>Degree deve essere inferiore a 3600 (decimi di grado).</translation>
    </message>
    <message>
        <source>ID must not be 0.</source>
        <translation>L’ID non deve essere 0.</translation>
    </message>
    <message>
        <source>ID %1 belongs to another satellite.</source>
        <translation>L’ID %1 appartiene a un altro satellite.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another transponder of satellite %2.</source>
        <translation>Il TPID %1 appartiene a un altro transponder del satellite %2.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another multiplex.</source>
        <translation>Il TPID %1 appartiene a un altro multiplex.</translation>
    </message>
    <message numerus="yes">
        <source>Matched %1 channels by ids and %2 by name; %3 not matched.</source>
        <translation>
            <numerusform>%1 canale abbinato tramite ID e %2 tramite nome; senza corrispondenza: %3.</numerusform>
            <numerusform>%1 canali abbinati tramite ID e %2 tramite nome; senza corrispondenza: %3.</numerusform>
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
        <translation>%1 canale condivide il numero con un altro canale dello stesso tipo</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels share a number with another channel of their kind</source>
        <translation>
            <numerusform>%1 canale condivide il numero con un altro canale dello stesso tipo</numerusform>
            <numerusform>%1 canali condividono il numero con un altro canale dello stesso tipo</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (satellite %2)</source>
        <translation>%1 (satellite %2)</translation>
    </message>
    <message>
        <source>%1 (transponder %2 of satellite %3)</source>
        <translation>%1 (transponder %2 del satellite %3)</translation>
    </message>
    <message>
        <source>%1 (multiplex %2)</source>
        <translation>%1 (multiplex %2)</translation>
    </message>
    <message>
        <source>%1 (provider %2)</source>
        <translation>%1 (fornitore %2)</translation>
    </message>
    <message>
        <source>transponder %1 MHz (satellite %2)</source>
        <translation>transponder %1 MHz (satellite %2)</translation>
    </message>
    <message>
        <source>%1 channel names a satellite the list does not have</source>
        <translation>%1 canale indica un satellite che la lista non ha</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 canale indica un satellite che la lista non ha</numerusform>
            <numerusform>%1 canali indicano un satellite che la lista non ha</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a transponder the list does not have</source>
        <translation>%1 canale indica un transponder che la lista non ha</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a transponder the list does not have</source>
        <translation>
            <numerusform>%1 canale indica un transponder che la lista non ha</numerusform>
            <numerusform>%1 canali indicano un transponder che la lista non ha</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a multiplex the list does not have</source>
        <translation>%1 canale indica un multiplex che la lista non ha</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a multiplex the list does not have</source>
        <translation>
            <numerusform>%1 canale indica un multiplex che la lista non ha</numerusform>
            <numerusform>%1 canali indicano un multiplex che la lista non ha</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a provider the list does not have</source>
        <translation>%1 canale indica un fornitore che la lista non ha</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a provider the list does not have</source>
        <translation>
            <numerusform>%1 canale indica un fornitore che la lista non ha</numerusform>
            <numerusform>%1 canali indicano un fornitore che la lista non ha</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder names a satellite the list does not have</source>
        <translation>%1 transponder indica un satellite che la lista non ha</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 transponder indica un satellite che la lista non ha</numerusform>
            <numerusform>%1 transponder indicano un satellite che la lista non ha</numerusform>
        </translation>
    </message>
    <message>
        <source>favourite list %1 (TV)</source>
        <translation>lista preferiti %1 (TV)</translation>
    </message>
    <message>
        <source>favourite list %1 (radio)</source>
        <translation>lista preferiti %1 (radio)</translation>
    </message>
    <message>
        <source>%1 favourite list has positions that repeat or leave holes</source>
        <translation>%1 lista preferiti ha posizioni ripetute o mancanti</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists have positions that repeat or leave holes</source>
        <translation>
            <numerusform>%1 lista preferiti ha posizioni ripetute o mancanti</numerusform>
            <numerusform>%1 liste preferiti hanno posizioni ripetute o mancanti</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>satellite %1</translation>
    </message>
    <message>
        <source>provider %1</source>
        <translation>fornitore %1</translation>
    </message>
    <message>
        <source>%1 name holds characters the receiver cannot show</source>
        <translation>%1 nome contiene caratteri che il ricevitore non può mostrare</translation>
    </message>
    <message numerus="yes">
        <source>%1 names hold characters the receiver cannot show</source>
        <translation>
            <numerusform>%1 nome contiene caratteri che il ricevitore non può mostrare</numerusform>
            <numerusform>%1 nomi contengono caratteri che il ricevitore non può mostrare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark neither TV nor radio</source>
        <translation>
            <numerusform>%1 non è contrassegnata né come TV né come radio</numerusform>
            <numerusform>%1 non sono contrassegnate né come TV né come radio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark both TV and radio</source>
        <translation>
            <numerusform>%1 è contrassegnata sia come TV sia come radio</numerusform>
            <numerusform>%1 sono contrassegnate sia come TV sia come radio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have the number 0</source>
        <translation>
            <numerusform>%1 ha il numero 0</numerusform>
            <numerusform>%1 hanno il numero 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have no name</source>
        <translation>
            <numerusform>%1 non ha un nome</numerusform>
            <numerusform>%1 non hanno un nome</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name satellite %2, which the image does not have</source>
        <translation>%1 con il satellite %2, che l’immagine non ha</translation>
    </message>
    <message numerus="yes">
        <source>%1 name satellites %2, which the image does not have</source>
        <translation>
            <numerusform>%1 con il satellite %2, che l’immagine non ha</numerusform>
            <numerusform>%1 con i satelliti %2, che l’immagine non ha</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name transponder %2, which the image does not have on their satellite</source>
        <translation>%1 con il transponder %2, che l’immagine non ha sul loro satellite</translation>
    </message>
    <message numerus="yes">
        <source>%1 name transponders %2, which the image does not have on their satellite</source>
        <translation>
            <numerusform>%1 con il transponder %2, che l’immagine non ha sul loro satellite</numerusform>
            <numerusform>%1 con i transponder %2, che l’immagine non ha sul loro satellite</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name multiplex %2, which the image does not have</source>
        <translation>%1 con il multiplex %2, che l’immagine non ha</translation>
    </message>
    <message numerus="yes">
        <source>%1 name multiplexes %2, which the image does not have</source>
        <translation>
            <numerusform>%1 con il multiplex %2, che l’immagine non ha</numerusform>
            <numerusform>%1 con i multiplex %2, che l’immagine non ha</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name provider %2, which the image does not have</source>
        <translation>%1 con il fornitore %2, che l’immagine non ha</translation>
    </message>
    <message numerus="yes">
        <source>%1 name providers %2, which the image does not have</source>
        <translation>
            <numerusform>%1 con il fornitore %2, che l’immagine non ha</numerusform>
            <numerusform>%1 con i fornitori %2, che l’immagine non ha</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the %1 row of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>La riga di Channel non può essere importata: %2. La lista dei canali non è stata modificata.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 rows of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>
            <numerusform>Nessuna delle %1 righe di Channel può essere importata: %2. La lista dei canali non è stata modificata.</numerusform>
            <numerusform>Nessuna delle %1 righe di Channel può essere importata: %2. La lista dei canali non è stata modificata.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 row of Channel was not imported: %2.</source>
        <translation>%1 riga di Channel non è stata importata: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel were not imported: %2.</source>
        <translation>
            <numerusform>%1 riga di Channel non è stata importata: %2.</numerusform>
            <numerusform>%1 righe di Channel non sono state importate: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of the rows imported, %1; the check before Save and Send lists them.</source>
        <translation>Tra le righe importate: %1; il controllo prima del salvataggio e dell’invio le elenca.</translation>
    </message>
    <message>
        <source>%1 row of Channel had a number that an earlier row has and now follows the last channel of its kind.</source>
        <translation>%1 riga di Channel aveva un numero già usato da una riga precedente e ora segue l’ultimo canale del suo tipo.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel had a number that earlier rows have and now follow the last channels of their kind.</source>
        <translation>
            <numerusform>%1 riga di Channel aveva un numero già usato da una riga precedente e ora segue l’ultimo canale del suo tipo.</numerusform>
            <numerusform>%1 righe di Channel avevano un numero già usato da righe precedenti e ora seguono gli ultimi canali del loro tipo.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satellite</translation>
    </message>
    <message numerus="yes">
        <source>%1 satellites</source>
        <translation>
            <numerusform>%1 satellite</numerusform>
            <numerusform>%1 satelliti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 canale</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels</source>
        <translation>
            <numerusform>%1 canale</numerusform>
            <numerusform>%1 canali</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged, %6 deleted with %7.</source>
        <translation>Aggiunti: %1, aggiornati: %2; transponder aggiunti: %3, modificati: %4, invariati: %5, eliminati: %6 con %7.</translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged.</source>
        <translation>Aggiunti: %1, aggiornati: %2; transponder aggiunti: %3, modificati: %4, invariati: %5.</translation>
    </message>
    <message>
        <source>%1 transponder of the list the file no longer has was kept:</source>
        <translation>%1 transponder della lista che il file non ha più è stato mantenuto:</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the list the file no longer has were kept:</source>
        <translation>
            <numerusform>%1 transponder della lista che il file non ha più è stato mantenuto:</numerusform>
            <numerusform>%1 transponder della lista che il file non ha più sono stati mantenuti:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a frequency outside 1 to 65,535 MHz</source>
        <translation>
            <numerusform>%1 con una frequenza fuori dall’intervallo 1–65.535 MHz</numerusform>
            <numerusform>%1 con una frequenza fuori dall’intervallo 1–65.535 MHz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a symbol rate outside 1 to 65,535 kS/s</source>
        <translation>
            <numerusform>%1 con una velocità di simbolo fuori dall’intervallo 1–65.535 kS/s</numerusform>
            <numerusform>%1 con una velocità di simbolo fuori dall’intervallo 1–65.535 kS/s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 16APSK or 32APSK, which the receiver cannot hold</source>
        <translation>
            <numerusform>%1 in 16APSK o 32APSK, che il ricevitore non può memorizzare</numerusform>
            <numerusform>%1 in 16APSK o 32APSK, che il ricevitore non può memorizzare</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder of the file was not imported: %2.</source>
        <translation>%1 transponder del file non è stato importato: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the file were not imported: %2.</source>
        <translation>
            <numerusform>%1 transponder del file non è stato importato: %2.</numerusform>
            <numerusform>%1 transponder del file non sono stati importati: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 circular transponder was taken with left as H and right as V.</source>
        <translation>%1 transponder circolare è stato acquisito con sinistra come H e destra come V.</translation>
    </message>
    <message numerus="yes">
        <source>%1 circular transponders were taken with left as H and right as V.</source>
        <translation>
            <numerusform>%1 transponder circolare è stato acquisito con sinistra come H e destra come V.</numerusform>
            <numerusform>%1 transponder circolari sono stati acquisiti con sinistra come H e destra come V.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 FEC the receiver has no name for was taken as Auto.</source>
        <translation>%1 FEC che il ricevitore non sa nominare è stato acquisito come Auto.</translation>
    </message>
    <message numerus="yes">
        <source>%1 FECs the receiver has no name for were taken as Auto.</source>
        <translation>
            <numerusform>%1 FEC che il ricevitore non sa nominare è stato acquisito come Auto.</numerusform>
            <numerusform>%1 FEC che il ricevitore non sa nominare sono stati acquisiti come Auto.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 DVB-S2 transponder was taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>%1 transponder DVB-S2 è stato acquisito senza contrassegno DVB-S2, che le voci di questo ricevitore non hanno.</translation>
    </message>
    <message numerus="yes">
        <source>%1 DVB-S2 transponders were taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>
            <numerusform>%1 transponder DVB-S2 è stato acquisito senza contrassegno DVB-S2, che le voci di questo ricevitore non hanno.</numerusform>
            <numerusform>%1 transponder DVB-S2 sono stati acquisiti senza contrassegno DVB-S2, che le voci di questo ricevitore non hanno.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The other list has no channels that this list lacks.</source>
        <translation>L’altra lista non ha canali che manchino a questa lista.</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 multiplex</translation>
    </message>
    <message numerus="yes">
        <source>%1 multiplexes</source>
        <translation>
            <numerusform>%1 multiplex</numerusform>
            <numerusform>%1 multiplex</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 fornitore</translation>
    </message>
    <message numerus="yes">
        <source>%1 providers</source>
        <translation>
            <numerusform>%1 fornitore</numerusform>
            <numerusform>%1 fornitori</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>Aggiunti: %1.</translation>
    </message>
    <message>
        <source>The favourite tree</source>
        <translation>L’albero dei preferiti</translation>
    </message>
    <message>
        <source>%1 favourite list</source>
        <translation>%1 lista preferiti</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists</source>
        <translation>
            <numerusform>%1 lista preferiti</numerusform>
            <numerusform>%1 liste preferiti</numerusform>
        </translation>
    </message>
    <message>
        <source>The satellite list</source>
        <translation>La lista dei satelliti</translation>
    </message>
    <message>
        <source>The broadcaster list</source>
        <translation>La lista dei fornitori</translation>
    </message>
    <message>
        <source>%1 broadcaster</source>
        <translation>%1 fornitore</translation>
    </message>
    <message numerus="yes">
        <source>%1 broadcasters</source>
        <translation>
            <numerusform>%1 fornitore</numerusform>
            <numerusform>%1 fornitori</numerusform>
        </translation>
    </message>
    <message>
        <source>The transponder list</source>
        <translation>La lista dei transponder</translation>
    </message>
    <message>
        <source>The cable multiplex list</source>
        <translation>La lista dei multiplex via cavo</translation>
    </message>
    <message>
        <source>%1 cable multiplex</source>
        <translation>%1 multiplex via cavo</translation>
    </message>
    <message numerus="yes">
        <source>%1 cable multiplexes</source>
        <translation>
            <numerusform>%1 multiplex via cavo</numerusform>
            <numerusform>%1 multiplex via cavo</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel list</source>
        <translation>La lista dei canali</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds none. Remove %3 and save again.</source>
        <translation>%1 contiene %2, ma in questo ricevitore non c’è posto. Rimuovi %3 e salva di nuovo.</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds at most %4. Remove %3 and save again.</source>
        <translation>%1 contiene %2, ma questo ricevitore ne contiene al massimo %4. Rimuovi %3 e salva di nuovo.</translation>
    </message>
    <message>
        <source>The reference list holds no channels. Nothing was changed.</source>
        <translation>La lista di riferimento non contiene canali. Non è stato modificato nulla.</translation>
    </message>
    <message numerus="yes">
        <source>The numbers after the reference&apos;s highest number %1 leave no room for %2 channels that it does not hold. Nothing was changed.</source>
        <translation>
            <numerusform>Dopo il numero più alto del riferimento, %1, non c’è posto per %2 canale che non contiene. Non è stato modificato nulla.</numerusform>
            <numerusform>Dopo il numero più alto del riferimento, %1, non c’è posto per %2 canali che non contiene. Non è stato modificato nulla.</numerusform>
        </translation>
    </message>
    <message>
        <source>Favourite list %1 has no room after the reference&apos;s positions. Nothing was changed.</source>
        <translation>La lista preferiti %1 non ha più posto dopo le posizioni del riferimento. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 «%2» non è un numero da %3 a %4</translation>
    </message>
    <message>
        <source>line 1: the column %1 is named twice</source>
        <translation>riga 1: la colonna %1 è indicata due volte</translation>
    </message>
    <message>
        <source>line 1 names none of the columns of the &quot;Channel&quot; sheet (ProgramNum, CAS, Favorite, ... ServiceType)</source>
        <translation>la riga 1 non indica nessuna delle colonne del foglio «Channel» (ProgramNum, CAS, Favorite, ... ServiceType)</translation>
    </message>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>la riga %1 ha %2 campi, l’intestazione %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. The channel list was not changed.</source>
        <translation>Il file CSV non può essere letto: %1. La lista dei canali non è stata modificata.</translation>
    </message>
    <message>
        <source>The CSV file is empty: it has no header row. The channel list was not changed.</source>
        <translation>Il file CSV è vuoto: non ha una riga di intestazione. La lista dei canali non è stata modificata.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the CSV file. The channel list was not changed.</source>
        <translation>Memoria insufficiente per leggere il file CSV. La lista dei canali non è stata modificata.</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo tra virgolette non è chiuso</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>del testo segue le virgolette di chiusura</translation>
    </message>
    <message>
        <source>a quote stands inside a field that is not quoted</source>
        <translation>delle virgolette si trovano in un campo non racchiuso tra virgolette</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a channel number from 1 to 65535. Nothing was changed.</source>
        <translation>Riga %1: «%2» non è un numero di canale da 1 a 65535. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two TV channels on number %3. Nothing was changed.</source>
        <translation>Le righe %1 e %2 assegnano due canali TV al numero %3. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two radio channels on number %3. Nothing was changed.</source>
        <translation>Le righe %1 e %2 assegnano due canali radio al numero %3. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two other channels on number %3. Nothing was changed.</source>
        <translation>Le righe %1 e %2 assegnano due altri canali al numero %3. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The first line of the CSV file has no Name column. Nothing was changed.</source>
        <translation>La prima riga del file CSV non ha la colonna Name. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. Nothing was changed.</source>
        <translation>Il file CSV non può essere letto: %1. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The CSV file is empty. Nothing was changed.</source>
        <translation>Il file CSV è vuoto. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Line %1 comes after number 65535. Nothing was changed.</source>
        <translation>La riga %1 viene dopo il numero 65535. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossibile leggere %1</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 names of the list is a channel of this list. Nothing was changed.</source>
        <translation>
            <numerusform>Il nome della lista (%1) non è un canale di questa lista. Non è stato modificato nulla.</numerusform>
            <numerusform>Nessuno dei %1 nomi della lista è un canale di questa lista. Non è stato modificato nulla.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reference list holds no channels</source>
        <translation>La lista di riferimento non contiene canali</translation>
    </message>
    <message>
        <source>There is not enough memory to read the reference list. Nothing was changed.</source>
        <translation>Memoria insufficiente per leggere la lista di riferimento. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>This receiver has no satellites. Nothing was changed.</source>
        <translation>Questo ricevitore non ha satelliti. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>No satellite ID is left for %1. Nothing was changed.</source>
        <translation>Non resta alcun ID satellite per %1. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Satellite %1 has no transponder number left. Nothing was changed.</source>
        <translation>Il satellite %1 non ha più numeri di transponder liberi. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>the file has more than %1 elements, more than any transponder list</source>
        <translation>il file ha più di %1 elementi, più di qualsiasi lista di transponder</translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no transponder list is</source>
        <translation>gli elementi sono annidati oltre %1 livelli, cosa che nessuna lista di transponder fa</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no %2</source>
        <translation>&lt;%1&gt; non ha %2</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1=&quot;%2&quot; non è un numero da %3 a %4</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, more than any transponder list.</source>
        <translation>Il file supera %1 byte, più di qualsiasi lista di transponder.</translation>
    </message>
    <message>
        <source>the XML is malformed (%1)</source>
        <translation>l’XML non è valido (%1)</translation>
    </message>
    <message>
        <source>the file has no &lt;satellites&gt; element</source>
        <translation>il file non ha l’elemento &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>There is not enough memory to read %1.</source>
        <translation>Memoria insufficiente per leggere %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last TV channel leave no room for %1.</source>
        <translation>Dopo l’ultimo canale TV di questa lista non c’è posto per %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last radio channel leave no room for %1.</source>
        <translation>Dopo l’ultimo canale radio di questa lista non c’è posto per %1.</translation>
    </message>
    <message>
        <source>Favourite list %1 has no room for the channels to add.</source>
        <translation>La lista preferiti %1 non ha posto per i canali da aggiungere.</translation>
    </message>
    <message>
        <source>The channel table has no key left.</source>
        <translation>La tabella dei canali non ha più chiavi libere.</translation>
    </message>
    <message>
        <source>This list has no multiplex number left for %1.</source>
        <translation>Questa lista non ha più numeri di multiplex liberi per %1.</translation>
    </message>
    <message>
        <source>The multiplex at %1 MHz cannot be added: this list has another multiplex with its number.</source>
        <translation>Il multiplex a %1 MHz non può essere aggiunto: questa lista ha un altro multiplex con il suo numero.</translation>
    </message>
    <message>
        <source>The multiplex table has no key left.</source>
        <translation>La tabella dei multiplex non ha più chiavi libere.</translation>
    </message>
    <message>
        <source>This list has no satellite number left for %1.</source>
        <translation>Questa lista non ha più numeri di satellite liberi per %1.</translation>
    </message>
    <message>
        <source>The satellite table has no key left.</source>
        <translation>La tabella dei satelliti non ha più chiavi libere.</translation>
    </message>
    <message>
        <source>The transponder table has no key left.</source>
        <translation>La tabella dei transponder non ha più chiavi libere.</translation>
    </message>
    <message>
        <source>The satellite at %1 has no transponder number left.</source>
        <translation>Il satellite %1 non ha più numeri di transponder liberi.</translation>
    </message>
    <message>
        <source>This list has no provider number left.</source>
        <translation>Questa lista non ha più numeri di fornitore liberi.</translation>
    </message>
    <message>
        <source>The provider table has no key left.</source>
        <translation>La tabella dei fornitori non ha più chiavi libere.</translation>
    </message>
    <message>
        <source>cannot read back the received file %1</source>
        <translation>impossibile rileggere il file ricevuto %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to send</source>
        <translation>%1 è vuoto: non c’è nulla da inviare</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Trasferimento annullato</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>Il mittente ha annullato il trasferimento</translation>
    </message>
    <message>
        <source>The line closed: %1</source>
        <translation>La linea si è chiusa: %1</translation>
    </message>
    <message numerus="yes">
        <source>The sender went on sending blocks after the announced %1 bytes; transfer abandoned</source>
        <translation>
            <numerusform>Il mittente ha continuato a inviare blocchi dopo il %1 byte annunciato; trasferimento interrotto</numerusform>
            <numerusform>Il mittente ha continuato a inviare blocchi dopo i %1 byte annunciati; trasferimento interrotto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 arrived damaged %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Il blocco %1 è arrivato danneggiato %2 volta; trasferimento interrotto</numerusform>
            <numerusform>Il blocco %1 è arrivato danneggiato %2 volte; trasferimento interrotto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 never came: block %2 came again %3 times; transfer abandoned</source>
        <translation>
            <numerusform>Il blocco %1 non è mai arrivato: il blocco %2 è arrivato di nuovo %3 volta; trasferimento interrotto</numerusform>
            <numerusform>Il blocco %1 non è mai arrivato: il blocco %2 è arrivato di nuovo %3 volte; trasferimento interrotto</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 damaged, %2 repeats of block %3</source>
        <translation>%1 danneggiati, %2 ripetizioni del blocco %3</translation>
    </message>
    <message>
        <source>%1 damaged</source>
        <translation>%1 danneggiati</translation>
    </message>
    <message numerus="yes">
        <source>Block %1 failed %2 times (%3); transfer abandoned</source>
        <translation>
            <numerusform>Il blocco %1 non è riuscito %2 volta (%3); trasferimento interrotto</numerusform>
            <numerusform>Il blocco %1 non è riuscito %2 volte (%3); trasferimento interrotto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 arrived</source>
        <translation>
            <numerusform>Il trasferimento non si è concluso entro i %1 concessi per %2 byte: %3 arrivati</numerusform>
            <numerusform>Il trasferimento non si è concluso entro i %1 concessi per %2 byte: %3 arrivati</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing arrived within %1: is the other side sending?</source>
        <translation>Non è arrivato nulla entro %1: l’altra parte sta inviando?</translation>
    </message>
    <message>
        <source>The sender sent data without a file header (a YMODEM batch was expected)</source>
        <translation>Il mittente ha inviato dati senza intestazione del file (era atteso un batch YMODEM)</translation>
    </message>
    <message>
        <source>The sender&apos;s file header is not readable</source>
        <translation>L’intestazione del file del mittente non è leggibile</translation>
    </message>
    <message>
        <source>The sender had no file to send</source>
        <translation>Il mittente non aveva file da inviare</translation>
    </message>
    <message>
        <source>The sender did not announce the size of %1; the transfer cannot be checked</source>
        <translation>Il mittente non ha annunciato la dimensione di %1; il trasferimento non può essere verificato</translation>
    </message>
    <message numerus="yes">
        <source>%1 is too large (%2 bytes; at most %3)</source>
        <translation>
            <numerusform>%1 è troppo grande (%2 byte; al massimo %3)</numerusform>
            <numerusform>%1 è troppo grande (%2 byte; al massimo %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sender stopped sending: no block for %1, %2 times, after %3 of %4 bytes</source>
        <translation>
            <numerusform>Il mittente ha smesso di inviare: nessun blocco per %1, %2 volta, dopo %3 di %4 byte</numerusform>
            <numerusform>Il mittente ha smesso di inviare: nessun blocco per %1, %2 volte, dopo %3 di %4 byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer ended after %1 of %2 bytes</source>
        <translation>
            <numerusform>Il trasferimento è terminato dopo %1 di %2 byte</numerusform>
            <numerusform>Il trasferimento è terminato dopo %1 di %2 byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The line closed after %1 of %2 bytes: %3</source>
        <translation>
            <numerusform>La linea si è chiusa dopo %1 di %2 byte: %3</numerusform>
            <numerusform>La linea si è chiusa dopo %1 di %2 byte: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Block sequence lost: expected block %1, got block %2</source>
        <translation>Sequenza dei blocchi persa: atteso il blocco %1, ricevuto il blocco %2</translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 were acknowledged</source>
        <translation>
            <numerusform>Il trasferimento non si è concluso entro i %1 concessi per %2 byte: %3 confermati</numerusform>
            <numerusform>Il trasferimento non si è concluso entro i %1 concessi per %2 byte: %3 confermati</numerusform>
        </translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Il ricevitore ha annullato il trasferimento</translation>
    </message>
    <message>
        <source>The receiver asks for the old checksum mode; only CRC-16 is supported</source>
        <translation>Il ricevitore chiede la vecchia modalità checksum; è supportato solo CRC-16</translation>
    </message>
    <message>
        <source>The receiver did not ask for %1 within %2</source>
        <translation>Il ricevitore non ha richiesto %1 entro %2</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>la fine del file</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>il blocco %1</translation>
    </message>
    <message numerus="yes">
        <source>The receiver stopped answering: no reply to %1 within %2, %3 times</source>
        <translation>
            <numerusform>Il ricevitore non risponde più: nessuna risposta per %1 entro %2, %3 volta</numerusform>
            <numerusform>Il ricevitore non risponde più: nessuna risposta per %1 entro %2, %3 volte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receiver refused %1 %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Il ricevitore ha rifiutato %1 %2 volta; trasferimento interrotto</numerusform>
            <numerusform>Il ricevitore ha rifiutato %1 %2 volte; trasferimento interrotto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sending %1 failed %2 times (%3 refused); transfer abandoned</source>
        <translation>
            <numerusform>Invio non riuscito %2 volta per %1 (%3 rifiuti); trasferimento interrotto</numerusform>
            <numerusform>Invio non riuscito %2 volte per %1 (%3 rifiuti); trasferimento interrotto</numerusform>
        </translation>
    </message>
    <message>
        <source>the file</source>
        <translation>il file</translation>
    </message>
    <message>
        <source>the data</source>
        <translation>i dati</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>transponder %1</translation>
    </message>
    <message>
        <source>other %1 %2</source>
        <translation>altro %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>multiplex %1</translation>
    </message>
    <message>
        <source>%1, PIDs %2/%3/%4</source>
        <translation>%1, PID %2/%3/%4</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloccato</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>saltato</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>criptato</translation>
    </message>
    <message>
        <source>cable %1</source>
        <translation>cavo %1</translation>
    </message>
    <message>
        <source>terrestrial %1</source>
        <translation>terrestre %1</translation>
    </message>
    <message>
        <source>There is not enough memory to open %1.</source>
        <translation>Memoria insufficiente per aprire %1.</translation>
    </message>
    <message>
        <source>a receiver image</source>
        <translation>un’immagine del ricevitore</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>un file CSV</translation>
    </message>
    <message>
        <source>a channel list</source>
        <translation>una lista canali</translation>
    </message>
    <message>
        <source>a satellites.xml file</source>
        <translation>un file satellites.xml</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not %2.</source>
        <translation>%1 è una cartella, non %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so it cannot be %2.</source>
        <translation>%1 non è un file normale, quindi non può essere %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %2 bytes, more than %3 can have (at most %4 bytes).</source>
        <translation>
            <numerusform>%1 ha %2 byte, più di quanti ne possa avere %3 (al massimo %4 byte).</numerusform>
            <numerusform>%1 ha %2 byte, più di quanti ne possa avere %3 (al massimo %4 byte).</numerusform>
        </translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>il file finisce prima del previsto</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>%1 The channel list was not changed.</source>
        <translation>%1 La lista dei canali non è stata modificata.</translation>
    </message>
    <message>
        <source>serial %1 at %2 baud</source>
        <translation>seriale %1 a %2 baud</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>porta TCP %1</translation>
    </message>
    <message>
        <source>TCP port %1 on %2</source>
        <translation>porta TCP %1 su %2</translation>
    </message>
    <message>
        <source>%1 baud is not a rate a serial port can be set to</source>
        <translation>%1 baud non è una velocità impostabile su una porta seriale</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a serial port: %2</source>
        <translation>%1 non è una porta seriale: %2</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>impossibile configurare %1: %2</translation>
    </message>
    <message>
        <source>cannot find %1: %2</source>
        <translation>impossibile trovare %1: %2</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>impossibile connettersi a %1</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>impossibile connettersi a %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>impossibile restare in ascolto su %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1</source>
        <translation>impossibile restare in ascolto su %1</translation>
    </message>
    <message>
        <source>not listening</source>
        <translation>nessun ascolto in corso</translation>
    </message>
    <message>
        <source>Nobody connected to port %1 within %2</source>
        <translation>Nessuno si è connesso alla porta %1 entro %2</translation>
    </message>
    <message>
        <source>accept: %1</source>
        <translation>connessione non accettata: %1</translation>
    </message>
    <message>
        <source>there is no working copy (it could not be created in the temporary directory)</source>
        <translation>non c’è una copia di lavoro (non è stato possibile crearla nella cartella temporanea)</translation>
    </message>
    <message>
        <source>Could not allocate memory</source>
        <translation>Impossibile allocare memoria</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>Impossibile determinare il tipo di tag</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>Errore nella dichiarazione del documento o in un’istruzione di elaborazione</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>Errore in un commento</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>Errore in una sezione CDATA</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>Errore nella dichiarazione del tipo di documento</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>Errore nel testo di un elemento (PCDATA)</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>Errore in un tag di apertura</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>Errore in un attributo</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>Errore in un tag di chiusura</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>I tag di apertura e di chiusura non corrispondono</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>Nessun elemento del documento trovato</translation>
    </message>
    <message>
        <source>keeping the old file as %1: %2</source>
        <translation>conservazione del vecchio file come %1: %2</translation>
    </message>
    <message>
        <source>no file open for %1</source>
        <translation>nessun file aperto per %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 non è un file normale</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>impossibile creare un file in %1: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>impossibile bloccare %1: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1: %2</source>
        <translation>impossibile impostare i permessi di %1: %2</translation>
    </message>
    <message>
        <source>writing %1: %2</source>
        <translation>scrittura di %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>writing %1 to disk: %2</source>
        <translation>scrittura di %1 sul disco: %2</translation>
    </message>
    <message>
        <source>closing %1: %2</source>
        <translation>chiusura di %1: %2</translation>
    </message>
    <message>
        <source>replacing %1: %2</source>
        <translation>sostituzione di %1: %2</translation>
    </message>
    <message>
        <source>This receiver&apos;s flash layout is not valid: %1.</source>
        <translation>La disposizione della memoria flash di questo ricevitore non è valida: %1.</translation>
    </message>
    <message>
        <source>sector size %1</source>
        <translation>dimensione del settore %1</translation>
    </message>
    <message>
        <source>favourite</source>
        <translation>preferiti</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>satelliti</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>emittenti</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transponder</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canali</translation>
    </message>
    <message>
        <source>the %1 block has a negative value</source>
        <translation>il blocco dei %1 ha un valore negativo</translation>
    </message>
    <message>
        <source>the %1 block starts too far out</source>
        <translation>il blocco dei %1 inizia troppo lontano</translation>
    </message>
    <message>
        <source>a negative multiplex count</source>
        <translation>un numero di multiplex negativo</translation>
    </message>
    <message>
        <source>the single block is larger than any receiver&apos;s image</source>
        <translation>il blocco unico è più grande di qualsiasi immagine del ricevitore</translation>
    </message>
    <message>
        <source>the %1 block reaches beyond any receiver&apos;s image</source>
        <translation>il blocco dei %1 va oltre qualsiasi immagine del ricevitore</translation>
    </message>
    <message>
        <source>%1 Nothing was written. Save the channels under another name.</source>
        <translation>%1 Non è stato scritto nulla. Salvare i canali con un altro nome.</translation>
    </message>
    <message>
        <source>The workbook has no sheet named &quot;Channel&quot;.</source>
        <translation>La cartella di lavoro non ha un foglio chiamato «Channel».</translation>
    </message>
    <message>
        <source>There is not enough memory to read the workbook.</source>
        <translation>La memoria non basta per leggere la cartella di lavoro.</translation>
    </message>
    <message>
        <source>The channel list has %1 channels, but a workbook sheet holds at most %2. Remove %3 channels and save again.</source>
        <translation>La lista ha %1 canali, ma un foglio della cartella di lavoro ne contiene al massimo %2. Rimuoverne %3 e salvare di nuovo.</translation>
    </message>
    <message>
        <source>%1 Its other contents could not be kept, so nothing was written. Save the channels under another name.</source>
        <translation>%1 Il resto del suo contenuto non si potrebbe conservare, quindi non è stato scritto nulla. Salvare i canali con un altro nome.</translation>
    </message>
    <message>
        <source>No workbook was read.</source>
        <translation>Non è stata letta alcuna cartella di lavoro.</translation>
    </message>
    <message>
        <source>The workbook was not read from a file.</source>
        <translation>La cartella di lavoro non è stata letta da un file.</translation>
    </message>
    <message>
        <source>The workbook is damaged: a stream of its compound file cannot be read.</source>
        <translation>La cartella di lavoro è danneggiata: un flusso del suo file composto non è leggibile.</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook (.xls).</source>
        <translation>Il file non è una cartella di lavoro Excel 97-2003 (.xls).</translation>
    </message>
    <message>
        <source>The workbook is damaged: its sector tables or its directory cannot be read.</source>
        <translation>La cartella di lavoro è danneggiata: le sue tabelle dei settori o la sua directory non sono leggibili.</translation>
    </message>
    <message>
        <source>The file holds no &quot;Workbook&quot; stream, so it is not an Excel 97-2003 workbook.</source>
        <translation>Il file non contiene un flusso «Workbook», quindi non è una cartella di lavoro Excel 97-2003.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its &quot;Workbook&quot; stream ends early or its sectors are chained wrongly.</source>
        <translation>La cartella di lavoro è danneggiata: il suo flusso «Workbook» finisce troppo presto o i suoi settori sono concatenati male.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its table of shared strings cannot be read.</source>
        <translation>La cartella di lavoro è danneggiata: la sua tabella delle stringhe condivise non è leggibile.</translation>
    </message>
    <message>
        <source>The workbook is protected with a password, so it cannot be read.</source>
        <translation>La cartella di lavoro è protetta da una password, quindi non può essere letta.</translation>
    </message>
    <message>
        <source>The workbook holds more cells or sheets than this program reads.</source>
        <translation>La cartella di lavoro contiene più celle o fogli di quanti questo programma ne legga.</translation>
    </message>
    <message>
        <source>an Excel workbook</source>
        <translation>una cartella di lavoro Excel</translation>
    </message>
    <message>
        <source>A text of more than 255 characters cannot be added to this workbook.</source>
        <translation>Un testo di più di 255 caratteri non può essere aggiunto a questa cartella di lavoro.</translation>
    </message>
    <message>
        <source>The workbook is too large to be written.</source>
        <translation>La cartella di lavoro è troppo grande per essere scritta.</translation>
    </message>
    <message>
        <source>The file has no satellite at %1. Nothing was changed.</source>
        <translation>Il file non ha alcun satellite a %1. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>There is not enough memory to write the CSV file.</source>
        <translation>La memoria non basta per scrivere il file CSV.</translation>
    </message>
</context>
</TS>
