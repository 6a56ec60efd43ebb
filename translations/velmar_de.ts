<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CBroadcastGridCtrl</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>CCaptionLine</name>
    <message>
        <source>%1 satellite</source>
        <translation>%1 Satellit</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 Satelliten</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 Transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 Transponder</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 Multiplex</translation>
    </message>
    <message>
        <source>%1 multiplexes</source>
        <translation>%1 Multiplexe</translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 Anbieter</translation>
    </message>
    <message>
        <source>%1 providers</source>
        <translation>%1 Anbieter</translation>
    </message>
    <message>
        <source>%1 list</source>
        <translation>%1 Liste</translation>
    </message>
    <message>
        <source>%1 lists</source>
        <translation>%1 Listen</translation>
    </message>
</context>
<context>
    <name>CChannelForm</name>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Logische Nummer</translation>
    </message>
    <message>
        <source>Shown number</source>
        <translation>Angezeigte Nummer</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Dienst-ID</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Ursprüngliche Netz-ID</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>Transportstrom-ID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Audio streams</source>
        <translation>Audiospuren</translation>
    </message>
    <message>
        <source>Subtitle streams</source>
        <translation>Untertitelspuren</translation>
    </message>
    <message>
        <source>CAS (hex)</source>
        <translation>CAS (hex)</translation>
    </message>
    <message>
        <source>Stream type (hex)</source>
        <translation>Stromtyp (hex)</translation>
    </message>
    <message>
        <source>Code table</source>
        <translation>Zeichentabelle</translation>
    </message>
    <message>
        <source>Update Channel</source>
        <translation>Sender bearbeiten</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Neuer TV-Sender</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Neuer Radiosender</translation>
    </message>
    <message>
        <source>A new channel is numbered after the last channel of its list.</source>
        <translation>Ein neuer Sender erhält die Nummer nach dem letzten Sender seiner Liste.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>Höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Weder TV noch Radio</translation>
    </message>
    <message>
        <source>Both TV and radio</source>
        <translation>TV und Radio zugleich</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>A new channel takes the genre of the genre list it is made in.</source>
        <translation>Ein neuer Sender erhält das Genre der Genreliste, in der er angelegt wird.</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Tuner byte %1</source>
        <translation>Tuner-Byte %1</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Empfang</translation>
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
        <translation>Satelliten-ID %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Broadcaster ID %1</source>
        <translation>Anbieter-ID %1</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Transponder %1</source>
        <translation>Transponder %1</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Datenströme</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favoritenlisten</translation>
    </message>
    <message>
        <source>%1 must be a hexadecimal number of at most %2 digits.</source>
        <translation>%1 muss eine Hexadezimalzahl mit höchstens %2 Stellen sein.</translation>
    </message>
</context>
<context>
    <name>CChannelGridCtrl</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>CChannelListBar</name>
    <message>
        <source>Filter by name (Esc clears)</source>
        <translation>Nach Namen filtern (Esc leert)</translation>
    </message>
    <message>
        <source>Nothing chosen</source>
        <translation>Nichts gewählt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, names with “%2”</source>
        <translation>%1, Namen mit „%2“</translation>
    </message>
    <message>
        <source>%1 — %2 TV / %3 radio</source>
        <translation>%1 — %2 TV / %3 Radio</translation>
    </message>
</context>
<context>
    <name>CDlgCompare</name>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
</context>
<context>
    <name>CDlgInformation</name>
    <message>
        <source>The maker&apos;s form (64-byte header with CRC)</source>
        <translation>Die Form des Herstellers (64-Byte-Kopf mit CRC)</translation>
    </message>
    <message>
        <source>The working form (VX header)</source>
        <translation>Die Arbeitsform (VX-Kopf)</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>terrestrial</source>
        <translation>terrestrisch</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Model %1, type 0x%2 (%3), byte order %4</source>
        <translation>Modell %1, Typ 0x%2 (%3), Bytereihenfolge %4</translation>
    </message>
    <message>
        <source>no reception bits</source>
        <translation>keine Empfangsbits</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favoritenlisten</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Terrestrische Multiplexe</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Kabel-Multiplexe</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>%1 (this receiver does not save them)</source>
        <translation>%1 (dieser Receiver speichert sie nicht)</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3</source>
        <translation>%1 von %2 belegt, %3</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 frei</translation>
    </message>
    <message>
        <source>%1 too many to save</source>
        <translation>%1 zu viele zum Speichern</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 TV, %2 Radio</translation>
    </message>
    <message>
        <source>%1 locked, %2 skipped, %3 scrambled</source>
        <translation>%1 gesperrt, %2 übersprungen, %3 verschlüsselt</translation>
    </message>
    <message>
        <source>No duplicate channels</source>
        <translation>Keine doppelten Sender</translation>
    </message>
    <message>
        <source>%1 duplicate channels in %2 groups</source>
        <translation>%1 doppelte Sender in %2 Gruppen</translation>
    </message>
    <message>
        <source>CH# %1  %2  (%3, satellite %4, TPID %5, ids %6/%7/%8)</source>
        <translation>Nr. %1  %2  (%3, Satellit %4, TPID %5, IDs %6/%7/%8)</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Header form:</source>
        <translation>Kopfform:</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>Produkt:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Sender:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Merkmale:</translation>
    </message>
    <message>
        <source>Duplicates:</source>
        <translation>Duplikate:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>The list check finds no problem.</source>
        <translation>Die Listenprüfung findet kein Problem.</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>%1 channels: %2</source>
        <translation>%1 Sender: %2</translation>
    </message>
    <message>
        <source>Select them in the channel lists</source>
        <translation>In den Senderlisten auswählen</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplikate</translation>
    </message>
</context>
<context>
    <name>CDlgPrintChoice</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print these lists:</source>
        <translation>Diese Listen drucken:</translation>
    </message>
    <message>
        <source>TV list</source>
        <translation>TV-Liste</translation>
    </message>
    <message>
        <source>Radio list</source>
        <translation>Radioliste</translation>
    </message>
</context>
<context>
    <name>CDlgPrintPreview</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitenzahl</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Der Name enthält Zeichen, die Windows-1252 nicht darstellen kann.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Anbieter</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Favoriten</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Die Wahl einer Zeile filtert die Listen. Die Menütaste oder Umschalt+F10 öffnet die Befehle; F6 wechselt zum nächsten Bereich.</translation>
    </message>
    <message>
        <source>Favorite lists and genres</source>
        <translation>Favoritenlisten und Genres</translation>
    </message>
    <message>
        <source>Choosing a list or a genre shows its channels; F2 renames a favorite list.</source>
        <translation>Die Wahl einer Liste oder eines Genres zeigt deren Sender; F2 benennt eine Favoritenliste um.</translation>
    </message>
</context>
<context>
    <name>CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Satellit</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Multiplexe</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestrisch</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Terrestrische Multiplexe</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Kabel-Multiplexe</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Die Wahl einer Zeile filtert die Listen. Die Menütaste oder Umschalt+F10 öffnet die Befehle; F6 wechselt zum nächsten Bereich.</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. F6 goes to the next pane.</source>
        <translation>Die Wahl einer Zeile filtert die Listen. F6 wechselt zum nächsten Bereich.</translation>
    </message>
</context>
<context>
    <name>CLinkForm</name>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Network (TCP)</source>
        <translation>Netzwerk (TCP)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>TCP-Port</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Choose the line, press Receive, then start sending on the receiver.</source>
        <translation>Wählen Sie die Verbindung, drücken Sie „Empfangen“ und starten Sie dann das Senden am Receiver.</translation>
    </message>
    <message>
        <source>Choose the line, start receiving on the receiver, then press Send.</source>
        <translation>Wählen Sie die Verbindung, starten Sie das Empfangen am Receiver und drücken Sie dann „Senden“.</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Wählen Sie eine serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>Enter the receiver&apos;s host name or address.</source>
        <translation>Geben Sie den Hostnamen oder die Adresse des Receivers ein.</translation>
    </message>
    <message>
        <source>Connecting: %1</source>
        <translation>Verbinde: %1</translation>
    </message>
    <message>
        <source>Waiting for the receiver to send...</source>
        <translation>Warte, bis der Receiver sendet...</translation>
    </message>
    <message>
        <source>Waiting for the receiver to ask for the data...</source>
        <translation>Warte, bis der Receiver die Daten anfordert...</translation>
    </message>
    <message>
        <source>Transfer failed: %1</source>
        <translation>Übertragung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>CListTools</name>
    <message>
        <source>Compare with…</source>
        <translation>Vergleichen mit…</translation>
    </message>
    <message>
        <source>Show what another image or workbook has differently</source>
        <translation>Zeigt, was ein anderes Abbild oder eine andere Arbeitsmappe anders hat</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Replace the channels by those of a CSV file</source>
        <translation>Ersetzt die Kanäle durch die einer CSV-Datei</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Write the channels as a CSV file</source>
        <translation>Schreibt die Kanäle als CSV-Datei</translation>
    </message>
    <message>
        <source>Import transponders…</source>
        <translation>Transponder importieren…</translation>
    </message>
    <message>
        <source>Bring satellites and transponders up to date from a satellites.xml file</source>
        <translation>Bringt Satelliten und Transponder aus einer satellites.xml-Datei auf den neuesten Stand</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Counts, capacity and duplicates of the whole list</source>
        <translation>Anzahlen, Kapazität und Duplikate der ganzen Liste</translation>
    </message>
    <message>
        <source>Apply order</source>
        <translation>Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Number the channels as another list numbers them</source>
        <translation>Die Sender so nummerieren wie eine andere Liste</translation>
    </message>
    <message>
        <source>Apply the order of another list</source>
        <translation>Die Reihenfolge einer anderen Liste übernehmen</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>Der Speicher reicht nicht, um den Befehl abzuschließen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>Der Befehl ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The command failed.</source>
        <translation>Der Befehl ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Vorhandene Datenbank öffnen</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Datenbank vom Receiver empfangen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Datenbank an den Receiver senden</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Alles aktualisieren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Die letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo the edit undone last</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen</translation>
    </message>
    <message>
        <source>Velmar for %1 - 8FAV</source>
        <translation>Velmar für %1 - 8FAV</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 rückgängig machen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 wiederholen</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Add to favorite list %1</source>
        <translation>Zur Favoritenliste %1 hinzufügen</translation>
    </message>
    <message>
        <source>The unsaved edits could not be kept in the recovery file, so a crash would lose them. Save the list to keep them.
%1</source>
        <translation>Die ungespeicherten Änderungen konnten nicht in der Wiederherstellungsdatei gesichert werden; bei einem Absturz gingen sie verloren. Speichern Sie die Liste, um sie zu behalten.
%1</translation>
    </message>
</context>
<context>
    <name>CPrintTools</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the channel lists or save them as a PDF file</source>
        <translation>Druckt die Kanallisten oder speichert sie als PDF-Datei</translation>
    </message>
</context>
<context>
    <name>CRightView</name>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source> Channels</source>
        <translation> Sender</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>Nur TV</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Nur Radio</translation>
    </message>
    <message>
        <source>Lists shown</source>
        <translation>Angezeigte Listen</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-Sender</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radiosender</translation>
    </message>
    <message>
        <source>Menu or Shift+F10 opens the commands; Ctrl+1 to Ctrl+8 add the selected channels to favorite list 1 to 8; F6 goes to the next pane.</source>
        <translation>Die Menütaste oder Umschalt+F10 öffnet die Befehle; Strg+1 bis Strg+8 fügen die gewählten Sender zur Favoritenliste 1 bis 8 hinzu; F6 wechselt zum nächsten Bereich.</translation>
    </message>
</context>
<context>
    <name>CSourceGridCtrl</name>
    <message>
        <source>No satellite ID is free: the highest ID is already 255.</source>
        <translation>Keine Satelliten-ID ist frei: Die höchste ID ist bereits 255.</translation>
    </message>
    <message>
        <source>No multiplex ID is free: all 255 are in use.</source>
        <translation>Keine Multiplex-ID ist frei: Alle 255 sind belegt.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Der Name enthält Zeichen, die Windows-1252 nicht darstellen kann.</translation>
    </message>
    <message>
        <source>No TPID is free on satellite %1.</source>
        <translation>Auf Satellit %1 ist keine TPID frei.</translation>
    </message>
</context>
<context>
    <name>DeleteCounts</name>
    <message>
        <source>%1 channel is selected.</source>
        <translation>%1 Sender ist ausgewählt.</translation>
    </message>
    <message>
        <source>%1 channels are selected.</source>
        <translation>%1 Sender sind ausgewählt.</translation>
    </message>
    <message>
        <source>%1 satellite is selected.</source>
        <translation>%1 Satellit ist ausgewählt.</translation>
    </message>
    <message>
        <source>%1 satellites are selected.</source>
        <translation>%1 Satelliten sind ausgewählt.</translation>
    </message>
    <message>
        <source>%1 transponder is selected.</source>
        <translation>%1 Transponder ist ausgewählt.</translation>
    </message>
    <message>
        <source>%1 transponders are selected.</source>
        <translation>%1 Transponder sind ausgewählt.</translation>
    </message>
    <message>
        <source>%1 multiplex is selected.</source>
        <translation>%1 Multiplex ist ausgewählt.</translation>
    </message>
    <message>
        <source>%1 multiplexes are selected.</source>
        <translation>%1 Multiplexe sind ausgewählt.</translation>
    </message>
    <message>
        <source>%1 provider is selected.</source>
        <translation>%1 Anbieter ist ausgewählt.</translation>
    </message>
    <message>
        <source>%1 providers are selected.</source>
        <translation>%1 Anbieter sind ausgewählt.</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 Transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 Transponder</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 Sender</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Sender</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Deleting it also deletes its %1.</source>
        <translation>Beim Löschen werden auch seine %1 gelöscht.</translation>
    </message>
    <message>
        <source>Deleting them also deletes their %1.</source>
        <translation>Beim Löschen werden auch ihre %1 gelöscht.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Receiver:</source>
        <translation>Receiver:</translation>
    </message>
    <message>
        <source>Show the technical columns (record keys, satellite and transponder numbers, PIDs)</source>
        <translation>Technische Spalten anzeigen (Datensatzschlüssel, Satelliten- und Transpondernummern, PIDs)</translation>
    </message>
    <message>
        <source>The choice takes effect when the program starts again.</source>
        <translation>Die Auswahl wirkt beim nächsten Programmstart.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Datenbank an den Receiver senden</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Datenbank vom Receiver empfangen</translation>
    </message>
    <message>
        <source>%1 of %2 bytes (%3%), %4 KiB/s</source>
        <translation>%1 von %2 Bytes (%3 %), %4 KiB/s</translation>
    </message>
    <message>
        <source>This form is not available in this version yet.
Nothing has been changed.</source>
        <translation>Dieses Formular gibt es in dieser Version noch nicht.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>Der Absender hat die Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Der Receiver hat die Übertragung abgebrochen</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>Update Multiplex</source>
        <translation>Multiplex bearbeiten</translation>
    </message>
    <message>
        <source>New Multiplex</source>
        <translation>Neuer Multiplex</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>Symbolrate (kS/s)</translation>
    </message>
    <message>
        <source>QAM</source>
        <translation>QAM</translation>
    </message>
    <message>
        <source>Inversion (0-%1)</source>
        <translation>Inversion (0-%1)</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS-ID</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>Netz-ID</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Ursprüngliche Netz-ID</translation>
    </message>
    <message>
        <source>Update Satellite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Neuer Satellit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Position (Grad)</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Group 1</source>
        <translation>Gruppe 1</translation>
    </message>
    <message>
        <source>Group 2</source>
        <translation>Gruppe 2</translation>
    </message>
    <message>
        <source>Update Transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Neuer Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>Satelliten-ID %1</translation>
    </message>
    <message>
        <source>Choose a satellite</source>
        <translation>Satellit wählen</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>H (horizontal)</source>
        <translation>H (horizontal)</translation>
    </message>
    <message>
        <source>V (vertical)</source>
        <translation>V (vertikal)</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Frequency must be a number of MHz with at most three decimals, up to 4294967.295.</source>
        <translation>Die Frequenz muss eine Zahl in MHz mit höchstens drei Nachkommastellen bis 4294967.295 sein.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Der Name enthält Zeichen, die Windows-1252 nicht darstellen kann.</translation>
    </message>
    <message>
        <source>Position must be from 0.0 to 180.0 degrees, with at most one decimal.</source>
        <translation>Die Position muss zwischen 0.0 und 180.0 Grad liegen, mit höchstens einer Nachkommastelle.</translation>
    </message>
    <message>
        <source>Satellite must be chosen from the list.</source>
        <translation>Der Satellit muss aus der Liste gewählt werden.</translation>
    </message>
</context>
<context>
    <name>Velmar</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>TPID</source>
        <translation>TPID</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS-ID</translation>
    </message>
    <message>
        <source>Sat ID</source>
        <translation>Sat-ID</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarität</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>Anbieter-ID</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
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
        <translation>Netz-ID</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>Orig. NID</translation>
    </message>
    <message>
        <source>Const</source>
        <translation>Konst.</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invert.</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>TX-Modus</translation>
    </message>
    <message>
        <source>C.R.</source>
        <translation>Coderate</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Konst.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <translation>Schutzint.</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Velmar for VX-7 and VX-8 satellite receivers - 8FAV</source>
        <translation>Velmar für die Satellitenreceiver VX-7 und VX-8 - 8FAV</translation>
    </message>
    <message>
        <source>About Velmar</source>
        <translation>Über Velmar</translation>
    </message>
    <message>
        <source>Velmar Version 1.4.6.10 (build:20090929)</source>
        <translation>Velmar Version 1.4.6.10 (Build: 20090929)</translation>
    </message>
    <message>
        <source>Channel database editor for digital-TV receivers</source>
        <translation>Editor für die Senderdatenbank digitaler TV-Receiver</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Die Datei kann nicht geöffnet werden oder hat eine ungültige Version</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Die Senderdatei kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Der Dateikopf kann nicht gelesen werden. Fortfahren?</translation>
    </message>
    <message>
        <source>Cannot open file %s.</source>
        <translation>Die Datei %s kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The channel data has changed since it was opened or saved. Save the changes?</source>
        <translation>Die Senderdaten wurden seit dem Öffnen oder Speichern geändert. Änderungen speichern?</translation>
    </message>
    <message>
        <source>The image was opened, but its working copy in the temporary directory could not be written. The channel list is complete in memory and saves as usual.</source>
        <translation>Das Abbild wurde geöffnet, aber seine Arbeitskopie im temporären Verzeichnis konnte nicht geschrieben werden. Die Senderliste ist vollständig im Speicher und lässt sich wie gewohnt speichern.</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Save it anyway?</source>
        <translation>Die Senderliste hat Probleme, mit denen der Receiver vielleicht nicht zurechtkommt. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Send it anyway?</source>
        <translation>Die Senderliste hat Probleme, mit denen der Receiver vielleicht nicht zurechtkommt. Trotzdem senden?</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Trotzdem senden</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Senderdaten laden</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Senderdaten speichern</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Standard-Senderdaten speichern</translation>
    </message>
    <message>
        <source>Local file (*.h)|*.bin|All Files(*.*)|*.*||</source>
        <translation>Lokale Datei (*.h)|*.bin|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Sie müssen das Programm jetzt neu starten.</translation>
    </message>
    <message>
        <source>Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>Binärdatei (*.bin)|*.bin|Excel-Datei (*.xls)|*.xls|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>Lokale Datei (*.bin)|*.bin|Excel-Datei (*.xls)|*.xls|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Möchten Sie die ausgewählten Einträge löschen?</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size</source>
        <translation>Der Favoritenname kann nicht geändert werden: Die Textlänge passt nicht.</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Radiosender können nicht zu den TV-Sendern kopiert werden</translation>
    </message>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>TV-Sender können nicht zu den Radiosendern kopiert werden</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Radiosender können nicht zu den TV-Sendern verschoben werden</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>TV-Sender können nicht zu den Radiosendern verschoben werden</translation>
    </message>
    <message>
        <source>Broadcast Name : %s (ID : %d)</source>
        <translation>Anbietername: %s (ID: %d)</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Die zu sendenden Daten sind leer oder ungültig</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestrisch</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
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
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Fav</source>
        <translation>Fav.</translation>
    </message>
    <message>
        <source>SatID</source>
        <translation>Sat-ID</translation>
    </message>
    <message>
        <source>CH#</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>VPID</source>
        <translation>V-PID</translation>
    </message>
    <message>
        <source>APID</source>
        <translation>A-PID</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Logische Nummer</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Dienst-ID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Alle auswählen      Strg+A</translation>
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
        <translation>Neu...        	Strg+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Kopieren          	Strg+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Einfügen         	Strg+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Hierher verschieben</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Sperren...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Überspringen...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Beschreibung...	Eingabe</translation>
    </message>
    <message>
        <source>New...            Ctrl+N</source>
        <translation>Neu...            Strg+N</translation>
    </message>
    <message>
        <source>Delete             Delete</source>
        <translation>Löschen             Entf</translation>
    </message>
    <message>
        <source>Description...   Enter</source>
        <translation>Beschreibung...   Eingabe</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Löschen        	Entf</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Lock On</source>
        <translation>Sperren ein</translation>
    </message>
    <message>
        <source>Lock Off</source>
        <translation>Sperren aus</translation>
    </message>
    <message>
        <source>Skip On</source>
        <translation>Überspringen ein</translation>
    </message>
    <message>
        <source>Skip Off</source>
        <translation>Überspringen aus</translation>
    </message>
    <message>
        <source>Set satellite</source>
        <translation>Satellit setzen</translation>
    </message>
    <message>
        <source>Set multiplex</source>
        <translation>Multiplex setzen</translation>
    </message>
    <message>
        <source>Set transponder</source>
        <translation>Transponder setzen</translation>
    </message>
    <message>
        <source>Set broadcaster</source>
        <translation>Anbieter setzen</translation>
    </message>
    <message>
        <source>Add to favourite list</source>
        <translation>Zur Favoritenliste hinzufügen</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Genre setzen</translation>
    </message>
    <message>
        <source>Move channels</source>
        <translation>Sender verschieben</translation>
    </message>
    <message>
        <source>Reorder favourite list</source>
        <translation>Favoritenliste umsortieren</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Neuer Satellit</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Satellit löschen</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Neuer Transponder</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Transponder verschieben</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Neuer Multiplex</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Multiplex bearbeiten</translation>
    </message>
    <message>
        <source>Delete multiplex</source>
        <translation>Multiplex löschen</translation>
    </message>
    <message>
        <source>New broadcaster</source>
        <translation>Neuer Anbieter</translation>
    </message>
    <message>
        <source>Update broadcaster</source>
        <translation>Anbieter bearbeiten</translation>
    </message>
    <message>
        <source>Delete broadcaster</source>
        <translation>Anbieter löschen</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Favoritenliste umbenennen</translation>
    </message>
    <message>
        <source>Import workbook</source>
        <translation>Arbeitsmappe importieren</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Add to this list</source>
        <translation>Zu dieser Liste hinzufügen</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Import transponders</source>
        <translation>Transponder importieren</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Nachrichten und Sachliches</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Sachliches</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Lifestyle</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Drama</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Kunst</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Aktuelles</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spezial</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Comedy</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>Compare with another list</source>
        <translation>Mit einer anderen Liste vergleichen</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Differences between this list and %1: %2</source>
        <translation>Unterschiede zwischen dieser Liste und %1: %2</translation>
    </message>
    <message>
        <source>The two lists are the same.</source>
        <translation>Die beiden Listen sind gleich.</translation>
    </message>
    <message>
        <source>The other list has no satellites: the channels&apos; tuning was compared by their ids.</source>
        <translation>Die andere Liste enthält keine Satelliten: Die Empfangsdaten der Kanäle wurden anhand ihrer IDs verglichen.</translation>
    </message>
    <message>
        <source>Only in this list</source>
        <translation>Nur in dieser Liste</translation>
    </message>
    <message>
        <source>Only in the other list</source>
        <translation>Nur in der anderen Liste</translation>
    </message>
    <message>
        <source>Number changed</source>
        <translation>Nummer geändert</translation>
    </message>
    <message>
        <source>Name changed</source>
        <translation>Name geändert</translation>
    </message>
    <message>
        <source>Tuning changed</source>
        <translation>Empfangsdaten geändert</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Merkmale geändert</translation>
    </message>
    <message>
        <source>Favourite lists changed</source>
        <translation>Favoritenlisten geändert</translation>
    </message>
    <message>
        <source>Satellites only in this list</source>
        <translation>Satelliten nur in dieser Liste</translation>
    </message>
    <message>
        <source>Satellites only in the other list</source>
        <translation>Satelliten nur in der anderen Liste</translation>
    </message>
    <message>
        <source>Satellite renamed</source>
        <translation>Satellit umbenannt</translation>
    </message>
    <message>
        <source>Transponders only in this list</source>
        <translation>Transponder nur in dieser Liste</translation>
    </message>
    <message>
        <source>Transponders only in the other list</source>
        <translation>Transponder nur in der anderen Liste</translation>
    </message>
    <message>
        <source>Transponder changed</source>
        <translation>Transponder geändert</translation>
    </message>
    <message>
        <source>Multiplexes only in this list</source>
        <translation>Multiplexe nur in dieser Liste</translation>
    </message>
    <message>
        <source>Multiplexes only in the other list</source>
        <translation>Multiplexe nur in der anderen Liste</translation>
    </message>
    <message>
        <source>Multiplex changed</source>
        <translation>Multiplex geändert</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Kanäle aus CSV importieren</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Kanäle als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|All Files(*.*)|*.*||</source>
        <translation>CSV-Datei (*.csv)|*.csv|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Transponder importieren</translation>
    </message>
    <message>
        <source>Satellite list (*.xml)|*.xml|All Files(*.*)|*.*||</source>
        <translation>Satellitenliste (*.xml)|*.xml|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Bring these satellites up to date:</source>
        <translation>Diese Satelliten aktualisieren:</translation>
    </message>
    <message>
        <source>%1  %2  (%3, in this list)</source>
        <translation>%1  %2  (%3, in dieser Liste)</translation>
    </message>
    <message>
        <source>%1  %2  (%3, new)</source>
        <translation>%1  %2  (%3, neu)</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders</source>
        <translation>
            <numerusform>%1 Transponder</numerusform>
            <numerusform>%1 Transponder</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete transponders the file does not have</source>
        <translation>Transponder löschen, die die Datei nicht enthält</translation>
    </message>
    <message>
        <source>Their channels are deleted with them, as the transponder grid&apos;s Delete does.</source>
        <translation>Ihre Kanäle werden mit ihnen gelöscht, wie beim Löschen in der Transponderliste.</translation>
    </message>
    <message>
        <source>The file lists no satellites. Nothing was changed.</source>
        <translation>Die Datei enthält keine Satelliten. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>Nicht genügend Speicher, um den Befehl abzuschließen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The command failed: %s</source>
        <translation>Der Befehl ist fehlgeschlagen: %s</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>Netz-ID</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Ursprüngliche Netz-ID</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Gruppe %1 %2</translation>
    </message>
    <message>
        <source>Satellite receiver with one tuner and compact channel entries (the start-up choice)</source>
        <translation>Satellitenreceiver mit einem Tuner und kompakten Sendereinträgen (die Startauswahl)</translation>
    </message>
    <message>
        <source>VX-7 and VX-8 satellite receivers</source>
        <translation>die Satellitenreceiver VX-7 und VX-8</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries; each channel keeps its place in eight favourite lists</source>
        <translation>Satellitenreceiver mit langen Satelliteneinträgen; jeder Sender behält seinen Platz in acht Favoritenlisten</translation>
    </message>
    <message>
        <source>VX-8 Plus satellite receivers</source>
        <translation>die Satellitenreceiver VX-8 Plus</translation>
    </message>
    <message>
        <source>Satellite receiver with full channel entries; each channel keeps its place in 24 favourite lists</source>
        <translation>Satellitenreceiver mit vollständigen Sendereinträgen; jeder Sender behält seinen Platz in 24 Favoritenlisten</translation>
    </message>
    <message>
        <source>VX-1 satellite receivers</source>
        <translation>die Satellitenreceiver VX-1</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries and full channel entries; each channel keeps its place in 32 favourite lists</source>
        <translation>Satellitenreceiver mit langen Satelliten- und vollständigen Sendereinträgen; jeder Sender behält seinen Platz in 32 Favoritenlisten</translation>
    </message>
    <message>
        <source>VX-64 satellite receivers</source>
        <translation>die Satellitenreceiver VX-64</translation>
    </message>
    <message>
        <source>Cable receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Kabelreceiver mit zwei Tunern; jeder Sender wird für jeden Tuner einmal gespeichert</translation>
    </message>
    <message>
        <source>VX-5 twin-tuner cable receivers</source>
        <translation>die Kabelreceiver VX-5 mit zwei Tunern</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Terrestrischer Receiver (Antenne) mit zwei Tunern; jeder Sender wird für jeden Tuner einmal gespeichert</translation>
    </message>
    <message>
        <source>VX-6 twin-tuner terrestrial receivers</source>
        <translation>die terrestrischen Receiver VX-6 mit zwei Tunern</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver; multiplexes instead of satellites</source>
        <translation>Terrestrischer Receiver (Antenne); Multiplexe statt Satelliten</translation>
    </message>
    <message>
        <source>VX-1T terrestrial receivers</source>
        <translation>die terrestrischen Receiver VX-1T</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with network channel entries (logical channel numbers) and eight favourite lists</source>
        <translation>Terrestrischer Receiver (Antenne) mit Netz-Sendereinträgen (logische Kanalnummern) und acht Favoritenlisten</translation>
    </message>
    <message>
        <source>VX-9 terrestrial receivers</source>
        <translation>die terrestrischen Receiver VX-9</translation>
    </message>
    <message>
        <source>Cable receiver; cable multiplexes instead of satellites</source>
        <translation>Kabelreceiver; Kabel-Multiplexe statt Satelliten</translation>
    </message>
    <message>
        <source>VX-2 cable receivers</source>
        <translation>die Kabelreceiver VX-2</translation>
    </message>
    <message>
        <source>Receiver with a satellite and a terrestrial tuner; the terrestrial multiplexes have their own tab</source>
        <translation>Receiver mit einem Satelliten- und einem terrestrischen Tuner; die terrestrischen Multiplexe haben einen eigenen Reiter</translation>
    </message>
    <message>
        <source>VX-3 satellite and terrestrial receivers</source>
        <translation>die Satelliten- und terrestrischen Receiver VX-3</translation>
    </message>
    <message>
        <source>Cable receiver that keeps its multiplexes, providers and channels together in one block</source>
        <translation>Kabelreceiver, der Multiplexe, Anbieter und Sender gemeinsam in einem Block speichert</translation>
    </message>
    <message>
        <source>VX-10 cable receivers</source>
        <translation>die Kabelreceiver VX-10</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 Transponder</translation>
    </message>
    <message>
        <source>%1 must be a number from 0 to %2.</source>
        <translation>%1: Erlaubt ist eine Zahl von 0 bis %2.</translation>
    </message>
    <message>
        <source>%1 must have at most %2 characters.</source>
        <translation>%1 darf höchstens %2 Zeichen haben.</translation>
    </message>
    <message>
        <source>%1 must be between 0 and %2.</source>
        <translation>%1 muss zwischen 0 und %2 liegen.</translation>
    </message>
    <message>
        <source>%1 must not be 0: the receiver reads it as an empty slot.</source>
        <translation>%1 darf nicht 0 sein: Der Receiver liest das als leeren Platz.</translation>
    </message>
    <message>
        <source>Name must not be empty.</source>
        <translation>Der Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Attributes must mark the channel as either TV (0x0400) or radio (0x0800).</source>
        <translation>Attributes muss den Sender entweder als TV (0x0400) oder als Radio (0x0800) kennzeichnen.</translation>
    </message>
    <message>
        <source>Tuner must be 0 on this receiver: other values mark the second tuner&apos;s copy.</source>
        <translation>Tuner muss bei diesem Receiver 0 sein: Andere Werte kennzeichnen die Kopie des zweiten Tuners.</translation>
    </message>
    <message>
        <source>Degree must be below 3600 (tenths of a degree).</source>
        <translation>Degree muss unter 3600 liegen (Zehntelgrad).</translation>
    </message>
    <message>
        <source>ID must not be 0.</source>
        <translation>Die ID darf nicht 0 sein.</translation>
    </message>
    <message>
        <source>ID %1 belongs to another satellite.</source>
        <translation>Die ID %1 gehört zu einem anderen Satelliten.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another transponder of satellite %2.</source>
        <translation>TPID %1 gehört zu einem anderen Transponder des Satelliten %2.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another multiplex.</source>
        <translation>TPID %1 gehört zu einem anderen Multiplex.</translation>
    </message>
    <message numerus="yes">
        <source>Matched %1 channels by ids and %2 by name; %3 not matched.</source>
        <translation>
            <numerusform>%1 Sender über IDs und %2 über den Namen zugeordnet; %3 nicht zugeordnet.</numerusform>
            <numerusform>%1 Sender über IDs und %2 über den Namen zugeordnet; %3 nicht zugeordnet.</numerusform>
        </translation>
    </message>
    <message>
        <source>TV %1 %2</source>
        <translation>TV %1 %2</translation>
    </message>
    <message>
        <source>radio %1 %2</source>
        <translation>Radio %1 %2</translation>
    </message>
    <message>
        <source>%1 channel shares a number with another channel of its kind</source>
        <translation>%1 Sender teilt seine Nummer mit einem anderen Sender seiner Art</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels share a number with another channel of their kind</source>
        <translation>
            <numerusform>%1 Sender teilt seine Nummer mit einem anderen Sender seiner Art</numerusform>
            <numerusform>%1 Sender teilen ihre Nummer mit einem anderen Sender ihrer Art</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (satellite %2)</source>
        <translation>%1 (Satellit %2)</translation>
    </message>
    <message>
        <source>%1 (transponder %2 of satellite %3)</source>
        <translation>%1 (Transponder %2 von Satellit %3)</translation>
    </message>
    <message>
        <source>%1 (multiplex %2)</source>
        <translation>%1 (Multiplex %2)</translation>
    </message>
    <message>
        <source>%1 (provider %2)</source>
        <translation>%1 (Anbieter %2)</translation>
    </message>
    <message>
        <source>transponder %1 MHz (satellite %2)</source>
        <translation>Transponder %1 MHz (Satellit %2)</translation>
    </message>
    <message>
        <source>%1 channel names a satellite the list does not have</source>
        <translation>%1 Sender verweist auf einen Satelliten, den die Liste nicht hat</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 Sender verweist auf einen Satelliten, den die Liste nicht hat</numerusform>
            <numerusform>%1 Sender verweisen auf einen Satelliten, den die Liste nicht hat</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a transponder the list does not have</source>
        <translation>%1 Sender verweist auf einen Transponder, den die Liste nicht hat</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a transponder the list does not have</source>
        <translation>
            <numerusform>%1 Sender verweist auf einen Transponder, den die Liste nicht hat</numerusform>
            <numerusform>%1 Sender verweisen auf einen Transponder, den die Liste nicht hat</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a multiplex the list does not have</source>
        <translation>%1 Sender verweist auf einen Multiplex, den die Liste nicht hat</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a multiplex the list does not have</source>
        <translation>
            <numerusform>%1 Sender verweist auf einen Multiplex, den die Liste nicht hat</numerusform>
            <numerusform>%1 Sender verweisen auf einen Multiplex, den die Liste nicht hat</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a provider the list does not have</source>
        <translation>%1 Sender verweist auf einen Anbieter, den die Liste nicht hat</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a provider the list does not have</source>
        <translation>
            <numerusform>%1 Sender verweist auf einen Anbieter, den die Liste nicht hat</numerusform>
            <numerusform>%1 Sender verweisen auf einen Anbieter, den die Liste nicht hat</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder names a satellite the list does not have</source>
        <translation>%1 Transponder verweist auf einen Satelliten, den die Liste nicht hat</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 Transponder verweist auf einen Satelliten, den die Liste nicht hat</numerusform>
            <numerusform>%1 Transponder verweisen auf einen Satelliten, den die Liste nicht hat</numerusform>
        </translation>
    </message>
    <message>
        <source>favourite list %1 (TV)</source>
        <translation>Favoritenliste %1 (TV)</translation>
    </message>
    <message>
        <source>favourite list %1 (radio)</source>
        <translation>Favoritenliste %1 (Radio)</translation>
    </message>
    <message>
        <source>%1 favourite list has positions that repeat or leave holes</source>
        <translation>%1 Favoritenliste hat Positionen, die sich wiederholen oder Lücken lassen</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists have positions that repeat or leave holes</source>
        <translation>
            <numerusform>%1 Favoritenliste hat Positionen, die sich wiederholen oder Lücken lassen</numerusform>
            <numerusform>%1 Favoritenlisten haben Positionen, die sich wiederholen oder Lücken lassen</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>Satellit %1</translation>
    </message>
    <message>
        <source>provider %1</source>
        <translation>Anbieter %1</translation>
    </message>
    <message>
        <source>%1 name holds characters the receiver cannot show</source>
        <translation>%1 Name enthält Zeichen, die der Receiver nicht anzeigen kann</translation>
    </message>
    <message numerus="yes">
        <source>%1 names hold characters the receiver cannot show</source>
        <translation>
            <numerusform>%1 Name enthält Zeichen, die der Receiver nicht anzeigen kann</numerusform>
            <numerusform>%1 Namen enthalten Zeichen, die der Receiver nicht anzeigen kann</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark neither TV nor radio</source>
        <translation>
            <numerusform>%1 ist weder als TV noch als Radio gekennzeichnet</numerusform>
            <numerusform>%1 sind weder als TV noch als Radio gekennzeichnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark both TV and radio</source>
        <translation>
            <numerusform>%1 ist sowohl als TV als auch als Radio gekennzeichnet</numerusform>
            <numerusform>%1 sind sowohl als TV als auch als Radio gekennzeichnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have the number 0</source>
        <translation>
            <numerusform>%1 hat die Nummer 0</numerusform>
            <numerusform>%1 haben die Nummer 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have no name</source>
        <translation>
            <numerusform>%1 hat keinen Namen</numerusform>
            <numerusform>%1 haben keinen Namen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name satellite %2, which the image does not have</source>
        <translation>%1 mit Verweis auf Satellit %2, den das Abbild nicht hat</translation>
    </message>
    <message numerus="yes">
        <source>%1 name satellites %2, which the image does not have</source>
        <translation>
            <numerusform>%1 mit Verweis auf Satellit %2, den das Abbild nicht hat</numerusform>
            <numerusform>%1 mit Verweis auf die Satelliten %2, die das Abbild nicht hat</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name transponder %2, which the image does not have on their satellite</source>
        <translation>%1 mit Verweis auf Transponder %2, den das Abbild auf ihrem Satelliten nicht hat</translation>
    </message>
    <message numerus="yes">
        <source>%1 name transponders %2, which the image does not have on their satellite</source>
        <translation>
            <numerusform>%1 mit Verweis auf Transponder %2, den das Abbild auf ihrem Satelliten nicht hat</numerusform>
            <numerusform>%1 mit Verweis auf die Transponder %2, die das Abbild auf ihrem Satelliten nicht hat</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name multiplex %2, which the image does not have</source>
        <translation>%1 mit Verweis auf Multiplex %2, den das Abbild nicht hat</translation>
    </message>
    <message numerus="yes">
        <source>%1 name multiplexes %2, which the image does not have</source>
        <translation>
            <numerusform>%1 mit Verweis auf Multiplex %2, den das Abbild nicht hat</numerusform>
            <numerusform>%1 mit Verweis auf die Multiplexe %2, die das Abbild nicht hat</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name provider %2, which the image does not have</source>
        <translation>%1 mit Verweis auf Anbieter %2, den das Abbild nicht hat</translation>
    </message>
    <message numerus="yes">
        <source>%1 name providers %2, which the image does not have</source>
        <translation>
            <numerusform>%1 mit Verweis auf Anbieter %2, den das Abbild nicht hat</numerusform>
            <numerusform>%1 mit Verweis auf die Anbieter %2, die das Abbild nicht hat</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the %1 row of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>Die Zeile von „Channel“ kann nicht importiert werden: %2. Die Senderliste wurde nicht geändert.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 rows of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>
            <numerusform>Keine der %1 Zeilen von „Channel“ kann importiert werden: %2. Die Senderliste wurde nicht geändert.</numerusform>
            <numerusform>Keine der %1 Zeilen von „Channel“ kann importiert werden: %2. Die Senderliste wurde nicht geändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 row of Channel was not imported: %2.</source>
        <translation>%1 Zeile von „Channel“ wurde nicht importiert: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel were not imported: %2.</source>
        <translation>
            <numerusform>%1 Zeile von „Channel“ wurde nicht importiert: %2.</numerusform>
            <numerusform>%1 Zeilen von „Channel“ wurden nicht importiert: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of the rows imported, %1; the check before Save and Send lists them.</source>
        <translation>Von den importierten Zeilen: %1; die Prüfung vor dem Speichern und Senden listet sie auf.</translation>
    </message>
    <message>
        <source>%1 row of Channel had a number that an earlier row has and now follows the last channel of its kind.</source>
        <translation>%1 Zeile von „Channel“ hatte eine Nummer, die eine frühere Zeile hat, und folgt jetzt dem letzten Sender ihrer Art.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel had a number that earlier rows have and now follow the last channels of their kind.</source>
        <translation>
            <numerusform>%1 Zeile von „Channel“ hatte eine Nummer, die eine frühere Zeile hat, und folgt jetzt dem letzten Sender ihrer Art.</numerusform>
            <numerusform>%1 Zeilen von „Channel“ hatten eine Nummer, die frühere Zeilen haben, und folgen jetzt den letzten Sendern ihrer Art.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 Satellit</translation>
    </message>
    <message numerus="yes">
        <source>%1 satellites</source>
        <translation>
            <numerusform>%1 Satellit</numerusform>
            <numerusform>%1 Satelliten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 Sender</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels</source>
        <translation>
            <numerusform>%1 Sender</numerusform>
            <numerusform>%1 Sender</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged, %6 deleted with %7.</source>
        <translation>%1 hinzugefügt, %2 aktualisiert; Transponder: %3 hinzugefügt, %4 geändert, %5 unverändert, %6 gelöscht mit %7.</translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged.</source>
        <translation>%1 hinzugefügt, %2 aktualisiert; Transponder: %3 hinzugefügt, %4 geändert, %5 unverändert.</translation>
    </message>
    <message>
        <source>%1 transponder of the list the file no longer has was kept:</source>
        <translation>%1 Transponder der Liste, den die Datei nicht mehr hat, wurde behalten:</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the list the file no longer has were kept:</source>
        <translation>
            <numerusform>%1 Transponder der Liste, den die Datei nicht mehr hat, wurde behalten:</numerusform>
            <numerusform>%1 Transponder der Liste, die die Datei nicht mehr hat, wurden behalten:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a frequency outside 1 to 65,535 MHz</source>
        <translation>
            <numerusform>%1 mit einer Frequenz außerhalb von 1 bis 65.535 MHz</numerusform>
            <numerusform>%1 mit einer Frequenz außerhalb von 1 bis 65.535 MHz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a symbol rate outside 1 to 65,535 kS/s</source>
        <translation>
            <numerusform>%1 mit einer Symbolrate außerhalb von 1 bis 65.535 kS/s</numerusform>
            <numerusform>%1 mit einer Symbolrate außerhalb von 1 bis 65.535 kS/s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 16APSK or 32APSK, which the receiver cannot hold</source>
        <translation>
            <numerusform>%1 mit 16APSK oder 32APSK, die der Receiver nicht speichern kann</numerusform>
            <numerusform>%1 mit 16APSK oder 32APSK, die der Receiver nicht speichern kann</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder of the file was not imported: %2.</source>
        <translation>%1 Transponder der Datei wurde nicht importiert: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the file were not imported: %2.</source>
        <translation>
            <numerusform>%1 Transponder der Datei wurde nicht importiert: %2.</numerusform>
            <numerusform>%1 Transponder der Datei wurden nicht importiert: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 circular transponder was taken with left as H and right as V.</source>
        <translation>%1 zirkularer Transponder wurde mit links als H und rechts als V übernommen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 circular transponders were taken with left as H and right as V.</source>
        <translation>
            <numerusform>%1 zirkularer Transponder wurde mit links als H und rechts als V übernommen.</numerusform>
            <numerusform>%1 zirkulare Transponder wurden mit links als H und rechts als V übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 FEC the receiver has no name for was taken as Auto.</source>
        <translation>%1 FEC, für die der Receiver keinen Namen hat, wurde als Auto übernommen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 FECs the receiver has no name for were taken as Auto.</source>
        <translation>
            <numerusform>%1 FEC, für die der Receiver keinen Namen hat, wurde als Auto übernommen.</numerusform>
            <numerusform>%1 FECs, für die der Receiver keinen Namen hat, wurden als Auto übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 DVB-S2 transponder was taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>%1 DVB-S2-Transponder wurde ohne DVB-S2-Kennzeichen übernommen, das die Einträge dieses Receivers nicht haben.</translation>
    </message>
    <message numerus="yes">
        <source>%1 DVB-S2 transponders were taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>
            <numerusform>%1 DVB-S2-Transponder wurde ohne DVB-S2-Kennzeichen übernommen, das die Einträge dieses Receivers nicht haben.</numerusform>
            <numerusform>%1 DVB-S2-Transponder wurden ohne DVB-S2-Kennzeichen übernommen, das die Einträge dieses Receivers nicht haben.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The other list has no channels that this list lacks.</source>
        <translation>Die andere Liste hat keine Sender, die dieser Liste fehlen.</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 Multiplex</translation>
    </message>
    <message numerus="yes">
        <source>%1 multiplexes</source>
        <translation>
            <numerusform>%1 Multiplex</numerusform>
            <numerusform>%1 Multiplexe</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 Anbieter</translation>
    </message>
    <message numerus="yes">
        <source>%1 providers</source>
        <translation>
            <numerusform>%1 Anbieter</numerusform>
            <numerusform>%1 Anbieter</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>Hinzugefügt: %1.</translation>
    </message>
    <message>
        <source>The favourite tree</source>
        <translation>Der Favoritenbaum</translation>
    </message>
    <message>
        <source>%1 favourite list</source>
        <translation>%1 Favoritenliste</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists</source>
        <translation>
            <numerusform>%1 Favoritenliste</numerusform>
            <numerusform>%1 Favoritenlisten</numerusform>
        </translation>
    </message>
    <message>
        <source>The satellite list</source>
        <translation>Die Satellitenliste</translation>
    </message>
    <message>
        <source>The broadcaster list</source>
        <translation>Die Anbieterliste</translation>
    </message>
    <message>
        <source>%1 broadcaster</source>
        <translation>%1 Anbieter</translation>
    </message>
    <message numerus="yes">
        <source>%1 broadcasters</source>
        <translation>
            <numerusform>%1 Anbieter</numerusform>
            <numerusform>%1 Anbieter</numerusform>
        </translation>
    </message>
    <message>
        <source>The transponder list</source>
        <translation>Die Transponderliste</translation>
    </message>
    <message>
        <source>The cable multiplex list</source>
        <translation>Die Kabel-Multiplexliste</translation>
    </message>
    <message>
        <source>%1 cable multiplex</source>
        <translation>%1 Kabel-Multiplex</translation>
    </message>
    <message numerus="yes">
        <source>%1 cable multiplexes</source>
        <translation>
            <numerusform>%1 Kabel-Multiplex</numerusform>
            <numerusform>%1 Kabel-Multiplexe</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel list</source>
        <translation>Die Senderliste</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds none. Remove %3 and save again.</source>
        <translation>%1 hat %2, aber dieser Receiver fasst keine. Entfernen Sie %3 und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds at most %4. Remove %3 and save again.</source>
        <translation>%1 hat %2, aber dieser Receiver fasst höchstens %4. Entfernen Sie %3 und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>The reference list holds no channels. Nothing was changed.</source>
        <translation>Die Referenzliste enthält keine Sender. Es wurde nichts geändert.</translation>
    </message>
    <message numerus="yes">
        <source>The numbers after the reference&apos;s highest number %1 leave no room for %2 channels that it does not hold. Nothing was changed.</source>
        <translation>
            <numerusform>Nach der höchsten Nummer %1 der Referenz ist kein Platz für %2 Sender, die sie nicht enthält. Es wurde nichts geändert.</numerusform>
            <numerusform>Nach der höchsten Nummer %1 der Referenz ist kein Platz für %2 Sender, die sie nicht enthält. Es wurde nichts geändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Favourite list %1 has no room after the reference&apos;s positions. Nothing was changed.</source>
        <translation>Favoritenliste %1 hat nach den Plätzen der Referenz keinen Platz mehr. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 „%2“ ist keine Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>line 1: the column %1 is named twice</source>
        <translation>Zeile 1: Die Spalte %1 ist zweimal benannt</translation>
    </message>
    <message>
        <source>line 1 names none of the columns of the &quot;Channel&quot; sheet (ProgramNum, CAS, Favorite, ... ServiceType)</source>
        <translation>Zeile 1 nennt keine der Spalten des Blatts „Channel“ (ProgramNum, CAS, Favorite, ... ServiceType)</translation>
    </message>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>Zeile %1 hat %2 Felder, die Kopfzeile %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. The channel list was not changed.</source>
        <translation>Die CSV-Datei kann nicht gelesen werden: %1. Die Senderliste wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The CSV file is empty: it has no header row. The channel list was not changed.</source>
        <translation>Die CSV-Datei ist leer: Sie hat keine Kopfzeile. Die Senderliste wurde nicht geändert.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the CSV file. The channel list was not changed.</source>
        <translation>Der Speicher reicht nicht aus, um die CSV-Datei zu lesen. Die Senderliste wurde nicht geändert.</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>auf ein schließendes Anführungszeichen folgt Text</translation>
    </message>
    <message>
        <source>a quote stands inside a field that is not quoted</source>
        <translation>ein Anführungszeichen steht in einem Feld ohne Anführungszeichen</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a channel number from 1 to 65535. Nothing was changed.</source>
        <translation>Zeile %1: „%2“ ist keine Sendernummer von 1 bis 65535. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two TV channels on number %3. Nothing was changed.</source>
        <translation>Die Zeilen %1 und %2 legen zwei TV-Sender auf die Nummer %3. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two radio channels on number %3. Nothing was changed.</source>
        <translation>Die Zeilen %1 und %2 legen zwei Radiosender auf die Nummer %3. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two other channels on number %3. Nothing was changed.</source>
        <translation>Die Zeilen %1 und %2 legen zwei andere Sender auf die Nummer %3. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The first line of the CSV file has no Name column. Nothing was changed.</source>
        <translation>Die erste Zeile der CSV-Datei hat keine Spalte Name. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. Nothing was changed.</source>
        <translation>Die CSV-Datei kann nicht gelesen werden: %1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The CSV file is empty. Nothing was changed.</source>
        <translation>Die CSV-Datei ist leer. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Line %1 comes after number 65535. Nothing was changed.</source>
        <translation>Zeile %1 kommt nach der Nummer 65535. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 names of the list is a channel of this list. Nothing was changed.</source>
        <translation>
            <numerusform>Der %1 Name der Liste ist kein Sender dieser Liste. Es wurde nichts geändert.</numerusform>
            <numerusform>Keiner der %1 Namen der Liste ist ein Sender dieser Liste. Es wurde nichts geändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reference list holds no channels</source>
        <translation>Die Referenzliste enthält keine Sender</translation>
    </message>
    <message>
        <source>There is not enough memory to read the reference list. Nothing was changed.</source>
        <translation>Der Speicher reicht nicht aus, um die Referenzliste zu lesen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>This receiver has no satellites. Nothing was changed.</source>
        <translation>Dieser Receiver hat keine Satelliten. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>No satellite ID is left for %1. Nothing was changed.</source>
        <translation>Für %1 ist keine Satelliten-ID mehr frei. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Satellite %1 has no transponder number left. Nothing was changed.</source>
        <translation>Satellit %1 hat keine Transpondernummer mehr frei. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>the file has more than %1 elements, more than any transponder list</source>
        <translation>die Datei hat mehr als %1 Elemente, mehr als jede Transponderliste</translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no transponder list is</source>
        <translation>Elemente sind tiefer als %1 Ebenen verschachtelt, was keine Transponderliste ist</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no %2</source>
        <translation>&lt;%1&gt; hat kein %2</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1=&quot;%2&quot; ist keine Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, more than any transponder list.</source>
        <translation>Die Datei ist größer als %1 Bytes, größer als jede Transponderliste.</translation>
    </message>
    <message>
        <source>the XML is malformed (%1)</source>
        <translation>das XML ist fehlerhaft (%1)</translation>
    </message>
    <message>
        <source>the file has no &lt;satellites&gt; element</source>
        <translation>die Datei hat kein Element &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>There is not enough memory to read %1.</source>
        <translation>Der Speicher reicht nicht aus, um %1 zu lesen.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last TV channel leave no room for %1.</source>
        <translation>Nach dem letzten TV-Sender dieser Liste ist kein Platz für %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last radio channel leave no room for %1.</source>
        <translation>Nach dem letzten Radiosender dieser Liste ist kein Platz für %1.</translation>
    </message>
    <message>
        <source>Favourite list %1 has no room for the channels to add.</source>
        <translation>Favoritenliste %1 hat keinen Platz für die hinzuzufügenden Sender.</translation>
    </message>
    <message>
        <source>The channel table has no key left.</source>
        <translation>Die Sendertabelle hat keinen freien Schlüssel mehr.</translation>
    </message>
    <message>
        <source>This list has no multiplex number left for %1.</source>
        <translation>Diese Liste hat keine Multiplexnummer mehr frei für %1.</translation>
    </message>
    <message>
        <source>The multiplex at %1 MHz cannot be added: this list has another multiplex with its number.</source>
        <translation>Der Multiplex auf %1 MHz kann nicht hinzugefügt werden: Diese Liste hat einen anderen Multiplex mit seiner Nummer.</translation>
    </message>
    <message>
        <source>The multiplex table has no key left.</source>
        <translation>Die Multiplextabelle hat keinen freien Schlüssel mehr.</translation>
    </message>
    <message>
        <source>This list has no satellite number left for %1.</source>
        <translation>Diese Liste hat keine Satellitennummer mehr frei für %1.</translation>
    </message>
    <message>
        <source>The satellite table has no key left.</source>
        <translation>Die Satellitentabelle hat keinen freien Schlüssel mehr.</translation>
    </message>
    <message>
        <source>The transponder table has no key left.</source>
        <translation>Die Transpondertabelle hat keinen freien Schlüssel mehr.</translation>
    </message>
    <message>
        <source>The satellite at %1 has no transponder number left.</source>
        <translation>Der Satellit %1 hat keine Transpondernummer mehr frei.</translation>
    </message>
    <message>
        <source>This list has no provider number left.</source>
        <translation>Diese Liste hat keine Anbieternummer mehr frei.</translation>
    </message>
    <message>
        <source>The provider table has no key left.</source>
        <translation>Die Anbietertabelle hat keinen freien Schlüssel mehr.</translation>
    </message>
    <message>
        <source>cannot read back the received file %1</source>
        <translation>die empfangene Datei %1 kann nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to send</source>
        <translation>%1 ist leer: Es gibt nichts zu senden</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>Der Sender hat die Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>The line closed: %1</source>
        <translation>Die Leitung wurde geschlossen: %1</translation>
    </message>
    <message numerus="yes">
        <source>The sender went on sending blocks after the announced %1 bytes; transfer abandoned</source>
        <translation>
            <numerusform>Der Sender hat nach dem angekündigten %1 Byte weiter Blöcke gesendet; Übertragung abgebrochen</numerusform>
            <numerusform>Der Sender hat nach den angekündigten %1 Bytes weiter Blöcke gesendet; Übertragung abgebrochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 arrived damaged %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Block %1 kam %2-mal beschädigt an; Übertragung abgebrochen</numerusform>
            <numerusform>Block %1 kam %2-mal beschädigt an; Übertragung abgebrochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 never came: block %2 came again %3 times; transfer abandoned</source>
        <translation>
            <numerusform>Block %1 kam nie an: Block %2 kam %3-mal erneut; Übertragung abgebrochen</numerusform>
            <numerusform>Block %1 kam nie an: Block %2 kam %3-mal erneut; Übertragung abgebrochen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 damaged, %2 repeats of block %3</source>
        <translation>%1 beschädigt, %2 Wiederholungen von Block %3</translation>
    </message>
    <message>
        <source>%1 damaged</source>
        <translation>%1 beschädigt</translation>
    </message>
    <message numerus="yes">
        <source>Block %1 failed %2 times (%3); transfer abandoned</source>
        <translation>
            <numerusform>Block %1 ist %2-mal fehlgeschlagen (%3); Übertragung abgebrochen</numerusform>
            <numerusform>Block %1 ist %2-mal fehlgeschlagen (%3); Übertragung abgebrochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 arrived</source>
        <translation>
            <numerusform>Die Übertragung endete nicht innerhalb der für %2 Byte erlaubten %1: %3 angekommen</numerusform>
            <numerusform>Die Übertragung endete nicht innerhalb der für %2 Bytes erlaubten %1: %3 angekommen</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing arrived within %1: is the other side sending?</source>
        <translation>Innerhalb von %1 kam nichts an: Sendet die Gegenseite?</translation>
    </message>
    <message>
        <source>The sender sent data without a file header (a YMODEM batch was expected)</source>
        <translation>Der Sender hat Daten ohne Dateikopf gesendet (erwartet wurde ein YMODEM-Stapel)</translation>
    </message>
    <message>
        <source>The sender&apos;s file header is not readable</source>
        <translation>Der Dateikopf des Senders ist nicht lesbar</translation>
    </message>
    <message>
        <source>The sender had no file to send</source>
        <translation>Der Sender hatte keine Datei zu senden</translation>
    </message>
    <message>
        <source>The sender did not announce the size of %1; the transfer cannot be checked</source>
        <translation>Der Sender hat die Größe von %1 nicht angekündigt; die Übertragung kann nicht geprüft werden</translation>
    </message>
    <message numerus="yes">
        <source>%1 is too large (%2 bytes; at most %3)</source>
        <translation>
            <numerusform>%1 ist zu groß (%2 Byte; höchstens %3)</numerusform>
            <numerusform>%1 ist zu groß (%2 Bytes; höchstens %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sender stopped sending: no block for %1, %2 times, after %3 of %4 bytes</source>
        <translation>
            <numerusform>Der Sender sendet nicht mehr: %2-mal kein Block für %1, nach %3 von %4 Bytes</numerusform>
            <numerusform>Der Sender sendet nicht mehr: %2-mal kein Block für %1, nach %3 von %4 Bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer ended after %1 of %2 bytes</source>
        <translation>
            <numerusform>Die Übertragung endete nach %1 von %2 Byte</numerusform>
            <numerusform>Die Übertragung endete nach %1 von %2 Bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The line closed after %1 of %2 bytes: %3</source>
        <translation>
            <numerusform>Die Leitung wurde nach %1 von %2 Byte geschlossen: %3</numerusform>
            <numerusform>Die Leitung wurde nach %1 von %2 Bytes geschlossen: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Block sequence lost: expected block %1, got block %2</source>
        <translation>Blockfolge verloren: Block %1 erwartet, Block %2 erhalten</translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 were acknowledged</source>
        <translation>
            <numerusform>Die Übertragung endete nicht innerhalb der für %2 Byte erlaubten %1: %3 bestätigt</numerusform>
            <numerusform>Die Übertragung endete nicht innerhalb der für %2 Bytes erlaubten %1: %3 bestätigt</numerusform>
        </translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Der Empfänger hat die Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>The receiver asks for the old checksum mode; only CRC-16 is supported</source>
        <translation>Der Empfänger verlangt den alten Prüfsummenmodus; unterstützt wird nur CRC-16</translation>
    </message>
    <message>
        <source>The receiver did not ask for %1 within %2</source>
        <translation>Der Empfänger hat %1 nicht innerhalb von %2 angefordert</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>das Dateiende</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>Block %1</translation>
    </message>
    <message numerus="yes">
        <source>The receiver stopped answering: no reply to %1 within %2, %3 times</source>
        <translation>
            <numerusform>Der Empfänger antwortet nicht mehr: %3-mal keine Antwort auf %1 innerhalb von %2</numerusform>
            <numerusform>Der Empfänger antwortet nicht mehr: %3-mal keine Antwort auf %1 innerhalb von %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receiver refused %1 %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Der Empfänger hat %1 %2-mal abgelehnt; Übertragung abgebrochen</numerusform>
            <numerusform>Der Empfänger hat %1 %2-mal abgelehnt; Übertragung abgebrochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sending %1 failed %2 times (%3 refused); transfer abandoned</source>
        <translation>
            <numerusform>Übertragung abgebrochen: %1 wurde %2-mal vergeblich gesendet (%3 abgelehnt)</numerusform>
            <numerusform>Übertragung abgebrochen: %1 wurde %2-mal vergeblich gesendet (%3 abgelehnt)</numerusform>
        </translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>the data</source>
        <translation>die Daten</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>Transponder %1</translation>
    </message>
    <message>
        <source>other %1 %2</source>
        <translation>Sonstige %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>%1, PIDs %2/%3/%4</source>
        <translation>%1, PIDs %2/%3/%4</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>verschlüsselt</translation>
    </message>
    <message>
        <source>cable %1</source>
        <translation>Kabel %1</translation>
    </message>
    <message>
        <source>terrestrial %1</source>
        <translation>terrestrisch %1</translation>
    </message>
    <message>
        <source>There is not enough memory to open %1.</source>
        <translation>Es ist nicht genug Speicher frei, um %1 zu öffnen.</translation>
    </message>
    <message>
        <source>a receiver image</source>
        <translation>ein Empfänger-Abbild</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>eine CSV-Datei</translation>
    </message>
    <message>
        <source>a channel list</source>
        <translation>eine Senderliste</translation>
    </message>
    <message>
        <source>a satellites.xml file</source>
        <translation>eine satellites.xml-Datei</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not %2.</source>
        <translation>%1 ist ein Ordner, nicht %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so it cannot be %2.</source>
        <translation>%1 ist keine reguläre Datei und kann daher nicht %2 sein.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %2 bytes, more than %3 can have (at most %4 bytes).</source>
        <translation>
            <numerusform>%1 hat %2 Byte, mehr als %3 haben kann (höchstens %4 Byte).</numerusform>
            <numerusform>%1 hat %2 Byte, mehr als %3 haben kann (höchstens %4 Byte).</numerusform>
        </translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>die Datei endet vorzeitig</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 The channel list was not changed.</source>
        <translation>%1 Die Senderliste wurde nicht geändert.</translation>
    </message>
    <message>
        <source>serial %1 at %2 baud</source>
        <translation>seriell %1 mit %2 Baud</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>TCP-Port %1</translation>
    </message>
    <message>
        <source>TCP port %1 on %2</source>
        <translation>TCP-Port %1 auf %2</translation>
    </message>
    <message>
        <source>%1 baud is not a rate a serial port can be set to</source>
        <translation>%1 Baud ist keine Rate, auf die sich ein serieller Anschluss stellen lässt</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a serial port: %2</source>
        <translation>%1 ist kein serieller Anschluss: %2</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>%1 kann nicht eingerichtet werden: %2</translation>
    </message>
    <message>
        <source>cannot find %1: %2</source>
        <translation>%1 wurde nicht gefunden: %2</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>keine Verbindung zu %1</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>auf %1 kann nicht gewartet werden: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1</source>
        <translation>auf %1 kann nicht gewartet werden</translation>
    </message>
    <message>
        <source>not listening</source>
        <translation>es wird auf keine Verbindung gewartet</translation>
    </message>
    <message>
        <source>Nobody connected to port %1 within %2</source>
        <translation>Innerhalb von %2 hat sich niemand mit Port %1 verbunden</translation>
    </message>
    <message>
        <source>accept: %1</source>
        <translation>Verbindung nicht angenommen: %1</translation>
    </message>
    <message>
        <source>there is no working copy (it could not be created in the temporary directory)</source>
        <translation>es gibt keine Arbeitskopie (sie konnte im temporären Verzeichnis nicht angelegt werden)</translation>
    </message>
    <message>
        <source>Could not allocate memory</source>
        <translation>Es konnte kein Speicher belegt werden</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>Die Art eines Tags ist nicht zu erkennen</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>Fehler in der Dokumentdeklaration oder einer Verarbeitungsanweisung</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>Fehler in einem Kommentar</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>Fehler in einem CDATA-Abschnitt</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>Fehler in der Dokumenttypdeklaration</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>Fehler im Text eines Elements (PCDATA)</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>Fehler in einem öffnenden Tag</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>Fehler in einem Attribut</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>Fehler in einem schließenden Tag</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>Öffnendes und schließendes Tag passen nicht zusammen</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>Kein Dokumentelement gefunden</translation>
    </message>
    <message>
        <source>keeping the old file as %1: %2</source>
        <translation>beim Aufbewahren der alten Datei als %1: %2</translation>
    </message>
    <message>
        <source>no file open for %1</source>
        <translation>keine Datei für %1 geöffnet</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>in %1 kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1: %2</source>
        <translation>die Rechte von %1 können nicht gesetzt werden: %2</translation>
    </message>
    <message>
        <source>writing %1: %2</source>
        <translation>beim Schreiben von %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>writing %1 to disk: %2</source>
        <translation>beim Schreiben von %1 auf den Datenträger: %2</translation>
    </message>
    <message>
        <source>closing %1: %2</source>
        <translation>beim Schließen von %1: %2</translation>
    </message>
    <message>
        <source>replacing %1: %2</source>
        <translation>beim Ersetzen von %1: %2</translation>
    </message>
    <message>
        <source>This receiver&apos;s flash layout is not valid: %1.</source>
        <translation>Die Flash-Aufteilung dieses Empfängers ist ungültig: %1.</translation>
    </message>
    <message>
        <source>sector size %1</source>
        <translation>Sektorgröße %1</translation>
    </message>
    <message>
        <source>favourite</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>the %1 block has a negative value</source>
        <translation>der Block %1 hat einen negativen Wert</translation>
    </message>
    <message>
        <source>the %1 block starts too far out</source>
        <translation>der Block %1 beginnt zu weit hinten</translation>
    </message>
    <message>
        <source>a negative multiplex count</source>
        <translation>eine negative Zahl von Multiplexen</translation>
    </message>
    <message>
        <source>the single block is larger than any receiver&apos;s image</source>
        <translation>der einzige Block ist größer als jedes Empfänger-Abbild</translation>
    </message>
    <message>
        <source>the %1 block reaches beyond any receiver&apos;s image</source>
        <translation>der Block %1 reicht über jedes Empfänger-Abbild hinaus</translation>
    </message>
    <message>
        <source>%1 Nothing was written. Save the channels under another name.</source>
        <translation>%1 Es wurde nichts geschrieben. Speichern Sie die Sender unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>The workbook has no sheet named &quot;Channel&quot;.</source>
        <translation>Die Arbeitsmappe hat kein Blatt namens „Channel“.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the workbook.</source>
        <translation>Der Speicher reicht nicht, um die Arbeitsmappe zu lesen.</translation>
    </message>
    <message>
        <source>The channel list has %1 channels, but a workbook sheet holds at most %2. Remove %3 channels and save again.</source>
        <translation>Die Senderliste hat %1 Sender, ein Blatt einer Arbeitsmappe fasst aber höchstens %2. Entfernen Sie %3 Sender und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>%1 Its other contents could not be kept, so nothing was written. Save the channels under another name.</source>
        <translation>%1 Ihr übriger Inhalt ließe sich nicht erhalten, daher wurde nichts geschrieben. Speichern Sie die Sender unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>No workbook was read.</source>
        <translation>Es wurde keine Arbeitsmappe gelesen.</translation>
    </message>
    <message>
        <source>The workbook was not read from a file.</source>
        <translation>Die Arbeitsmappe wurde nicht aus einer Datei gelesen.</translation>
    </message>
    <message>
        <source>The workbook is damaged: a stream of its compound file cannot be read.</source>
        <translation>Die Arbeitsmappe ist beschädigt: Ein Datenstrom ihrer Verbunddatei ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook (.xls).</source>
        <translation>Die Datei ist keine Excel-97-2003-Arbeitsmappe (.xls).</translation>
    </message>
    <message>
        <source>The workbook is damaged: its sector tables or its directory cannot be read.</source>
        <translation>Die Arbeitsmappe ist beschädigt: Ihre Sektortabellen oder ihr Verzeichnis sind nicht lesbar.</translation>
    </message>
    <message>
        <source>The file holds no &quot;Workbook&quot; stream, so it is not an Excel 97-2003 workbook.</source>
        <translation>Die Datei enthält keinen Datenstrom „Workbook“, ist also keine Excel-97-2003-Arbeitsmappe.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its &quot;Workbook&quot; stream ends early or its sectors are chained wrongly.</source>
        <translation>Die Arbeitsmappe ist beschädigt: Ihr Datenstrom „Workbook“ endet zu früh oder seine Sektoren sind falsch verkettet.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its table of shared strings cannot be read.</source>
        <translation>Die Arbeitsmappe ist beschädigt: Ihre Tabelle gemeinsamer Texte ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The workbook is protected with a password, so it cannot be read.</source>
        <translation>Die Arbeitsmappe ist mit einem Kennwort geschützt und kann daher nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The workbook holds more cells or sheets than this program reads.</source>
        <translation>Die Arbeitsmappe enthält mehr Zellen oder Blätter, als dieses Programm liest.</translation>
    </message>
    <message>
        <source>an Excel workbook</source>
        <translation>eine Excel-Arbeitsmappe</translation>
    </message>
    <message>
        <source>A text of more than 255 characters cannot be added to this workbook.</source>
        <translation>Ein Text mit mehr als 255 Zeichen kann dieser Arbeitsmappe nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The workbook is too large to be written.</source>
        <translation>Die Arbeitsmappe ist zu groß, um geschrieben zu werden.</translation>
    </message>
    <message>
        <source>The file has no satellite at %1. Nothing was changed.</source>
        <translation>Die Datei hat keinen Satelliten auf %1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>There is not enough memory to write the CSV file.</source>
        <translation>Der Speicher reicht nicht, um die CSV-Datei zu schreiben.</translation>
    </message>
</context>
</TS>
