<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CBroadcastGridCtrl</name>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Изменить</translation>
    </message>
</context>
<context>
    <name>CCaptionLine</name>
    <message>
        <source>%1 satellite</source>
        <translation>Спутников: %1</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>Спутников: %1</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>Транспондеров: %1</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>Транспондеров: %1</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>Мультиплексов: %1</translation>
    </message>
    <message>
        <source>%1 multiplexes</source>
        <translation>Мультиплексов: %1</translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>Провайдеров: %1</translation>
    </message>
    <message>
        <source>%1 providers</source>
        <translation>Провайдеров: %1</translation>
    </message>
    <message>
        <source>%1 list</source>
        <translation>Списков: %1</translation>
    </message>
    <message>
        <source>%1 lists</source>
        <translation>Списков: %1</translation>
    </message>
</context>
<context>
    <name>CChannelForm</name>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Логический номер</translation>
    </message>
    <message>
        <source>Shown number</source>
        <translation>Отображаемый номер</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID службы</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Исходный ID сети</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>ID транспортного потока</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID видео</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID аудио</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Audio streams</source>
        <translation>Звуковые дорожки</translation>
    </message>
    <message>
        <source>Subtitle streams</source>
        <translation>Дорожки субтитров</translation>
    </message>
    <message>
        <source>CAS (hex)</source>
        <translation>CAS (шестн.)</translation>
    </message>
    <message>
        <source>Stream type (hex)</source>
        <translation>Тип потока (шестн.)</translation>
    </message>
    <message>
        <source>Code table</source>
        <translation>Кодовая страница</translation>
    </message>
    <message>
        <source>Update Channel</source>
        <translation>Изменение канала</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Новый телеканал</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Новая радиостанция</translation>
    </message>
    <message>
        <source>A new channel is numbered after the last channel of its list.</source>
        <translation>Новый канал получает номер после последнего канала своего списка.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>Не более %1 симв.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Neither TV nor radio</source>
        <translation>Ни ТВ, ни радио</translation>
    </message>
    <message>
        <source>Both TV and radio</source>
        <translation>И ТВ, и радио</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>A new channel takes the genre of the genre list it is made in.</source>
        <translation>Новый канал получает жанр того списка жанра, в котором он создан.</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Жанр</translation>
    </message>
    <message>
        <source>Tuner byte %1</source>
        <translation>Байт тюнера %1</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Тюнер</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокирован</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Кодирован</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропускается</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Приём</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Мультиплекс %1</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>Мультиплекс</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>ID спутника %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Broadcaster ID %1</source>
        <translation>ID провайдера %1</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Transponder %1</source>
        <translation>Транспондер %1</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Потоки</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Списки избранного</translation>
    </message>
    <message>
        <source>%1 must be a hexadecimal number of at most %2 digits.</source>
        <translation>%1: нужно шестнадцатеричное число не длиннее %2 цифр.</translation>
    </message>
</context>
<context>
    <name>CChannelGridCtrl</name>
    <message>
        <source>Search</source>
        <translation>Найти</translation>
    </message>
</context>
<context>
    <name>CChannelListBar</name>
    <message>
        <source>Filter by name (Esc clears)</source>
        <translation>Фильтр по названию (Esc — сброс)</translation>
    </message>
    <message>
        <source>Nothing chosen</source>
        <translation>Ничего не выбрано</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, names with “%2”</source>
        <translation>%1, названия с «%2»</translation>
    </message>
    <message>
        <source>%1 — %2 TV / %3 radio</source>
        <translation>%1 — ТВ: %2 / радио: %3</translation>
    </message>
</context>
<context>
    <name>CDlgCompare</name>
    <message>
        <source>Differences</source>
        <translation>Различия</translation>
    </message>
</context>
<context>
    <name>CDlgInformation</name>
    <message>
        <source>The maker&apos;s form (64-byte header with CRC)</source>
        <translation>Формат производителя (64-байтный заголовок с CRC)</translation>
    </message>
    <message>
        <source>The working form (VX header)</source>
        <translation>Рабочий формат (заголовок VX)</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>спутниковый</translation>
    </message>
    <message>
        <source>terrestrial</source>
        <translation>эфирный</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>кабельный</translation>
    </message>
    <message>
        <source>Model %1, type 0x%2 (%3), byte order %4</source>
        <translation>Модель %1, тип 0x%2 (%3), порядок байтов %4</translation>
    </message>
    <message>
        <source>no reception bits</source>
        <translation>нет битов приёма</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Списки избранного</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Провайдеры</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Эфирные мультиплексы</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Кабельные мультиплексы</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Служебная область</translation>
    </message>
    <message>
        <source>%1 (this receiver does not save them)</source>
        <translation>%1 (этот ресивер их не сохраняет)</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3</source>
        <translation>занято %1 из %2, %3</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>свободно: %1</translation>
    </message>
    <message>
        <source>%1 too many to save</source>
        <translation>не поместится при сохранении: %1</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>ТВ: %1, радио: %2</translation>
    </message>
    <message>
        <source>%1 locked, %2 skipped, %3 scrambled</source>
        <translation>заблокировано: %1, пропускается: %2, кодировано: %3</translation>
    </message>
    <message>
        <source>No duplicate channels</source>
        <translation>Повторяющихся каналов нет</translation>
    </message>
    <message>
        <source>%1 duplicate channels in %2 groups</source>
        <translation>Повторяющихся каналов: %1, групп: %2</translation>
    </message>
    <message>
        <source>CH# %1  %2  (%3, satellite %4, TPID %5, ids %6/%7/%8)</source>
        <translation>№ %1  %2  (%3, спутник %4, TPID %5, ID %6/%7/%8)</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>радио</translation>
    </message>
    <message>
        <source>Header form:</source>
        <translation>Формат заголовка:</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>Изделие:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Каналы:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Признаки:</translation>
    </message>
    <message>
        <source>Duplicates:</source>
        <translation>Повторы:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>The list check finds no problem.</source>
        <translation>Проверка списка не выявила проблем.</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… и ещё %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>%1 channels: %2</source>
        <translation>Каналы (%1): %2</translation>
    </message>
    <message>
        <source>Select them in the channel lists</source>
        <translation>Выделить их в списках каналов</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Повторы</translation>
    </message>
</context>
<context>
    <name>CDlgPrintChoice</name>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Print these lists:</source>
        <translation>Печатать эти списки:</translation>
    </message>
    <message>
        <source>TV list</source>
        <translation>Список ТВ</translation>
    </message>
    <message>
        <source>Radio list</source>
        <translation>Список радио</translation>
    </message>
</context>
<context>
    <name>CDlgPrintPreview</name>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Номер страницы</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
</context>
<context>
    <name>CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Жанр</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>В названии есть символы, которых нет в кодировке Windows-1252.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Изменить</translation>
    </message>
</context>
<context>
    <name>CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Провайдеры</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Избранное</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Провайдеры</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Выбор строки фильтрует списки. Клавиша Menu или Shift+F10 открывает команды; F6 переходит к следующей панели.</translation>
    </message>
    <message>
        <source>Favorite lists and genres</source>
        <translation>Списки избранного и жанры</translation>
    </message>
    <message>
        <source>Choosing a list or a genre shows its channels; F2 renames a favorite list.</source>
        <translation>Выбор списка или жанра показывает его каналы; F2 переименовывает список избранного.</translation>
    </message>
</context>
<context>
    <name>CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Спутники</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Мультиплексы</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Эфир</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Эфирные мультиплексы</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Кабельные мультиплексы</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>Выбор строки фильтрует списки. Клавиша Menu или Shift+F10 открывает команды; F6 переходит к следующей панели.</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. F6 goes to the next pane.</source>
        <translation>Выбор строки фильтрует списки. F6 переходит к следующей панели.</translation>
    </message>
</context>
<context>
    <name>CLinkForm</name>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Последовательный порт</translation>
    </message>
    <message>
        <source>Network (TCP)</source>
        <translation>Сеть (TCP)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Скорость (бод)</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Хост</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>Порт TCP</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Choose the line, press Receive, then start sending on the receiver.</source>
        <translation>Выберите подключение, нажмите «Принять», затем запустите передачу на ресивере.</translation>
    </message>
    <message>
        <source>Choose the line, start receiving on the receiver, then press Send.</source>
        <translation>Выберите подключение, запустите приём на ресивере, затем нажмите «Отправить».</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>Выберите последовательный порт.</translation>
    </message>
    <message>
        <source>Enter the receiver&apos;s host name or address.</source>
        <translation>Введите имя хоста или адрес ресивера.</translation>
    </message>
    <message>
        <source>Connecting: %1</source>
        <translation>Подключение: %1</translation>
    </message>
    <message>
        <source>Waiting for the receiver to send...</source>
        <translation>Ожидание передачи от ресивера...</translation>
    </message>
    <message>
        <source>Waiting for the receiver to ask for the data...</source>
        <translation>Ожидание запроса данных от ресивера...</translation>
    </message>
    <message>
        <source>Transfer failed: %1</source>
        <translation>Ошибка передачи: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Отмена...</translation>
    </message>
</context>
<context>
    <name>CListTools</name>
    <message>
        <source>Compare with…</source>
        <translation>Сравнить с…</translation>
    </message>
    <message>
        <source>Show what another image or workbook has differently</source>
        <translation>Показать, чем отличается другой образ или книга</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Импорт…</translation>
    </message>
    <message>
        <source>Replace the channels by those of a CSV file</source>
        <translation>Заменить каналы каналами из файла CSV</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Write the channels as a CSV file</source>
        <translation>Записать каналы в файл CSV</translation>
    </message>
    <message>
        <source>Import transponders…</source>
        <translation>Импорт транспондеров…</translation>
    </message>
    <message>
        <source>Bring satellites and transponders up to date from a satellites.xml file</source>
        <translation>Обновить спутники и транспондеры из файла satellites.xml</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>Counts, capacity and duplicates of the whole list</source>
        <translation>Количество, ёмкость и повторы во всём списке</translation>
    </message>
    <message>
        <source>Apply order</source>
        <translation>Применить порядок</translation>
    </message>
    <message>
        <source>Number the channels as another list numbers them</source>
        <translation>Пронумеровать каналы так же, как в другом списке</translation>
    </message>
    <message>
        <source>Apply the order of another list</source>
        <translation>Применить порядок другого списка</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>Недостаточно памяти для выполнения команды. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>Ошибка команды: %1</translation>
    </message>
    <message>
        <source>The command failed.</source>
        <translation>Не удалось выполнить команду.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Открыть существующую базу</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Принять базу с ресивера</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Отправить базу на ресивер</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Обновить всё</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Показать сведения о программе, номер версии и авторские права</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Отменить последнее изменение</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Redo the edit undone last</source>
        <translation>Повторить последнее отменённое изменение</translation>
    </message>
    <message>
        <source>Velmar for %1 - 8FAV</source>
        <translation>Velmar для %1 - 8FAV</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартная</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>Следующая панель</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Предыдущая панель</translation>
    </message>
    <message>
        <source>Add to favorite list %1</source>
        <translation>Добавить в список избранного %1</translation>
    </message>
    <message>
        <source>The unsaved edits could not be kept in the recovery file, so a crash would lose them. Save the list to keep them.
%1</source>
        <translation>Не удалось сохранить несохранённые изменения в файле восстановления, поэтому при сбое они будут потеряны. Сохраните список, чтобы не потерять их.
%1</translation>
    </message>
</context>
<context>
    <name>CPrintTools</name>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Print the channel lists or save them as a PDF file</source>
        <translation>Напечатать списки каналов или сохранить их в файл PDF</translation>
    </message>
</context>
<context>
    <name>CRightView</name>
    <message>
        <source>Scrambled</source>
        <translation>Кодирован</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокирован</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропускается</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Тюнер</translation>
    </message>
    <message>
        <source> Channels</source>
        <translation> Каналы</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>Только ТВ</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Только радио</translation>
    </message>
    <message>
        <source>Lists shown</source>
        <translation>Показываемые списки</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>ТВ-каналы</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Радиоканалы</translation>
    </message>
    <message>
        <source>Menu or Shift+F10 opens the commands; Ctrl+1 to Ctrl+8 add the selected channels to favorite list 1 to 8; F6 goes to the next pane.</source>
        <translation>Клавиша Menu или Shift+F10 открывает команды; Ctrl+1–Ctrl+8 добавляют выделенные каналы в списки избранного 1–8; F6 переходит к следующей панели.</translation>
    </message>
</context>
<context>
    <name>CSourceGridCtrl</name>
    <message>
        <source>No satellite ID is free: the highest ID is already 255.</source>
        <translation>Нет свободного ID спутника: наибольший ID уже 255.</translation>
    </message>
    <message>
        <source>No multiplex ID is free: all 255 are in use.</source>
        <translation>Нет свободного ID мультиплекса: заняты все 255.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>В названии есть символы, которых нет в кодировке Windows-1252.</translation>
    </message>
    <message>
        <source>No TPID is free on satellite %1.</source>
        <translation>На спутнике %1 нет свободного TPID.</translation>
    </message>
</context>
<context>
    <name>DeleteCounts</name>
    <message>
        <source>%1 channel is selected.</source>
        <translation>Выбран %1 канал.</translation>
    </message>
    <message>
        <source>%1 channels are selected.</source>
        <translation>Выбрано каналов: %1.</translation>
    </message>
    <message>
        <source>%1 satellite is selected.</source>
        <translation>Выбран %1 спутник.</translation>
    </message>
    <message>
        <source>%1 satellites are selected.</source>
        <translation>Выбрано спутников: %1.</translation>
    </message>
    <message>
        <source>%1 transponder is selected.</source>
        <translation>Выбран %1 транспондер.</translation>
    </message>
    <message>
        <source>%1 transponders are selected.</source>
        <translation>Выбрано транспондеров: %1.</translation>
    </message>
    <message>
        <source>%1 multiplex is selected.</source>
        <translation>Выбран %1 мультиплекс.</translation>
    </message>
    <message>
        <source>%1 multiplexes are selected.</source>
        <translation>Выбрано мультиплексов: %1.</translation>
    </message>
    <message>
        <source>%1 provider is selected.</source>
        <translation>Выбран %1 провайдер.</translation>
    </message>
    <message>
        <source>%1 providers are selected.</source>
        <translation>Выбрано провайдеров: %1.</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 транспондер</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>транспондеры (%1)</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 канал</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>каналы (%1)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>Deleting it also deletes its %1.</source>
        <translation>Вместе с ним будут удалены: %1.</translation>
    </message>
    <message>
        <source>Deleting them also deletes their %1.</source>
        <translation>Вместе с ними будут удалены: %1.</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Мультиплекс %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Receiver:</source>
        <translation>Ресивер:</translation>
    </message>
    <message>
        <source>Show the technical columns (record keys, satellite and transponder numbers, PIDs)</source>
        <translation>Показывать технические столбцы (ключи записей, номера спутников и транспондеров, PID)</translation>
    </message>
    <message>
        <source>The choice takes effect when the program starts again.</source>
        <translation>Выбор вступит в силу после перезапуска программы.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Отправить базу на ресивер</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Принять базу с ресивера</translation>
    </message>
    <message>
        <source>%1 of %2 bytes (%3%), %4 KiB/s</source>
        <translation>%1 из %2 байт (%3%), %4 КиБ/с</translation>
    </message>
    <message>
        <source>This form is not available in this version yet.
Nothing has been changed.</source>
        <translation>Эта форма в данной версии пока недоступна.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Передача отменена</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>Отправитель отменил передачу</translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Ресивер отменил передачу</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>Update Multiplex</source>
        <translation>Изменение мультиплекса</translation>
    </message>
    <message>
        <source>New Multiplex</source>
        <translation>Новый мультиплекс</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Частота (МГц)</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>Симв. скорость (кСим/с)</translation>
    </message>
    <message>
        <source>QAM</source>
        <translation>QAM</translation>
    </message>
    <message>
        <source>Inversion (0-%1)</source>
        <translation>Инверсия (0-%1)</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>ID TS</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID сети</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Исходный ID сети</translation>
    </message>
    <message>
        <source>Update Satellite</source>
        <translation>Изменение спутника</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Новый спутник</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Запад</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Позиция (градусы)</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Group 1</source>
        <translation>Группа 1</translation>
    </message>
    <message>
        <source>Group 2</source>
        <translation>Группа 2</translation>
    </message>
    <message>
        <source>Update Transponder</source>
        <translation>Изменение транспондера</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Новый транспондер</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>ID спутника %1</translation>
    </message>
    <message>
        <source>Choose a satellite</source>
        <translation>Выберите спутник</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>H (horizontal)</source>
        <translation>H (горизонтальная)</translation>
    </message>
    <message>
        <source>V (vertical)</source>
        <translation>V (вертикальная)</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Frequency must be a number of MHz with at most three decimals, up to 4294967.295.</source>
        <translation>Частота должна быть числом МГц не более чем с тремя знаками после точки, до 4294967.295.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>Название содержит символы, которых нет в Windows-1252.</translation>
    </message>
    <message>
        <source>Position must be from 0.0 to 180.0 degrees, with at most one decimal.</source>
        <translation>Позиция должна быть от 0.0 до 180.0 градусов, не более чем с одним знаком после точки.</translation>
    </message>
    <message>
        <source>Satellite must be chosen from the list.</source>
        <translation>Спутник нужно выбрать из списка.</translation>
    </message>
</context>
<context>
    <name>Velmar</name>
    <message>
        <source>Index</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Градусы</translation>
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
        <translation>ID спутн.</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Симв.</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляр.</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>ID провайдера</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>MUX</source>
        <translation>MUX</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Част. (МГц)</translation>
    </message>
    <message>
        <source>NET ID</source>
        <translation>ID сети</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>Исх. NID</translation>
    </message>
    <message>
        <source>Const</source>
        <translation>Созв.</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Инв.</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Метка</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>Режим TX</translation>
    </message>
    <message>
        <source>C.R.</source>
        <translation>Ск. код.</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Созв.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <translation>Защ. инт.</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Приоритет</translation>
    </message>
    <message>
        <source>Velmar for VX-7 and VX-8 satellite receivers - 8FAV</source>
        <translation>Velmar для спутниковых ресиверов VX-7 и VX-8 - 8FAV</translation>
    </message>
    <message>
        <source>About Velmar</source>
        <translation>О программе Velmar</translation>
    </message>
    <message>
        <source>Velmar Version 1.4.6.10 (build:20090929)</source>
        <translation>Velmar, версия 1.4.6.10 (сборка: 20090929)</translation>
    </message>
    <message>
        <source>Channel database editor for digital-TV receivers</source>
        <translation>Редактор базы каналов для ресиверов цифрового ТВ</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Не удаётся открыть файл, или версия файла неверна</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Не удаётся сохранить файл каналов</translation>
    </message>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Не удаётся прочитать заголовок файла. Продолжить?</translation>
    </message>
    <message>
        <source>Cannot open file %s.</source>
        <translation>Не удаётся открыть файл %s.</translation>
    </message>
    <message>
        <source>The channel data has changed since it was opened or saved. Save the changes?</source>
        <translation>Данные каналов изменились после открытия или сохранения. Сохранить изменения?</translation>
    </message>
    <message>
        <source>The image was opened, but its working copy in the temporary directory could not be written. The channel list is complete in memory and saves as usual.</source>
        <translation>Образ открыт, но его рабочую копию не удалось записать во временный каталог. Список каналов полностью находится в памяти и сохраняется как обычно.</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Save it anyway?</source>
        <translation>В списке каналов есть проблемы, с которыми ресивер может не справиться. Всё равно сохранить?</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Send it anyway?</source>
        <translation>В списке каналов есть проблемы, с которыми ресивер может не справиться. Всё равно отправить?</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Всё равно сохранить</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Всё равно отправить</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Загрузка данных каналов</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Сохранение данных каналов</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Сохранение стандартных данных каналов</translation>
    </message>
    <message>
        <source>Local file (*.h)|*.bin|All Files(*.*)|*.*||</source>
        <translation>Локальный файл (*.h)|*.bin|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Теперь нужно перезапустить программу.</translation>
    </message>
    <message>
        <source>Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>Двоичный файл (*.bin)|*.bin|Файл Excel (*.xls)|*.xls|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>Локальный файл (*.bin)|*.bin|Файл Excel (*.xls)|*.xls|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Удалить выбранные элементы?</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size</source>
        <translation>Не удаётся изменить название избранного: не совпадает длина строки.</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Нельзя копировать радиостанции в телеканалы</translation>
    </message>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>Нельзя копировать телеканалы в радиостанции</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Нельзя перемещать радиостанции в телеканалы</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>Нельзя перемещать телеканалы в радиостанции</translation>
    </message>
    <message>
        <source>Broadcast Name : %s (ID : %d)</source>
        <translation>Провайдер: %s (ID: %d)</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Данные для отправки пусты или неверны</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Эфир</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>Мультиплекс</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Жанр</translation>
    </message>
    <message>
        <source>Fav</source>
        <translation>Изб.</translation>
    </message>
    <message>
        <source>SatID</source>
        <translation>ID спутн.</translation>
    </message>
    <message>
        <source>CH#</source>
        <translation>№</translation>
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
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Символьная скорость</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>Логический номер</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID службы</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID видео</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID аудио</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокирован</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Кодирован</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропускается</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Тюнер</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Выделить всё      Ctrl+A</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Тюнер 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Тюнер 2</translation>
    </message>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>Создать...        	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Изменить...</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Копировать          	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Вставить         	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Переместить сюда</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Блокировка...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Пропуск...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Выделить...</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>Обратить выделение</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Найти...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Описание...	Enter</translation>
    </message>
    <message>
        <source>New...            Ctrl+N</source>
        <translation>Создать...            Ctrl+N</translation>
    </message>
    <message>
        <source>Delete             Delete</source>
        <translation>Удалить             Delete</translation>
    </message>
    <message>
        <source>Description...   Enter</source>
        <translation>Описание...   Enter</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Удалить        	Delete</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Убрать из избранного</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Lock On</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>Lock Off</source>
        <translation>Снятие блокировки</translation>
    </message>
    <message>
        <source>Skip On</source>
        <translation>Включение пропуска</translation>
    </message>
    <message>
        <source>Skip Off</source>
        <translation>Отключение пропуска</translation>
    </message>
    <message>
        <source>Set satellite</source>
        <translation>Назначение спутника</translation>
    </message>
    <message>
        <source>Set multiplex</source>
        <translation>Назначение мультиплекса</translation>
    </message>
    <message>
        <source>Set transponder</source>
        <translation>Назначение транспондера</translation>
    </message>
    <message>
        <source>Set broadcaster</source>
        <translation>Назначение провайдера</translation>
    </message>
    <message>
        <source>Add to favourite list</source>
        <translation>Добавление в избранное</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Назначение жанра</translation>
    </message>
    <message>
        <source>Move channels</source>
        <translation>Перемещение каналов</translation>
    </message>
    <message>
        <source>Reorder favourite list</source>
        <translation>Изменение порядка избранного</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Создание спутника</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Изменение спутника</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Удаление спутника</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Создание транспондера</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Изменение транспондера</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Удаление транспондера</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Перемещение транспондеров</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Создание мультиплекса</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Изменение мультиплекса</translation>
    </message>
    <message>
        <source>Delete multiplex</source>
        <translation>Удаление мультиплекса</translation>
    </message>
    <message>
        <source>New broadcaster</source>
        <translation>Создание провайдера</translation>
    </message>
    <message>
        <source>Update broadcaster</source>
        <translation>Изменение провайдера</translation>
    </message>
    <message>
        <source>Delete broadcaster</source>
        <translation>Удаление провайдера</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Переименование списка избранного</translation>
    </message>
    <message>
        <source>Import workbook</source>
        <translation>Импорт книги</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Применение порядка</translation>
    </message>
    <message>
        <source>Add to this list</source>
        <translation>Добавление в этот список</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Импорт CSV</translation>
    </message>
    <message>
        <source>Import transponders</source>
        <translation>Импорт транспондеров</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Кино</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Новости и факты</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Развлечения</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Спорт</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Детское</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Познавательное</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Образование</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Стиль жизни</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Драма</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Искусство</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Актуальное</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Особое</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Комедия</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Документальное</translation>
    </message>
    <message>
        <source>Compare with another list</source>
        <translation>Сравнить с другим списком</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>Differences between this list and %1: %2</source>
        <translation>Различия между этим списком и %1: %2</translation>
    </message>
    <message>
        <source>The two lists are the same.</source>
        <translation>Оба списка одинаковы.</translation>
    </message>
    <message>
        <source>The other list has no satellites: the channels&apos; tuning was compared by their ids.</source>
        <translation>В другом списке нет спутников: настройки каналов сравнивались по их идентификаторам.</translation>
    </message>
    <message>
        <source>Only in this list</source>
        <translation>Только в этом списке</translation>
    </message>
    <message>
        <source>Only in the other list</source>
        <translation>Только в другом списке</translation>
    </message>
    <message>
        <source>Number changed</source>
        <translation>Изменён номер</translation>
    </message>
    <message>
        <source>Name changed</source>
        <translation>Изменено название</translation>
    </message>
    <message>
        <source>Tuning changed</source>
        <translation>Изменена настройка</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Изменены признаки</translation>
    </message>
    <message>
        <source>Favourite lists changed</source>
        <translation>Изменены списки избранного</translation>
    </message>
    <message>
        <source>Satellites only in this list</source>
        <translation>Спутники только в этом списке</translation>
    </message>
    <message>
        <source>Satellites only in the other list</source>
        <translation>Спутники только в другом списке</translation>
    </message>
    <message>
        <source>Satellite renamed</source>
        <translation>Спутник переименован</translation>
    </message>
    <message>
        <source>Transponders only in this list</source>
        <translation>Транспондеры только в этом списке</translation>
    </message>
    <message>
        <source>Transponders only in the other list</source>
        <translation>Транспондеры только в другом списке</translation>
    </message>
    <message>
        <source>Transponder changed</source>
        <translation>Транспондер изменён</translation>
    </message>
    <message>
        <source>Multiplexes only in this list</source>
        <translation>Мультиплексы только в этом списке</translation>
    </message>
    <message>
        <source>Multiplexes only in the other list</source>
        <translation>Мультиплексы только в другом списке</translation>
    </message>
    <message>
        <source>Multiplex changed</source>
        <translation>Мультиплекс изменён</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Импорт каналов из CSV</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Экспорт каналов в CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|All Files(*.*)|*.*||</source>
        <translation>Файл CSV (*.csv)|*.csv|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Импорт транспондеров</translation>
    </message>
    <message>
        <source>Satellite list (*.xml)|*.xml|All Files(*.*)|*.*||</source>
        <translation>Список спутников (*.xml)|*.xml|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Bring these satellites up to date:</source>
        <translation>Обновить эти спутники:</translation>
    </message>
    <message>
        <source>%1  %2  (%3, in this list)</source>
        <translation>%1  %2  (%3, в этом списке)</translation>
    </message>
    <message>
        <source>%1  %2  (%3, new)</source>
        <translation>%1  %2  (%3, новый)</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders</source>
        <translation>
            <numerusform>%1 транспондер</numerusform>
            <numerusform>%1 транспондера</numerusform>
            <numerusform>%1 транспондеров</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete transponders the file does not have</source>
        <translation>Удалить транспондеры, которых нет в файле</translation>
    </message>
    <message>
        <source>Their channels are deleted with them, as the transponder grid&apos;s Delete does.</source>
        <translation>Их каналы удаляются вместе с ними, как при удалении в списке транспондеров.</translation>
    </message>
    <message>
        <source>The file lists no satellites. Nothing was changed.</source>
        <translation>В файле нет спутников. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Ничего не изменено.</translation>
    </message>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>Недостаточно памяти для завершения команды. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The command failed: %s</source>
        <translation>Не удалось выполнить команду: %s</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Инверсия</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID сети</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Исходный ID сети</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Группа %1 %2</translation>
    </message>
    <message>
        <source>Satellite receiver with one tuner and compact channel entries (the start-up choice)</source>
        <translation>Спутниковый ресивер с одним тюнером и компактными записями каналов (выбор при запуске)</translation>
    </message>
    <message>
        <source>VX-7 and VX-8 satellite receivers</source>
        <translation>спутниковых ресиверов VX-7 и VX-8</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries; each channel keeps its place in eight favourite lists</source>
        <translation>Спутниковый ресивер с длинными записями спутников; каждый канал сохраняет своё место в восьми списках избранного</translation>
    </message>
    <message>
        <source>VX-8 Plus satellite receivers</source>
        <translation>спутниковых ресиверов VX-8 Plus</translation>
    </message>
    <message>
        <source>Satellite receiver with full channel entries; each channel keeps its place in 24 favourite lists</source>
        <translation>Спутниковый ресивер с полными записями каналов; каждый канал сохраняет своё место в 24 списках избранного</translation>
    </message>
    <message>
        <source>VX-1 satellite receivers</source>
        <translation>спутниковых ресиверов VX-1</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries and full channel entries; each channel keeps its place in 32 favourite lists</source>
        <translation>Спутниковый ресивер с длинными записями спутников и полными записями каналов; каждый канал сохраняет своё место в 32 списках избранного</translation>
    </message>
    <message>
        <source>VX-64 satellite receivers</source>
        <translation>спутниковых ресиверов VX-64</translation>
    </message>
    <message>
        <source>Cable receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Кабельный ресивер с двумя тюнерами; каждый канал хранится по одному разу для каждого тюнера</translation>
    </message>
    <message>
        <source>VX-5 twin-tuner cable receivers</source>
        <translation>двухтюнерных кабельных ресиверов VX-5</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>Эфирный (антенный) ресивер с двумя тюнерами; каждый канал хранится по одному разу для каждого тюнера</translation>
    </message>
    <message>
        <source>VX-6 twin-tuner terrestrial receivers</source>
        <translation>двухтюнерных эфирных ресиверов VX-6</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver; multiplexes instead of satellites</source>
        <translation>Эфирный (антенный) ресивер; мультиплексы вместо спутников</translation>
    </message>
    <message>
        <source>VX-1T terrestrial receivers</source>
        <translation>эфирных ресиверов VX-1T</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with network channel entries (logical channel numbers) and eight favourite lists</source>
        <translation>Эфирный (антенный) ресивер с сетевыми записями каналов (логические номера каналов) и восемью списками избранного</translation>
    </message>
    <message>
        <source>VX-9 terrestrial receivers</source>
        <translation>эфирных ресиверов VX-9</translation>
    </message>
    <message>
        <source>Cable receiver; cable multiplexes instead of satellites</source>
        <translation>Кабельный ресивер; кабельные мультиплексы вместо спутников</translation>
    </message>
    <message>
        <source>VX-2 cable receivers</source>
        <translation>кабельных ресиверов VX-2</translation>
    </message>
    <message>
        <source>Receiver with a satellite and a terrestrial tuner; the terrestrial multiplexes have their own tab</source>
        <translation>Ресивер со спутниковым и эфирным тюнерами; у эфирных мультиплексов своя вкладка</translation>
    </message>
    <message>
        <source>VX-3 satellite and terrestrial receivers</source>
        <translation>спутниково-эфирных ресиверов VX-3</translation>
    </message>
    <message>
        <source>Cable receiver that keeps its multiplexes, providers and channels together in one block</source>
        <translation>Кабельный ресивер, хранящий мультиплексы, провайдеров и каналы вместе в одном блоке</translation>
    </message>
    <message>
        <source>VX-10 cable receivers</source>
        <translation>кабельных ресиверов VX-10</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 транспондер</translation>
    </message>
    <message>
        <source>%1 must be a number from 0 to %2.</source>
        <translation>%1: значение должно быть числом от 0 до %2.</translation>
    </message>
    <message>
        <source>%1 must have at most %2 characters.</source>
        <translation>%1: максимальное число символов — %2.</translation>
    </message>
    <message>
        <source>%1 must be between 0 and %2.</source>
        <translation>%1: значение должно быть от 0 до %2.</translation>
    </message>
    <message>
        <source>%1 must not be 0: the receiver reads it as an empty slot.</source>
        <translation>%1 не должен быть равен 0: ресивер считает такую запись пустой.</translation>
    </message>
    <message>
        <source>Name must not be empty.</source>
        <translation>Название не должно быть пустым.</translation>
    </message>
    <message>
        <source>Attributes must mark the channel as either TV (0x0400) or radio (0x0800).</source>
        <translation>Attributes должно помечать канал либо как ТВ (0x0400), либо как радио (0x0800).</translation>
    </message>
    <message>
        <source>Tuner must be 0 on this receiver: other values mark the second tuner&apos;s copy.</source>
        <translation>Tuner на этом ресивере должен быть равен 0: другие значения обозначают копию второго тюнера.</translation>
    </message>
    <message>
        <source>Degree must be below 3600 (tenths of a degree).</source>
        <translation>Degree должно быть меньше 3600 (десятые доли градуса).</translation>
    </message>
    <message>
        <source>ID must not be 0.</source>
        <translation>ID не должен быть равен 0.</translation>
    </message>
    <message>
        <source>ID %1 belongs to another satellite.</source>
        <translation>ID %1 принадлежит другому спутнику.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another transponder of satellite %2.</source>
        <translation>TPID %1 принадлежит другому транспондеру спутника %2.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another multiplex.</source>
        <translation>TPID %1 принадлежит другому мультиплексу.</translation>
    </message>
    <message numerus="yes">
        <source>Matched %1 channels by ids and %2 by name; %3 not matched.</source>
        <translation>
            <numerusform>Сопоставлен %1 канал по идентификаторам и %2 по названию; без пары: %3.</numerusform>
            <numerusform>Сопоставлено %1 канала по идентификаторам и %2 по названию; без пары: %3.</numerusform>
            <numerusform>Сопоставлено %1 каналов по идентификаторам и %2 по названию; без пары: %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>TV %1 %2</source>
        <translation>ТВ %1 %2</translation>
    </message>
    <message>
        <source>radio %1 %2</source>
        <translation>радио %1 %2</translation>
    </message>
    <message>
        <source>%1 channel shares a number with another channel of its kind</source>
        <translation>%1 канал имеет тот же номер, что и другой канал того же вида</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels share a number with another channel of their kind</source>
        <translation>
            <numerusform>%1 канал имеет тот же номер, что и другой канал того же вида</numerusform>
            <numerusform>%1 канала имеют тот же номер, что и другой канал того же вида</numerusform>
            <numerusform>%1 каналов имеют тот же номер, что и другой канал того же вида</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (satellite %2)</source>
        <translation>%1 (спутник %2)</translation>
    </message>
    <message>
        <source>%1 (transponder %2 of satellite %3)</source>
        <translation>%1 (транспондер %2 спутника %3)</translation>
    </message>
    <message>
        <source>%1 (multiplex %2)</source>
        <translation>%1 (мультиплекс %2)</translation>
    </message>
    <message>
        <source>%1 (provider %2)</source>
        <translation>%1 (провайдер %2)</translation>
    </message>
    <message>
        <source>transponder %1 MHz (satellite %2)</source>
        <translation>транспондер %1 МГц (спутник %2)</translation>
    </message>
    <message>
        <source>%1 channel names a satellite the list does not have</source>
        <translation>%1 канал ссылается на спутник, которого нет в списке</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 канал ссылается на спутник, которого нет в списке</numerusform>
            <numerusform>%1 канала ссылаются на спутник, которого нет в списке</numerusform>
            <numerusform>%1 каналов ссылаются на спутник, которого нет в списке</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a transponder the list does not have</source>
        <translation>%1 канал ссылается на транспондер, которого нет в списке</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a transponder the list does not have</source>
        <translation>
            <numerusform>%1 канал ссылается на транспондер, которого нет в списке</numerusform>
            <numerusform>%1 канала ссылаются на транспондер, которого нет в списке</numerusform>
            <numerusform>%1 каналов ссылаются на транспондер, которого нет в списке</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a multiplex the list does not have</source>
        <translation>%1 канал ссылается на мультиплекс, которого нет в списке</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a multiplex the list does not have</source>
        <translation>
            <numerusform>%1 канал ссылается на мультиплекс, которого нет в списке</numerusform>
            <numerusform>%1 канала ссылаются на мультиплекс, которого нет в списке</numerusform>
            <numerusform>%1 каналов ссылаются на мультиплекс, которого нет в списке</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a provider the list does not have</source>
        <translation>%1 канал ссылается на провайдера, которого нет в списке</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a provider the list does not have</source>
        <translation>
            <numerusform>%1 канал ссылается на провайдера, которого нет в списке</numerusform>
            <numerusform>%1 канала ссылаются на провайдера, которого нет в списке</numerusform>
            <numerusform>%1 каналов ссылаются на провайдера, которого нет в списке</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder names a satellite the list does not have</source>
        <translation>%1 транспондер ссылается на спутник, которого нет в списке</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 транспондер ссылается на спутник, которого нет в списке</numerusform>
            <numerusform>%1 транспондера ссылаются на спутник, которого нет в списке</numerusform>
            <numerusform>%1 транспондеров ссылаются на спутник, которого нет в списке</numerusform>
        </translation>
    </message>
    <message>
        <source>favourite list %1 (TV)</source>
        <translation>список избранного %1 (ТВ)</translation>
    </message>
    <message>
        <source>favourite list %1 (radio)</source>
        <translation>список избранного %1 (радио)</translation>
    </message>
    <message>
        <source>%1 favourite list has positions that repeat or leave holes</source>
        <translation>%1 список избранного содержит повторяющиеся или пропущенные позиции</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists have positions that repeat or leave holes</source>
        <translation>
            <numerusform>%1 список избранного содержит повторяющиеся или пропущенные позиции</numerusform>
            <numerusform>%1 списка избранного содержат повторяющиеся или пропущенные позиции</numerusform>
            <numerusform>%1 списков избранного содержат повторяющиеся или пропущенные позиции</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>спутник %1</translation>
    </message>
    <message>
        <source>provider %1</source>
        <translation>провайдер %1</translation>
    </message>
    <message>
        <source>%1 name holds characters the receiver cannot show</source>
        <translation>%1 название содержит символы, которые ресивер не может показать</translation>
    </message>
    <message numerus="yes">
        <source>%1 names hold characters the receiver cannot show</source>
        <translation>
            <numerusform>%1 название содержит символы, которые ресивер не может показать</numerusform>
            <numerusform>%1 названия содержат символы, которые ресивер не может показать</numerusform>
            <numerusform>%1 названий содержат символы, которые ресивер не может показать</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark neither TV nor radio</source>
        <translation>
            <numerusform>%1 не помечена ни как ТВ, ни как радио</numerusform>
            <numerusform>%1 не помечены ни как ТВ, ни как радио</numerusform>
            <numerusform>%1 не помечены ни как ТВ, ни как радио</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark both TV and radio</source>
        <translation>
            <numerusform>%1 помечена и как ТВ, и как радио</numerusform>
            <numerusform>%1 помечены и как ТВ, и как радио</numerusform>
            <numerusform>%1 помечены и как ТВ, и как радио</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have the number 0</source>
        <translation>
            <numerusform>%1 имеет номер 0</numerusform>
            <numerusform>%1 имеют номер 0</numerusform>
            <numerusform>%1 имеют номер 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have no name</source>
        <translation>
            <numerusform>%1 без названия</numerusform>
            <numerusform>%1 без названия</numerusform>
            <numerusform>%1 без названия</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name satellite %2, which the image does not have</source>
        <translation>%1 со ссылкой на спутник %2, которого нет в образе</translation>
    </message>
    <message numerus="yes">
        <source>%1 name satellites %2, which the image does not have</source>
        <translation>
            <numerusform>%1 со ссылкой на спутники %2, которых нет в образе</numerusform>
            <numerusform>%1 со ссылкой на спутники %2, которых нет в образе</numerusform>
            <numerusform>%1 со ссылкой на спутники %2, которых нет в образе</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name transponder %2, which the image does not have on their satellite</source>
        <translation>%1 со ссылкой на транспондер %2, которого нет в образе на их спутнике</translation>
    </message>
    <message numerus="yes">
        <source>%1 name transponders %2, which the image does not have on their satellite</source>
        <translation>
            <numerusform>%1 со ссылкой на транспондеры %2, которых нет в образе на их спутнике</numerusform>
            <numerusform>%1 со ссылкой на транспондеры %2, которых нет в образе на их спутнике</numerusform>
            <numerusform>%1 со ссылкой на транспондеры %2, которых нет в образе на их спутнике</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name multiplex %2, which the image does not have</source>
        <translation>%1 со ссылкой на мультиплекс %2, которого нет в образе</translation>
    </message>
    <message numerus="yes">
        <source>%1 name multiplexes %2, which the image does not have</source>
        <translation>
            <numerusform>%1 со ссылкой на мультиплексы %2, которых нет в образе</numerusform>
            <numerusform>%1 со ссылкой на мультиплексы %2, которых нет в образе</numerusform>
            <numerusform>%1 со ссылкой на мультиплексы %2, которых нет в образе</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name provider %2, which the image does not have</source>
        <translation>%1 со ссылкой на провайдера %2, которого нет в образе</translation>
    </message>
    <message numerus="yes">
        <source>%1 name providers %2, which the image does not have</source>
        <translation>
            <numerusform>%1 со ссылкой на провайдеров %2, которых нет в образе</numerusform>
            <numerusform>%1 со ссылкой на провайдеров %2, которых нет в образе</numerusform>
            <numerusform>%1 со ссылкой на провайдеров %2, которых нет в образе</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the %1 row of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>Строку из Channel нельзя импортировать: %2. Список каналов не изменён.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 rows of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>
            <numerusform>Ни одну из %1 строки Channel нельзя импортировать: %2. Список каналов не изменён.</numerusform>
            <numerusform>Ни одну из %1 строк Channel нельзя импортировать: %2. Список каналов не изменён.</numerusform>
            <numerusform>Ни одну из %1 строк Channel нельзя импортировать: %2. Список каналов не изменён.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 row of Channel was not imported: %2.</source>
        <translation>%1 строка из Channel не импортирована: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel were not imported: %2.</source>
        <translation>
            <numerusform>%1 строка из Channel не импортирована: %2.</numerusform>
            <numerusform>%1 строки из Channel не импортированы: %2.</numerusform>
            <numerusform>%1 строк из Channel не импортировано: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of the rows imported, %1; the check before Save and Send lists them.</source>
        <translation>Из импортированных строк: %1; проверка перед сохранением и отправкой перечислит их.</translation>
    </message>
    <message>
        <source>%1 row of Channel had a number that an earlier row has and now follows the last channel of its kind.</source>
        <translation>%1 строка из Channel имела номер, который уже есть у строки выше, и теперь идёт после последнего канала своего вида.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel had a number that earlier rows have and now follow the last channels of their kind.</source>
        <translation>
            <numerusform>%1 строка из Channel имела номер, который уже есть у строки выше, и теперь идёт после последнего канала своего вида.</numerusform>
            <numerusform>%1 строки из Channel имели номера, которые уже есть у строк выше, и теперь идут после последних каналов своего вида.</numerusform>
            <numerusform>%1 строк из Channel имели номера, которые уже есть у строк выше, и теперь идут после последних каналов своего вида.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 спутник</translation>
    </message>
    <message numerus="yes">
        <source>%1 satellites</source>
        <translation>
            <numerusform>%1 спутник</numerusform>
            <numerusform>%1 спутника</numerusform>
            <numerusform>%1 спутников</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 канал</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels</source>
        <translation>
            <numerusform>%1 канал</numerusform>
            <numerusform>%1 канала</numerusform>
            <numerusform>%1 каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged, %6 deleted with %7.</source>
        <translation>Добавлено: %1, обновлено: %2; транспондеры — добавлено: %3, изменено: %4, без изменений: %5, удалено: %6 вместе с: %7.</translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged.</source>
        <translation>Добавлено: %1, обновлено: %2; транспондеры — добавлено: %3, изменено: %4, без изменений: %5.</translation>
    </message>
    <message>
        <source>%1 transponder of the list the file no longer has was kept:</source>
        <translation>Сохранён %1 транспондер списка, которого больше нет в файле:</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the list the file no longer has were kept:</source>
        <translation>
            <numerusform>Сохранён %1 транспондер списка, которого больше нет в файле:</numerusform>
            <numerusform>Сохранено %1 транспондера списка, которых больше нет в файле:</numerusform>
            <numerusform>Сохранено %1 транспондеров списка, которых больше нет в файле:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a frequency outside 1 to 65,535 MHz</source>
        <translation>
            <numerusform>%1 с частотой вне диапазона 1–65&#xa0;535 МГц</numerusform>
            <numerusform>%1 с частотой вне диапазона 1–65&#xa0;535 МГц</numerusform>
            <numerusform>%1 с частотой вне диапазона 1–65&#xa0;535 МГц</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a symbol rate outside 1 to 65,535 kS/s</source>
        <translation>
            <numerusform>%1 с символьной скоростью вне диапазона 1–65&#xa0;535 кС/с</numerusform>
            <numerusform>%1 с символьной скоростью вне диапазона 1–65&#xa0;535 кС/с</numerusform>
            <numerusform>%1 с символьной скоростью вне диапазона 1–65&#xa0;535 кС/с</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 16APSK or 32APSK, which the receiver cannot hold</source>
        <translation>
            <numerusform>%1 с 16APSK или 32APSK, которые ресивер не поддерживает</numerusform>
            <numerusform>%1 с 16APSK или 32APSK, которые ресивер не поддерживает</numerusform>
            <numerusform>%1 с 16APSK или 32APSK, которые ресивер не поддерживает</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder of the file was not imported: %2.</source>
        <translation>%1 транспондер из файла не импортирован: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the file were not imported: %2.</source>
        <translation>
            <numerusform>%1 транспондер из файла не импортирован: %2.</numerusform>
            <numerusform>%1 транспондера из файла не импортированы: %2.</numerusform>
            <numerusform>%1 транспондеров из файла не импортировано: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 circular transponder was taken with left as H and right as V.</source>
        <translation>%1 транспондер с круговой поляризацией принят так: левая — H, правая — V.</translation>
    </message>
    <message numerus="yes">
        <source>%1 circular transponders were taken with left as H and right as V.</source>
        <translation>
            <numerusform>%1 транспондер с круговой поляризацией принят так: левая — H, правая — V.</numerusform>
            <numerusform>%1 транспондера с круговой поляризацией приняты так: левая — H, правая — V.</numerusform>
            <numerusform>%1 транспондеров с круговой поляризацией приняты так: левая — H, правая — V.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 FEC the receiver has no name for was taken as Auto.</source>
        <translation>%1 FEC, для которого у ресивера нет названия, принят как Auto.</translation>
    </message>
    <message numerus="yes">
        <source>%1 FECs the receiver has no name for were taken as Auto.</source>
        <translation>
            <numerusform>%1 FEC, для которого у ресивера нет названия, принят как Auto.</numerusform>
            <numerusform>%1 FEC, для которых у ресивера нет названия, приняты как Auto.</numerusform>
            <numerusform>%1 FEC, для которых у ресивера нет названия, приняты как Auto.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 DVB-S2 transponder was taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>%1 транспондер DVB-S2 принят без отметки DVB-S2, которой нет в записях этого ресивера.</translation>
    </message>
    <message numerus="yes">
        <source>%1 DVB-S2 transponders were taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>
            <numerusform>%1 транспондер DVB-S2 принят без отметки DVB-S2, которой нет в записях этого ресивера.</numerusform>
            <numerusform>%1 транспондера DVB-S2 приняты без отметки DVB-S2, которой нет в записях этого ресивера.</numerusform>
            <numerusform>%1 транспондеров DVB-S2 приняты без отметки DVB-S2, которой нет в записях этого ресивера.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The other list has no channels that this list lacks.</source>
        <translation>В другом списке нет каналов, которых не хватает в этом списке.</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 мультиплекс</translation>
    </message>
    <message numerus="yes">
        <source>%1 multiplexes</source>
        <translation>
            <numerusform>%1 мультиплекс</numerusform>
            <numerusform>%1 мультиплекса</numerusform>
            <numerusform>%1 мультиплексов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 провайдер</translation>
    </message>
    <message numerus="yes">
        <source>%1 providers</source>
        <translation>
            <numerusform>%1 провайдер</numerusform>
            <numerusform>%1 провайдера</numerusform>
            <numerusform>%1 провайдеров</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>Добавлено: %1.</translation>
    </message>
    <message>
        <source>The favourite tree</source>
        <translation>Дерево избранного</translation>
    </message>
    <message>
        <source>%1 favourite list</source>
        <translation>%1 список избранного</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists</source>
        <translation>
            <numerusform>%1 список избранного</numerusform>
            <numerusform>%1 списка избранного</numerusform>
            <numerusform>%1 списков избранного</numerusform>
        </translation>
    </message>
    <message>
        <source>The satellite list</source>
        <translation>Список спутников</translation>
    </message>
    <message>
        <source>The broadcaster list</source>
        <translation>Список провайдеров</translation>
    </message>
    <message>
        <source>%1 broadcaster</source>
        <translation>%1 провайдер</translation>
    </message>
    <message numerus="yes">
        <source>%1 broadcasters</source>
        <translation>
            <numerusform>%1 провайдер</numerusform>
            <numerusform>%1 провайдера</numerusform>
            <numerusform>%1 провайдеров</numerusform>
        </translation>
    </message>
    <message>
        <source>The transponder list</source>
        <translation>Список транспондеров</translation>
    </message>
    <message>
        <source>The cable multiplex list</source>
        <translation>Список кабельных мультиплексов</translation>
    </message>
    <message>
        <source>%1 cable multiplex</source>
        <translation>%1 кабельный мультиплекс</translation>
    </message>
    <message numerus="yes">
        <source>%1 cable multiplexes</source>
        <translation>
            <numerusform>%1 кабельный мультиплекс</numerusform>
            <numerusform>%1 кабельных мультиплекса</numerusform>
            <numerusform>%1 кабельных мультиплексов</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel list</source>
        <translation>Список каналов</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds none. Remove %3 and save again.</source>
        <translation>%1: %2, но этот ресивер не вмещает ни одного. Удалите %3 и сохраните снова.</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds at most %4. Remove %3 and save again.</source>
        <translation>%1: %2, но этот ресивер вмещает не более %4. Удалите %3 и сохраните снова.</translation>
    </message>
    <message>
        <source>The reference list holds no channels. Nothing was changed.</source>
        <translation>В эталонном списке нет каналов. Ничего не изменено.</translation>
    </message>
    <message numerus="yes">
        <source>The numbers after the reference&apos;s highest number %1 leave no room for %2 channels that it does not hold. Nothing was changed.</source>
        <translation>
            <numerusform>После наибольшего номера эталона (%1) нет места для %2 канала, которых в нём нет. Ничего не изменено.</numerusform>
            <numerusform>После наибольшего номера эталона (%1) нет места для %2 каналов, которых в нём нет. Ничего не изменено.</numerusform>
            <numerusform>После наибольшего номера эталона (%1) нет места для %2 каналов, которых в нём нет. Ничего не изменено.</numerusform>
        </translation>
    </message>
    <message>
        <source>Favourite list %1 has no room after the reference&apos;s positions. Nothing was changed.</source>
        <translation>В списке избранного %1 нет места после позиций эталона. Ничего не изменено.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 «%2» — не число от %3 до %4</translation>
    </message>
    <message>
        <source>line 1: the column %1 is named twice</source>
        <translation>строка 1: столбец %1 назван дважды</translation>
    </message>
    <message>
        <source>line 1 names none of the columns of the &quot;Channel&quot; sheet (ProgramNum, CAS, Favorite, ... ServiceType)</source>
        <translation>в строке 1 нет ни одного столбца листа «Channel» (ProgramNum, CAS, Favorite, ... ServiceType)</translation>
    </message>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>в строке %1 полей: %2, в заголовке: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. The channel list was not changed.</source>
        <translation>Не удаётся прочитать файл CSV: %1. Список каналов не изменён.</translation>
    </message>
    <message>
        <source>The CSV file is empty: it has no header row. The channel list was not changed.</source>
        <translation>Файл CSV пуст: в нём нет строки заголовка. Список каналов не изменён.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the CSV file. The channel list was not changed.</source>
        <translation>Недостаточно памяти, чтобы прочитать файл CSV. Список каналов не изменён.</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>поле в кавычках не закрыто</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>после закрывающей кавычки идёт текст</translation>
    </message>
    <message>
        <source>a quote stands inside a field that is not quoted</source>
        <translation>кавычка стоит внутри поля без кавычек</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a channel number from 1 to 65535. Nothing was changed.</source>
        <translation>Строка %1: «%2» — не номер канала от 1 до 65535. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two TV channels on number %3. Nothing was changed.</source>
        <translation>Строки %1 и %2 ставят два телеканала на номер %3. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two radio channels on number %3. Nothing was changed.</source>
        <translation>Строки %1 и %2 ставят два радиоканала на номер %3. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two other channels on number %3. Nothing was changed.</source>
        <translation>Строки %1 и %2 ставят два прочих канала на номер %3. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The first line of the CSV file has no Name column. Nothing was changed.</source>
        <translation>В первой строке файла CSV нет столбца Name. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. Nothing was changed.</source>
        <translation>Не удаётся прочитать файл CSV: %1. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The CSV file is empty. Nothing was changed.</source>
        <translation>Файл CSV пуст. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Line %1 comes after number 65535. Nothing was changed.</source>
        <translation>Строка %1 идёт после номера 65535. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Не удаётся прочитать %1</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 names of the list is a channel of this list. Nothing was changed.</source>
        <translation>
            <numerusform>Ни одно из названий списка (%1) не является каналом этого списка. Ничего не изменено.</numerusform>
            <numerusform>Ни одно из %1 названий списка не является каналом этого списка. Ничего не изменено.</numerusform>
            <numerusform>Ни одно из %1 названий списка не является каналом этого списка. Ничего не изменено.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reference list holds no channels</source>
        <translation>В эталонном списке нет каналов</translation>
    </message>
    <message>
        <source>There is not enough memory to read the reference list. Nothing was changed.</source>
        <translation>Недостаточно памяти, чтобы прочитать эталонный список. Ничего не изменено.</translation>
    </message>
    <message>
        <source>This receiver has no satellites. Nothing was changed.</source>
        <translation>У этого приёмника нет спутников. Ничего не изменено.</translation>
    </message>
    <message>
        <source>No satellite ID is left for %1. Nothing was changed.</source>
        <translation>Для %1 не осталось свободного идентификатора спутника. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Satellite %1 has no transponder number left. Nothing was changed.</source>
        <translation>У спутника %1 не осталось свободного номера транспондера. Ничего не изменено.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Ничего не изменено.</translation>
    </message>
    <message>
        <source>the file has more than %1 elements, more than any transponder list</source>
        <translation>в файле больше %1 элементов — больше, чем в любом списке транспондеров</translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no transponder list is</source>
        <translation>элементы вложены глубже %1 уровней, чего нет ни в одном списке транспондеров</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no %2</source>
        <translation>у &lt;%1&gt; нет %2</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1=&quot;%2&quot; — не число от %3 до %4</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, more than any transponder list.</source>
        <translation>Файл больше %1 байт — больше любого списка транспондеров.</translation>
    </message>
    <message>
        <source>the XML is malformed (%1)</source>
        <translation>XML повреждён (%1)</translation>
    </message>
    <message>
        <source>the file has no &lt;satellites&gt; element</source>
        <translation>в файле нет элемента &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>There is not enough memory to read %1.</source>
        <translation>Недостаточно памяти, чтобы прочитать %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last TV channel leave no room for %1.</source>
        <translation>После последнего телеканала этого списка нет номеров для: %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last radio channel leave no room for %1.</source>
        <translation>После последнего радиоканала этого списка нет номеров для: %1.</translation>
    </message>
    <message>
        <source>Favourite list %1 has no room for the channels to add.</source>
        <translation>В списке избранного %1 нет места для добавляемых каналов.</translation>
    </message>
    <message>
        <source>The channel table has no key left.</source>
        <translation>В таблице каналов не осталось свободных ключей.</translation>
    </message>
    <message>
        <source>This list has no multiplex number left for %1.</source>
        <translation>В этом списке не осталось свободного номера мультиплекса для %1.</translation>
    </message>
    <message>
        <source>The multiplex at %1 MHz cannot be added: this list has another multiplex with its number.</source>
        <translation>Мультиплекс на %1 МГц нельзя добавить: в этом списке есть другой мультиплекс с его номером.</translation>
    </message>
    <message>
        <source>The multiplex table has no key left.</source>
        <translation>В таблице мультиплексов не осталось свободных ключей.</translation>
    </message>
    <message>
        <source>This list has no satellite number left for %1.</source>
        <translation>В этом списке не осталось свободного номера спутника для %1.</translation>
    </message>
    <message>
        <source>The satellite table has no key left.</source>
        <translation>В таблице спутников не осталось свободных ключей.</translation>
    </message>
    <message>
        <source>The transponder table has no key left.</source>
        <translation>В таблице транспондеров не осталось свободных ключей.</translation>
    </message>
    <message>
        <source>The satellite at %1 has no transponder number left.</source>
        <translation>У спутника %1 не осталось свободного номера транспондера.</translation>
    </message>
    <message>
        <source>This list has no provider number left.</source>
        <translation>В этом списке не осталось свободного номера провайдера.</translation>
    </message>
    <message>
        <source>The provider table has no key left.</source>
        <translation>В таблице провайдеров не осталось свободных ключей.</translation>
    </message>
    <message>
        <source>cannot read back the received file %1</source>
        <translation>не удаётся перечитать полученный файл %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to send</source>
        <translation>%1 пуст: отправлять нечего</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Передача отменена</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>Отправитель отменил передачу</translation>
    </message>
    <message>
        <source>The line closed: %1</source>
        <translation>Линия закрылась: %1</translation>
    </message>
    <message numerus="yes">
        <source>The sender went on sending blocks after the announced %1 bytes; transfer abandoned</source>
        <translation>
            <numerusform>Отправитель продолжал слать блоки после объявленных %1 байта; передача прервана</numerusform>
            <numerusform>Отправитель продолжал слать блоки после объявленных %1 байт; передача прервана</numerusform>
            <numerusform>Отправитель продолжал слать блоки после объявленных %1 байт; передача прервана</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 arrived damaged %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Блок %1 пришёл повреждённым %2 раз; передача прервана</numerusform>
            <numerusform>Блок %1 пришёл повреждённым %2 раза; передача прервана</numerusform>
            <numerusform>Блок %1 пришёл повреждённым %2 раз; передача прервана</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 never came: block %2 came again %3 times; transfer abandoned</source>
        <translation>
            <numerusform>Блок %1 так и не пришёл: блок %2 пришёл повторно %3 раз; передача прервана</numerusform>
            <numerusform>Блок %1 так и не пришёл: блок %2 пришёл повторно %3 раза; передача прервана</numerusform>
            <numerusform>Блок %1 так и не пришёл: блок %2 пришёл повторно %3 раз; передача прервана</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 damaged, %2 repeats of block %3</source>
        <translation>повреждено: %1, повторов блока %3: %2</translation>
    </message>
    <message>
        <source>%1 damaged</source>
        <translation>повреждено: %1</translation>
    </message>
    <message numerus="yes">
        <source>Block %1 failed %2 times (%3); transfer abandoned</source>
        <translation>
            <numerusform>Блок %1 не прошёл %2 раз (%3); передача прервана</numerusform>
            <numerusform>Блок %1 не прошёл %2 раза (%3); передача прервана</numerusform>
            <numerusform>Блок %1 не прошёл %2 раз (%3); передача прервана</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 arrived</source>
        <translation>
            <numerusform>Передача не завершилась за %1, отведённые на %2 байт: получено %3</numerusform>
            <numerusform>Передача не завершилась за %1, отведённые на %2 байта: получено %3</numerusform>
            <numerusform>Передача не завершилась за %1, отведённые на %2 байт: получено %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing arrived within %1: is the other side sending?</source>
        <translation>За %1 ничего не пришло: другая сторона отправляет?</translation>
    </message>
    <message>
        <source>The sender sent data without a file header (a YMODEM batch was expected)</source>
        <translation>Отправитель прислал данные без заголовка файла (ожидался пакет YMODEM)</translation>
    </message>
    <message>
        <source>The sender&apos;s file header is not readable</source>
        <translation>Заголовок файла отправителя не читается</translation>
    </message>
    <message>
        <source>The sender had no file to send</source>
        <translation>У отправителя не было файла для отправки</translation>
    </message>
    <message>
        <source>The sender did not announce the size of %1; the transfer cannot be checked</source>
        <translation>Отправитель не сообщил размер %1; передачу нельзя проверить</translation>
    </message>
    <message numerus="yes">
        <source>%1 is too large (%2 bytes; at most %3)</source>
        <translation>
            <numerusform>%1 слишком велик (%2 байт; не более %3)</numerusform>
            <numerusform>%1 слишком велик (%2 байта; не более %3)</numerusform>
            <numerusform>%1 слишком велик (%2 байт; не более %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sender stopped sending: no block for %1, %2 times, after %3 of %4 bytes</source>
        <translation>
            <numerusform>Отправитель перестал слать: нет блока в течение %1, %2 раз, после %3 из %4 байт</numerusform>
            <numerusform>Отправитель перестал слать: нет блока в течение %1, %2 раза, после %3 из %4 байт</numerusform>
            <numerusform>Отправитель перестал слать: нет блока в течение %1, %2 раз, после %3 из %4 байт</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer ended after %1 of %2 bytes</source>
        <translation>
            <numerusform>Передача закончилась после %1 из %2 байта</numerusform>
            <numerusform>Передача закончилась после %1 из %2 байт</numerusform>
            <numerusform>Передача закончилась после %1 из %2 байт</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The line closed after %1 of %2 bytes: %3</source>
        <translation>
            <numerusform>Линия закрылась после %1 из %2 байта: %3</numerusform>
            <numerusform>Линия закрылась после %1 из %2 байт: %3</numerusform>
            <numerusform>Линия закрылась после %1 из %2 байт: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Block sequence lost: expected block %1, got block %2</source>
        <translation>Нарушен порядок блоков: ожидался блок %1, пришёл блок %2</translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 were acknowledged</source>
        <translation>
            <numerusform>Передача не завершилась за %1, отведённые на %2 байт: подтверждено %3</numerusform>
            <numerusform>Передача не завершилась за %1, отведённые на %2 байта: подтверждено %3</numerusform>
            <numerusform>Передача не завершилась за %1, отведённые на %2 байт: подтверждено %3</numerusform>
        </translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>Приёмник отменил передачу</translation>
    </message>
    <message>
        <source>The receiver asks for the old checksum mode; only CRC-16 is supported</source>
        <translation>Приёмник просит старый режим контрольной суммы; поддерживается только CRC-16</translation>
    </message>
    <message>
        <source>The receiver did not ask for %1 within %2</source>
        <translation>Приёмник не запросил %1 за %2</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>конец файла</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>блок %1</translation>
    </message>
    <message numerus="yes">
        <source>The receiver stopped answering: no reply to %1 within %2, %3 times</source>
        <translation>
            <numerusform>Приёмник перестал отвечать: нет ответа на %1 за %2, %3 раз</numerusform>
            <numerusform>Приёмник перестал отвечать: нет ответа на %1 за %2, %3 раза</numerusform>
            <numerusform>Приёмник перестал отвечать: нет ответа на %1 за %2, %3 раз</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receiver refused %1 %2 times; transfer abandoned</source>
        <translation>
            <numerusform>Приёмник отклонил %1 %2 раз; передача прервана</numerusform>
            <numerusform>Приёмник отклонил %1 %2 раза; передача прервана</numerusform>
            <numerusform>Приёмник отклонил %1 %2 раз; передача прервана</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sending %1 failed %2 times (%3 refused); transfer abandoned</source>
        <translation>
            <numerusform>Не удалось отправить %1: %2 раз (отклонено: %3); передача прервана</numerusform>
            <numerusform>Не удалось отправить %1: %2 раза (отклонено: %3); передача прервана</numerusform>
            <numerusform>Не удалось отправить %1: %2 раз (отклонено: %3); передача прервана</numerusform>
        </translation>
    </message>
    <message>
        <source>the file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>the data</source>
        <translation>данные</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>транспондер %1</translation>
    </message>
    <message>
        <source>other %1 %2</source>
        <translation>другой %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>мультиплекс %1</translation>
    </message>
    <message>
        <source>%1, PIDs %2/%3/%4</source>
        <translation>%1, PID %2/%3/%4</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>заблокирован</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>пропускается</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>закодирован</translation>
    </message>
    <message>
        <source>cable %1</source>
        <translation>кабель %1</translation>
    </message>
    <message>
        <source>terrestrial %1</source>
        <translation>эфир %1</translation>
    </message>
    <message>
        <source>There is not enough memory to open %1.</source>
        <translation>Недостаточно памяти, чтобы открыть %1.</translation>
    </message>
    <message>
        <source>a receiver image</source>
        <translation>образ приёмника</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>файл CSV</translation>
    </message>
    <message>
        <source>a channel list</source>
        <translation>список каналов</translation>
    </message>
    <message>
        <source>a satellites.xml file</source>
        <translation>файл satellites.xml</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Не удаётся прочитать %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not %2.</source>
        <translation>%1 — это папка, а не %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so it cannot be %2.</source>
        <translation>%1 — не обычный файл, поэтому это не может быть %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %2 bytes, more than %3 can have (at most %4 bytes).</source>
        <translation>
            <numerusform>%1 содержит %2 байт, больше, чем может иметь %3 (не более %4 байт).</numerusform>
            <numerusform>%1 содержит %2 байта, больше, чем может иметь %3 (не более %4 байт).</numerusform>
            <numerusform>%1 содержит %2 байт, больше, чем может иметь %3 (не более %4 байт).</numerusform>
        </translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>файл закончился раньше времени</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Не удаётся открыть %1: %2.</translation>
    </message>
    <message>
        <source>%1 The channel list was not changed.</source>
        <translation>%1 Список каналов не изменён.</translation>
    </message>
    <message>
        <source>serial %1 at %2 baud</source>
        <translation>последовательный порт %1, %2 бод</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>TCP-порт %1</translation>
    </message>
    <message>
        <source>TCP port %1 on %2</source>
        <translation>TCP-порт %1 на %2</translation>
    </message>
    <message>
        <source>%1 baud is not a rate a serial port can be set to</source>
        <translation>%1 бод — недопустимая скорость для последовательного порта</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a serial port: %2</source>
        <translation>%1 — не последовательный порт: %2</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>не удаётся настроить %1: %2</translation>
    </message>
    <message>
        <source>cannot find %1: %2</source>
        <translation>не удаётся найти %1: %2</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>не удаётся подключиться к %1</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>не удаётся подключиться к %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>не удаётся ожидать подключений на %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1</source>
        <translation>не удаётся ожидать подключений на %1</translation>
    </message>
    <message>
        <source>not listening</source>
        <translation>подключения не ожидаются</translation>
    </message>
    <message>
        <source>Nobody connected to port %1 within %2</source>
        <translation>За %2 никто не подключился к порту %1</translation>
    </message>
    <message>
        <source>accept: %1</source>
        <translation>подключение не принято: %1</translation>
    </message>
    <message>
        <source>there is no working copy (it could not be created in the temporary directory)</source>
        <translation>нет рабочей копии (её не удалось создать во временной папке)</translation>
    </message>
    <message>
        <source>Could not allocate memory</source>
        <translation>Не удалось выделить память</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>Не удалось определить тип тега</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>Ошибка в объявлении документа или инструкции обработки</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>Ошибка в комментарии</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>Ошибка в разделе CDATA</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>Ошибка в объявлении типа документа</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>Ошибка в тексте элемента (PCDATA)</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>Ошибка в открывающем теге</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>Ошибка в атрибуте</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>Ошибка в закрывающем теге</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>Открывающий и закрывающий теги не совпадают</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>Элемент документа не найден</translation>
    </message>
    <message>
        <source>keeping the old file as %1: %2</source>
        <translation>сохранение старого файла как %1: %2</translation>
    </message>
    <message>
        <source>no file open for %1</source>
        <translation>нет открытого файла для %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 — не обычный файл</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>не удаётся создать файл в %1: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>не удаётся заблокировать %1: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1: %2</source>
        <translation>не удаётся задать права доступа %1: %2</translation>
    </message>
    <message>
        <source>writing %1: %2</source>
        <translation>запись %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>не удаётся создать %1: %2</translation>
    </message>
    <message>
        <source>writing %1 to disk: %2</source>
        <translation>запись %1 на диск: %2</translation>
    </message>
    <message>
        <source>closing %1: %2</source>
        <translation>закрытие %1: %2</translation>
    </message>
    <message>
        <source>replacing %1: %2</source>
        <translation>замена %1: %2</translation>
    </message>
    <message>
        <source>This receiver&apos;s flash layout is not valid: %1.</source>
        <translation>Разметка флеш-памяти этого приёмника неверна: %1.</translation>
    </message>
    <message>
        <source>sector size %1</source>
        <translation>размер сектора %1</translation>
    </message>
    <message>
        <source>favourite</source>
        <translation>избранного</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>спутников</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>вещателей</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>транспондеров</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>каналов</translation>
    </message>
    <message>
        <source>the %1 block has a negative value</source>
        <translation>блок %1 содержит отрицательное значение</translation>
    </message>
    <message>
        <source>the %1 block starts too far out</source>
        <translation>блок %1 начинается слишком далеко</translation>
    </message>
    <message>
        <source>a negative multiplex count</source>
        <translation>отрицательное число мультиплексов</translation>
    </message>
    <message>
        <source>the single block is larger than any receiver&apos;s image</source>
        <translation>единственный блок больше любого образа приёмника</translation>
    </message>
    <message>
        <source>the %1 block reaches beyond any receiver&apos;s image</source>
        <translation>блок %1 выходит за пределы любого образа приёмника</translation>
    </message>
    <message>
        <source>%1 Nothing was written. Save the channels under another name.</source>
        <translation>%1 Ничего не записано. Сохраните каналы под другим именем.</translation>
    </message>
    <message>
        <source>The workbook has no sheet named &quot;Channel&quot;.</source>
        <translation>В книге нет листа с именем «Channel».</translation>
    </message>
    <message>
        <source>There is not enough memory to read the workbook.</source>
        <translation>Недостаточно памяти, чтобы прочитать книгу.</translation>
    </message>
    <message>
        <source>The channel list has %1 channels, but a workbook sheet holds at most %2. Remove %3 channels and save again.</source>
        <translation>Каналов в списке: %1, а лист книги вмещает не более %2. Удалите лишние каналы (%3) и сохраните снова.</translation>
    </message>
    <message>
        <source>%1 Its other contents could not be kept, so nothing was written. Save the channels under another name.</source>
        <translation>%1 Остальное её содержимое не удалось бы сохранить, поэтому ничего не записано. Сохраните каналы под другим именем.</translation>
    </message>
    <message>
        <source>No workbook was read.</source>
        <translation>Книга не была прочитана.</translation>
    </message>
    <message>
        <source>The workbook was not read from a file.</source>
        <translation>Книга прочитана не из файла.</translation>
    </message>
    <message>
        <source>The workbook is damaged: a stream of its compound file cannot be read.</source>
        <translation>Книга повреждена: не удаётся прочитать поток её составного файла.</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook (.xls).</source>
        <translation>Файл не является книгой Excel 97-2003 (.xls).</translation>
    </message>
    <message>
        <source>The workbook is damaged: its sector tables or its directory cannot be read.</source>
        <translation>Книга повреждена: не удаётся прочитать её таблицы секторов или каталог.</translation>
    </message>
    <message>
        <source>The file holds no &quot;Workbook&quot; stream, so it is not an Excel 97-2003 workbook.</source>
        <translation>В файле нет потока «Workbook», поэтому это не книга Excel 97-2003.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its &quot;Workbook&quot; stream ends early or its sectors are chained wrongly.</source>
        <translation>Книга повреждена: её поток «Workbook» обрывается раньше времени или его секторы связаны неверно.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its table of shared strings cannot be read.</source>
        <translation>Книга повреждена: не удаётся прочитать её таблицу общих строк.</translation>
    </message>
    <message>
        <source>The workbook is protected with a password, so it cannot be read.</source>
        <translation>Книга защищена паролем, поэтому её нельзя прочитать.</translation>
    </message>
    <message>
        <source>The workbook holds more cells or sheets than this program reads.</source>
        <translation>В книге больше ячеек или листов, чем читает эта программа.</translation>
    </message>
    <message>
        <source>an Excel workbook</source>
        <translation>книга Excel</translation>
    </message>
    <message>
        <source>A text of more than 255 characters cannot be added to this workbook.</source>
        <translation>В эту книгу нельзя добавить текст длиннее 255 символов.</translation>
    </message>
    <message>
        <source>The workbook is too large to be written.</source>
        <translation>Книга слишком велика для записи.</translation>
    </message>
    <message>
        <source>The file has no satellite at %1. Nothing was changed.</source>
        <translation>В файле нет спутника на позиции %1. Ничего не изменено.</translation>
    </message>
    <message>
        <source>There is not enough memory to write the CSV file.</source>
        <translation>Недостаточно памяти, чтобы записать файл CSV.</translation>
    </message>
</context>
</TS>
