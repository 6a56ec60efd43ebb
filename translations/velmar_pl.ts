<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CBroadcastGridCtrl</name>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Edytuj</translation>
    </message>
</context>
<context>
    <name>CCaptionLine</name>
    <message>
        <source>%1 satellite</source>
        <translation>Satelity: %1</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>Satelity: %1</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>Transpondery: %1</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>Transpondery: %1</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>Multipleksy: %1</translation>
    </message>
    <message>
        <source>%1 multiplexes</source>
        <translation>Multipleksy: %1</translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>Nadawcy: %1</translation>
    </message>
    <message>
        <source>%1 providers</source>
        <translation>Nadawcy: %1</translation>
    </message>
    <message>
        <source>%1 list</source>
        <translation>Listy: %1</translation>
    </message>
    <message>
        <source>%1 lists</source>
        <translation>Listy: %1</translation>
    </message>
</context>
<context>
    <name>CChannelForm</name>
    <message>
        <source>Number</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Numer logiczny</translation>
    </message>
    <message>
        <source>Shown number</source>
        <translation>Wyświetlany numer</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID usługi</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Pierwotny ID sieci</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>ID strumienia transportowego</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID wideo</translation>
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
        <translation>Ścieżki dźwiękowe</translation>
    </message>
    <message>
        <source>Subtitle streams</source>
        <translation>Ścieżki napisów</translation>
    </message>
    <message>
        <source>CAS (hex)</source>
        <translation>CAS (hex)</translation>
    </message>
    <message>
        <source>Stream type (hex)</source>
        <translation>Typ strumienia (hex)</translation>
    </message>
    <message>
        <source>Code table</source>
        <translation>Strona kodowa</translation>
    </message>
    <message>
        <source>Update Channel</source>
        <translation>Edytuj kanał</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Nowy kanał TV</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Nowa stacja radiowa</translation>
    </message>
    <message>
        <source>A new channel is numbered after the last channel of its list.</source>
        <translation>Nowy kanał otrzymuje numer po ostatnim kanale swojej listy.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>Najwyżej %1 znaków</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
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
        <translation>Ani TV, ani radio</translation>
    </message>
    <message>
        <source>Both TV and radio</source>
        <translation>Jednocześnie TV i radio</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>A new channel takes the genre of the genre list it is made in.</source>
        <translation>Nowy kanał otrzymuje gatunek listy gatunku, w której go utworzono.</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Gatunek</translation>
    </message>
    <message>
        <source>Tuner byte %1</source>
        <translation>Bajt tunera %1</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zablokowany</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Kodowany</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pomijany</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Odbiór</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multipleks %1</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>Multipleks</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>ID satelity %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Broadcaster ID %1</source>
        <translation>ID nadawcy %1</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Nadawca</translation>
    </message>
    <message>
        <source>Transponder %1</source>
        <translation>Transponder %1</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Strumienie</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listy ulubionych</translation>
    </message>
    <message>
        <source>%1 must be a hexadecimal number of at most %2 digits.</source>
        <translation>%1 musi być liczbą szesnastkową o najwyżej %2 cyfrach.</translation>
    </message>
</context>
<context>
    <name>CChannelGridCtrl</name>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
</context>
<context>
    <name>CChannelListBar</name>
    <message>
        <source>Filter by name (Esc clears)</source>
        <translation>Filtruj po nazwie (Esc czyści)</translation>
    </message>
    <message>
        <source>Nothing chosen</source>
        <translation>Nic nie wybrano</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, names with “%2”</source>
        <translation>%1, nazwy z „%2”</translation>
    </message>
    <message>
        <source>%1 — %2 TV / %3 radio</source>
        <translation>%1 — TV: %2 / radio: %3</translation>
    </message>
</context>
<context>
    <name>CDlgCompare</name>
    <message>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
</context>
<context>
    <name>CDlgInformation</name>
    <message>
        <source>The maker&apos;s form (64-byte header with CRC)</source>
        <translation>Postać producenta (64-bajtowy nagłówek z CRC)</translation>
    </message>
    <message>
        <source>The working form (VX header)</source>
        <translation>Postać robocza (nagłówek VX)</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>satelitarny</translation>
    </message>
    <message>
        <source>terrestrial</source>
        <translation>naziemny</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>kablowy</translation>
    </message>
    <message>
        <source>Model %1, type 0x%2 (%3), byte order %4</source>
        <translation>Model %1, typ 0x%2 (%3), kolejność bajtów %4</translation>
    </message>
    <message>
        <source>no reception bits</source>
        <translation>brak bitów odbioru</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listy ulubionych</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondery</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Nadawcy</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multipleksy naziemne</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multipleksy kablowe</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Obszar roboczy</translation>
    </message>
    <message>
        <source>%1 (this receiver does not save them)</source>
        <translation>%1 (ten odbiornik ich nie zapisuje)</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3</source>
        <translation>zajęte %1 z %2, %3</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>wolne: %1</translation>
    </message>
    <message>
        <source>%1 too many to save</source>
        <translation>za dużo do zapisania: %1</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>TV: %1, radio: %2</translation>
    </message>
    <message>
        <source>%1 locked, %2 skipped, %3 scrambled</source>
        <translation>zablokowane: %1, pomijane: %2, kodowane: %3</translation>
    </message>
    <message>
        <source>No duplicate channels</source>
        <translation>Brak zdublowanych kanałów</translation>
    </message>
    <message>
        <source>%1 duplicate channels in %2 groups</source>
        <translation>Zdublowane kanały: %1, grupy: %2</translation>
    </message>
    <message>
        <source>CH# %1  %2  (%3, satellite %4, TPID %5, ids %6/%7/%8)</source>
        <translation>Nr %1  %2  (%3, satelita %4, TPID %5, ID %6/%7/%8)</translation>
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
        <translation>Postać nagłówka:</translation>
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
        <translation>Kanały:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Flagi:</translation>
    </message>
    <message>
        <source>Duplicates:</source>
        <translation>Duplikaty:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>The list check finds no problem.</source>
        <translation>Sprawdzenie listy nie wykazało problemów.</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… i %1 więcej</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Nadawca</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sprawdzenie</translation>
    </message>
    <message>
        <source>%1 channels: %2</source>
        <translation>Kanały (%1): %2</translation>
    </message>
    <message>
        <source>Select them in the channel lists</source>
        <translation>Zaznacz je na listach kanałów</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplikaty</translation>
    </message>
</context>
<context>
    <name>CDlgPrintChoice</name>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Print these lists:</source>
        <translation>Drukuj te listy:</translation>
    </message>
    <message>
        <source>TV list</source>
        <translation>Lista TV</translation>
    </message>
    <message>
        <source>Radio list</source>
        <translation>Lista radiowa</translation>
    </message>
</context>
<context>
    <name>CDlgPrintPreview</name>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numer strony</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
</context>
<context>
    <name>CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Gatunek</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Nazwa zawiera znaki, których nie obsługuje Windows-1252.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Edytuj</translation>
    </message>
</context>
<context>
    <name>CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Nadawcy</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Ulubione</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Nadawcy</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Wybór wiersza filtruje listy. Klawisz Menu lub Shift+F10 otwiera polecenia; F6 przechodzi do następnego panelu.</translation>
    </message>
    <message>
        <source>Favorite lists and genres</source>
        <translation>Listy ulubionych i gatunki</translation>
    </message>
    <message>
        <source>Choosing a list or a genre shows its channels; F2 renames a favorite list.</source>
        <translation>Wybór listy lub gatunku pokazuje jego kanały; F2 zmienia nazwę listy ulubionych.</translation>
    </message>
</context>
<context>
    <name>CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Satelity</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Multipleksy</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Naziemne</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondery</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multipleksy naziemne</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multipleksy kablowe</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Wybór wiersza filtruje listy. Klawisz Menu lub Shift+F10 otwiera polecenia; F6 przechodzi do następnego panelu.</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. F6 goes to the next pane.</source>
        <translation>Wybór wiersza filtruje listy. F6 przechodzi do następnego panelu.</translation>
    </message>
</context>
<context>
    <name>CLinkForm</name>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Port szeregowy</translation>
    </message>
    <message>
        <source>Network (TCP)</source>
        <translation>Sieć (TCP)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Prędkość (bod)</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>Port TCP</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Odbierz</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Choose the line, press Receive, then start sending on the receiver.</source>
        <translation>Wybierz połączenie, naciśnij „Odbierz”, a następnie uruchom wysyłanie w odbiorniku.</translation>
    </message>
    <message>
        <source>Choose the line, start receiving on the receiver, then press Send.</source>
        <translation>Wybierz połączenie, uruchom odbieranie w odbiorniku, a następnie naciśnij „Wyślij”.</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Wybierz port szeregowy.</translation>
    </message>
    <message>
        <source>Enter the receiver&apos;s host name or address.</source>
        <translation>Podaj nazwę hosta lub adres odbiornika.</translation>
    </message>
    <message>
        <source>Connecting: %1</source>
        <translation>Łączenie: %1</translation>
    </message>
    <message>
        <source>Waiting for the receiver to send...</source>
        <translation>Oczekiwanie na wysłanie danych przez odbiornik...</translation>
    </message>
    <message>
        <source>Waiting for the receiver to ask for the data...</source>
        <translation>Oczekiwanie, aż odbiornik poprosi o dane...</translation>
    </message>
    <message>
        <source>Transfer failed: %1</source>
        <translation>Transmisja nie powiodła się: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Anulowanie...</translation>
    </message>
</context>
<context>
    <name>CListTools</name>
    <message>
        <source>Compare with…</source>
        <translation>Porównaj z…</translation>
    </message>
    <message>
        <source>Show what another image or workbook has differently</source>
        <translation>Pokazuje, czym różni się inny obraz lub skoroszyt</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importuj…</translation>
    </message>
    <message>
        <source>Replace the channels by those of a CSV file</source>
        <translation>Zastępuje kanały kanałami z pliku CSV</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Write the channels as a CSV file</source>
        <translation>Zapisuje kanały jako plik CSV</translation>
    </message>
    <message>
        <source>Import transponders…</source>
        <translation>Importuj transpondery…</translation>
    </message>
    <message>
        <source>Bring satellites and transponders up to date from a satellites.xml file</source>
        <translation>Aktualizuje satelity i transpondery na podstawie pliku satellites.xml</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Counts, capacity and duplicates of the whole list</source>
        <translation>Liczby, pojemność i duplikaty całej listy</translation>
    </message>
    <message>
        <source>Apply order</source>
        <translation>Zastosuj kolejność</translation>
    </message>
    <message>
        <source>Number the channels as another list numbers them</source>
        <translation>Numeruje kanały tak jak inna lista</translation>
    </message>
    <message>
        <source>Apply the order of another list</source>
        <translation>Zastosuj kolejność innej listy</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>Za mało pamięci, aby dokończyć polecenie. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>Polecenie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>The command failed.</source>
        <translation>Polecenie nie powiodło się.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Otwórz istniejącą bazę danych</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Odbierz</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Odbierz bazę z odbiornika</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Wyślij bazę do odbiornika</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Odśwież wszystko</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Wyświetla informacje o programie, numer wersji i prawa autorskie</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Cofa ostatnią zmianę</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Redo the edit undone last</source>
        <translation>Ponawia ostatnio cofniętą zmianę</translation>
    </message>
    <message>
        <source>Velmar for %1 - 8FAV</source>
        <translation>Velmar dla %1 - 8FAV</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>Następny panel</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Poprzedni panel</translation>
    </message>
    <message>
        <source>Add to favorite list %1</source>
        <translation>Dodaj do listy ulubionych %1</translation>
    </message>
    <message>
        <source>The unsaved edits could not be kept in the recovery file, so a crash would lose them. Save the list to keep them.
%1</source>
        <translation>Niezapisanych zmian nie udało się zachować w pliku odzyskiwania, więc awaria by je utraciła. Zapisz listę, aby je zachować.
%1</translation>
    </message>
</context>
<context>
    <name>CPrintTools</name>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Print the channel lists or save them as a PDF file</source>
        <translation>Drukuje listy kanałów lub zapisuje je jako plik PDF</translation>
    </message>
</context>
<context>
    <name>CRightView</name>
    <message>
        <source>Scrambled</source>
        <translation>Kodowany</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zablokowany</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pomijany</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source> Channels</source>
        <translation> Kanały</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>Tylko TV</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Tylko radio</translation>
    </message>
    <message>
        <source>Lists shown</source>
        <translation>Pokazywane listy</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Kanały TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Kanały radiowe</translation>
    </message>
    <message>
        <source>Menu or Shift+F10 opens the commands; Ctrl+1 to Ctrl+8 add the selected channels to favorite list 1 to 8; F6 goes to the next pane.</source>
        <translation>Klawisz Menu lub Shift+F10 otwiera polecenia; od Ctrl+1 do Ctrl+8 dodają zaznaczone kanały do listy ulubionych od 1 do 8; F6 przechodzi do następnego panelu.</translation>
    </message>
</context>
<context>
    <name>CSourceGridCtrl</name>
    <message>
        <source>No satellite ID is free: the highest ID is already 255.</source>
        <translation>Brak wolnego ID satelity: najwyższy ID to już 255.</translation>
    </message>
    <message>
        <source>No multiplex ID is free: all 255 are in use.</source>
        <translation>Brak wolnego ID multipleksu: wszystkie 255 są zajęte.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Nazwa zawiera znaki, których nie obsługuje Windows-1252.</translation>
    </message>
    <message>
        <source>No TPID is free on satellite %1.</source>
        <translation>Na satelicie %1 nie ma wolnego TPID.</translation>
    </message>
</context>
<context>
    <name>DeleteCounts</name>
    <message>
        <source>%1 channel is selected.</source>
        <translation>Zaznaczono %1 kanał.</translation>
    </message>
    <message>
        <source>%1 channels are selected.</source>
        <translation>Liczba zaznaczonych kanałów: %1.</translation>
    </message>
    <message>
        <source>%1 satellite is selected.</source>
        <translation>Zaznaczono %1 satelitę.</translation>
    </message>
    <message>
        <source>%1 satellites are selected.</source>
        <translation>Liczba zaznaczonych satelitów: %1.</translation>
    </message>
    <message>
        <source>%1 transponder is selected.</source>
        <translation>Zaznaczono %1 transponder.</translation>
    </message>
    <message>
        <source>%1 transponders are selected.</source>
        <translation>Liczba zaznaczonych transponderów: %1.</translation>
    </message>
    <message>
        <source>%1 multiplex is selected.</source>
        <translation>Zaznaczono %1 multipleks.</translation>
    </message>
    <message>
        <source>%1 multiplexes are selected.</source>
        <translation>Liczba zaznaczonych multipleksów: %1.</translation>
    </message>
    <message>
        <source>%1 provider is selected.</source>
        <translation>Zaznaczono %1 nadawcę.</translation>
    </message>
    <message>
        <source>%1 providers are selected.</source>
        <translation>Liczba zaznaczonych nadawców: %1.</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>transpondery (%1)</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 kanał</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>kanały (%1)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>Deleting it also deletes its %1.</source>
        <translation>Wraz z nim zostaną usunięte: %1.</translation>
    </message>
    <message>
        <source>Deleting them also deletes their %1.</source>
        <translation>Wraz z nimi zostaną usunięte: %1.</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multipleks %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Receiver:</source>
        <translation>Odbiornik:</translation>
    </message>
    <message>
        <source>Show the technical columns (record keys, satellite and transponder numbers, PIDs)</source>
        <translation>Pokaż kolumny techniczne (klucze rekordów, numery satelitów i transponderów, PID-y)</translation>
    </message>
    <message>
        <source>The choice takes effect when the program starts again.</source>
        <translation>Wybór zacznie obowiązywać po ponownym uruchomieniu programu.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Wyślij bazę do odbiornika</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Odbierz bazę z odbiornika</translation>
    </message>
    <message>
        <source>%1 of %2 bytes (%3%), %4 KiB/s</source>
        <translation>%1 z %2 bajtów (%3%), %4 KiB/s</translation>
    </message>
    <message>
        <source>This form is not available in this version yet.
Nothing has been changed.</source>
        <translation>Ten formularz nie jest jeszcze dostępny w tej wersji.
Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Transmisja anulowana</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>Strona wysyłająca anulowała transmisję</translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Odbiornik anulował transmisję</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>Update Multiplex</source>
        <translation>Edytuj multipleks</translation>
    </message>
    <message>
        <source>New Multiplex</source>
        <translation>Nowy multipleks</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Częstotliwość (MHz)</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>Szybkość symb. (kS/s)</translation>
    </message>
    <message>
        <source>QAM</source>
        <translation>QAM</translation>
    </message>
    <message>
        <source>Inversion (0-%1)</source>
        <translation>Inwersja (0-%1)</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>ID TS</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID sieci</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Pierwotny ID sieci</translation>
    </message>
    <message>
        <source>Update Satellite</source>
        <translation>Edytuj satelitę</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nowy satelita</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Wschód</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Zachód</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Pozycja (stopnie)</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Group 1</source>
        <translation>Grupa 1</translation>
    </message>
    <message>
        <source>Group 2</source>
        <translation>Grupa 2</translation>
    </message>
    <message>
        <source>Update Transponder</source>
        <translation>Edytuj transponder</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nowy transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>ID satelity %1</translation>
    </message>
    <message>
        <source>Choose a satellite</source>
        <translation>Wybierz satelitę</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>H (horizontal)</source>
        <translation>H (pozioma)</translation>
    </message>
    <message>
        <source>V (vertical)</source>
        <translation>V (pionowa)</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Frequency must be a number of MHz with at most three decimals, up to 4294967.295.</source>
        <translation>Częstotliwość musi być liczbą MHz z co najwyżej trzema miejscami po kropce, maksymalnie 4294967.295.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Nazwa zawiera znaki, których nie da się zapisać w Windows-1252.</translation>
    </message>
    <message>
        <source>Position must be from 0.0 to 180.0 degrees, with at most one decimal.</source>
        <translation>Pozycja musi wynosić od 0.0 do 180.0 stopni, z co najwyżej jednym miejscem po kropce.</translation>
    </message>
    <message>
        <source>Satellite must be chosen from the list.</source>
        <translation>Satelitę należy wybrać z listy.</translation>
    </message>
</context>
<context>
    <name>Velmar</name>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Stopnie</translation>
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
        <translation>Częst.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symb.</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polar.</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>ID nadawcy</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>MUX</source>
        <translation>MUX</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Częst. (MHz)</translation>
    </message>
    <message>
        <source>NET ID</source>
        <translation>ID sieci</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>Pierw. NID</translation>
    </message>
    <message>
        <source>Const</source>
        <translation>Konst.</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inwers.</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Znacznik</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>Tryb TX</translation>
    </message>
    <message>
        <source>C.R.</source>
        <translation>Kod. spr.</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Konst.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <translation>Odst. ochr.</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorytet</translation>
    </message>
    <message>
        <source>Velmar for VX-7 and VX-8 satellite receivers - 8FAV</source>
        <translation>Velmar dla odbiorników satelitarnych VX-7 i VX-8 - 8FAV</translation>
    </message>
    <message>
        <source>About Velmar</source>
        <translation>O programie Velmar</translation>
    </message>
    <message>
        <source>Velmar Version 1.4.6.10 (build:20090929)</source>
        <translation>Velmar, wersja 1.4.6.10 (kompilacja: 20090929)</translation>
    </message>
    <message>
        <source>Channel database editor for digital-TV receivers</source>
        <translation>Edytor bazy kanałów dla odbiorników telewizji cyfrowej</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Nie można otworzyć pliku lub ma on nieprawidłową wersję</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Nie można zapisać pliku kanałów</translation>
    </message>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Nie można odczytać nagłówka pliku. Kontynuować?</translation>
    </message>
    <message>
        <source>Cannot open file %s.</source>
        <translation>Nie można otworzyć pliku %s.</translation>
    </message>
    <message>
        <source>The channel data has changed since it was opened or saved. Save the changes?</source>
        <translation>Dane kanałów zmieniły się od otwarcia lub zapisania. Zapisać zmiany?</translation>
    </message>
    <message>
        <source>The image was opened, but its working copy in the temporary directory could not be written. The channel list is complete in memory and saves as usual.</source>
        <translation>Obraz został otwarty, ale nie udało się zapisać jego kopii roboczej w katalogu tymczasowym. Lista kanałów jest kompletna w pamięci i zapisuje się jak zwykle.</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Save it anyway?</source>
        <translation>Lista kanałów zawiera problemy, z którymi odbiornik może sobie nie poradzić. Zapisać mimo to?</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Send it anyway?</source>
        <translation>Lista kanałów zawiera problemy, z którymi odbiornik może sobie nie poradzić. Wysłać mimo to?</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Zapisz mimo to</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Wyślij mimo to</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Wczytaj dane kanałów</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Zapisz dane kanałów</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Zapisz domyślne dane kanałów</translation>
    </message>
    <message>
        <source>Local file (*.h)|*.bin|All Files(*.*)|*.*||</source>
        <translation>Plik lokalny (*.h)|*.bin|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Należy teraz ponownie uruchomić program.</translation>
    </message>
    <message>
        <source>Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>Plik binarny (*.bin)|*.bin|Plik Excel (*.xls)|*.xls|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>Plik lokalny (*.bin)|*.bin|Plik Excel (*.xls)|*.xls|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Czy usunąć zaznaczone elementy?</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size</source>
        <translation>Nie można zmienić nazwy listy ulubionych: niezgodna długość tekstu.</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Nie można kopiować stacji radiowych do kanałów TV</translation>
    </message>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>Nie można kopiować kanałów TV do stacji radiowych</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Nie można przenosić stacji radiowych do kanałów TV</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>Nie można przenosić kanałów TV do stacji radiowych</translation>
    </message>
    <message>
        <source>Broadcast Name : %s (ID : %d)</source>
        <translation>Nazwa nadawcy: %s (ID: %d)</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Dane do wysłania są puste lub nieprawidłowe</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Naziemne</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>Multipleks</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Nadawca</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Gatunek</translation>
    </message>
    <message>
        <source>Fav</source>
        <translation>Ul.</translation>
    </message>
    <message>
        <source>SatID</source>
        <translation>ID sat.</translation>
    </message>
    <message>
        <source>CH#</source>
        <translation>Nr</translation>
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
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Szybkość symboli</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Numer logiczny</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID usługi</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID wideo</translation>
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
        <translation>Zablokowany</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Kodowany</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pomijany</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Nadawca</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Zaznacz wszystko      Ctrl+A</translation>
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
        <translation>Nowy...        	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Edytuj...</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Kopiuj          	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Wklej         	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Przenieś tutaj</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Blokada...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Pomijanie...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Zaznacz...</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>Odwróć zaznaczenie</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Szukaj...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Opis...	Enter</translation>
    </message>
    <message>
        <source>New...            Ctrl+N</source>
        <translation>Nowy...            Ctrl+N</translation>
    </message>
    <message>
        <source>Delete             Delete</source>
        <translation>Usuń             Delete</translation>
    </message>
    <message>
        <source>Description...   Enter</source>
        <translation>Opis...   Enter</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Usuń        	Delete</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Usuń z ulubionych</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Lock On</source>
        <translation>Zablokuj</translation>
    </message>
    <message>
        <source>Lock Off</source>
        <translation>Odblokuj</translation>
    </message>
    <message>
        <source>Skip On</source>
        <translation>Włącz pomijanie</translation>
    </message>
    <message>
        <source>Skip Off</source>
        <translation>Wyłącz pomijanie</translation>
    </message>
    <message>
        <source>Set satellite</source>
        <translation>Ustaw satelitę</translation>
    </message>
    <message>
        <source>Set multiplex</source>
        <translation>Ustaw multipleks</translation>
    </message>
    <message>
        <source>Set transponder</source>
        <translation>Ustaw transponder</translation>
    </message>
    <message>
        <source>Set broadcaster</source>
        <translation>Ustaw nadawcę</translation>
    </message>
    <message>
        <source>Add to favourite list</source>
        <translation>Dodaj do listy ulubionych</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Ustaw gatunek</translation>
    </message>
    <message>
        <source>Move channels</source>
        <translation>Przeniesienie kanałów</translation>
    </message>
    <message>
        <source>Reorder favourite list</source>
        <translation>Zmiana kolejności listy ulubionych</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nowy satelita</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Edycja satelity</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Usunięcie satelity</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nowy transponder</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Edycja transpondera</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Usunięcie transpondera</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Przeniesienie transponderów</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Nowy multipleks</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Edycja multipleksu</translation>
    </message>
    <message>
        <source>Delete multiplex</source>
        <translation>Usunięcie multipleksu</translation>
    </message>
    <message>
        <source>New broadcaster</source>
        <translation>Nowy nadawca</translation>
    </message>
    <message>
        <source>Update broadcaster</source>
        <translation>Edycja nadawcy</translation>
    </message>
    <message>
        <source>Delete broadcaster</source>
        <translation>Usunięcie nadawcy</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Zmiana nazwy listy ulubionych</translation>
    </message>
    <message>
        <source>Import workbook</source>
        <translation>Import skoroszytu</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Zastosowanie kolejności</translation>
    </message>
    <message>
        <source>Add to this list</source>
        <translation>Dodanie do tej listy</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Import pliku CSV</translation>
    </message>
    <message>
        <source>Import transponders</source>
        <translation>Import transponderów</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Wiadomości i fakty</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Rozrywka</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Dla dzieci</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Dokumentalne</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Edukacja</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Styl życia</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Dramat</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Sztuka</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Aktualności</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Specjalne</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Komedia</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Compare with another list</source>
        <translation>Porównaj z inną listą</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Porównanie</translation>
    </message>
    <message>
        <source>Differences between this list and %1: %2</source>
        <translation>Różnice między tą listą a %1: %2</translation>
    </message>
    <message>
        <source>The two lists are the same.</source>
        <translation>Obie listy są takie same.</translation>
    </message>
    <message>
        <source>The other list has no satellites: the channels&apos; tuning was compared by their ids.</source>
        <translation>Druga lista nie zawiera satelitów: dane strojenia kanałów porównano według ich identyfikatorów.</translation>
    </message>
    <message>
        <source>Only in this list</source>
        <translation>Tylko na tej liście</translation>
    </message>
    <message>
        <source>Only in the other list</source>
        <translation>Tylko na drugiej liście</translation>
    </message>
    <message>
        <source>Number changed</source>
        <translation>Zmieniony numer</translation>
    </message>
    <message>
        <source>Name changed</source>
        <translation>Zmieniona nazwa</translation>
    </message>
    <message>
        <source>Tuning changed</source>
        <translation>Zmienione strojenie</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Zmienione atrybuty</translation>
    </message>
    <message>
        <source>Favourite lists changed</source>
        <translation>Zmienione listy ulubionych</translation>
    </message>
    <message>
        <source>Satellites only in this list</source>
        <translation>Satelity tylko na tej liście</translation>
    </message>
    <message>
        <source>Satellites only in the other list</source>
        <translation>Satelity tylko na drugiej liście</translation>
    </message>
    <message>
        <source>Satellite renamed</source>
        <translation>Zmieniona nazwa satelity</translation>
    </message>
    <message>
        <source>Transponders only in this list</source>
        <translation>Transpondery tylko na tej liście</translation>
    </message>
    <message>
        <source>Transponders only in the other list</source>
        <translation>Transpondery tylko na drugiej liście</translation>
    </message>
    <message>
        <source>Transponder changed</source>
        <translation>Zmieniony transponder</translation>
    </message>
    <message>
        <source>Multiplexes only in this list</source>
        <translation>Multipleksy tylko na tej liście</translation>
    </message>
    <message>
        <source>Multiplexes only in the other list</source>
        <translation>Multipleksy tylko na drugiej liście</translation>
    </message>
    <message>
        <source>Multiplex changed</source>
        <translation>Zmieniony multipleks</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importuj kanały z pliku CSV</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Eksportuj kanały do pliku CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|All Files(*.*)|*.*||</source>
        <translation>Plik CSV (*.csv)|*.csv|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Importuj transpondery</translation>
    </message>
    <message>
        <source>Satellite list (*.xml)|*.xml|All Files(*.*)|*.*||</source>
        <translation>Lista satelitów (*.xml)|*.xml|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Bring these satellites up to date:</source>
        <translation>Zaktualizuj te satelity:</translation>
    </message>
    <message>
        <source>%1  %2  (%3, in this list)</source>
        <translation>%1  %2  (%3, na tej liście)</translation>
    </message>
    <message>
        <source>%1  %2  (%3, new)</source>
        <translation>%1  %2  (%3, nowy)</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders</source>
        <translation>
            <numerusform>%1 transponder</numerusform>
            <numerusform>%1 transpondery</numerusform>
            <numerusform>%1 transponderów</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete transponders the file does not have</source>
        <translation>Usuń transpondery, których nie ma w pliku</translation>
    </message>
    <message>
        <source>Their channels are deleted with them, as the transponder grid&apos;s Delete does.</source>
        <translation>Ich kanały są usuwane razem z nimi, tak jak przy usuwaniu w liście transponderów.</translation>
    </message>
    <message>
        <source>The file lists no satellites. Nothing was changed.</source>
        <translation>Plik nie zawiera satelitów. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>Za mało pamięci, aby dokończyć polecenie. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>The command failed: %s</source>
        <translation>Polecenie nie powiodło się: %s</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Inwersja</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID sieci</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Pierwotny ID sieci</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Grupa %1 %2</translation>
    </message>
    <message>
        <source>Satellite receiver with one tuner and compact channel entries (the start-up choice)</source>
        <translation>Odbiornik satelitarny z jednym tunerem i zwięzłymi wpisami kanałów (wybór początkowy)</translation>
    </message>
    <message>
        <source>VX-7 and VX-8 satellite receivers</source>
        <translation>odbiorników satelitarnych VX-7 i VX-8</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries; each channel keeps its place in eight favourite lists</source>
        <translation>Odbiornik satelitarny z długimi wpisami satelitów; każdy kanał zachowuje swoje miejsce w ośmiu listach ulubionych</translation>
    </message>
    <message>
        <source>VX-8 Plus satellite receivers</source>
        <translation>odbiorników satelitarnych VX-8 Plus</translation>
    </message>
    <message>
        <source>Satellite receiver with full channel entries; each channel keeps its place in 24 favourite lists</source>
        <translation>Odbiornik satelitarny z pełnymi wpisami kanałów; każdy kanał zachowuje swoje miejsce w 24 listach ulubionych</translation>
    </message>
    <message>
        <source>VX-1 satellite receivers</source>
        <translation>odbiorników satelitarnych VX-1</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries and full channel entries; each channel keeps its place in 32 favourite lists</source>
        <translation>Odbiornik satelitarny z długimi wpisami satelitów i pełnymi wpisami kanałów; każdy kanał zachowuje swoje miejsce w 32 listach ulubionych</translation>
    </message>
    <message>
        <source>VX-64 satellite receivers</source>
        <translation>odbiorników satelitarnych VX-64</translation>
    </message>
    <message>
        <source>Cable receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Odbiornik kablowy z dwoma tunerami; każdy kanał jest zapisany raz dla każdego tunera</translation>
    </message>
    <message>
        <source>VX-5 twin-tuner cable receivers</source>
        <translation>dwutunerowych odbiorników kablowych VX-5</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Odbiornik naziemny (antenowy) z dwoma tunerami; każdy kanał jest zapisany raz dla każdego tunera</translation>
    </message>
    <message>
        <source>VX-6 twin-tuner terrestrial receivers</source>
        <translation>dwutunerowych odbiorników naziemnych VX-6</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver; multiplexes instead of satellites</source>
        <translation>Odbiornik naziemny (antenowy); multipleksy zamiast satelitów</translation>
    </message>
    <message>
        <source>VX-1T terrestrial receivers</source>
        <translation>odbiorników naziemnych VX-1T</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with network channel entries (logical channel numbers) and eight favourite lists</source>
        <translation>Odbiornik naziemny (antenowy) z sieciowymi wpisami kanałów (logiczne numery kanałów) i ośmioma listami ulubionych</translation>
    </message>
    <message>
        <source>VX-9 terrestrial receivers</source>
        <translation>odbiorników naziemnych VX-9</translation>
    </message>
    <message>
        <source>Cable receiver; cable multiplexes instead of satellites</source>
        <translation>Odbiornik kablowy; multipleksy kablowe zamiast satelitów</translation>
    </message>
    <message>
        <source>VX-2 cable receivers</source>
        <translation>odbiorników kablowych VX-2</translation>
    </message>
    <message>
        <source>Receiver with a satellite and a terrestrial tuner; the terrestrial multiplexes have their own tab</source>
        <translation>Odbiornik z tunerem satelitarnym i naziemnym; multipleksy naziemne mają własną kartę</translation>
    </message>
    <message>
        <source>VX-3 satellite and terrestrial receivers</source>
        <translation>odbiorników satelitarno-naziemnych VX-3</translation>
    </message>
    <message>
        <source>Cable receiver that keeps its multiplexes, providers and channels together in one block</source>
        <translation>Odbiornik kablowy, który przechowuje multipleksy, nadawców i kanały razem w jednym bloku</translation>
    </message>
    <message>
        <source>VX-10 cable receivers</source>
        <translation>odbiorników kablowych VX-10</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>%1 must be a number from 0 to %2.</source>
        <translation>%1: wartość musi być liczbą od 0 do %2.</translation>
    </message>
    <message>
        <source>%1 must have at most %2 characters.</source>
        <translation>%1: maksymalna liczba znaków to %2.</translation>
    </message>
    <message>
        <source>%1 must be between 0 and %2.</source>
        <translation>%1: wartość musi mieścić się w zakresie od 0 do %2.</translation>
    </message>
    <message>
        <source>%1 must not be 0: the receiver reads it as an empty slot.</source>
        <translation>%1 nie może wynosić 0: odbiornik odczytuje to jako puste miejsce.</translation>
    </message>
    <message>
        <source>Name must not be empty.</source>
        <translation>Nazwa nie może być pusta.</translation>
    </message>
    <message>
        <source>Attributes must mark the channel as either TV (0x0400) or radio (0x0800).</source>
        <translation>Attributes musi oznaczać kanał jako TV (0x0400) albo jako radio (0x0800).</translation>
    </message>
    <message>
        <source>Tuner must be 0 on this receiver: other values mark the second tuner&apos;s copy.</source>
        <translation>Tuner musi mieć w tym odbiorniku wartość 0: inne wartości oznaczają kopię drugiego tunera.</translation>
    </message>
    <message>
        <source>Degree must be below 3600 (tenths of a degree).</source>
        <translation>Degree musi być mniejsze niż 3600 (dziesiąte części stopnia).</translation>
    </message>
    <message>
        <source>ID must not be 0.</source>
        <translation>ID nie może wynosić 0.</translation>
    </message>
    <message>
        <source>ID %1 belongs to another satellite.</source>
        <translation>ID %1 należy do innego satelity.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another transponder of satellite %2.</source>
        <translation>TPID %1 należy do innego transpondera satelity %2.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another multiplex.</source>
        <translation>TPID %1 należy do innego multipleksu.</translation>
    </message>
    <message numerus="yes">
        <source>Matched %1 channels by ids and %2 by name; %3 not matched.</source>
        <translation>
            <numerusform>Dopasowano %1 kanał według identyfikatorów i %2 według nazwy; bez dopasowania: %3.</numerusform>
            <numerusform>Dopasowano %1 kanały według identyfikatorów i %2 według nazwy; bez dopasowania: %3.</numerusform>
            <numerusform>Dopasowano %1 kanałów według identyfikatorów i %2 według nazwy; bez dopasowania: %3.</numerusform>
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
        <translation>%1 kanał ma ten sam numer co inny kanał tego samego rodzaju</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels share a number with another channel of their kind</source>
        <translation>
            <numerusform>%1 kanał ma ten sam numer co inny kanał tego samego rodzaju</numerusform>
            <numerusform>%1 kanały mają ten sam numer co inny kanał tego samego rodzaju</numerusform>
            <numerusform>%1 kanałów ma ten sam numer co inny kanał tego samego rodzaju</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (satellite %2)</source>
        <translation>%1 (satelita %2)</translation>
    </message>
    <message>
        <source>%1 (transponder %2 of satellite %3)</source>
        <translation>%1 (transponder %2 satelity %3)</translation>
    </message>
    <message>
        <source>%1 (multiplex %2)</source>
        <translation>%1 (multipleks %2)</translation>
    </message>
    <message>
        <source>%1 (provider %2)</source>
        <translation>%1 (nadawca %2)</translation>
    </message>
    <message>
        <source>transponder %1 MHz (satellite %2)</source>
        <translation>transponder %1 MHz (satelita %2)</translation>
    </message>
    <message>
        <source>%1 channel names a satellite the list does not have</source>
        <translation>%1 kanał wskazuje satelitę, którego nie ma na liście</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 kanał wskazuje satelitę, którego nie ma na liście</numerusform>
            <numerusform>%1 kanały wskazują satelitę, którego nie ma na liście</numerusform>
            <numerusform>%1 kanałów wskazuje satelitę, którego nie ma na liście</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a transponder the list does not have</source>
        <translation>%1 kanał wskazuje transponder, którego nie ma na liście</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a transponder the list does not have</source>
        <translation>
            <numerusform>%1 kanał wskazuje transponder, którego nie ma na liście</numerusform>
            <numerusform>%1 kanały wskazują transponder, którego nie ma na liście</numerusform>
            <numerusform>%1 kanałów wskazuje transponder, którego nie ma na liście</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a multiplex the list does not have</source>
        <translation>%1 kanał wskazuje multipleks, którego nie ma na liście</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a multiplex the list does not have</source>
        <translation>
            <numerusform>%1 kanał wskazuje multipleks, którego nie ma na liście</numerusform>
            <numerusform>%1 kanały wskazują multipleks, którego nie ma na liście</numerusform>
            <numerusform>%1 kanałów wskazuje multipleks, którego nie ma na liście</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a provider the list does not have</source>
        <translation>%1 kanał wskazuje nadawcę, którego nie ma na liście</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a provider the list does not have</source>
        <translation>
            <numerusform>%1 kanał wskazuje nadawcę, którego nie ma na liście</numerusform>
            <numerusform>%1 kanały wskazują nadawcę, którego nie ma na liście</numerusform>
            <numerusform>%1 kanałów wskazuje nadawcę, którego nie ma na liście</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder names a satellite the list does not have</source>
        <translation>%1 transponder wskazuje satelitę, którego nie ma na liście</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 transponder wskazuje satelitę, którego nie ma na liście</numerusform>
            <numerusform>%1 transpondery wskazują satelitę, którego nie ma na liście</numerusform>
            <numerusform>%1 transponderów wskazuje satelitę, którego nie ma na liście</numerusform>
        </translation>
    </message>
    <message>
        <source>favourite list %1 (TV)</source>
        <translation>lista ulubionych %1 (TV)</translation>
    </message>
    <message>
        <source>favourite list %1 (radio)</source>
        <translation>lista ulubionych %1 (radio)</translation>
    </message>
    <message>
        <source>%1 favourite list has positions that repeat or leave holes</source>
        <translation>%1 lista ulubionych ma powtarzające się lub brakujące pozycje</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists have positions that repeat or leave holes</source>
        <translation>
            <numerusform>%1 lista ulubionych ma powtarzające się lub brakujące pozycje</numerusform>
            <numerusform>%1 listy ulubionych mają powtarzające się lub brakujące pozycje</numerusform>
            <numerusform>%1 list ulubionych ma powtarzające się lub brakujące pozycje</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>satelita %1</translation>
    </message>
    <message>
        <source>provider %1</source>
        <translation>nadawca %1</translation>
    </message>
    <message>
        <source>%1 name holds characters the receiver cannot show</source>
        <translation>%1 nazwa zawiera znaki, których odbiornik nie może wyświetlić</translation>
    </message>
    <message numerus="yes">
        <source>%1 names hold characters the receiver cannot show</source>
        <translation>
            <numerusform>%1 nazwa zawiera znaki, których odbiornik nie może wyświetlić</numerusform>
            <numerusform>%1 nazwy zawierają znaki, których odbiornik nie może wyświetlić</numerusform>
            <numerusform>%1 nazw zawiera znaki, których odbiornik nie może wyświetlić</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark neither TV nor radio</source>
        <translation>
            <numerusform>%1 nie jest oznaczony ani jako TV, ani jako radio</numerusform>
            <numerusform>%1 nie są oznaczone ani jako TV, ani jako radio</numerusform>
            <numerusform>%1 nie jest oznaczonych ani jako TV, ani jako radio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark both TV and radio</source>
        <translation>
            <numerusform>%1 jest oznaczony jednocześnie jako TV i radio</numerusform>
            <numerusform>%1 są oznaczone jednocześnie jako TV i radio</numerusform>
            <numerusform>%1 jest oznaczonych jednocześnie jako TV i radio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have the number 0</source>
        <translation>
            <numerusform>%1 ma numer 0</numerusform>
            <numerusform>%1 mają numer 0</numerusform>
            <numerusform>%1 ma numer 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have no name</source>
        <translation>
            <numerusform>%1 nie ma nazwy</numerusform>
            <numerusform>%1 nie mają nazwy</numerusform>
            <numerusform>%1 nie ma nazwy</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name satellite %2, which the image does not have</source>
        <translation>%1 ze wskazaniem satelity %2, którego nie ma w obrazie</translation>
    </message>
    <message numerus="yes">
        <source>%1 name satellites %2, which the image does not have</source>
        <translation>
            <numerusform>%1 ze wskazaniem satelity %2, którego nie ma w obrazie</numerusform>
            <numerusform>%1 ze wskazaniem satelitów %2, których nie ma w obrazie</numerusform>
            <numerusform>%1 ze wskazaniem satelitów %2, których nie ma w obrazie</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name transponder %2, which the image does not have on their satellite</source>
        <translation>%1 ze wskazaniem transpondera %2, którego nie ma w obrazie na ich satelicie</translation>
    </message>
    <message numerus="yes">
        <source>%1 name transponders %2, which the image does not have on their satellite</source>
        <translation>
            <numerusform>%1 ze wskazaniem transpondera %2, którego nie ma w obrazie na ich satelicie</numerusform>
            <numerusform>%1 ze wskazaniem transponderów %2, których nie ma w obrazie na ich satelicie</numerusform>
            <numerusform>%1 ze wskazaniem transponderów %2, których nie ma w obrazie na ich satelicie</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name multiplex %2, which the image does not have</source>
        <translation>%1 ze wskazaniem multipleksu %2, którego nie ma w obrazie</translation>
    </message>
    <message numerus="yes">
        <source>%1 name multiplexes %2, which the image does not have</source>
        <translation>
            <numerusform>%1 ze wskazaniem multipleksu %2, którego nie ma w obrazie</numerusform>
            <numerusform>%1 ze wskazaniem multipleksów %2, których nie ma w obrazie</numerusform>
            <numerusform>%1 ze wskazaniem multipleksów %2, których nie ma w obrazie</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name provider %2, which the image does not have</source>
        <translation>%1 ze wskazaniem nadawcy %2, którego nie ma w obrazie</translation>
    </message>
    <message numerus="yes">
        <source>%1 name providers %2, which the image does not have</source>
        <translation>
            <numerusform>%1 ze wskazaniem nadawcy %2, którego nie ma w obrazie</numerusform>
            <numerusform>%1 ze wskazaniem nadawców %2, których nie ma w obrazie</numerusform>
            <numerusform>%1 ze wskazaniem nadawców %2, których nie ma w obrazie</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the %1 row of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>Wiersza z Channel nie można zaimportować: %2. Lista kanałów nie została zmieniona.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 rows of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>
            <numerusform>Żadnego z %1 wierszy z Channel nie można zaimportować: %2. Lista kanałów nie została zmieniona.</numerusform>
            <numerusform>Żadnego z %1 wierszy z Channel nie można zaimportować: %2. Lista kanałów nie została zmieniona.</numerusform>
            <numerusform>Żadnego z %1 wierszy z Channel nie można zaimportować: %2. Lista kanałów nie została zmieniona.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 row of Channel was not imported: %2.</source>
        <translation>%1 wiersz z Channel nie został zaimportowany: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel were not imported: %2.</source>
        <translation>
            <numerusform>%1 wiersz z Channel nie został zaimportowany: %2.</numerusform>
            <numerusform>%1 wiersze z Channel nie zostały zaimportowane: %2.</numerusform>
            <numerusform>%1 wierszy z Channel nie zostało zaimportowanych: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of the rows imported, %1; the check before Save and Send lists them.</source>
        <translation>Spośród zaimportowanych wierszy: %1; sprawdzenie przed zapisaniem i wysłaniem je wymienia.</translation>
    </message>
    <message>
        <source>%1 row of Channel had a number that an earlier row has and now follows the last channel of its kind.</source>
        <translation>%1 wiersz z Channel miał numer, który ma już wcześniejszy wiersz, i teraz następuje po ostatnim kanale swojego rodzaju.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel had a number that earlier rows have and now follow the last channels of their kind.</source>
        <translation>
            <numerusform>%1 wiersz z Channel miał numer, który ma już wcześniejszy wiersz, i teraz następuje po ostatnim kanale swojego rodzaju.</numerusform>
            <numerusform>%1 wiersze z Channel miały numery, które mają już wcześniejsze wiersze, i teraz następują po ostatnich kanałach swojego rodzaju.</numerusform>
            <numerusform>%1 wierszy z Channel miało numery, które mają już wcześniejsze wiersze, i teraz następuje po ostatnich kanałach swojego rodzaju.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satelita</translation>
    </message>
    <message numerus="yes">
        <source>%1 satellites</source>
        <translation>
            <numerusform>%1 satelita</numerusform>
            <numerusform>%1 satelity</numerusform>
            <numerusform>%1 satelitów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 kanał</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels</source>
        <translation>
            <numerusform>%1 kanał</numerusform>
            <numerusform>%1 kanały</numerusform>
            <numerusform>%1 kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged, %6 deleted with %7.</source>
        <translation>Dodano: %1, zaktualizowano: %2; transpondery — dodano: %3, zmieniono: %4, bez zmian: %5, usunięto: %6 wraz z: %7.</translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged.</source>
        <translation>Dodano: %1, zaktualizowano: %2; transpondery — dodano: %3, zmieniono: %4, bez zmian: %5.</translation>
    </message>
    <message>
        <source>%1 transponder of the list the file no longer has was kept:</source>
        <translation>Zachowano %1 transponder z listy, którego plik już nie zawiera:</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the list the file no longer has were kept:</source>
        <translation>
            <numerusform>Zachowano %1 transponder z listy, którego plik już nie zawiera:</numerusform>
            <numerusform>Zachowano %1 transpondery z listy, których plik już nie zawiera:</numerusform>
            <numerusform>Zachowano %1 transponderów z listy, których plik już nie zawiera:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a frequency outside 1 to 65,535 MHz</source>
        <translation>
            <numerusform>%1 z częstotliwością spoza zakresu 1–65&#xa0;535 MHz</numerusform>
            <numerusform>%1 z częstotliwością spoza zakresu 1–65&#xa0;535 MHz</numerusform>
            <numerusform>%1 z częstotliwością spoza zakresu 1–65&#xa0;535 MHz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a symbol rate outside 1 to 65,535 kS/s</source>
        <translation>
            <numerusform>%1 z szybkością symboli spoza zakresu 1–65&#xa0;535 kS/s</numerusform>
            <numerusform>%1 z szybkością symboli spoza zakresu 1–65&#xa0;535 kS/s</numerusform>
            <numerusform>%1 z szybkością symboli spoza zakresu 1–65&#xa0;535 kS/s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 16APSK or 32APSK, which the receiver cannot hold</source>
        <translation>
            <numerusform>%1 z 16APSK lub 32APSK, których odbiornik nie obsługuje</numerusform>
            <numerusform>%1 z 16APSK lub 32APSK, których odbiornik nie obsługuje</numerusform>
            <numerusform>%1 z 16APSK lub 32APSK, których odbiornik nie obsługuje</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder of the file was not imported: %2.</source>
        <translation>%1 transponder z pliku nie został zaimportowany: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the file were not imported: %2.</source>
        <translation>
            <numerusform>%1 transponder z pliku nie został zaimportowany: %2.</numerusform>
            <numerusform>%1 transpondery z pliku nie zostały zaimportowane: %2.</numerusform>
            <numerusform>%1 transponderów z pliku nie zostało zaimportowanych: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 circular transponder was taken with left as H and right as V.</source>
        <translation>%1 transponder kołowy przyjęto z lewą jako H i prawą jako V.</translation>
    </message>
    <message numerus="yes">
        <source>%1 circular transponders were taken with left as H and right as V.</source>
        <translation>
            <numerusform>%1 transponder kołowy przyjęto z lewą jako H i prawą jako V.</numerusform>
            <numerusform>%1 transpondery kołowe przyjęto z lewą jako H i prawą jako V.</numerusform>
            <numerusform>%1 transponderów kołowych przyjęto z lewą jako H i prawą jako V.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 FEC the receiver has no name for was taken as Auto.</source>
        <translation>%1 FEC, dla którego odbiornik nie ma nazwy, przyjęto jako Auto.</translation>
    </message>
    <message numerus="yes">
        <source>%1 FECs the receiver has no name for were taken as Auto.</source>
        <translation>
            <numerusform>%1 FEC, dla którego odbiornik nie ma nazwy, przyjęto jako Auto.</numerusform>
            <numerusform>%1 FEC, dla których odbiornik nie ma nazwy, przyjęto jako Auto.</numerusform>
            <numerusform>%1 FEC, dla których odbiornik nie ma nazwy, przyjęto jako Auto.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 DVB-S2 transponder was taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>%1 transponder DVB-S2 przyjęto bez oznaczenia DVB-S2, którego wpisy tego odbiornika nie mają.</translation>
    </message>
    <message numerus="yes">
        <source>%1 DVB-S2 transponders were taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>
            <numerusform>%1 transponder DVB-S2 przyjęto bez oznaczenia DVB-S2, którego wpisy tego odbiornika nie mają.</numerusform>
            <numerusform>%1 transpondery DVB-S2 przyjęto bez oznaczenia DVB-S2, którego wpisy tego odbiornika nie mają.</numerusform>
            <numerusform>%1 transponderów DVB-S2 przyjęto bez oznaczenia DVB-S2, którego wpisy tego odbiornika nie mają.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The other list has no channels that this list lacks.</source>
        <translation>Druga lista nie ma kanałów, których brakuje na tej liście.</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 multipleks</translation>
    </message>
    <message numerus="yes">
        <source>%1 multiplexes</source>
        <translation>
            <numerusform>%1 multipleks</numerusform>
            <numerusform>%1 multipleksy</numerusform>
            <numerusform>%1 multipleksów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 nadawca</translation>
    </message>
    <message numerus="yes">
        <source>%1 providers</source>
        <translation>
            <numerusform>%1 nadawca</numerusform>
            <numerusform>%1 nadawcy</numerusform>
            <numerusform>%1 nadawców</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>Dodano: %1.</translation>
    </message>
    <message>
        <source>The favourite tree</source>
        <translation>Drzewo ulubionych</translation>
    </message>
    <message>
        <source>%1 favourite list</source>
        <translation>%1 lista ulubionych</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists</source>
        <translation>
            <numerusform>%1 lista ulubionych</numerusform>
            <numerusform>%1 listy ulubionych</numerusform>
            <numerusform>%1 list ulubionych</numerusform>
        </translation>
    </message>
    <message>
        <source>The satellite list</source>
        <translation>Lista satelitów</translation>
    </message>
    <message>
        <source>The broadcaster list</source>
        <translation>Lista nadawców</translation>
    </message>
    <message>
        <source>%1 broadcaster</source>
        <translation>%1 nadawca</translation>
    </message>
    <message numerus="yes">
        <source>%1 broadcasters</source>
        <translation>
            <numerusform>%1 nadawca</numerusform>
            <numerusform>%1 nadawcy</numerusform>
            <numerusform>%1 nadawców</numerusform>
        </translation>
    </message>
    <message>
        <source>The transponder list</source>
        <translation>Lista transponderów</translation>
    </message>
    <message>
        <source>The cable multiplex list</source>
        <translation>Lista multipleksów kablowych</translation>
    </message>
    <message>
        <source>%1 cable multiplex</source>
        <translation>%1 multipleks kablowy</translation>
    </message>
    <message numerus="yes">
        <source>%1 cable multiplexes</source>
        <translation>
            <numerusform>%1 multipleks kablowy</numerusform>
            <numerusform>%1 multipleksy kablowe</numerusform>
            <numerusform>%1 multipleksów kablowych</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel list</source>
        <translation>Lista kanałów</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds none. Remove %3 and save again.</source>
        <translation>%1: %2, a ten odbiornik nie ma na nie miejsca. Do usunięcia: %3. Następnie zapisz ponownie.</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds at most %4. Remove %3 and save again.</source>
        <translation>%1: %2, a ten odbiornik mieści najwyżej %4. Do usunięcia: %3. Następnie zapisz ponownie.</translation>
    </message>
    <message>
        <source>The reference list holds no channels. Nothing was changed.</source>
        <translation>Lista wzorcowa nie zawiera kanałów. Nic nie zmieniono.</translation>
    </message>
    <message numerus="yes">
        <source>The numbers after the reference&apos;s highest number %1 leave no room for %2 channels that it does not hold. Nothing was changed.</source>
        <translation>
            <numerusform>Po najwyższym numerze wzorca, %1, nie ma miejsca dla %2 kanału, których wzorzec nie zawiera. Nic nie zmieniono.</numerusform>
            <numerusform>Po najwyższym numerze wzorca, %1, nie ma miejsca dla %2 kanałów, których wzorzec nie zawiera. Nic nie zmieniono.</numerusform>
            <numerusform>Po najwyższym numerze wzorca, %1, nie ma miejsca dla %2 kanałów, których wzorzec nie zawiera. Nic nie zmieniono.</numerusform>
        </translation>
    </message>
    <message>
        <source>Favourite list %1 has no room after the reference&apos;s positions. Nothing was changed.</source>
        <translation>Lista ulubionych %1 nie ma miejsca za pozycjami wzorca. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 „%2” nie jest liczbą od %3 do %4</translation>
    </message>
    <message>
        <source>line 1: the column %1 is named twice</source>
        <translation>wiersz 1: kolumna %1 występuje dwukrotnie</translation>
    </message>
    <message>
        <source>line 1 names none of the columns of the &quot;Channel&quot; sheet (ProgramNum, CAS, Favorite, ... ServiceType)</source>
        <translation>wiersz 1 nie zawiera żadnej z kolumn arkusza „Channel” (ProgramNum, CAS, Favorite, ... ServiceType)</translation>
    </message>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>wiersz %1 ma pól: %2, nagłówek: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. The channel list was not changed.</source>
        <translation>Nie można odczytać pliku CSV: %1. Lista kanałów nie została zmieniona.</translation>
    </message>
    <message>
        <source>The CSV file is empty: it has no header row. The channel list was not changed.</source>
        <translation>Plik CSV jest pusty: nie ma wiersza nagłówka. Lista kanałów nie została zmieniona.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the CSV file. The channel list was not changed.</source>
        <translation>Za mało pamięci, aby odczytać plik CSV. Lista kanałów nie została zmieniona.</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>pole w cudzysłowie nie zostało zamknięte</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>po cudzysłowie zamykającym występuje tekst</translation>
    </message>
    <message>
        <source>a quote stands inside a field that is not quoted</source>
        <translation>cudzysłów występuje w polu, które nie jest ujęte w cudzysłów</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a channel number from 1 to 65535. Nothing was changed.</source>
        <translation>Wiersz %1: „%2” nie jest numerem kanału od 1 do 65535. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two TV channels on number %3. Nothing was changed.</source>
        <translation>Wiersze %1 i %2 przypisują dwa kanały TV do numeru %3. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two radio channels on number %3. Nothing was changed.</source>
        <translation>Wiersze %1 i %2 przypisują dwa kanały radiowe do numeru %3. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two other channels on number %3. Nothing was changed.</source>
        <translation>Wiersze %1 i %2 przypisują dwa inne kanały do numeru %3. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The first line of the CSV file has no Name column. Nothing was changed.</source>
        <translation>Pierwszy wiersz pliku CSV nie ma kolumny Name. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. Nothing was changed.</source>
        <translation>Nie można odczytać pliku CSV: %1. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The CSV file is empty. Nothing was changed.</source>
        <translation>Plik CSV jest pusty. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Line %1 comes after number 65535. Nothing was changed.</source>
        <translation>Wiersz %1 wypada po numerze 65535. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Nie można odczytać %1</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 names of the list is a channel of this list. Nothing was changed.</source>
        <translation>
            <numerusform>Żadna z nazw listy (%1) nie jest kanałem tej listy. Nic nie zmieniono.</numerusform>
            <numerusform>Żadna z %1 nazw listy nie jest kanałem tej listy. Nic nie zmieniono.</numerusform>
            <numerusform>Żadna z %1 nazw listy nie jest kanałem tej listy. Nic nie zmieniono.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reference list holds no channels</source>
        <translation>Lista wzorcowa nie zawiera kanałów</translation>
    </message>
    <message>
        <source>There is not enough memory to read the reference list. Nothing was changed.</source>
        <translation>Za mało pamięci, aby odczytać listę wzorcową. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>This receiver has no satellites. Nothing was changed.</source>
        <translation>Ten odbiornik nie ma satelitów. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>No satellite ID is left for %1. Nothing was changed.</source>
        <translation>Nie ma już wolnego identyfikatora satelity dla %1. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Satellite %1 has no transponder number left. Nothing was changed.</source>
        <translation>Satelita %1 nie ma już wolnego numeru transpondera. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>the file has more than %1 elements, more than any transponder list</source>
        <translation>plik ma ponad %1 elementów, więcej niż jakakolwiek lista transponderów</translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no transponder list is</source>
        <translation>elementy są zagnieżdżone głębiej niż na %1 poziomach, czego nie ma żadna lista transponderów</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no %2</source>
        <translation>&lt;%1&gt; nie ma %2</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1=&quot;%2&quot; nie jest liczbą od %3 do %4</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, more than any transponder list.</source>
        <translation>Plik jest większy niż %1 bajtów, większy niż jakakolwiek lista transponderów.</translation>
    </message>
    <message>
        <source>the XML is malformed (%1)</source>
        <translation>XML jest niepoprawny (%1)</translation>
    </message>
    <message>
        <source>the file has no &lt;satellites&gt; element</source>
        <translation>plik nie ma elementu &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>There is not enough memory to read %1.</source>
        <translation>Za mało pamięci, aby odczytać %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last TV channel leave no room for %1.</source>
        <translation>Po ostatnim kanale TV tej listy brak numerów na: %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last radio channel leave no room for %1.</source>
        <translation>Po ostatnim kanale radiowym tej listy brak numerów na: %1.</translation>
    </message>
    <message>
        <source>Favourite list %1 has no room for the channels to add.</source>
        <translation>Lista ulubionych %1 nie ma miejsca na dodawane kanały.</translation>
    </message>
    <message>
        <source>The channel table has no key left.</source>
        <translation>Tabela kanałów nie ma już wolnego klucza.</translation>
    </message>
    <message>
        <source>This list has no multiplex number left for %1.</source>
        <translation>Ta lista nie ma już wolnego numeru multipleksu dla %1.</translation>
    </message>
    <message>
        <source>The multiplex at %1 MHz cannot be added: this list has another multiplex with its number.</source>
        <translation>Nie można dodać multipleksu na %1 MHz: ta lista ma inny multipleks z tym numerem.</translation>
    </message>
    <message>
        <source>The multiplex table has no key left.</source>
        <translation>Tabela multipleksów nie ma już wolnego klucza.</translation>
    </message>
    <message>
        <source>This list has no satellite number left for %1.</source>
        <translation>Ta lista nie ma już wolnego numeru satelity dla %1.</translation>
    </message>
    <message>
        <source>The satellite table has no key left.</source>
        <translation>Tabela satelitów nie ma już wolnego klucza.</translation>
    </message>
    <message>
        <source>The transponder table has no key left.</source>
        <translation>Tabela transponderów nie ma już wolnego klucza.</translation>
    </message>
    <message>
        <source>The satellite at %1 has no transponder number left.</source>
        <translation>Satelita %1 nie ma już wolnego numeru transpondera.</translation>
    </message>
    <message>
        <source>This list has no provider number left.</source>
        <translation>Ta lista nie ma już wolnego numeru dostawcy.</translation>
    </message>
    <message>
        <source>The provider table has no key left.</source>
        <translation>Tabela dostawców nie ma już wolnego klucza.</translation>
    </message>
    <message>
        <source>cannot read back the received file %1</source>
        <translation>nie można ponownie odczytać odebranego pliku %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to send</source>
        <translation>%1 jest pusty: nie ma nic do wysłania</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Przesyłanie anulowane</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>Nadawca anulował przesyłanie</translation>
    </message>
    <message>
        <source>The line closed: %1</source>
        <translation>Łącze zostało zamknięte: %1</translation>
    </message>
    <message numerus="yes">
        <source>The sender went on sending blocks after the announced %1 bytes; transfer abandoned</source>
        <translation>
            <numerusform>Nadawca wysyłał bloki dalej po zapowiedzianych %1 bajcie; przesyłanie przerwane</numerusform>
            <numerusform>Nadawca wysyłał bloki dalej po zapowiedzianych %1 bajtach; przesyłanie przerwane</numerusform>
            <numerusform>Nadawca wysyłał bloki dalej po zapowiedzianych %1 bajtach; przesyłanie przerwane</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 arrived damaged %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Blok %1 dotarł uszkodzony %2 raz; przesyłanie przerwane</numerusform>
            <numerusform>Blok %1 dotarł uszkodzony %2 razy; przesyłanie przerwane</numerusform>
            <numerusform>Blok %1 dotarł uszkodzony %2 razy; przesyłanie przerwane</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 never came: block %2 came again %3 times; transfer abandoned</source>
        <translation>
            <numerusform>Blok %1 nie dotarł: blok %2 przyszedł ponownie %3 raz; przesyłanie przerwane</numerusform>
            <numerusform>Blok %1 nie dotarł: blok %2 przyszedł ponownie %3 razy; przesyłanie przerwane</numerusform>
            <numerusform>Blok %1 nie dotarł: blok %2 przyszedł ponownie %3 razy; przesyłanie przerwane</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 damaged, %2 repeats of block %3</source>
        <translation>uszkodzone: %1, powtórzenia bloku %3: %2</translation>
    </message>
    <message>
        <source>%1 damaged</source>
        <translation>uszkodzone: %1</translation>
    </message>
    <message numerus="yes">
        <source>Block %1 failed %2 times (%3); transfer abandoned</source>
        <translation>
            <numerusform>Blok %1 zawiódł %2 raz (%3); przesyłanie przerwane</numerusform>
            <numerusform>Blok %1 zawiódł %2 razy (%3); przesyłanie przerwane</numerusform>
            <numerusform>Blok %1 zawiódł %2 razy (%3); przesyłanie przerwane</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 arrived</source>
        <translation>
            <numerusform>Przesyłanie nie zakończyło się w czasie %1 dozwolonym dla %2 bajtu: dotarło %3</numerusform>
            <numerusform>Przesyłanie nie zakończyło się w czasie %1 dozwolonym dla %2 bajtów: dotarło %3</numerusform>
            <numerusform>Przesyłanie nie zakończyło się w czasie %1 dozwolonym dla %2 bajtów: dotarło %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing arrived within %1: is the other side sending?</source>
        <translation>W ciągu %1 nic nie dotarło: czy druga strona wysyła?</translation>
    </message>
    <message>
        <source>The sender sent data without a file header (a YMODEM batch was expected)</source>
        <translation>Nadawca wysłał dane bez nagłówka pliku (oczekiwano wsadu YMODEM)</translation>
    </message>
    <message>
        <source>The sender&apos;s file header is not readable</source>
        <translation>Nagłówek pliku nadawcy jest nieczytelny</translation>
    </message>
    <message>
        <source>The sender had no file to send</source>
        <translation>Nadawca nie miał pliku do wysłania</translation>
    </message>
    <message>
        <source>The sender did not announce the size of %1; the transfer cannot be checked</source>
        <translation>Nadawca nie podał rozmiaru %1; nie można sprawdzić przesyłania</translation>
    </message>
    <message numerus="yes">
        <source>%1 is too large (%2 bytes; at most %3)</source>
        <translation>
            <numerusform>%1 jest za duży (%2 bajt; najwyżej %3)</numerusform>
            <numerusform>%1 jest za duży (%2 bajty; najwyżej %3)</numerusform>
            <numerusform>%1 jest za duży (%2 bajtów; najwyżej %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sender stopped sending: no block for %1, %2 times, after %3 of %4 bytes</source>
        <translation>
            <numerusform>Nadawca przestał wysyłać: brak bloku przez %1, %2 raz, po %3 z %4 bajtów</numerusform>
            <numerusform>Nadawca przestał wysyłać: brak bloku przez %1, %2 razy, po %3 z %4 bajtów</numerusform>
            <numerusform>Nadawca przestał wysyłać: brak bloku przez %1, %2 razy, po %3 z %4 bajtów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer ended after %1 of %2 bytes</source>
        <translation>
            <numerusform>Przesyłanie zakończyło się po %1 z %2 bajtu</numerusform>
            <numerusform>Przesyłanie zakończyło się po %1 z %2 bajtów</numerusform>
            <numerusform>Przesyłanie zakończyło się po %1 z %2 bajtów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The line closed after %1 of %2 bytes: %3</source>
        <translation>
            <numerusform>Łącze zostało zamknięte po %1 z %2 bajtu: %3</numerusform>
            <numerusform>Łącze zostało zamknięte po %1 z %2 bajtów: %3</numerusform>
            <numerusform>Łącze zostało zamknięte po %1 z %2 bajtów: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Block sequence lost: expected block %1, got block %2</source>
        <translation>Utracono kolejność bloków: oczekiwano bloku %1, przyszedł blok %2</translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 were acknowledged</source>
        <translation>
            <numerusform>Przesyłanie nie zakończyło się w czasie %1 dozwolonym dla %2 bajtu: potwierdzono %3</numerusform>
            <numerusform>Przesyłanie nie zakończyło się w czasie %1 dozwolonym dla %2 bajtów: potwierdzono %3</numerusform>
            <numerusform>Przesyłanie nie zakończyło się w czasie %1 dozwolonym dla %2 bajtów: potwierdzono %3</numerusform>
        </translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Odbiornik anulował przesyłanie</translation>
    </message>
    <message>
        <source>The receiver asks for the old checksum mode; only CRC-16 is supported</source>
        <translation>Odbiornik żąda starego trybu sumy kontrolnej; obsługiwany jest tylko CRC-16</translation>
    </message>
    <message>
        <source>The receiver did not ask for %1 within %2</source>
        <translation>Odbiornik nie zażądał w ciągu %2: %1</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>koniec pliku</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>blok %1</translation>
    </message>
    <message numerus="yes">
        <source>The receiver stopped answering: no reply to %1 within %2, %3 times</source>
        <translation>
            <numerusform>Odbiornik przestał odpowiadać: brak odpowiedzi na %1 w ciągu %2, %3 raz</numerusform>
            <numerusform>Odbiornik przestał odpowiadać: brak odpowiedzi na %1 w ciągu %2, %3 razy</numerusform>
            <numerusform>Odbiornik przestał odpowiadać: brak odpowiedzi na %1 w ciągu %2, %3 razy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receiver refused %1 %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Odbiornik odrzucił %1 %2 raz; przesyłanie przerwane</numerusform>
            <numerusform>Odbiornik odrzucił %1 %2 razy; przesyłanie przerwane</numerusform>
            <numerusform>Odbiornik odrzucił %1 %2 razy; przesyłanie przerwane</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sending %1 failed %2 times (%3 refused); transfer abandoned</source>
        <translation>
            <numerusform>Wysyłanie nie powiodło się %2 raz: %1 (odrzucono: %3); przesyłanie przerwane</numerusform>
            <numerusform>Wysyłanie nie powiodło się %2 razy: %1 (odrzucono: %3); przesyłanie przerwane</numerusform>
            <numerusform>Wysyłanie nie powiodło się %2 razy: %1 (odrzucono: %3); przesyłanie przerwane</numerusform>
        </translation>
    </message>
    <message>
        <source>the file</source>
        <translation>plik</translation>
    </message>
    <message>
        <source>the data</source>
        <translation>dane</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>transponder %1</translation>
    </message>
    <message>
        <source>other %1 %2</source>
        <translation>inny %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>multipleks %1</translation>
    </message>
    <message>
        <source>%1, PIDs %2/%3/%4</source>
        <translation>%1, PID %2/%3/%4</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>zablokowany</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>pominięty</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>kodowany</translation>
    </message>
    <message>
        <source>cable %1</source>
        <translation>kablowy %1</translation>
    </message>
    <message>
        <source>terrestrial %1</source>
        <translation>naziemny %1</translation>
    </message>
    <message>
        <source>There is not enough memory to open %1.</source>
        <translation>Za mało pamięci, aby otworzyć %1.</translation>
    </message>
    <message>
        <source>a receiver image</source>
        <translation>obraz odbiornika</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>plik CSV</translation>
    </message>
    <message>
        <source>a channel list</source>
        <translation>lista kanałów</translation>
    </message>
    <message>
        <source>a satellites.xml file</source>
        <translation>plik satellites.xml</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Nie można odczytać %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not %2.</source>
        <translation>%1 to folder, a nie %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so it cannot be %2.</source>
        <translation>%1 nie jest zwykłym plikiem, więc nie może to być %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %2 bytes, more than %3 can have (at most %4 bytes).</source>
        <translation>
            <numerusform>%1 ma %2 bajt, więcej niż może mieć %3 (najwyżej %4 bajtów).</numerusform>
            <numerusform>%1 ma %2 bajty, więcej niż może mieć %3 (najwyżej %4 bajtów).</numerusform>
            <numerusform>%1 ma %2 bajtów, więcej niż może mieć %3 (najwyżej %4 bajtów).</numerusform>
        </translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>plik kończy się przedwcześnie</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Nie można otworzyć %1: %2.</translation>
    </message>
    <message>
        <source>%1 The channel list was not changed.</source>
        <translation>%1 Lista kanałów nie została zmieniona.</translation>
    </message>
    <message>
        <source>serial %1 at %2 baud</source>
        <translation>port szeregowy %1, %2 bodów</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>port TCP %1</translation>
    </message>
    <message>
        <source>TCP port %1 on %2</source>
        <translation>port TCP %1 na %2</translation>
    </message>
    <message>
        <source>%1 baud is not a rate a serial port can be set to</source>
        <translation>%1 bodów to nie jest prędkość, którą można ustawić w porcie szeregowym</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a serial port: %2</source>
        <translation>%1 nie jest portem szeregowym: %2</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>nie można skonfigurować %1: %2</translation>
    </message>
    <message>
        <source>cannot find %1: %2</source>
        <translation>nie można znaleźć %1: %2</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>nie można połączyć się z %1</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>nie można połączyć się z %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>nie można nasłuchiwać na %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1</source>
        <translation>nie można nasłuchiwać na %1</translation>
    </message>
    <message>
        <source>not listening</source>
        <translation>brak nasłuchiwania</translation>
    </message>
    <message>
        <source>Nobody connected to port %1 within %2</source>
        <translation>Nikt nie połączył się z portem %1 w ciągu %2</translation>
    </message>
    <message>
        <source>accept: %1</source>
        <translation>nie przyjęto połączenia: %1</translation>
    </message>
    <message>
        <source>there is no working copy (it could not be created in the temporary directory)</source>
        <translation>brak kopii roboczej (nie udało się jej utworzyć w katalogu tymczasowym)</translation>
    </message>
    <message>
        <source>Could not allocate memory</source>
        <translation>Nie można przydzielić pamięci</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>Nie można określić rodzaju znacznika</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>Błąd w deklaracji dokumentu lub instrukcji przetwarzania</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>Błąd w komentarzu</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>Błąd w sekcji CDATA</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>Błąd w deklaracji typu dokumentu</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>Błąd w tekście elementu (PCDATA)</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>Błąd w znaczniku otwierającym</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>Błąd w atrybucie</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>Błąd w znaczniku zamykającym</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>Znaczniki otwierający i zamykający nie pasują do siebie</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>Nie znaleziono elementu dokumentu</translation>
    </message>
    <message>
        <source>keeping the old file as %1: %2</source>
        <translation>zachowanie starego pliku jako %1: %2</translation>
    </message>
    <message>
        <source>no file open for %1</source>
        <translation>brak otwartego pliku dla %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>nie można utworzyć pliku w %1: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>nie można zablokować %1: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1: %2</source>
        <translation>nie można ustawić uprawnień %1: %2</translation>
    </message>
    <message>
        <source>writing %1: %2</source>
        <translation>zapis %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>writing %1 to disk: %2</source>
        <translation>zapis %1 na dysk: %2</translation>
    </message>
    <message>
        <source>closing %1: %2</source>
        <translation>zamknięcie %1: %2</translation>
    </message>
    <message>
        <source>replacing %1: %2</source>
        <translation>zastąpienie %1: %2</translation>
    </message>
    <message>
        <source>This receiver&apos;s flash layout is not valid: %1.</source>
        <translation>Układ pamięci flash tego odbiornika jest nieprawidłowy: %1.</translation>
    </message>
    <message>
        <source>sector size %1</source>
        <translation>rozmiar sektora %1</translation>
    </message>
    <message>
        <source>favourite</source>
        <translation>ulubionych</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>satelitów</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>nadawców</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transponderów</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>kanałów</translation>
    </message>
    <message>
        <source>the %1 block has a negative value</source>
        <translation>blok %1 ma wartość ujemną</translation>
    </message>
    <message>
        <source>the %1 block starts too far out</source>
        <translation>blok %1 zaczyna się za daleko</translation>
    </message>
    <message>
        <source>a negative multiplex count</source>
        <translation>ujemna liczba multipleksów</translation>
    </message>
    <message>
        <source>the single block is larger than any receiver&apos;s image</source>
        <translation>jedyny blok jest większy niż jakikolwiek obraz odbiornika</translation>
    </message>
    <message>
        <source>the %1 block reaches beyond any receiver&apos;s image</source>
        <translation>blok %1 wykracza poza każdy obraz odbiornika</translation>
    </message>
    <message>
        <source>%1 Nothing was written. Save the channels under another name.</source>
        <translation>%1 Nic nie zapisano. Zapisz kanały pod inną nazwą.</translation>
    </message>
    <message>
        <source>The workbook has no sheet named &quot;Channel&quot;.</source>
        <translation>Skoroszyt nie ma arkusza o nazwie „Channel”.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the workbook.</source>
        <translation>Za mało pamięci, aby odczytać skoroszyt.</translation>
    </message>
    <message>
        <source>The channel list has %1 channels, but a workbook sheet holds at most %2. Remove %3 channels and save again.</source>
        <translation>Liczba kanałów na liście: %1, a arkusz skoroszytu mieści najwyżej %2. Usuń nadmiarowe kanały (%3) i zapisz ponownie.</translation>
    </message>
    <message>
        <source>%1 Its other contents could not be kept, so nothing was written. Save the channels under another name.</source>
        <translation>%1 Pozostałej zawartości nie dałoby się zachować, więc nic nie zapisano. Zapisz kanały pod inną nazwą.</translation>
    </message>
    <message>
        <source>No workbook was read.</source>
        <translation>Nie odczytano żadnego skoroszytu.</translation>
    </message>
    <message>
        <source>The workbook was not read from a file.</source>
        <translation>Skoroszytu nie odczytano z pliku.</translation>
    </message>
    <message>
        <source>The workbook is damaged: a stream of its compound file cannot be read.</source>
        <translation>Skoroszyt jest uszkodzony: nie można odczytać strumienia jego pliku złożonego.</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook (.xls).</source>
        <translation>Plik nie jest skoroszytem programu Excel 97-2003 (.xls).</translation>
    </message>
    <message>
        <source>The workbook is damaged: its sector tables or its directory cannot be read.</source>
        <translation>Skoroszyt jest uszkodzony: nie można odczytać jego tablic sektorów lub katalogu.</translation>
    </message>
    <message>
        <source>The file holds no &quot;Workbook&quot; stream, so it is not an Excel 97-2003 workbook.</source>
        <translation>Plik nie zawiera strumienia „Workbook”, więc nie jest skoroszytem programu Excel 97-2003.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its &quot;Workbook&quot; stream ends early or its sectors are chained wrongly.</source>
        <translation>Skoroszyt jest uszkodzony: jego strumień „Workbook” kończy się za wcześnie lub jego sektory są źle połączone.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its table of shared strings cannot be read.</source>
        <translation>Skoroszyt jest uszkodzony: nie można odczytać jego tablicy wspólnych tekstów.</translation>
    </message>
    <message>
        <source>The workbook is protected with a password, so it cannot be read.</source>
        <translation>Skoroszyt jest chroniony hasłem, więc nie można go odczytać.</translation>
    </message>
    <message>
        <source>The workbook holds more cells or sheets than this program reads.</source>
        <translation>Skoroszyt zawiera więcej komórek lub arkuszy, niż ten program odczytuje.</translation>
    </message>
    <message>
        <source>an Excel workbook</source>
        <translation>skoroszyt programu Excel</translation>
    </message>
    <message>
        <source>A text of more than 255 characters cannot be added to this workbook.</source>
        <translation>Do tego skoroszytu nie można dodać tekstu dłuższego niż 255 znaków.</translation>
    </message>
    <message>
        <source>The workbook is too large to be written.</source>
        <translation>Skoroszyt jest zbyt duży, aby go zapisać.</translation>
    </message>
    <message>
        <source>The file has no satellite at %1. Nothing was changed.</source>
        <translation>Plik nie ma satelity na pozycji %1. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>There is not enough memory to write the CSV file.</source>
        <translation>Za mało pamięci, aby zapisać plik CSV.</translation>
    </message>
</context>
</TS>
