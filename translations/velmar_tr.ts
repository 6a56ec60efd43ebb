<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>CBroadcastGridCtrl</name>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Düzenle</translation>
    </message>
</context>
<context>
    <name>CCaptionLine</name>
    <message>
        <source>%1 satellite</source>
        <translation>%1 uydu</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 uydu</translation>
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
        <translation>%1 multipleks</translation>
    </message>
    <message>
        <source>%1 multiplexes</source>
        <translation>%1 multipleks</translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 yayıncı</translation>
    </message>
    <message>
        <source>%1 providers</source>
        <translation>%1 yayıncı</translation>
    </message>
    <message>
        <source>%1 list</source>
        <translation>%1 liste</translation>
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
        <translation>Numara</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Mantıksal numara</translation>
    </message>
    <message>
        <source>Shown number</source>
        <translation>Gösterilen numara</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Servis kimliği</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Özgün ağ kimliği</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>Taşıma akışı kimliği</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Görüntü PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Audio streams</source>
        <translation>Ses akışları</translation>
    </message>
    <message>
        <source>Subtitle streams</source>
        <translation>Altyazı akışları</translation>
    </message>
    <message>
        <source>CAS (hex)</source>
        <translation>CAS (onaltılık)</translation>
    </message>
    <message>
        <source>Stream type (hex)</source>
        <translation>Akış türü (onaltılık)</translation>
    </message>
    <message>
        <source>Code table</source>
        <translation>Kod tablosu</translation>
    </message>
    <message>
        <source>Update Channel</source>
        <translation>Kanalı Düzenle</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Yeni TV Kanalı</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Yeni Radyo Kanalı</translation>
    </message>
    <message>
        <source>A new channel is numbered after the last channel of its list.</source>
        <translation>Yeni kanal, listesindeki son kanaldan sonraki numarayı alır.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>En çok %1 karakter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Neither TV nor radio</source>
        <translation>Ne TV ne radyo</translation>
    </message>
    <message>
        <source>Both TV and radio</source>
        <translation>Hem TV hem radyo</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>A new channel takes the genre of the genre list it is made in.</source>
        <translation>Yeni kanal, oluşturulduğu tür listesinin türünü alır.</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Tuner byte %1</source>
        <translation>Tuner baytı %1</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Atlanan</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Alım</translation>
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
        <translation>Uydu kimliği %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Broadcaster ID %1</source>
        <translation>Yayıncı kimliği %1</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Yayıncı</translation>
    </message>
    <message>
        <source>Transponder %1</source>
        <translation>Transponder %1</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Akışlar</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favori listeleri</translation>
    </message>
    <message>
        <source>%1 must be a hexadecimal number of at most %2 digits.</source>
        <translation>%1 en çok %2 basamaklı onaltılık bir sayı olmalıdır.</translation>
    </message>
</context>
<context>
    <name>CChannelGridCtrl</name>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
</context>
<context>
    <name>CChannelListBar</name>
    <message>
        <source>Filter by name (Esc clears)</source>
        <translation>Ada göre süz (Esc temizler)</translation>
    </message>
    <message>
        <source>Nothing chosen</source>
        <translation>Hiçbir şey seçilmedi</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, names with “%2”</source>
        <translation>%1, “%2” içeren adlar</translation>
    </message>
    <message>
        <source>%1 — %2 TV / %3 radio</source>
        <translation>%1 — %2 TV / %3 radyo</translation>
    </message>
</context>
<context>
    <name>CDlgCompare</name>
    <message>
        <source>Differences</source>
        <translation>Farklar</translation>
    </message>
</context>
<context>
    <name>CDlgInformation</name>
    <message>
        <source>The maker&apos;s form (64-byte header with CRC)</source>
        <translation>Üretici biçimi (CRC içeren 64 baytlık başlık)</translation>
    </message>
    <message>
        <source>The working form (VX header)</source>
        <translation>Çalışma biçimi (VX başlığı)</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>uydu</translation>
    </message>
    <message>
        <source>terrestrial</source>
        <translation>karasal</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>kablo</translation>
    </message>
    <message>
        <source>Model %1, type 0x%2 (%3), byte order %4</source>
        <translation>Model %1, tür 0x%2 (%3), bayt sırası %4</translation>
    </message>
    <message>
        <source>no reception bits</source>
        <translation>alım bitleri yok</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favori listeleri</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderlar</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Yayıncılar</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Karasal multipleksler</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Kablo multipleksleri</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Geçici alan</translation>
    </message>
    <message>
        <source>%1 (this receiver does not save them)</source>
        <translation>%1 (bu alıcı bunları kaydetmez)</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3</source>
        <translation>%1 / %2 kullanımda, %3</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 boş</translation>
    </message>
    <message>
        <source>%1 too many to save</source>
        <translation>kaydetmek için %1 fazla</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 TV, %2 radyo</translation>
    </message>
    <message>
        <source>%1 locked, %2 skipped, %3 scrambled</source>
        <translation>%1 kilitli, %2 atlanan, %3 şifreli</translation>
    </message>
    <message>
        <source>No duplicate channels</source>
        <translation>Yinelenen kanal yok</translation>
    </message>
    <message>
        <source>%1 duplicate channels in %2 groups</source>
        <translation>%2 grupta %1 yinelenen kanal</translation>
    </message>
    <message>
        <source>CH# %1  %2  (%3, satellite %4, TPID %5, ids %6/%7/%8)</source>
        <translation>No %1  %2  (%3, uydu %4, TPID %5, kimlikler %6/%7/%8)</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radyo</translation>
    </message>
    <message>
        <source>Header form:</source>
        <translation>Başlık biçimi:</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>Ürün:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanallar:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Bayraklar:</translation>
    </message>
    <message>
        <source>Duplicates:</source>
        <translation>Yinelenenler:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(yok)</translation>
    </message>
    <message>
        <source>The list check finds no problem.</source>
        <translation>Liste denetimi hiçbir sorun bulmadı.</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… ve %1 tane daha</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Yayıncı</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Denetim</translation>
    </message>
    <message>
        <source>%1 channels: %2</source>
        <translation>%1 kanal: %2</translation>
    </message>
    <message>
        <source>Select them in the channel lists</source>
        <translation>Bunları kanal listelerinde seç</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Yinelenenler</translation>
    </message>
</context>
<context>
    <name>CDlgPrintChoice</name>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Print these lists:</source>
        <translation>Bu listeleri yazdır:</translation>
    </message>
    <message>
        <source>TV list</source>
        <translation>TV listesi</translation>
    </message>
    <message>
        <source>Radio list</source>
        <translation>Radyo listesi</translation>
    </message>
</context>
<context>
    <name>CDlgPrintPreview</name>
    <message>
        <source>Pages</source>
        <translation>Sayfalar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Yakınlaştırma</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Sayfa numarası</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Baskı önizleme</translation>
    </message>
</context>
<context>
    <name>CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Ad, Windows-1252 ile gösterilemeyen karakterler içeriyor.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Düzenle</translation>
    </message>
</context>
<context>
    <name>CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Yayıncılar</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Favoriler</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Yayıncılar</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Bir satır seçmek listeleri süzer. Menü tuşu ya da Shift+F10 komutları açar; F6 sonraki bölmeye geçer.</translation>
    </message>
    <message>
        <source>Favorite lists and genres</source>
        <translation>Favori listeleri ve türler</translation>
    </message>
    <message>
        <source>Choosing a list or a genre shows its channels; F2 renames a favorite list.</source>
        <translation>Bir liste ya da tür seçmek kanallarını gösterir; F2 bir favori listesini yeniden adlandırır.</translation>
    </message>
</context>
<context>
    <name>CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Uydular</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Multipleksler</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Karasal</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kaynak</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderler</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Karasal multipleksler</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Kablo multipleksleri</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Bir satır seçmek listeleri süzer. Menü tuşu ya da Shift+F10 komutları açar; F6 sonraki bölmeye geçer.</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. F6 goes to the next pane.</source>
        <translation>Bir satır seçmek listeleri süzer. F6 sonraki bölmeye geçer.</translation>
    </message>
</context>
<context>
    <name>CLinkForm</name>
    <message>
        <source>Connection</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Seri port</translation>
    </message>
    <message>
        <source>Network (TCP)</source>
        <translation>Ağ (TCP)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Bağlantı noktası</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baud hızı</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>TCP portu</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Choose the line, press Receive, then start sending on the receiver.</source>
        <translation>Bağlantıyı seçin, “Al” düğmesine basın, ardından alıcıda göndermeyi başlatın.</translation>
    </message>
    <message>
        <source>Choose the line, start receiving on the receiver, then press Send.</source>
        <translation>Bağlantıyı seçin, alıcıda almayı başlatın, ardından “Gönder” düğmesine basın.</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Bir seri port seçin.</translation>
    </message>
    <message>
        <source>Enter the receiver&apos;s host name or address.</source>
        <translation>Alıcının ana bilgisayar adını veya adresini girin.</translation>
    </message>
    <message>
        <source>Connecting: %1</source>
        <translation>Bağlanılıyor: %1</translation>
    </message>
    <message>
        <source>Waiting for the receiver to send...</source>
        <translation>Alıcının göndermesi bekleniyor...</translation>
    </message>
    <message>
        <source>Waiting for the receiver to ask for the data...</source>
        <translation>Alıcının verileri istemesi bekleniyor...</translation>
    </message>
    <message>
        <source>Transfer failed: %1</source>
        <translation>Aktarım başarısız: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>İptal ediliyor...</translation>
    </message>
</context>
<context>
    <name>CListTools</name>
    <message>
        <source>Compare with…</source>
        <translation>Karşılaştır…</translation>
    </message>
    <message>
        <source>Show what another image or workbook has differently</source>
        <translation>Başka bir imajın veya çalışma kitabının farklarını gösterir</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>İçe aktar…</translation>
    </message>
    <message>
        <source>Replace the channels by those of a CSV file</source>
        <translation>Kanalları bir CSV dosyasındakilerle değiştirir</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Dışa aktar…</translation>
    </message>
    <message>
        <source>Write the channels as a CSV file</source>
        <translation>Kanalları CSV dosyası olarak yazar</translation>
    </message>
    <message>
        <source>Import transponders…</source>
        <translation>Transponder içe aktar…</translation>
    </message>
    <message>
        <source>Bring satellites and transponders up to date from a satellites.xml file</source>
        <translation>Uyduları ve transponderları bir satellites.xml dosyasından günceller</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Counts, capacity and duplicates of the whole list</source>
        <translation>Tüm listenin sayıları, kapasitesi ve yinelenenleri</translation>
    </message>
    <message>
        <source>Apply order</source>
        <translation>Sırayı uygula</translation>
    </message>
    <message>
        <source>Number the channels as another list numbers them</source>
        <translation>Kanalları başka bir listedeki gibi numaralandırır</translation>
    </message>
    <message>
        <source>Apply the order of another list</source>
        <translation>Başka bir listenin sırasını uygula</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>Komutu tamamlamak için yeterli bellek yok. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>Komut başarısız oldu: %1</translation>
    </message>
    <message>
        <source>The command failed.</source>
        <translation>Komut başarısız oldu.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Var olan veritabanını aç</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Dosya aç</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Dosyaya kaydet</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Veritabanını alıcıdan al</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Veritabanını alıcıya gönder</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Tümünü yenile</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Program bilgilerini, sürüm numarasını ve telif hakkını gösterir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Son değişikliği geri alır</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Redo the edit undone last</source>
        <translation>Son geri alınan değişikliği yineler</translation>
    </message>
    <message>
        <source>Velmar for %1 - 8FAV</source>
        <translation>%1 için Velmar - 8FAV</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Geri al: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Yinele: %1</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>Sonraki bölme</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Önceki bölme</translation>
    </message>
    <message>
        <source>Add to favorite list %1</source>
        <translation>%1. favori listesine ekle</translation>
    </message>
    <message>
        <source>The unsaved edits could not be kept in the recovery file, so a crash would lose them. Save the list to keep them.
%1</source>
        <translation>Kaydedilmemiş değişiklikler kurtarma dosyasında tutulamadı; bir çökme olursa kaybolurlar. Onları korumak için listeyi kaydedin.
%1</translation>
    </message>
</context>
<context>
    <name>CPrintTools</name>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Print the channel lists or save them as a PDF file</source>
        <translation>Kanal listelerini yazdırır veya PDF dosyası olarak kaydeder</translation>
    </message>
</context>
<context>
    <name>CRightView</name>
    <message>
        <source>Scrambled</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Atlanan</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source> Channels</source>
        <translation> Kanallar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>Yalnız TV</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Yalnız radyo</translation>
    </message>
    <message>
        <source>Lists shown</source>
        <translation>Gösterilen listeler</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV kanalları</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radyo kanalları</translation>
    </message>
    <message>
        <source>Menu or Shift+F10 opens the commands; Ctrl+1 to Ctrl+8 add the selected channels to favorite list 1 to 8; F6 goes to the next pane.</source>
        <translation>Menü tuşu ya da Shift+F10 komutları açar; Ctrl+1 ile Ctrl+8 arası seçili kanalları 1 ile 8 arasındaki favori listesine ekler; F6 sonraki bölmeye geçer.</translation>
    </message>
</context>
<context>
    <name>CSourceGridCtrl</name>
    <message>
        <source>No satellite ID is free: the highest ID is already 255.</source>
        <translation>Boş uydu kimliği yok: en yüksek kimlik zaten 255.</translation>
    </message>
    <message>
        <source>No multiplex ID is free: all 255 are in use.</source>
        <translation>Boş multipleks kimliği yok: 255 kimliğin tümü kullanımda.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Ad, Windows-1252 ile gösterilemeyen karakterler içeriyor.</translation>
    </message>
    <message>
        <source>No TPID is free on satellite %1.</source>
        <translation>%1 uydusunda boş TPID yok.</translation>
    </message>
</context>
<context>
    <name>DeleteCounts</name>
    <message>
        <source>%1 channel is selected.</source>
        <translation>%1 kanal seçili.</translation>
    </message>
    <message>
        <source>%1 channels are selected.</source>
        <translation>%1 kanal seçili.</translation>
    </message>
    <message>
        <source>%1 satellite is selected.</source>
        <translation>%1 uydu seçili.</translation>
    </message>
    <message>
        <source>%1 satellites are selected.</source>
        <translation>%1 uydu seçili.</translation>
    </message>
    <message>
        <source>%1 transponder is selected.</source>
        <translation>%1 transponder seçili.</translation>
    </message>
    <message>
        <source>%1 transponders are selected.</source>
        <translation>%1 transponder seçili.</translation>
    </message>
    <message>
        <source>%1 multiplex is selected.</source>
        <translation>%1 multipleks seçili.</translation>
    </message>
    <message>
        <source>%1 multiplexes are selected.</source>
        <translation>%1 multipleks seçili.</translation>
    </message>
    <message>
        <source>%1 provider is selected.</source>
        <translation>%1 yayıncı seçili.</translation>
    </message>
    <message>
        <source>%1 providers are selected.</source>
        <translation>%1 yayıncı seçili.</translation>
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
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>Deleting it also deletes its %1.</source>
        <translation>Silindiğinde şunlar da silinir: %1.</translation>
    </message>
    <message>
        <source>Deleting them also deletes their %1.</source>
        <translation>Silindiklerinde şunlar da silinir: %1.</translation>
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
        <translation>İptal</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multipleks %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(yok)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Yapılandırma</translation>
    </message>
    <message>
        <source>Receiver:</source>
        <translation>Alıcı:</translation>
    </message>
    <message>
        <source>Show the technical columns (record keys, satellite and transponder numbers, PIDs)</source>
        <translation>Teknik sütunları göster (kayıt anahtarları, uydu ve transponder numaraları, PID’ler)</translation>
    </message>
    <message>
        <source>The choice takes effect when the program starts again.</source>
        <translation>Seçim, program yeniden başlatıldığında geçerli olur.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Veritabanını alıcıya gönder</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Veritabanını alıcıdan al</translation>
    </message>
    <message>
        <source>%1 of %2 bytes (%3%), %4 KiB/s</source>
        <translation>%1 / %2 bayt (%%3), %4 KiB/sn</translation>
    </message>
    <message>
        <source>This form is not available in this version yet.
Nothing has been changed.</source>
        <translation>Bu form bu sürümde henüz kullanılamıyor.
Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Aktarım iptal edildi</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>Gönderen taraf aktarımı iptal etti</translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Alıcı aktarımı iptal etti</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>Update Multiplex</source>
        <translation>Multipleksi Düzenle</translation>
    </message>
    <message>
        <source>New Multiplex</source>
        <translation>Yeni Multipleks</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frekans (MHz)</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>Sembol hızı (kS/s)</translation>
    </message>
    <message>
        <source>QAM</source>
        <translation>QAM</translation>
    </message>
    <message>
        <source>Inversion (0-%1)</source>
        <translation>Ters çevirme (0-%1)</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS kimliği</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>Ağ kimliği</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Özgün ağ kimliği</translation>
    </message>
    <message>
        <source>Update Satellite</source>
        <translation>Uyduyu Düzenle</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Yeni Uydu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Doğu</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Batı</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Konum (derece)</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>Group 1</source>
        <translation>Grup 1</translation>
    </message>
    <message>
        <source>Group 2</source>
        <translation>Grup 2</translation>
    </message>
    <message>
        <source>Update Transponder</source>
        <translation>Transponderı Düzenle</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Yeni Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>Uydu kimliği %1</translation>
    </message>
    <message>
        <source>Choose a satellite</source>
        <translation>Bir uydu seçin</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>H (horizontal)</source>
        <translation>H (yatay)</translation>
    </message>
    <message>
        <source>V (vertical)</source>
        <translation>V (dikey)</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Frequency must be a number of MHz with at most three decimals, up to 4294967.295.</source>
        <translation>Frekans, en fazla üç ondalık basamaklı ve en çok 4294967.295 olan bir MHz değeri olmalıdır.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Ad, Windows-1252’nin tutamayacağı karakterler içeriyor.</translation>
    </message>
    <message>
        <source>Position must be from 0.0 to 180.0 degrees, with at most one decimal.</source>
        <translation>Konum 0.0 ile 180.0 derece arasında olmalı ve en fazla bir ondalık basamak içermelidir.</translation>
    </message>
    <message>
        <source>Satellite must be chosen from the list.</source>
        <translation>Uydu listeden seçilmelidir.</translation>
    </message>
</context>
<context>
    <name>Velmar</name>
    <message>
        <source>Index</source>
        <translation>İndeks</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Derece</translation>
    </message>
    <message>
        <source>TPID</source>
        <translation>TPID</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS kimliği</translation>
    </message>
    <message>
        <source>Sat ID</source>
        <translation>Uydu ID</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frek.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Sembol</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarite</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>Yayıncı ID</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>MUX</source>
        <translation>MUX</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Frek. (MHz)</translation>
    </message>
    <message>
        <source>NET ID</source>
        <translation>Ağ ID</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>Özgün NID</translation>
    </message>
    <message>
        <source>Const</source>
        <translation>Konst.</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Ters</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>İşaret</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>TX kipi</translation>
    </message>
    <message>
        <source>C.R.</source>
        <translation>Kod hızı</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Konst.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <translation>Koruma ar.</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Öncelik</translation>
    </message>
    <message>
        <source>Velmar for VX-7 and VX-8 satellite receivers - 8FAV</source>
        <translation>VX-7 ve VX-8 uydu alıcıları için Velmar - 8FAV</translation>
    </message>
    <message>
        <source>About Velmar</source>
        <translation>Velmar Hakkında</translation>
    </message>
    <message>
        <source>Velmar Version 1.4.6.10 (build:20090929)</source>
        <translation>Velmar Sürüm 1.4.6.10 (derleme: 20090929)</translation>
    </message>
    <message>
        <source>Channel database editor for digital-TV receivers</source>
        <translation>Sayısal TV alıcıları için kanal veritabanı düzenleyicisi</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Dosya açılamıyor veya sürümü geçersiz</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Kanal dosyası kaydedilemiyor</translation>
    </message>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Dosya başlığı okunamıyor. Devam edilsin mi?</translation>
    </message>
    <message>
        <source>Cannot open file %s.</source>
        <translation>%s dosyası açılamıyor.</translation>
    </message>
    <message>
        <source>The channel data has changed since it was opened or saved. Save the changes?</source>
        <translation>Kanal verileri açıldığından veya kaydedildiğinden beri değişti. Değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>The image was opened, but its working copy in the temporary directory could not be written. The channel list is complete in memory and saves as usual.</source>
        <translation>İmaj açıldı, ancak geçici dizindeki çalışma kopyası yazılamadı. Kanal listesi bellekte eksiksizdir ve her zamanki gibi kaydedilir.</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Save it anyway?</source>
        <translation>Kanal listesinde alıcının kaldıramayabileceği sorunlar var. Yine de kaydedilsin mi?</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Send it anyway?</source>
        <translation>Kanal listesinde alıcının kaldıramayabileceği sorunlar var. Yine de gönderilsin mi?</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Yine de kaydet</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Yine de gönder</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Kanal Verilerini Yükle</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Kanal Verilerini Kaydet</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Varsayılan Kanal Verilerini Kaydet</translation>
    </message>
    <message>
        <source>Local file (*.h)|*.bin|All Files(*.*)|*.*||</source>
        <translation>Yerel dosya (*.h)|*.bin|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Programı şimdi yeniden başlatmanız gerekiyor.</translation>
    </message>
    <message>
        <source>Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>İkili dosya (*.bin)|*.bin|Excel dosyası (*.xls)|*.xls|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>Yerel dosya (*.bin)|*.bin|Excel dosyası (*.xls)|*.xls|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Seçili öğeler silinsin mi?</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size</source>
        <translation>Favori adı değiştirilemiyor: metin uzunluğu uyuşmuyor.</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Radyo kanalları TV kanallarına kopyalanamaz</translation>
    </message>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>TV kanalları radyo kanallarına kopyalanamaz</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Radyo kanalları TV kanallarına taşınamaz</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>TV kanalları radyo kanallarına taşınamaz</translation>
    </message>
    <message>
        <source>Broadcast Name : %s (ID : %d)</source>
        <translation>Yayıncı adı: %s (ID: %d)</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Gönderilecek veri boş veya geçersiz</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Karasal</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
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
        <translation>Yayıncı</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Fav</source>
        <translation>Fav.</translation>
    </message>
    <message>
        <source>SatID</source>
        <translation>Uydu ID</translation>
    </message>
    <message>
        <source>CH#</source>
        <translation>No</translation>
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
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Sembol hızı</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numara</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Mantıksal numara</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Servis kimliği</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Görüntü PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Atlanan</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Yayıncı</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Tümünü seç      Ctrl+A</translation>
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
        <translation>Yeni...        	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Düzenle...</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Kopyala          	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Yapıştır         	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Buraya taşı</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Kilit...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Atla...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seç...</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>Seçimi tersine çevir</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Ara...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Açıklama...	Enter</translation>
    </message>
    <message>
        <source>New...            Ctrl+N</source>
        <translation>Yeni...            Ctrl+N</translation>
    </message>
    <message>
        <source>Delete             Delete</source>
        <translation>Sil             Delete</translation>
    </message>
    <message>
        <source>Description...   Enter</source>
        <translation>Açıklama...   Enter</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Sil        	Delete</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Favorilerden çıkar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Lock On</source>
        <translation>Kilitleme</translation>
    </message>
    <message>
        <source>Lock Off</source>
        <translation>Kilit açma</translation>
    </message>
    <message>
        <source>Skip On</source>
        <translation>Atlamayı açma</translation>
    </message>
    <message>
        <source>Skip Off</source>
        <translation>Atlamayı kapatma</translation>
    </message>
    <message>
        <source>Set satellite</source>
        <translation>Uydu atama</translation>
    </message>
    <message>
        <source>Set multiplex</source>
        <translation>Multipleks atama</translation>
    </message>
    <message>
        <source>Set transponder</source>
        <translation>Transponder atama</translation>
    </message>
    <message>
        <source>Set broadcaster</source>
        <translation>Yayıncı atama</translation>
    </message>
    <message>
        <source>Add to favourite list</source>
        <translation>Favori listesine ekleme</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Tür atama</translation>
    </message>
    <message>
        <source>Move channels</source>
        <translation>Kanal taşıma</translation>
    </message>
    <message>
        <source>Reorder favourite list</source>
        <translation>Favori listesini yeniden sıralama</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Yeni uydu</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Uydu düzenleme</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Uydu silme</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Yeni transponder</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Transponder düzenleme</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Transponder silme</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Transponder taşıma</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Yeni multipleks</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Multipleks düzenleme</translation>
    </message>
    <message>
        <source>Delete multiplex</source>
        <translation>Multipleks silme</translation>
    </message>
    <message>
        <source>New broadcaster</source>
        <translation>Yeni yayıncı</translation>
    </message>
    <message>
        <source>Update broadcaster</source>
        <translation>Yayıncı düzenleme</translation>
    </message>
    <message>
        <source>Delete broadcaster</source>
        <translation>Yayıncı silme</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Favori listesini yeniden adlandırma</translation>
    </message>
    <message>
        <source>Import workbook</source>
        <translation>Çalışma kitabı içe aktarma</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Sıra uygulama</translation>
    </message>
    <message>
        <source>Add to this list</source>
        <translation>Bu listeye ekleme</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV içe aktarma</translation>
    </message>
    <message>
        <source>Import transponders</source>
        <translation>Transponder içe aktarma</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Haber ve Bilgi</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Eğlence</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Spor</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Çocuk</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Bilgilendirici</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Eğitim</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Yaşam Tarzı</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Dram</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Müzik</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Sanat</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Güncel Olaylar</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Komedi</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Belgesel</translation>
    </message>
    <message>
        <source>Compare with another list</source>
        <translation>Başka bir listeyle karşılaştır</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Karşılaştırma</translation>
    </message>
    <message>
        <source>Differences between this list and %1: %2</source>
        <translation>Bu liste ile %1 arasındaki farklar: %2</translation>
    </message>
    <message>
        <source>The two lists are the same.</source>
        <translation>İki liste aynı.</translation>
    </message>
    <message>
        <source>The other list has no satellites: the channels&apos; tuning was compared by their ids.</source>
        <translation>Diğer listede uydu yok: kanalların ayarları kimliklerine göre karşılaştırıldı.</translation>
    </message>
    <message>
        <source>Only in this list</source>
        <translation>Yalnızca bu listede</translation>
    </message>
    <message>
        <source>Only in the other list</source>
        <translation>Yalnızca diğer listede</translation>
    </message>
    <message>
        <source>Number changed</source>
        <translation>Numara değişti</translation>
    </message>
    <message>
        <source>Name changed</source>
        <translation>Ad değişti</translation>
    </message>
    <message>
        <source>Tuning changed</source>
        <translation>Ayar değişti</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Özellikler değişti</translation>
    </message>
    <message>
        <source>Favourite lists changed</source>
        <translation>Favori listeleri değişti</translation>
    </message>
    <message>
        <source>Satellites only in this list</source>
        <translation>Yalnızca bu listedeki uydular</translation>
    </message>
    <message>
        <source>Satellites only in the other list</source>
        <translation>Yalnızca diğer listedeki uydular</translation>
    </message>
    <message>
        <source>Satellite renamed</source>
        <translation>Uydunun adı değişti</translation>
    </message>
    <message>
        <source>Transponders only in this list</source>
        <translation>Yalnızca bu listedeki transponderler</translation>
    </message>
    <message>
        <source>Transponders only in the other list</source>
        <translation>Yalnızca diğer listedeki transponderler</translation>
    </message>
    <message>
        <source>Transponder changed</source>
        <translation>Transponder değişti</translation>
    </message>
    <message>
        <source>Multiplexes only in this list</source>
        <translation>Yalnızca bu listedeki multipleksler</translation>
    </message>
    <message>
        <source>Multiplexes only in the other list</source>
        <translation>Yalnızca diğer listedeki multipleksler</translation>
    </message>
    <message>
        <source>Multiplex changed</source>
        <translation>Multipleks değişti</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Kanalları CSV’den içe aktar</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Kanalları CSV olarak dışa aktar</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|All Files(*.*)|*.*||</source>
        <translation>CSV dosyası (*.csv)|*.csv|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Transponderleri içe aktar</translation>
    </message>
    <message>
        <source>Satellite list (*.xml)|*.xml|All Files(*.*)|*.*||</source>
        <translation>Uydu listesi (*.xml)|*.xml|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Bring these satellites up to date:</source>
        <translation>Bu uyduları güncelle:</translation>
    </message>
    <message>
        <source>%1  %2  (%3, in this list)</source>
        <translation>%1  %2  (%3, bu listede)</translation>
    </message>
    <message>
        <source>%1  %2  (%3, new)</source>
        <translation>%1  %2  (%3, yeni)</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders</source>
        <translation>
            <numerusform>%1 transponder</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete transponders the file does not have</source>
        <translation>Dosyada olmayan transponderleri sil</translation>
    </message>
    <message>
        <source>Their channels are deleted with them, as the transponder grid&apos;s Delete does.</source>
        <translation>Kanalları da onlarla birlikte silinir; transponder listesindeki Sil komutunda olduğu gibi.</translation>
    </message>
    <message>
        <source>The file lists no satellites. Nothing was changed.</source>
        <translation>Dosyada uydu yok. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>Komutu tamamlamak için yeterli bellek yok. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>The command failed: %s</source>
        <translation>Komut başarısız oldu: %s</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Ters çevirme</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>Ağ kimliği</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Özgün ağ kimliği</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Grup %1 %2</translation>
    </message>
    <message>
        <source>Satellite receiver with one tuner and compact channel entries (the start-up choice)</source>
        <translation>Tek tunerli ve kompakt kanal kayıtlı uydu alıcısı (başlangıç seçimi)</translation>
    </message>
    <message>
        <source>VX-7 and VX-8 satellite receivers</source>
        <translation>VX-7 ve VX-8 uydu alıcıları</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries; each channel keeps its place in eight favourite lists</source>
        <translation>Uzun uydu kayıtlı uydu alıcısı; her kanal sekiz favori listesindeki yerini korur</translation>
    </message>
    <message>
        <source>VX-8 Plus satellite receivers</source>
        <translation>VX-8 Plus uydu alıcıları</translation>
    </message>
    <message>
        <source>Satellite receiver with full channel entries; each channel keeps its place in 24 favourite lists</source>
        <translation>Tam kanal kayıtlı uydu alıcısı; her kanal 24 favori listesindeki yerini korur</translation>
    </message>
    <message>
        <source>VX-1 satellite receivers</source>
        <translation>VX-1 uydu alıcıları</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries and full channel entries; each channel keeps its place in 32 favourite lists</source>
        <translation>Uzun uydu kayıtlı ve tam kanal kayıtlı uydu alıcısı; her kanal 32 favori listesindeki yerini korur</translation>
    </message>
    <message>
        <source>VX-64 satellite receivers</source>
        <translation>VX-64 uydu alıcıları</translation>
    </message>
    <message>
        <source>Cable receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>İki tunerli kablo alıcısı; her kanal her tuner için bir kez saklanır</translation>
    </message>
    <message>
        <source>VX-5 twin-tuner cable receivers</source>
        <translation>VX-5 çift tunerli kablo alıcıları</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>İki tunerli karasal (anten) alıcı; her kanal her tuner için bir kez saklanır</translation>
    </message>
    <message>
        <source>VX-6 twin-tuner terrestrial receivers</source>
        <translation>VX-6 çift tunerli karasal alıcılar</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver; multiplexes instead of satellites</source>
        <translation>Karasal (anten) alıcı; uydular yerine multipleksler</translation>
    </message>
    <message>
        <source>VX-1T terrestrial receivers</source>
        <translation>VX-1T karasal alıcılar</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with network channel entries (logical channel numbers) and eight favourite lists</source>
        <translation>Ağ kanal kayıtlı (mantıksal kanal numaraları) ve sekiz favori listeli karasal (anten) alıcı</translation>
    </message>
    <message>
        <source>VX-9 terrestrial receivers</source>
        <translation>VX-9 karasal alıcılar</translation>
    </message>
    <message>
        <source>Cable receiver; cable multiplexes instead of satellites</source>
        <translation>Kablo alıcısı; uydular yerine kablo multipleksleri</translation>
    </message>
    <message>
        <source>VX-2 cable receivers</source>
        <translation>VX-2 kablo alıcıları</translation>
    </message>
    <message>
        <source>Receiver with a satellite and a terrestrial tuner; the terrestrial multiplexes have their own tab</source>
        <translation>Bir uydu ve bir karasal tunerli alıcı; karasal multiplekslerin kendi sekmesi vardır</translation>
    </message>
    <message>
        <source>VX-3 satellite and terrestrial receivers</source>
        <translation>VX-3 uydu ve karasal alıcılar</translation>
    </message>
    <message>
        <source>Cable receiver that keeps its multiplexes, providers and channels together in one block</source>
        <translation>Multiplekslerini, yayıncılarını ve kanallarını tek blokta birlikte tutan kablo alıcısı</translation>
    </message>
    <message>
        <source>VX-10 cable receivers</source>
        <translation>VX-10 kablo alıcıları</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>%1 must be a number from 0 to %2.</source>
        <translation>%1, 0 ile %2 arasında bir sayı olmalıdır.</translation>
    </message>
    <message>
        <source>%1 must have at most %2 characters.</source>
        <translation>%1 en fazla %2 karakter olabilir.</translation>
    </message>
    <message>
        <source>%1 must be between 0 and %2.</source>
        <translation>%1, 0 ile %2 arasında olmalıdır.</translation>
    </message>
    <message>
        <source>%1 must not be 0: the receiver reads it as an empty slot.</source>
        <translation>%1 0 olmamalıdır: alıcı bunu boş bir yuva olarak okur.</translation>
    </message>
    <message>
        <source>Name must not be empty.</source>
        <translation>Ad boş olmamalıdır.</translation>
    </message>
    <message>
        <source>Attributes must mark the channel as either TV (0x0400) or radio (0x0800).</source>
        <translation>Attributes kanalı ya TV (0x0400) ya da radyo (0x0800) olarak işaretlemelidir.</translation>
    </message>
    <message>
        <source>Tuner must be 0 on this receiver: other values mark the second tuner&apos;s copy.</source>
        <translation>Bu alıcıda Tuner 0 olmalıdır: diğer değerler ikinci tunerin kopyasını işaretler.</translation>
    </message>
    <message>
        <source>Degree must be below 3600 (tenths of a degree).</source>
        <translation>Degree 3600’ün altında olmalıdır (derecenin onda biri).</translation>
    </message>
    <message>
        <source>ID must not be 0.</source>
        <translation>Kimlik 0 olmamalıdır.</translation>
    </message>
    <message>
        <source>ID %1 belongs to another satellite.</source>
        <translation>%1 kimliği başka bir uyduya ait.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another transponder of satellite %2.</source>
        <translation>TPID %1, %2 uydusunun başka bir transponderine ait.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another multiplex.</source>
        <translation>TPID %1 başka bir multiplekse ait.</translation>
    </message>
    <message numerus="yes">
        <source>Matched %1 channels by ids and %2 by name; %3 not matched.</source>
        <translation>
            <numerusform>%1 kanal kimliklere, %2 kanal ada göre eşleştirildi; %3 kanal eşleşmedi.</numerusform>
        </translation>
    </message>
    <message>
        <source>TV %1 %2</source>
        <translation>TV %1 %2</translation>
    </message>
    <message>
        <source>radio %1 %2</source>
        <translation>radyo %1 %2</translation>
    </message>
    <message>
        <source>%1 channel shares a number with another channel of its kind</source>
        <translation>%1 kanal, numarasını kendi türünden başka bir kanalla paylaşıyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels share a number with another channel of their kind</source>
        <translation>
            <numerusform>%1 kanal, numarasını kendi türünden başka bir kanalla paylaşıyor</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (satellite %2)</source>
        <translation>%1 (uydu %2)</translation>
    </message>
    <message>
        <source>%1 (transponder %2 of satellite %3)</source>
        <translation>%1 (%3 uydusunun %2 transponderi)</translation>
    </message>
    <message>
        <source>%1 (multiplex %2)</source>
        <translation>%1 (multipleks %2)</translation>
    </message>
    <message>
        <source>%1 (provider %2)</source>
        <translation>%1 (yayıncı %2)</translation>
    </message>
    <message>
        <source>transponder %1 MHz (satellite %2)</source>
        <translation>transponder %1 MHz (uydu %2)</translation>
    </message>
    <message>
        <source>%1 channel names a satellite the list does not have</source>
        <translation>%1 kanal listede olmayan bir uyduyu gösteriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 kanal listede olmayan bir uyduyu gösteriyor</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a transponder the list does not have</source>
        <translation>%1 kanal listede olmayan bir transponderi gösteriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a transponder the list does not have</source>
        <translation>
            <numerusform>%1 kanal listede olmayan bir transponderi gösteriyor</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a multiplex the list does not have</source>
        <translation>%1 kanal listede olmayan bir multipleksi gösteriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a multiplex the list does not have</source>
        <translation>
            <numerusform>%1 kanal listede olmayan bir multipleksi gösteriyor</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a provider the list does not have</source>
        <translation>%1 kanal listede olmayan bir yayıncıyı gösteriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a provider the list does not have</source>
        <translation>
            <numerusform>%1 kanal listede olmayan bir yayıncıyı gösteriyor</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder names a satellite the list does not have</source>
        <translation>%1 transponder listede olmayan bir uyduyu gösteriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 transponder listede olmayan bir uyduyu gösteriyor</numerusform>
        </translation>
    </message>
    <message>
        <source>favourite list %1 (TV)</source>
        <translation>favori listesi %1 (TV)</translation>
    </message>
    <message>
        <source>favourite list %1 (radio)</source>
        <translation>favori listesi %1 (radyo)</translation>
    </message>
    <message>
        <source>%1 favourite list has positions that repeat or leave holes</source>
        <translation>%1 favori listesinde yinelenen ya da boşluk bırakan konumlar var</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists have positions that repeat or leave holes</source>
        <translation>
            <numerusform>%1 favori listesinde yinelenen ya da boşluk bırakan konumlar var</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>uydu %1</translation>
    </message>
    <message>
        <source>provider %1</source>
        <translation>yayıncı %1</translation>
    </message>
    <message>
        <source>%1 name holds characters the receiver cannot show</source>
        <translation>%1 ad, alıcının gösteremeyeceği karakterler içeriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 names hold characters the receiver cannot show</source>
        <translation>
            <numerusform>%1 ad, alıcının gösteremeyeceği karakterler içeriyor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark neither TV nor radio</source>
        <translation>
            <numerusform>%1 satır ne TV ne radyo olarak işaretli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark both TV and radio</source>
        <translation>
            <numerusform>%1 satır hem TV hem radyo olarak işaretli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have the number 0</source>
        <translation>
            <numerusform>%1 satırın numarası 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have no name</source>
        <translation>
            <numerusform>%1 satırın adı yok</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name satellite %2, which the image does not have</source>
        <translation>%1 satır, imajda olmayan %2 uydusunu gösteriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 name satellites %2, which the image does not have</source>
        <translation>
            <numerusform>%1 satır, imajda olmayan %2 uydularını gösteriyor</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name transponder %2, which the image does not have on their satellite</source>
        <translation>%1 satır, imajda uydularında olmayan %2 transponderini gösteriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 name transponders %2, which the image does not have on their satellite</source>
        <translation>
            <numerusform>%1 satır, imajda uydularında olmayan %2 transponderlerini gösteriyor</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name multiplex %2, which the image does not have</source>
        <translation>%1 satır, imajda olmayan %2 multipleksini gösteriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 name multiplexes %2, which the image does not have</source>
        <translation>
            <numerusform>%1 satır, imajda olmayan %2 multiplekslerini gösteriyor</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name provider %2, which the image does not have</source>
        <translation>%1 satır, imajda olmayan %2 yayıncısını gösteriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 name providers %2, which the image does not have</source>
        <translation>
            <numerusform>%1 satır, imajda olmayan %2 yayıncılarını gösteriyor</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the %1 row of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>Channel’daki satır içe aktarılamıyor: %2. Kanal listesi değiştirilmedi.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 rows of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>
            <numerusform>Channel’daki %1 satırın hiçbiri içe aktarılamıyor: %2. Kanal listesi değiştirilmedi.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 row of Channel was not imported: %2.</source>
        <translation>Channel’daki %1 satır içe aktarılmadı: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel were not imported: %2.</source>
        <translation>
            <numerusform>Channel’daki %1 satır içe aktarılmadı: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of the rows imported, %1; the check before Save and Send lists them.</source>
        <translation>İçe aktarılan satırlardan %1; kaydetme ve gönderme öncesindeki denetim bunları listeler.</translation>
    </message>
    <message>
        <source>%1 row of Channel had a number that an earlier row has and now follows the last channel of its kind.</source>
        <translation>Channel’daki %1 satırın numarası daha önceki bir satırda vardı; satır artık kendi türünün son kanalından sonra geliyor.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel had a number that earlier rows have and now follow the last channels of their kind.</source>
        <translation>
            <numerusform>Channel’daki %1 satırın numarası daha önceki satırlarda vardı; bu satırlar artık kendi türlerinin son kanallarından sonra geliyor.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 uydu</translation>
    </message>
    <message numerus="yes">
        <source>%1 satellites</source>
        <translation>
            <numerusform>%1 uydu</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 kanal</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels</source>
        <translation>
            <numerusform>%1 kanal</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged, %6 deleted with %7.</source>
        <translation>Eklenen: %1, güncellenen: %2; transponderler — eklenen: %3, değiştirilen: %4, değişmeyen: %5, silinen: %6 (%7 ile birlikte).</translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged.</source>
        <translation>Eklenen: %1, güncellenen: %2; transponderler — eklenen: %3, değiştirilen: %4, değişmeyen: %5.</translation>
    </message>
    <message>
        <source>%1 transponder of the list the file no longer has was kept:</source>
        <translation>Dosyada artık bulunmayan %1 liste transponderi korundu:</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the list the file no longer has were kept:</source>
        <translation>
            <numerusform>Dosyada artık bulunmayan %1 liste transponderi korundu:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a frequency outside 1 to 65,535 MHz</source>
        <translation>
            <numerusform>%1 tanesinin frekansı 1–65.535 MHz aralığının dışında</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a symbol rate outside 1 to 65,535 kS/s</source>
        <translation>
            <numerusform>%1 tanesinin sembol hızı 1–65.535 kS/s aralığının dışında</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 16APSK or 32APSK, which the receiver cannot hold</source>
        <translation>
            <numerusform>%1 tanesi alıcının tutamadığı 16APSK ya da 32APSK</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder of the file was not imported: %2.</source>
        <translation>Dosyadaki %1 transponder içe aktarılmadı: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the file were not imported: %2.</source>
        <translation>
            <numerusform>Dosyadaki %1 transponder içe aktarılmadı: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 circular transponder was taken with left as H and right as V.</source>
        <translation>%1 dairesel transponder, sol H ve sağ V olarak alındı.</translation>
    </message>
    <message numerus="yes">
        <source>%1 circular transponders were taken with left as H and right as V.</source>
        <translation>
            <numerusform>%1 dairesel transponder, sol H ve sağ V olarak alındı.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 FEC the receiver has no name for was taken as Auto.</source>
        <translation>Alıcının adını bilmediği %1 FEC, Auto olarak alındı.</translation>
    </message>
    <message numerus="yes">
        <source>%1 FECs the receiver has no name for were taken as Auto.</source>
        <translation>
            <numerusform>Alıcının adını bilmediği %1 FEC, Auto olarak alındı.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 DVB-S2 transponder was taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>%1 DVB-S2 transponderi, bu alıcının kayıtlarında bulunmayan DVB-S2 işareti olmadan alındı.</translation>
    </message>
    <message numerus="yes">
        <source>%1 DVB-S2 transponders were taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>
            <numerusform>%1 DVB-S2 transponderi, bu alıcının kayıtlarında bulunmayan DVB-S2 işareti olmadan alındı.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The other list has no channels that this list lacks.</source>
        <translation>Diğer listede bu listede eksik olan kanal yok.</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 multipleks</translation>
    </message>
    <message numerus="yes">
        <source>%1 multiplexes</source>
        <translation>
            <numerusform>%1 multipleks</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 yayıncı</translation>
    </message>
    <message numerus="yes">
        <source>%1 providers</source>
        <translation>
            <numerusform>%1 yayıncı</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>Eklenenler: %1.</translation>
    </message>
    <message>
        <source>The favourite tree</source>
        <translation>Favori ağacı</translation>
    </message>
    <message>
        <source>%1 favourite list</source>
        <translation>%1 favori listesi</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists</source>
        <translation>
            <numerusform>%1 favori listesi</numerusform>
        </translation>
    </message>
    <message>
        <source>The satellite list</source>
        <translation>Uydu listesi</translation>
    </message>
    <message>
        <source>The broadcaster list</source>
        <translation>Yayıncı listesi</translation>
    </message>
    <message>
        <source>%1 broadcaster</source>
        <translation>%1 yayıncı</translation>
    </message>
    <message numerus="yes">
        <source>%1 broadcasters</source>
        <translation>
            <numerusform>%1 yayıncı</numerusform>
        </translation>
    </message>
    <message>
        <source>The transponder list</source>
        <translation>Transponder listesi</translation>
    </message>
    <message>
        <source>The cable multiplex list</source>
        <translation>Kablo multipleksi listesi</translation>
    </message>
    <message>
        <source>%1 cable multiplex</source>
        <translation>%1 kablo multipleksi</translation>
    </message>
    <message numerus="yes">
        <source>%1 cable multiplexes</source>
        <translation>
            <numerusform>%1 kablo multipleksi</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel list</source>
        <translation>Kanal listesi</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds none. Remove %3 and save again.</source>
        <translation>%1 içinde %2 var, ancak bu alıcıda hiç yer yok. %3 kaldırıp yeniden kaydedin.</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds at most %4. Remove %3 and save again.</source>
        <translation>%1 içinde %2 var, ancak bu alıcı en fazla %4 tutabiliyor. %3 kaldırıp yeniden kaydedin.</translation>
    </message>
    <message>
        <source>The reference list holds no channels. Nothing was changed.</source>
        <translation>Referans listede kanal yok. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message numerus="yes">
        <source>The numbers after the reference&apos;s highest number %1 leave no room for %2 channels that it does not hold. Nothing was changed.</source>
        <translation>
            <numerusform>Referansın en yüksek numarası %1 sonrasında, referansta olmayan %2 kanala yer kalmıyor. Hiçbir şey değiştirilmedi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Favourite list %1 has no room after the reference&apos;s positions. Nothing was changed.</source>
        <translation>Favori listesi %1 içinde referansın konumlarından sonra yer yok. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 &quot;%2&quot;, %3 ile %4 arasında bir sayı değil</translation>
    </message>
    <message>
        <source>line 1: the column %1 is named twice</source>
        <translation>satır 1: %1 sütunu iki kez adlandırılmış</translation>
    </message>
    <message>
        <source>line 1 names none of the columns of the &quot;Channel&quot; sheet (ProgramNum, CAS, Favorite, ... ServiceType)</source>
        <translation>satır 1, &quot;Channel&quot; sayfasının sütunlarından hiçbirini içermiyor (ProgramNum, CAS, Favorite, ... ServiceType)</translation>
    </message>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>satır %1 içinde %2 alan var, başlıkta %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. The channel list was not changed.</source>
        <translation>CSV dosyası okunamıyor: %1. Kanal listesi değiştirilmedi.</translation>
    </message>
    <message>
        <source>The CSV file is empty: it has no header row. The channel list was not changed.</source>
        <translation>CSV dosyası boş: başlık satırı yok. Kanal listesi değiştirilmedi.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the CSV file. The channel list was not changed.</source>
        <translation>CSV dosyasını okumak için yeterli bellek yok. Kanal listesi değiştirilmedi.</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>tırnak içindeki bir alan kapatılmamış</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>kapanış tırnağından sonra metin var</translation>
    </message>
    <message>
        <source>a quote stands inside a field that is not quoted</source>
        <translation>tırnak içinde olmayan bir alanda tırnak işareti var</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a channel number from 1 to 65535. Nothing was changed.</source>
        <translation>Satır %1: &quot;%2&quot;, 1 ile 65535 arasında bir kanal numarası değil. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two TV channels on number %3. Nothing was changed.</source>
        <translation>Satır %1 ve %2, iki TV kanalını %3 numarasına koyuyor. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two radio channels on number %3. Nothing was changed.</source>
        <translation>Satır %1 ve %2, iki radyo kanalını %3 numarasına koyuyor. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two other channels on number %3. Nothing was changed.</source>
        <translation>Satır %1 ve %2, iki diğer kanalı %3 numarasına koyuyor. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>The first line of the CSV file has no Name column. Nothing was changed.</source>
        <translation>CSV dosyasının ilk satırında Name sütunu yok. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. Nothing was changed.</source>
        <translation>CSV dosyası okunamıyor: %1. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>The CSV file is empty. Nothing was changed.</source>
        <translation>CSV dosyası boş. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Line %1 comes after number 65535. Nothing was changed.</source>
        <translation>Satır %1, 65535 numarasından sonraya düşüyor. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 okunamıyor</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 names of the list is a channel of this list. Nothing was changed.</source>
        <translation>
            <numerusform>Listedeki %1 addan hiçbiri bu listenin bir kanalı değil. Hiçbir şey değiştirilmedi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reference list holds no channels</source>
        <translation>Referans listede kanal yok</translation>
    </message>
    <message>
        <source>There is not enough memory to read the reference list. Nothing was changed.</source>
        <translation>Referans listeyi okumak için yeterli bellek yok. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>This receiver has no satellites. Nothing was changed.</source>
        <translation>Bu alıcıda uydu yok. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>No satellite ID is left for %1. Nothing was changed.</source>
        <translation>%1 için boş uydu kimliği kalmadı. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Satellite %1 has no transponder number left. Nothing was changed.</source>
        <translation>%1 uydusunda boş transponder numarası kalmadı. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>the file has more than %1 elements, more than any transponder list</source>
        <translation>dosyada %1 öğeden fazlası var, hiçbir transponder listesinde bu kadar yok</translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no transponder list is</source>
        <translation>öğeler %1 düzeyden derin iç içe, hiçbir transponder listesi böyle değil</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no %2</source>
        <translation>&lt;%1&gt; öğesinde %2 yok</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1=&quot;%2&quot;, %3 ile %4 arasında bir sayı değil</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, more than any transponder list.</source>
        <translation>Dosya %1 bayttan büyük, hiçbir transponder listesi bu kadar büyük değil.</translation>
    </message>
    <message>
        <source>the XML is malformed (%1)</source>
        <translation>XML bozuk (%1)</translation>
    </message>
    <message>
        <source>the file has no &lt;satellites&gt; element</source>
        <translation>dosyada &lt;satellites&gt; öğesi yok</translation>
    </message>
    <message>
        <source>There is not enough memory to read %1.</source>
        <translation>%1 dosyasını okumak için yeterli bellek yok.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last TV channel leave no room for %1.</source>
        <translation>Bu listenin son TV kanalından sonra %1 için yer kalmıyor.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last radio channel leave no room for %1.</source>
        <translation>Bu listenin son radyo kanalından sonra %1 için yer kalmıyor.</translation>
    </message>
    <message>
        <source>Favourite list %1 has no room for the channels to add.</source>
        <translation>Favori listesi %1 içinde eklenecek kanallara yer yok.</translation>
    </message>
    <message>
        <source>The channel table has no key left.</source>
        <translation>Kanal tablosunda boş anahtar kalmadı.</translation>
    </message>
    <message>
        <source>This list has no multiplex number left for %1.</source>
        <translation>Bu listede %1 için boş multipleks numarası kalmadı.</translation>
    </message>
    <message>
        <source>The multiplex at %1 MHz cannot be added: this list has another multiplex with its number.</source>
        <translation>%1 MHz üzerindeki multipleks eklenemiyor: bu listede aynı numaralı başka bir multipleks var.</translation>
    </message>
    <message>
        <source>The multiplex table has no key left.</source>
        <translation>Multipleks tablosunda boş anahtar kalmadı.</translation>
    </message>
    <message>
        <source>This list has no satellite number left for %1.</source>
        <translation>Bu listede %1 için boş uydu numarası kalmadı.</translation>
    </message>
    <message>
        <source>The satellite table has no key left.</source>
        <translation>Uydu tablosunda boş anahtar kalmadı.</translation>
    </message>
    <message>
        <source>The transponder table has no key left.</source>
        <translation>Transponder tablosunda boş anahtar kalmadı.</translation>
    </message>
    <message>
        <source>The satellite at %1 has no transponder number left.</source>
        <translation>%1 uydusunda boş transponder numarası kalmadı.</translation>
    </message>
    <message>
        <source>This list has no provider number left.</source>
        <translation>Bu listede boş sağlayıcı numarası kalmadı.</translation>
    </message>
    <message>
        <source>The provider table has no key left.</source>
        <translation>Sağlayıcı tablosunda boş anahtar kalmadı.</translation>
    </message>
    <message>
        <source>cannot read back the received file %1</source>
        <translation>alınan %1 dosyası geri okunamıyor</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 okunamıyor</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to send</source>
        <translation>%1 boş: gönderilecek bir şey yok</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Aktarım iptal edildi</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>Gönderen aktarımı iptal etti</translation>
    </message>
    <message>
        <source>The line closed: %1</source>
        <translation>Hat kapandı: %1</translation>
    </message>
    <message numerus="yes">
        <source>The sender went on sending blocks after the announced %1 bytes; transfer abandoned</source>
        <translation>
            <numerusform>Gönderen, bildirilen %1 bayttan sonra da blok göndermeyi sürdürdü; aktarım durduruldu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 arrived damaged %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Blok %1, %2 kez hasarlı geldi; aktarım durduruldu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 never came: block %2 came again %3 times; transfer abandoned</source>
        <translation>
            <numerusform>Blok %1 hiç gelmedi: blok %2, %3 kez yeniden geldi; aktarım durduruldu</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 damaged, %2 repeats of block %3</source>
        <translation>%1 hasarlı, %2 kez blok %3 tekrarı</translation>
    </message>
    <message>
        <source>%1 damaged</source>
        <translation>%1 hasarlı</translation>
    </message>
    <message numerus="yes">
        <source>Block %1 failed %2 times (%3); transfer abandoned</source>
        <translation>
            <numerusform>Blok %1, %2 kez başarısız oldu (%3); aktarım durduruldu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 arrived</source>
        <translation>
            <numerusform>Aktarım, %2 bayt için tanınan %1 içinde bitmedi: %3 geldi</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing arrived within %1: is the other side sending?</source>
        <translation>%1 içinde hiçbir şey gelmedi: karşı taraf gönderiyor mu?</translation>
    </message>
    <message>
        <source>The sender sent data without a file header (a YMODEM batch was expected)</source>
        <translation>Gönderen dosya başlığı olmadan veri gönderdi (YMODEM toplu aktarımı bekleniyordu)</translation>
    </message>
    <message>
        <source>The sender&apos;s file header is not readable</source>
        <translation>Gönderenin dosya başlığı okunamıyor</translation>
    </message>
    <message>
        <source>The sender had no file to send</source>
        <translation>Gönderenin gönderecek dosyası yoktu</translation>
    </message>
    <message>
        <source>The sender did not announce the size of %1; the transfer cannot be checked</source>
        <translation>Gönderen %1 boyutunu bildirmedi; aktarım denetlenemiyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 is too large (%2 bytes; at most %3)</source>
        <translation>
            <numerusform>%1 çok büyük (%2 bayt; en çok %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sender stopped sending: no block for %1, %2 times, after %3 of %4 bytes</source>
        <translation>
            <numerusform>Gönderen göndermeyi bıraktı: %1 boyunca blok yok, %2 kez, %4 baytın %3 kadarından sonra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer ended after %1 of %2 bytes</source>
        <translation>
            <numerusform>Aktarım %2 baytın %1 kadarından sonra bitti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The line closed after %1 of %2 bytes: %3</source>
        <translation>
            <numerusform>Hat %2 baytın %1 kadarından sonra kapandı: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Block sequence lost: expected block %1, got block %2</source>
        <translation>Blok sırası kayboldu: blok %1 bekleniyordu, blok %2 geldi</translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 were acknowledged</source>
        <translation>
            <numerusform>Aktarım, %2 bayt için tanınan %1 içinde bitmedi: %3 onaylandı</numerusform>
        </translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Alıcı aktarımı iptal etti</translation>
    </message>
    <message>
        <source>The receiver asks for the old checksum mode; only CRC-16 is supported</source>
        <translation>Alıcı eski sağlama toplamı kipini istiyor; yalnızca CRC-16 destekleniyor</translation>
    </message>
    <message>
        <source>The receiver did not ask for %1 within %2</source>
        <translation>Alıcı %2 içinde istemedi: %1</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>dosya sonu</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>blok %1</translation>
    </message>
    <message numerus="yes">
        <source>The receiver stopped answering: no reply to %1 within %2, %3 times</source>
        <translation>
            <numerusform>Alıcı yanıt vermiyor: %2 içinde yanıt yok (%1), %3 kez</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receiver refused %1 %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Alıcı reddetti (%1), %2 kez; aktarım durduruldu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sending %1 failed %2 times (%3 refused); transfer abandoned</source>
        <translation>
            <numerusform>Gönderme başarısız (%1): %2 kez (%3 ret); aktarım durduruldu</numerusform>
        </translation>
    </message>
    <message>
        <source>the file</source>
        <translation>dosya</translation>
    </message>
    <message>
        <source>the data</source>
        <translation>veri</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>transponder %1</translation>
    </message>
    <message>
        <source>other %1 %2</source>
        <translation>diğer %1 %2</translation>
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
        <translation>kilitli</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>atlanan</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>şifreli</translation>
    </message>
    <message>
        <source>cable %1</source>
        <translation>kablo %1</translation>
    </message>
    <message>
        <source>terrestrial %1</source>
        <translation>karasal %1</translation>
    </message>
    <message>
        <source>There is not enough memory to open %1.</source>
        <translation>%1 dosyasını açmak için yeterli bellek yok.</translation>
    </message>
    <message>
        <source>a receiver image</source>
        <translation>bir alıcı görüntüsü</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>bir CSV dosyası</translation>
    </message>
    <message>
        <source>a channel list</source>
        <translation>bir kanal listesi</translation>
    </message>
    <message>
        <source>a satellites.xml file</source>
        <translation>bir satellites.xml dosyası</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 okunamıyor: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not %2.</source>
        <translation>%1 bir klasör, %2 değil.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so it cannot be %2.</source>
        <translation>%1 normal bir dosya değil, bu yüzden %2 olamaz.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %2 bytes, more than %3 can have (at most %4 bytes).</source>
        <translation>
            <numerusform>%1 %2 bayt; %3 en fazla %4 bayt olabilir.</numerusform>
        </translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>dosya erken bitti</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 açılamıyor: %2.</translation>
    </message>
    <message>
        <source>%1 The channel list was not changed.</source>
        <translation>%1 Kanal listesi değiştirilmedi.</translation>
    </message>
    <message>
        <source>serial %1 at %2 baud</source>
        <translation>seri %1, %2 baud</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>TCP bağlantı noktası %1</translation>
    </message>
    <message>
        <source>TCP port %1 on %2</source>
        <translation>%2 üzerinde TCP bağlantı noktası %1</translation>
    </message>
    <message>
        <source>%1 baud is not a rate a serial port can be set to</source>
        <translation>%1 baud, bir seri bağlantı noktasının ayarlanabileceği bir hız değil</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 açılamıyor: %2</translation>
    </message>
    <message>
        <source>%1 is not a serial port: %2</source>
        <translation>%1 bir seri bağlantı noktası değil: %2</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>%1 ayarlanamıyor: %2</translation>
    </message>
    <message>
        <source>cannot find %1: %2</source>
        <translation>%1 bulunamıyor: %2</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>%1 ile bağlantı kurulamıyor</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>%1 ile bağlantı kurulamıyor: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>%1 üzerinde dinlenemiyor: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1</source>
        <translation>%1 üzerinde dinlenemiyor</translation>
    </message>
    <message>
        <source>not listening</source>
        <translation>dinleme yapılmıyor</translation>
    </message>
    <message>
        <source>Nobody connected to port %1 within %2</source>
        <translation>%2 içinde %1 bağlantı noktasına kimse bağlanmadı</translation>
    </message>
    <message>
        <source>accept: %1</source>
        <translation>bağlantı kabul edilemedi: %1</translation>
    </message>
    <message>
        <source>there is no working copy (it could not be created in the temporary directory)</source>
        <translation>çalışma kopyası yok (geçici klasörde oluşturulamadı)</translation>
    </message>
    <message>
        <source>Could not allocate memory</source>
        <translation>Bellek ayrılamadı</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>Etiket türü belirlenemedi</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>Belge bildiriminde veya işleme talimatında hata</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>Açıklamada hata</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>CDATA bölümünde hata</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>Belge türü bildiriminde hata</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>Öğe metninde hata (PCDATA)</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>Açılış etiketinde hata</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>Öznitelikte hata</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>Kapanış etiketinde hata</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>Açılış ve kapanış etiketleri uyuşmuyor</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>Belge öğesi bulunamadı</translation>
    </message>
    <message>
        <source>keeping the old file as %1: %2</source>
        <translation>eski dosya %1 olarak saklanırken: %2</translation>
    </message>
    <message>
        <source>no file open for %1</source>
        <translation>%1 için açık dosya yok</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 normal bir dosya değil</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>%1 içinde dosya oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>%1 kilitlenemiyor: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1: %2</source>
        <translation>%1 izinleri ayarlanamıyor: %2</translation>
    </message>
    <message>
        <source>writing %1: %2</source>
        <translation>%1 yazılırken: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>writing %1 to disk: %2</source>
        <translation>%1 diske yazılırken: %2</translation>
    </message>
    <message>
        <source>closing %1: %2</source>
        <translation>%1 kapatılırken: %2</translation>
    </message>
    <message>
        <source>replacing %1: %2</source>
        <translation>%1 değiştirilirken: %2</translation>
    </message>
    <message>
        <source>This receiver&apos;s flash layout is not valid: %1.</source>
        <translation>Bu alıcının flaş bellek düzeni geçersiz: %1.</translation>
    </message>
    <message>
        <source>sector size %1</source>
        <translation>sektör boyutu %1</translation>
    </message>
    <message>
        <source>favourite</source>
        <translation>favori</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>uydu</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>yayıncı</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transponder</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>kanal</translation>
    </message>
    <message>
        <source>the %1 block has a negative value</source>
        <translation>%1 bloğunda negatif bir değer var</translation>
    </message>
    <message>
        <source>the %1 block starts too far out</source>
        <translation>%1 bloğu çok ileride başlıyor</translation>
    </message>
    <message>
        <source>a negative multiplex count</source>
        <translation>negatif bir multipleks sayısı</translation>
    </message>
    <message>
        <source>the single block is larger than any receiver&apos;s image</source>
        <translation>tek blok, hiçbir alıcı görüntüsüne sığmayacak kadar büyük</translation>
    </message>
    <message>
        <source>the %1 block reaches beyond any receiver&apos;s image</source>
        <translation>%1 bloğu her alıcı görüntüsünün ötesine uzanıyor</translation>
    </message>
    <message>
        <source>%1 Nothing was written. Save the channels under another name.</source>
        <translation>%1 Hiçbir şey yazılmadı. Kanalları başka bir adla kaydedin.</translation>
    </message>
    <message>
        <source>The workbook has no sheet named &quot;Channel&quot;.</source>
        <translation>Çalışma kitabında “Channel” adlı bir sayfa yok.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the workbook.</source>
        <translation>Çalışma kitabını okumak için yeterli bellek yok.</translation>
    </message>
    <message>
        <source>The channel list has %1 channels, but a workbook sheet holds at most %2. Remove %3 channels and save again.</source>
        <translation>Kanal listesinde %1 kanal var, ancak bir çalışma kitabı sayfası en fazla %2 kanal alır. %3 kanalı silip yeniden kaydedin.</translation>
    </message>
    <message>
        <source>%1 Its other contents could not be kept, so nothing was written. Save the channels under another name.</source>
        <translation>%1 Diğer içeriği korunamayacağından hiçbir şey yazılmadı. Kanalları başka bir adla kaydedin.</translation>
    </message>
    <message>
        <source>No workbook was read.</source>
        <translation>Hiçbir çalışma kitabı okunmadı.</translation>
    </message>
    <message>
        <source>The workbook was not read from a file.</source>
        <translation>Çalışma kitabı bir dosyadan okunmadı.</translation>
    </message>
    <message>
        <source>The workbook is damaged: a stream of its compound file cannot be read.</source>
        <translation>Çalışma kitabı hasarlı: bileşik dosyasının bir akışı okunamıyor.</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook (.xls).</source>
        <translation>Dosya bir Excel 97-2003 çalışma kitabı (.xls) değil.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its sector tables or its directory cannot be read.</source>
        <translation>Çalışma kitabı hasarlı: sektör tabloları veya dizini okunamıyor.</translation>
    </message>
    <message>
        <source>The file holds no &quot;Workbook&quot; stream, so it is not an Excel 97-2003 workbook.</source>
        <translation>Dosyada “Workbook” akışı yok, bu yüzden bir Excel 97-2003 çalışma kitabı değil.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its &quot;Workbook&quot; stream ends early or its sectors are chained wrongly.</source>
        <translation>Çalışma kitabı hasarlı: “Workbook” akışı erken bitiyor veya sektörleri yanlış bağlanmış.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its table of shared strings cannot be read.</source>
        <translation>Çalışma kitabı hasarlı: paylaşılan metin tablosu okunamıyor.</translation>
    </message>
    <message>
        <source>The workbook is protected with a password, so it cannot be read.</source>
        <translation>Çalışma kitabı parolayla korunuyor, bu yüzden okunamıyor.</translation>
    </message>
    <message>
        <source>The workbook holds more cells or sheets than this program reads.</source>
        <translation>Çalışma kitabı bu programın okuduğundan daha fazla hücre veya sayfa içeriyor.</translation>
    </message>
    <message>
        <source>an Excel workbook</source>
        <translation>bir Excel çalışma kitabı</translation>
    </message>
    <message>
        <source>A text of more than 255 characters cannot be added to this workbook.</source>
        <translation>Bu çalışma kitabına 255 karakterden uzun bir metin eklenemez.</translation>
    </message>
    <message>
        <source>The workbook is too large to be written.</source>
        <translation>Çalışma kitabı yazılamayacak kadar büyük.</translation>
    </message>
    <message>
        <source>The file has no satellite at %1. Nothing was changed.</source>
        <translation>Dosyada %1 konumunda uydu yok. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>There is not enough memory to write the CSV file.</source>
        <translation>CSV dosyasını yazmak için yeterli bellek yok.</translation>
    </message>
</context>
</TS>
