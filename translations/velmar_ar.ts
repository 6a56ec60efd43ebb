<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CBroadcastGridCtrl</name>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تعديل</translation>
    </message>
</context>
<context>
    <name>CCaptionLine</name>
    <message>
        <source>%1 satellite</source>
        <translation>%1 قمر صناعي</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 أقمار صناعية</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 مرسل مستجيب</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 مرسلات مستجيبة</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>%1 مجمِّع</translation>
    </message>
    <message>
        <source>%1 multiplexes</source>
        <translation>%1 مجمِّعات</translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>%1 مزوّد</translation>
    </message>
    <message>
        <source>%1 providers</source>
        <translation>%1 مزوّدين</translation>
    </message>
    <message>
        <source>%1 list</source>
        <translation>%1 قائمة</translation>
    </message>
    <message>
        <source>%1 lists</source>
        <translation>%1 قوائم</translation>
    </message>
</context>
<context>
    <name>CChannelForm</name>
    <message>
        <source>Number</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>الرقم المنطقي</translation>
    </message>
    <message>
        <source>Shown number</source>
        <translation>الرقم المعروض</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>معرّف الخدمة</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>معرّف الشبكة الأصلية</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>معرّف دفق النقل</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID الصورة</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID الصوت</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID الساعة</translation>
    </message>
    <message>
        <source>Audio streams</source>
        <translation>مسارات الصوت</translation>
    </message>
    <message>
        <source>Subtitle streams</source>
        <translation>مسارات الترجمة</translation>
    </message>
    <message>
        <source>CAS (hex)</source>
        <translation>نظام التشفير (ست عشري)</translation>
    </message>
    <message>
        <source>Stream type (hex)</source>
        <translation>نوع الدفق (ست عشري)</translation>
    </message>
    <message>
        <source>Code table</source>
        <translation>جدول الأحرف</translation>
    </message>
    <message>
        <source>Update Channel</source>
        <translation>تعديل القناة</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>قناة تلفزيون جديدة</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>قناة راديو جديدة</translation>
    </message>
    <message>
        <source>A new channel is numbered after the last channel of its list.</source>
        <translation>تأخذ القناة الجديدة الرقم التالي لآخر قناة في قائمتها.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>%1 حرفًا على الأكثر</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Neither TV nor radio</source>
        <translation>لا تلفزيون ولا راديو</translation>
    </message>
    <message>
        <source>Both TV and radio</source>
        <translation>تلفزيون وراديو معًا</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>الصنف</translation>
    </message>
    <message>
        <source>A new channel takes the genre of the genre list it is made in.</source>
        <translation>تأخذ القناة الجديدة نوع قائمة الأنواع التي أُنشئت فيها.</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Tuner byte %1</source>
        <translation>بايت الموالف %1</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>الموالف</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>مشفّرة</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>متخطّاة</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>الاستقبال</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>المجمِّع %1</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>المجمِّع</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>القمر الصناعي رقم %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>المرسل المستجيب</translation>
    </message>
    <message>
        <source>Broadcaster ID %1</source>
        <translation>المزوّد رقم %1</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>Transponder %1</source>
        <translation>المرسل المستجيب %1</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>الدفقات</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>قوائم المفضلة</translation>
    </message>
    <message>
        <source>%1 must be a hexadecimal number of at most %2 digits.</source>
        <translation>يجب أن يكون %1 عددًا ست عشريًا من %2 خانات على الأكثر.</translation>
    </message>
</context>
<context>
    <name>CChannelGridCtrl</name>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
</context>
<context>
    <name>CChannelListBar</name>
    <message>
        <source>Filter by name (Esc clears)</source>
        <translation>تصفية حسب الاسم (Esc للمسح)</translation>
    </message>
    <message>
        <source>Nothing chosen</source>
        <translation>لم يُختر شيء</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, names with “%2”</source>
        <translation>%1، الأسماء التي تحوي «%2»</translation>
    </message>
    <message>
        <source>%1 — %2 TV / %3 radio</source>
        <translation>%1 — %2 تلفزيون / %3 راديو</translation>
    </message>
</context>
<context>
    <name>CDlgCompare</name>
    <message>
        <source>Differences</source>
        <translation>الفروق</translation>
    </message>
</context>
<context>
    <name>CDlgInformation</name>
    <message>
        <source>The maker&apos;s form (64-byte header with CRC)</source>
        <translation>صيغة الصانع (ترويسة من 64 بايت مع CRC)</translation>
    </message>
    <message>
        <source>The working form (VX header)</source>
        <translation>صيغة العمل (ترويسة VX)</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>فضائي</translation>
    </message>
    <message>
        <source>terrestrial</source>
        <translation>أرضي</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>كابل</translation>
    </message>
    <message>
        <source>Model %1, type 0x%2 (%3), byte order %4</source>
        <translation>الطراز %1، النوع 0x%2 (%3)، ترتيب البايتات %4</translation>
    </message>
    <message>
        <source>no reception bits</source>
        <translation>بلا بتات استقبال</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>قوائم المفضلة</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>المزوّدون</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>المجمِّعات الأرضية</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>مجمِّعات الكابل</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>جدول مؤقت</translation>
    </message>
    <message>
        <source>%1 (this receiver does not save them)</source>
        <translation>%1 (لا يحفظها جهاز الاستقبال هذا)</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3</source>
        <translation>مستخدم %1 من %2، %3</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 شاغر</translation>
    </message>
    <message>
        <source>%1 too many to save</source>
        <translation>%1 زائد عن سعة الحفظ</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 تلفزيون، %2 راديو</translation>
    </message>
    <message>
        <source>%1 locked, %2 skipped, %3 scrambled</source>
        <translation>%1 مقفلة، %2 متخطّاة، %3 مشفّرة</translation>
    </message>
    <message>
        <source>No duplicate channels</source>
        <translation>لا قنوات مكررة</translation>
    </message>
    <message>
        <source>%1 duplicate channels in %2 groups</source>
        <translation>%1 قنوات مكررة في %2 مجموعات</translation>
    </message>
    <message>
        <source>CH# %1  %2  (%3, satellite %4, TPID %5, ids %6/%7/%8)</source>
        <translation>القناة %1  %2  (%3، القمر %4، المرسل %5، المعرّفات %6/%7/%8)</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Header form:</source>
        <translation>صيغة الترويسة:</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>المنتج:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>القنوات:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>العلامات:</translation>
    </message>
    <message>
        <source>Duplicates:</source>
        <translation>المكررات:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>المعرّف</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(لا شيء)</translation>
    </message>
    <message>
        <source>The list check finds no problem.</source>
        <translation>لم يجد فحص القائمة أي مشكلة.</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… و%1 غيرها</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>الملخص</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>الفحص</translation>
    </message>
    <message>
        <source>%1 channels: %2</source>
        <translation>%1 قنوات: %2</translation>
    </message>
    <message>
        <source>Select them in the channel lists</source>
        <translation>حدّدها في قوائم القنوات</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>المكررات</translation>
    </message>
</context>
<context>
    <name>CDlgPrintChoice</name>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print these lists:</source>
        <translation>طباعة هذه القوائم:</translation>
    </message>
    <message>
        <source>TV list</source>
        <translation>قائمة التلفزيون</translation>
    </message>
    <message>
        <source>Radio list</source>
        <translation>قائمة الراديو</translation>
    </message>
</context>
<context>
    <name>CDlgPrintPreview</name>
    <message>
        <source>Pages</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>التكبير</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>رقم الصفحة</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
</context>
<context>
    <name>CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>في الاسم أحرف لا يستوعبها الترميز Windows-1252.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تعديل</translation>
    </message>
</context>
<context>
    <name>CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> المزوّد</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> المفضلة</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>المزوّدون</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>اختيار صف يصفّي القوائم. مفتاح القائمة أو Shift+F10 يفتح الأوامر؛ F6 ينتقل إلى الجزء التالي.</translation>
    </message>
    <message>
        <source>Favorite lists and genres</source>
        <translation>قوائم المفضلة والأنواع</translation>
    </message>
    <message>
        <source>Choosing a list or a genre shows its channels; F2 renames a favorite list.</source>
        <translation>اختيار قائمة أو نوع يعرض قنواته؛ F2 يعيد تسمية قائمة مفضلة.</translation>
    </message>
</context>
<context>
    <name>CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> القمر الصناعي</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> معلومات المجمِّعات</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>أرضي</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>المصدر</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>المجمِّعات الأرضية</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>مجمِّعات الكابل</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes to the next pane.</source>
        <translation>اختيار صف يصفّي القوائم. مفتاح القائمة أو Shift+F10 يفتح الأوامر؛ F6 ينتقل إلى الجزء التالي.</translation>
    </message>
    <message>
        <source>Choosing a row filters the lists. F6 goes to the next pane.</source>
        <translation>اختيار صف يصفّي القوائم. F6 ينتقل إلى الجزء التالي.</translation>
    </message>
</context>
<context>
    <name>CLinkForm</name>
    <message>
        <source>Connection</source>
        <translation>الاتصال</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>منفذ تسلسلي</translation>
    </message>
    <message>
        <source>Network (TCP)</source>
        <translation>الشبكة (TCP)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>معدل الباود</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>المضيف</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>منفذ TCP</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>استقبال</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Choose the line, press Receive, then start sending on the receiver.</source>
        <translation>اختر خط الاتصال، واضغط «استقبال»، ثم ابدأ الإرسال من جهاز الاستقبال.</translation>
    </message>
    <message>
        <source>Choose the line, start receiving on the receiver, then press Send.</source>
        <translation>اختر خط الاتصال، وابدأ الاستقبال على جهاز الاستقبال، ثم اضغط «إرسال».</translation>
    </message>
    <message>
        <source>Choose a serial port.</source>
        <translation>اختر منفذًا تسلسليًا.</translation>
    </message>
    <message>
        <source>Enter the receiver&apos;s host name or address.</source>
        <translation>أدخل اسم مضيف جهاز الاستقبال أو عنوانه.</translation>
    </message>
    <message>
        <source>Connecting: %1</source>
        <translation>جارٍ الاتصال: %1</translation>
    </message>
    <message>
        <source>Waiting for the receiver to send...</source>
        <translation>في انتظار أن يرسل جهاز الاستقبال...</translation>
    </message>
    <message>
        <source>Waiting for the receiver to ask for the data...</source>
        <translation>في انتظار أن يطلب جهاز الاستقبال البيانات...</translation>
    </message>
    <message>
        <source>Transfer failed: %1</source>
        <translation>فشل النقل: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>جارٍ الإلغاء...</translation>
    </message>
</context>
<context>
    <name>CListTools</name>
    <message>
        <source>Compare with…</source>
        <translation>مقارنة مع…</translation>
    </message>
    <message>
        <source>Show what another image or workbook has differently</source>
        <translation>عرض ما يختلف في صورة أو مصنف آخر</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>استيراد…</translation>
    </message>
    <message>
        <source>Replace the channels by those of a CSV file</source>
        <translation>استبدال القنوات بقنوات ملف CSV</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>تصدير…</translation>
    </message>
    <message>
        <source>Write the channels as a CSV file</source>
        <translation>كتابة القنوات في ملف CSV</translation>
    </message>
    <message>
        <source>Import transponders…</source>
        <translation>استيراد أجهزة الإرسال…</translation>
    </message>
    <message>
        <source>Bring satellites and transponders up to date from a satellites.xml file</source>
        <translation>تحديث الأقمار الصناعية وأجهزة الإرسال من ملف satellites.xml</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Counts, capacity and duplicates of the whole list</source>
        <translation>الأعداد والسعة والتكرارات في القائمة كلها</translation>
    </message>
    <message>
        <source>Apply order</source>
        <translation>تطبيق الترتيب</translation>
    </message>
    <message>
        <source>Number the channels as another list numbers them</source>
        <translation>ترقيم القنوات كما ترقّمها قائمة أخرى</translation>
    </message>
    <message>
        <source>Apply the order of another list</source>
        <translation>تطبيق ترتيب قائمة أخرى</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>لا تكفي الذاكرة لإتمام الأمر. لم يتغيّر شيء.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>فشل الأمر: %1</translation>
    </message>
    <message>
        <source>The command failed.</source>
        <translation>فشل الأمر.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>فتح قاعدة بيانات موجودة</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>فتح ملف</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>حفظ في ملف</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>استقبال</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>استقبال قاعدة البيانات من جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>إرسال قاعدة البيانات إلى جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>تحديث الكل</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>عرض معلومات البرنامج ورقم الإصدار وحقوق النشر</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>التراجع عن آخر تعديل</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Redo the edit undone last</source>
        <translation>إعادة آخر تعديل تم التراجع عنه</translation>
    </message>
    <message>
        <source>Velmar for %1 - 8FAV</source>
        <translation>Velmar لأجهزة %1 - 8FAV</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>تراجع: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>إعادة: %1</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>قياسي</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>الجزء التالي</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>الجزء السابق</translation>
    </message>
    <message>
        <source>Add to favorite list %1</source>
        <translation>إضافة إلى قائمة المفضلة %1</translation>
    </message>
    <message>
        <source>The unsaved edits could not be kept in the recovery file, so a crash would lose them. Save the list to keep them.
%1</source>
        <translation>تعذّر حفظ التعديلات غير المحفوظة في ملف الاسترداد، لذا سيؤدي أي تعطل إلى فقدانها. احفظ القائمة للاحتفاظ بها.
%1</translation>
    </message>
</context>
<context>
    <name>CPrintTools</name>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print the channel lists or save them as a PDF file</source>
        <translation>طباعة قوائم القنوات أو حفظها كملف PDF</translation>
    </message>
</context>
<context>
    <name>CRightView</name>
    <message>
        <source>Scrambled</source>
        <translation>مشفّرة</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>متخطّاة</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>الموالف</translation>
    </message>
    <message>
        <source> Channels</source>
        <translation> القنوات</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>التلفزيون فقط</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>الراديو فقط</translation>
    </message>
    <message>
        <source>Lists shown</source>
        <translation>القوائم المعروضة</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>قنوات التلفزيون</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>قنوات الراديو</translation>
    </message>
    <message>
        <source>Menu or Shift+F10 opens the commands; Ctrl+1 to Ctrl+8 add the selected channels to favorite list 1 to 8; F6 goes to the next pane.</source>
        <translation>مفتاح القائمة أو Shift+F10 يفتح الأوامر؛ من Ctrl+1 إلى Ctrl+8 تضيف القنوات المحددة إلى قائمة المفضلة من 1 إلى 8؛ F6 ينتقل إلى الجزء التالي.</translation>
    </message>
</context>
<context>
    <name>CSourceGridCtrl</name>
    <message>
        <source>No satellite ID is free: the highest ID is already 255.</source>
        <translation>لا يوجد معرّف قمر صناعي شاغر: أعلى معرّف هو 255 بالفعل.</translation>
    </message>
    <message>
        <source>No multiplex ID is free: all 255 are in use.</source>
        <translation>لا يوجد معرّف مجمِّع شاغر: المعرّفات الـ 255 كلها مستخدمة.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>في الاسم أحرف لا يستوعبها الترميز Windows-1252.</translation>
    </message>
    <message>
        <source>No TPID is free on satellite %1.</source>
        <translation>لا يوجد رقم مرسل شاغر على القمر الصناعي %1.</translation>
    </message>
</context>
<context>
    <name>DeleteCounts</name>
    <message>
        <source>%1 channel is selected.</source>
        <translation>حُدِّدت قناة واحدة (%1).</translation>
    </message>
    <message>
        <source>%1 channels are selected.</source>
        <translation>حُدِّدت %1 قنوات.</translation>
    </message>
    <message>
        <source>%1 satellite is selected.</source>
        <translation>حُدِّد قمر صناعي واحد (%1).</translation>
    </message>
    <message>
        <source>%1 satellites are selected.</source>
        <translation>حُدِّدت %1 أقمار صناعية.</translation>
    </message>
    <message>
        <source>%1 transponder is selected.</source>
        <translation>حُدِّد مرسل مستجيب واحد (%1).</translation>
    </message>
    <message>
        <source>%1 transponders are selected.</source>
        <translation>حُدِّدت %1 مرسلات مستجيبة.</translation>
    </message>
    <message>
        <source>%1 multiplex is selected.</source>
        <translation>حُدِّد مجمِّع واحد (%1).</translation>
    </message>
    <message>
        <source>%1 multiplexes are selected.</source>
        <translation>حُدِّدت %1 مجمِّعات.</translation>
    </message>
    <message>
        <source>%1 provider is selected.</source>
        <translation>حُدِّد مزوّد واحد (%1).</translation>
    </message>
    <message>
        <source>%1 providers are selected.</source>
        <translation>حُدِّد %1 مزوّدين.</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 مرسل مستجيب</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 مرسلات مستجيبة</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 قناة</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 قنوات</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <source>Deleting it also deletes its %1.</source>
        <translation>حذفه يحذف معه أيضًا %1.</translation>
    </message>
    <message>
        <source>Deleting them also deletes their %1.</source>
        <translation>حذفها يحذف معها أيضًا %1.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>المجمِّع %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(لا شيء)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Receiver:</source>
        <translation>جهاز الاستقبال:</translation>
    </message>
    <message>
        <source>Show the technical columns (record keys, satellite and transponder numbers, PIDs)</source>
        <translation>إظهار الأعمدة التقنية (مفاتيح السجلات وأرقام الأقمار والمرسلات ومعرّفات PID)</translation>
    </message>
    <message>
        <source>The choice takes effect when the program starts again.</source>
        <translation>يسري الاختيار عند تشغيل البرنامج من جديد.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>إرسال قاعدة البيانات إلى جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>استقبال قاعدة البيانات من جهاز الاستقبال</translation>
    </message>
    <message>
        <source>%1 of %2 bytes (%3%), %4 KiB/s</source>
        <translation>%1 من %2 بايت (%3%)، %4 كيلوبايت/ث</translation>
    </message>
    <message>
        <source>This form is not available in this version yet.
Nothing has been changed.</source>
        <translation>هذا النموذج غير متاح في هذا الإصدار بعد.
لم يتغيّر شيء.</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>أُلغي النقل</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>ألغى المُرسِل النقل</translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>ألغى جهاز الاستقبال النقل</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>Update Multiplex</source>
        <translation>تعديل المجمِّع</translation>
    </message>
    <message>
        <source>New Multiplex</source>
        <translation>مجمِّع جديد</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>التردد (ميغاهرتز)</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>معدل الرموز (ألف رمز/ث)</translation>
    </message>
    <message>
        <source>QAM</source>
        <translation>تعديل QAM</translation>
    </message>
    <message>
        <source>Inversion (0-%1)</source>
        <translation>العكس (0-%1)</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>معرّف TS</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>معرّف الشبكة</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>معرّف الشبكة الأصلية</translation>
    </message>
    <message>
        <source>Update Satellite</source>
        <translation>تعديل القمر الصناعي</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>قمر صناعي جديد</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>الموقع (بالدرجات)</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>متقدم</translation>
    </message>
    <message>
        <source>Group 1</source>
        <translation>المجموعة 1</translation>
    </message>
    <message>
        <source>Group 2</source>
        <translation>المجموعة 2</translation>
    </message>
    <message>
        <source>Update Transponder</source>
        <translation>تعديل المرسل المستجيب</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>مرسل مستجيب جديد</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Satellite ID %1</source>
        <translation>القمر الصناعي رقم %1</translation>
    </message>
    <message>
        <source>Choose a satellite</source>
        <translation>اختر قمرًا صناعيًا</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>H (horizontal)</source>
        <translation>H (أفقي)</translation>
    </message>
    <message>
        <source>V (vertical)</source>
        <translation>V (عمودي)</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>تصحيح الأخطاء</translation>
    </message>
    <message>
        <source>Frequency must be a number of MHz with at most three decimals, up to 4294967.295.</source>
        <translation>يجب أن يكون التردد عددًا بالميغاهرتز بثلاث خانات عشرية على الأكثر، حتى 4294967.295.</translation>
    </message>
    <message>
        <source>Name has characters that Windows-1252 cannot hold.</source>
        <translation>يحتوي الاسم على محارف لا يمكن تمثيلها في Windows-1252.</translation>
    </message>
    <message>
        <source>Position must be from 0.0 to 180.0 degrees, with at most one decimal.</source>
        <translation>يجب أن يكون الموقع بين 0.0 و180.0 درجة، بخانة عشرية واحدة على الأكثر.</translation>
    </message>
    <message>
        <source>Satellite must be chosen from the list.</source>
        <translation>يجب اختيار القمر الصناعي من القائمة.</translation>
    </message>
</context>
<context>
    <name>Velmar</name>
    <message>
        <source>Index</source>
        <translation>الفهرس</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>المعرّف</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>الدرجة</translation>
    </message>
    <message>
        <source>TPID</source>
        <translation>رقم المرسل</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>معرّف TS</translation>
    </message>
    <message>
        <source>Sat ID</source>
        <translation>رقم القمر</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>تصحيح الأخطاء</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>رقم المزوّد</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>العدد</translation>
    </message>
    <message>
        <source>MUX</source>
        <translation>المجمِّع</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>التردد (ميغاهرتز)</translation>
    </message>
    <message>
        <source>NET ID</source>
        <translation>معرّف الشبكة</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>الشبكة الأصلية</translation>
    </message>
    <message>
        <source>Const</source>
        <translation>الكوكبة</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>العكس</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>العلامة</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>نمط الإرسال</translation>
    </message>
    <message>
        <source>C.R.</source>
        <translation>معدل الترميز</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>الكوكبة</translation>
    </message>
    <message>
        <source>G.I.</source>
        <translation>فاصل الحماية</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>الأولوية</translation>
    </message>
    <message>
        <source>Velmar for VX-7 and VX-8 satellite receivers - 8FAV</source>
        <translation>Velmar لأجهزة الاستقبال الفضائي VX-7 و VX-8 - 8FAV</translation>
    </message>
    <message>
        <source>About Velmar</source>
        <translation>حول Velmar</translation>
    </message>
    <message>
        <source>Velmar Version 1.4.6.10 (build:20090929)</source>
        <translation>Velmar الإصدار 1.4.6.10 (البناء: 20090929)</translation>
    </message>
    <message>
        <source>Channel database editor for digital-TV receivers</source>
        <translation>محرر قاعدة بيانات القنوات لأجهزة استقبال التلفزيون الرقمي</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>تعذّر فتح الملف أو أن إصداره غير صالح</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>تعذّر حفظ ملف القنوات</translation>
    </message>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>تعذّرت قراءة ترويسة الملف. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Cannot open file %s.</source>
        <translation>تعذّر فتح الملف %s.</translation>
    </message>
    <message>
        <source>The channel data has changed since it was opened or saved. Save the changes?</source>
        <translation>تغيّرت بيانات القنوات منذ فتحها أو حفظها. هل تريد حفظ التغييرات؟</translation>
    </message>
    <message>
        <source>The image was opened, but its working copy in the temporary directory could not be written. The channel list is complete in memory and saves as usual.</source>
        <translation>فُتحت الصورة، لكن تعذّرت كتابة نسخة العمل منها في المجلد المؤقت. قائمة القنوات كاملة في الذاكرة وتُحفظ كالمعتاد.</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Save it anyway?</source>
        <translation>في قائمة القنوات مشكلات قد لا يتعامل معها جهاز الاستقبال. هل تريد حفظها رغم ذلك؟</translation>
    </message>
    <message>
        <source>The channel list has problems that the receiver may not handle. Send it anyway?</source>
        <translation>في قائمة القنوات مشكلات قد لا يتعامل معها جهاز الاستقبال. هل تريد إرسالها رغم ذلك؟</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>احفظ رغم ذلك</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>أرسل رغم ذلك</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>تحميل بيانات القنوات</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>حفظ بيانات القنوات</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>حفظ بيانات القنوات الافتراضية</translation>
    </message>
    <message>
        <source>Local file (*.h)|*.bin|All Files(*.*)|*.*||</source>
        <translation>ملف محلي (*.h)|*.bin|كل الملفات (*.*)|*.*||</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>يجب إعادة تشغيل البرنامج الآن.</translation>
    </message>
    <message>
        <source>Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>ملف ثنائي (*.bin)|*.bin|ملف Excel (*.xls)|*.xls|كل الملفات (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||</source>
        <translation>ملف محلي (*.bin)|*.bin|ملف Excel (*.xls)|*.xls|كل الملفات (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>هل تريد حذف العناصر المحددة؟</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size</source>
        <translation>تعذّر تغيير اسم المفضلة: طول النص غير مطابق.</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>لا يمكن النسخ من قنوات الراديو إلى قنوات التلفزيون</translation>
    </message>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>لا يمكن النسخ من قنوات التلفزيون إلى قنوات الراديو</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>لا يمكن النقل من قنوات الراديو إلى قنوات التلفزيون</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>لا يمكن النقل من قنوات التلفزيون إلى قنوات الراديو</translation>
    </message>
    <message>
        <source>Broadcast Name : %s (ID : %d)</source>
        <translation>اسم المزوّد: %s (المعرّف: %d)</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>بيانات الإرسال فارغة أو غير صالحة</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>أرضي</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>المرسل المستجيب</translation>
    </message>
    <message>
        <source>Multiplex</source>
        <translation>المجمِّع</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Fav</source>
        <translation>مفضلة</translation>
    </message>
    <message>
        <source>SatID</source>
        <translation>رقم القمر</translation>
    </message>
    <message>
        <source>CH#</source>
        <translation>رقم القناة</translation>
    </message>
    <message>
        <source>VPID</source>
        <translation>PID الصورة</translation>
    </message>
    <message>
        <source>APID</source>
        <translation>PID الصوت</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PID الساعة</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Logical number</source>
        <translation>الرقم المنطقي</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>معرّف الخدمة</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID الصورة</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID الصوت</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID الساعة</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>مشفّرة</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>متخطّاة</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>الموالف</translation>
    </message>
    <message>
        <source>Broadcaster</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>تحديد الكل      Ctrl+A</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>نظام التشفير</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>الموالف 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>الموالف 2</translation>
    </message>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>جديد...        	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>تعديل...</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>نسخ          	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>لصق         	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>انقل إلى هنا</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>قفل...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>تخطٍّ...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>تحديد...</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>عكس التحديد</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>بحث...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>الوصف...	Enter</translation>
    </message>
    <message>
        <source>New...            Ctrl+N</source>
        <translation>جديد...            Ctrl+N</translation>
    </message>
    <message>
        <source>Delete             Delete</source>
        <translation>حذف             Delete</translation>
    </message>
    <message>
        <source>Description...   Enter</source>
        <translation>الوصف...   Enter</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>حذف        	Delete</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>إزالة من المفضلة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Lock On</source>
        <translation>تشغيل القفل</translation>
    </message>
    <message>
        <source>Lock Off</source>
        <translation>إيقاف القفل</translation>
    </message>
    <message>
        <source>Skip On</source>
        <translation>تشغيل التخطي</translation>
    </message>
    <message>
        <source>Skip Off</source>
        <translation>إيقاف التخطي</translation>
    </message>
    <message>
        <source>Set satellite</source>
        <translation>تعيين القمر الصناعي</translation>
    </message>
    <message>
        <source>Set multiplex</source>
        <translation>تعيين المجمِّع</translation>
    </message>
    <message>
        <source>Set transponder</source>
        <translation>تعيين المرسل المستجيب</translation>
    </message>
    <message>
        <source>Set broadcaster</source>
        <translation>تعيين المزوّد</translation>
    </message>
    <message>
        <source>Add to favourite list</source>
        <translation>إضافة إلى قائمة المفضلة</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>تعيين النوع</translation>
    </message>
    <message>
        <source>Move channels</source>
        <translation>نقل القنوات</translation>
    </message>
    <message>
        <source>Reorder favourite list</source>
        <translation>إعادة ترتيب قائمة المفضلة</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>قمر صناعي جديد</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>تعديل القمر الصناعي</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>حذف القمر الصناعي</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>مرسل مستجيب جديد</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>تعديل المرسل المستجيب</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>حذف المرسل المستجيب</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>نقل المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>مجمِّع جديد</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>تعديل المجمِّع</translation>
    </message>
    <message>
        <source>Delete multiplex</source>
        <translation>حذف المجمِّع</translation>
    </message>
    <message>
        <source>New broadcaster</source>
        <translation>مزوّد جديد</translation>
    </message>
    <message>
        <source>Update broadcaster</source>
        <translation>تعديل المزوّد</translation>
    </message>
    <message>
        <source>Delete broadcaster</source>
        <translation>حذف المزوّد</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>إعادة تسمية قائمة المفضلة</translation>
    </message>
    <message>
        <source>Import workbook</source>
        <translation>استيراد مصنف</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>تطبيق الترتيب</translation>
    </message>
    <message>
        <source>Add to this list</source>
        <translation>إضافة إلى هذه القائمة</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>استيراد CSV</translation>
    </message>
    <message>
        <source>Import transponders</source>
        <translation>استيراد المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بلا</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>أفلام</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>أخبار ووقائع</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>ترفيه</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>رياضة</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>أطفال</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>وقائع</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>تعليم</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>أسلوب حياة</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>دراما</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>موسيقى</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>فنون</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>شؤون جارية</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>خاص</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>كوميديا</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>وثائقي</translation>
    </message>
    <message>
        <source>Compare with another list</source>
        <translation>المقارنة بقائمة أخرى</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>المقارنة</translation>
    </message>
    <message>
        <source>Differences between this list and %1: %2</source>
        <translation>الفروق بين هذه القائمة و%1: %2</translation>
    </message>
    <message>
        <source>The two lists are the same.</source>
        <translation>القائمتان متطابقتان.</translation>
    </message>
    <message>
        <source>The other list has no satellites: the channels&apos; tuning was compared by their ids.</source>
        <translation>لا تحتوي القائمة الأخرى على أقمار صناعية: قورن ضبط القنوات بحسب معرّفاتها.</translation>
    </message>
    <message>
        <source>Only in this list</source>
        <translation>في هذه القائمة فقط</translation>
    </message>
    <message>
        <source>Only in the other list</source>
        <translation>في القائمة الأخرى فقط</translation>
    </message>
    <message>
        <source>Number changed</source>
        <translation>تغيّر الرقم</translation>
    </message>
    <message>
        <source>Name changed</source>
        <translation>تغيّر الاسم</translation>
    </message>
    <message>
        <source>Tuning changed</source>
        <translation>تغيّر الضبط</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>تغيّرت السمات</translation>
    </message>
    <message>
        <source>Favourite lists changed</source>
        <translation>تغيّرت قوائم المفضلة</translation>
    </message>
    <message>
        <source>Satellites only in this list</source>
        <translation>أقمار صناعية في هذه القائمة فقط</translation>
    </message>
    <message>
        <source>Satellites only in the other list</source>
        <translation>أقمار صناعية في القائمة الأخرى فقط</translation>
    </message>
    <message>
        <source>Satellite renamed</source>
        <translation>أُعيدت تسمية القمر الصناعي</translation>
    </message>
    <message>
        <source>Transponders only in this list</source>
        <translation>مرسلات مستجيبة في هذه القائمة فقط</translation>
    </message>
    <message>
        <source>Transponders only in the other list</source>
        <translation>مرسلات مستجيبة في القائمة الأخرى فقط</translation>
    </message>
    <message>
        <source>Transponder changed</source>
        <translation>تغيّر المرسل المستجيب</translation>
    </message>
    <message>
        <source>Multiplexes only in this list</source>
        <translation>تعدّديات إرسال في هذه القائمة فقط</translation>
    </message>
    <message>
        <source>Multiplexes only in the other list</source>
        <translation>تعدّديات إرسال في القائمة الأخرى فقط</translation>
    </message>
    <message>
        <source>Multiplex changed</source>
        <translation>تغيّرت تعدّدية الإرسال</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>استيراد القنوات من CSV</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>تصدير القنوات بصيغة CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|All Files(*.*)|*.*||</source>
        <translation>ملف CSV (*.csv)|*.csv|كل الملفات (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>استيراد المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>Satellite list (*.xml)|*.xml|All Files(*.*)|*.*||</source>
        <translation>قائمة الأقمار الصناعية (*.xml)|*.xml|كل الملفات (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Bring these satellites up to date:</source>
        <translation>تحديث هذه الأقمار الصناعية:</translation>
    </message>
    <message>
        <source>%1  %2  (%3, in this list)</source>
        <translation>%1  %2  (%3، في هذه القائمة)</translation>
    </message>
    <message>
        <source>%1  %2  (%3, new)</source>
        <translation>%1  %2  (%3، جديد)</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders</source>
        <translation>
            <numerusform>%1 مرسل مستجيب</numerusform>
            <numerusform>مرسل مستجيب واحد</numerusform>
            <numerusform>مرسلان مستجيبان</numerusform>
            <numerusform>%1 مرسلات مستجيبة</numerusform>
            <numerusform>%1 مرسلًا مستجيبًا</numerusform>
            <numerusform>%1 مرسل مستجيب</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete transponders the file does not have</source>
        <translation>حذف المرسلات المستجيبة غير الموجودة في الملف</translation>
    </message>
    <message>
        <source>Their channels are deleted with them, as the transponder grid&apos;s Delete does.</source>
        <translation>تُحذف قنواتها معها، كما يفعل الحذف في قائمة المرسلات المستجيبة.</translation>
    </message>
    <message>
        <source>The file lists no satellites. Nothing was changed.</source>
        <translation>لا يذكر الملف أي أقمار صناعية. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>There is not enough memory to finish the command. Nothing was changed.</source>
        <translation>لا توجد ذاكرة كافية لإتمام الأمر. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>The command failed: %s</source>
        <translation>فشل الأمر: %s</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>العكس</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>معرّف الشبكة</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>معرّف الشبكة الأصلية</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>المجموعة %1 %2</translation>
    </message>
    <message>
        <source>Satellite receiver with one tuner and compact channel entries (the start-up choice)</source>
        <translation>جهاز استقبال فضائي بموالف واحد ومدخلات قنوات مضغوطة (الاختيار عند البدء)</translation>
    </message>
    <message>
        <source>VX-7 and VX-8 satellite receivers</source>
        <translation>الاستقبال الفضائي VX-7 و VX-8</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries; each channel keeps its place in eight favourite lists</source>
        <translation>جهاز استقبال فضائي بمدخلات أقمار صناعية طويلة؛ تحتفظ كل قناة بمكانها في ثماني قوائم مفضلة</translation>
    </message>
    <message>
        <source>VX-8 Plus satellite receivers</source>
        <translation>الاستقبال الفضائي VX-8 Plus</translation>
    </message>
    <message>
        <source>Satellite receiver with full channel entries; each channel keeps its place in 24 favourite lists</source>
        <translation>جهاز استقبال فضائي بمدخلات قنوات كاملة؛ تحتفظ كل قناة بمكانها في 24 قائمة مفضلة</translation>
    </message>
    <message>
        <source>VX-1 satellite receivers</source>
        <translation>الاستقبال الفضائي VX-1</translation>
    </message>
    <message>
        <source>Satellite receiver with long satellite entries and full channel entries; each channel keeps its place in 32 favourite lists</source>
        <translation>جهاز استقبال فضائي بمدخلات أقمار صناعية طويلة ومدخلات قنوات كاملة؛ تحتفظ كل قناة بمكانها في 32 قائمة مفضلة</translation>
    </message>
    <message>
        <source>VX-64 satellite receivers</source>
        <translation>الاستقبال الفضائي VX-64</translation>
    </message>
    <message>
        <source>Cable receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>جهاز استقبال كابل بموالفين؛ تُخزَّن كل قناة مرة واحدة لكل موالف</translation>
    </message>
    <message>
        <source>VX-5 twin-tuner cable receivers</source>
        <translation>استقبال الكابل VX-5 ثنائية الموالف</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with two tuners; every channel is stored once for each tuner</source>
        <translation>جهاز استقبال أرضي (بالهوائي) بموالفين؛ تُخزَّن كل قناة مرة واحدة لكل موالف</translation>
    </message>
    <message>
        <source>VX-6 twin-tuner terrestrial receivers</source>
        <translation>الاستقبال الأرضي VX-6 ثنائية الموالف</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver; multiplexes instead of satellites</source>
        <translation>جهاز استقبال أرضي (بالهوائي)؛ مجمِّعات بدلًا من الأقمار الصناعية</translation>
    </message>
    <message>
        <source>VX-1T terrestrial receivers</source>
        <translation>الاستقبال الأرضي VX-1T</translation>
    </message>
    <message>
        <source>Terrestrial (aerial) receiver with network channel entries (logical channel numbers) and eight favourite lists</source>
        <translation>جهاز استقبال أرضي (بالهوائي) بمدخلات قنوات الشبكة (أرقام القنوات المنطقية) وثماني قوائم مفضلة</translation>
    </message>
    <message>
        <source>VX-9 terrestrial receivers</source>
        <translation>الاستقبال الأرضي VX-9</translation>
    </message>
    <message>
        <source>Cable receiver; cable multiplexes instead of satellites</source>
        <translation>جهاز استقبال كابل؛ مجمِّعات الكابل بدلًا من الأقمار الصناعية</translation>
    </message>
    <message>
        <source>VX-2 cable receivers</source>
        <translation>استقبال الكابل VX-2</translation>
    </message>
    <message>
        <source>Receiver with a satellite and a terrestrial tuner; the terrestrial multiplexes have their own tab</source>
        <translation>جهاز استقبال بموالف فضائي وموالف أرضي؛ للمجمِّعات الأرضية علامة تبويب خاصة بها</translation>
    </message>
    <message>
        <source>VX-3 satellite and terrestrial receivers</source>
        <translation>الاستقبال الفضائي والأرضي VX-3</translation>
    </message>
    <message>
        <source>Cable receiver that keeps its multiplexes, providers and channels together in one block</source>
        <translation>جهاز استقبال كابل يحفظ المجمِّعات والمزوّدين والقنوات معًا في كتلة واحدة</translation>
    </message>
    <message>
        <source>VX-10 cable receivers</source>
        <translation>استقبال الكابل VX-10</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>مرسل مستجيب واحد</translation>
    </message>
    <message>
        <source>%1 must be a number from 0 to %2.</source>
        <translation>%1: يجب أن تكون القيمة عددًا من 0 إلى %2.</translation>
    </message>
    <message>
        <source>%1 must have at most %2 characters.</source>
        <translation>%1: الحد الأقصى لعدد المحارف هو %2.</translation>
    </message>
    <message>
        <source>%1 must be between 0 and %2.</source>
        <translation>%1: يجب أن تكون القيمة بين 0 و%2.</translation>
    </message>
    <message>
        <source>%1 must not be 0: the receiver reads it as an empty slot.</source>
        <translation>يجب ألا يكون %1 صفرًا: يقرؤه جهاز الاستقبال كخانة فارغة.</translation>
    </message>
    <message>
        <source>Name must not be empty.</source>
        <translation>يجب ألا يكون الاسم فارغًا.</translation>
    </message>
    <message>
        <source>Attributes must mark the channel as either TV (0x0400) or radio (0x0800).</source>
        <translation>يجب أن يَسِم Attributes القناة إما تلفزيونًا (0x0400) أو راديو (0x0800).</translation>
    </message>
    <message>
        <source>Tuner must be 0 on this receiver: other values mark the second tuner&apos;s copy.</source>
        <translation>يجب أن يكون Tuner صفرًا في جهاز الاستقبال هذا: القيم الأخرى تَسِم نسخة الموالف الثاني.</translation>
    </message>
    <message>
        <source>Degree must be below 3600 (tenths of a degree).</source>
        <translation>يجب أن يكون Degree أقل من 3600 (بأعشار الدرجة).</translation>
    </message>
    <message>
        <source>ID must not be 0.</source>
        <translation>يجب ألا يكون المعرّف صفرًا.</translation>
    </message>
    <message>
        <source>ID %1 belongs to another satellite.</source>
        <translation>المعرّف %1 يخص قمرًا صناعيًا آخر.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another transponder of satellite %2.</source>
        <translation>TPID %1 يخص مرسلًا مستجيبًا آخر للقمر الصناعي %2.</translation>
    </message>
    <message>
        <source>TPID %1 belongs to another multiplex.</source>
        <translation>TPID %1 يخص مجمِّعًا آخر.</translation>
    </message>
    <message numerus="yes">
        <source>Matched %1 channels by ids and %2 by name; %3 not matched.</source>
        <translation>
            <numerusform>طوبقت %1 قناة بالمعرّفات و%2 بالاسم؛ دون مطابقة: %3.</numerusform>
            <numerusform>طوبقت قناة واحدة بالمعرّفات و%2 بالاسم؛ دون مطابقة: %3.</numerusform>
            <numerusform>طوبقت قناتان بالمعرّفات و%2 بالاسم؛ دون مطابقة: %3.</numerusform>
            <numerusform>طوبقت %1 قنوات بالمعرّفات و%2 بالاسم؛ دون مطابقة: %3.</numerusform>
            <numerusform>طوبقت %1 قناة بالمعرّفات و%2 بالاسم؛ دون مطابقة: %3.</numerusform>
            <numerusform>طوبقت %1 قناة بالمعرّفات و%2 بالاسم؛ دون مطابقة: %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>TV %1 %2</source>
        <translation>تلفزيون %1 %2</translation>
    </message>
    <message>
        <source>radio %1 %2</source>
        <translation>راديو %1 %2</translation>
    </message>
    <message>
        <source>%1 channel shares a number with another channel of its kind</source>
        <translation>قناة واحدة تشترك في رقمها مع قناة أخرى من نوعها</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels share a number with another channel of their kind</source>
        <translation>
            <numerusform>%1 قناة تشترك في أرقامها مع قنوات أخرى من نوعها</numerusform>
            <numerusform>قناة واحدة تشترك في رقمها مع قناة أخرى من نوعها</numerusform>
            <numerusform>قناتان تشتركان في رقمهما مع قناة أخرى من نوعهما</numerusform>
            <numerusform>%1 قنوات تشترك في أرقامها مع قنوات أخرى من نوعها</numerusform>
            <numerusform>%1 قناة تشترك في أرقامها مع قنوات أخرى من نوعها</numerusform>
            <numerusform>%1 قناة تشترك في أرقامها مع قنوات أخرى من نوعها</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (satellite %2)</source>
        <translation>%1 (القمر الصناعي %2)</translation>
    </message>
    <message>
        <source>%1 (transponder %2 of satellite %3)</source>
        <translation>%1 (المرسل المستجيب %2 للقمر الصناعي %3)</translation>
    </message>
    <message>
        <source>%1 (multiplex %2)</source>
        <translation>%1 (المجمِّع %2)</translation>
    </message>
    <message>
        <source>%1 (provider %2)</source>
        <translation>%1 (المزوّد %2)</translation>
    </message>
    <message>
        <source>transponder %1 MHz (satellite %2)</source>
        <translation>المرسل المستجيب %1 ميغاهرتز (القمر الصناعي %2)</translation>
    </message>
    <message>
        <source>%1 channel names a satellite the list does not have</source>
        <translation>قناة واحدة تشير إلى قمر صناعي غير موجود في القائمة</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 قناة تشير إلى قمر صناعي غير موجود في القائمة</numerusform>
            <numerusform>قناة واحدة تشير إلى قمر صناعي غير موجود في القائمة</numerusform>
            <numerusform>قناتان تشيران إلى قمر صناعي غير موجود في القائمة</numerusform>
            <numerusform>%1 قنوات تشير إلى قمر صناعي غير موجود في القائمة</numerusform>
            <numerusform>%1 قناة تشير إلى قمر صناعي غير موجود في القائمة</numerusform>
            <numerusform>%1 قناة تشير إلى قمر صناعي غير موجود في القائمة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a transponder the list does not have</source>
        <translation>قناة واحدة تشير إلى مرسل مستجيب غير موجود في القائمة</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a transponder the list does not have</source>
        <translation>
            <numerusform>%1 قناة تشير إلى مرسل مستجيب غير موجود في القائمة</numerusform>
            <numerusform>قناة واحدة تشير إلى مرسل مستجيب غير موجود في القائمة</numerusform>
            <numerusform>قناتان تشيران إلى مرسل مستجيب غير موجود في القائمة</numerusform>
            <numerusform>%1 قنوات تشير إلى مرسل مستجيب غير موجود في القائمة</numerusform>
            <numerusform>%1 قناة تشير إلى مرسل مستجيب غير موجود في القائمة</numerusform>
            <numerusform>%1 قناة تشير إلى مرسل مستجيب غير موجود في القائمة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a multiplex the list does not have</source>
        <translation>قناة واحدة تشير إلى مجمِّع غير موجود في القائمة</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a multiplex the list does not have</source>
        <translation>
            <numerusform>%1 قناة تشير إلى مجمِّع غير موجود في القائمة</numerusform>
            <numerusform>قناة واحدة تشير إلى مجمِّع غير موجود في القائمة</numerusform>
            <numerusform>قناتان تشيران إلى مجمِّع غير موجود في القائمة</numerusform>
            <numerusform>%1 قنوات تشير إلى مجمِّع غير موجود في القائمة</numerusform>
            <numerusform>%1 قناة تشير إلى مجمِّع غير موجود في القائمة</numerusform>
            <numerusform>%1 قناة تشير إلى مجمِّع غير موجود في القائمة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel names a provider the list does not have</source>
        <translation>قناة واحدة تشير إلى مزوّد غير موجود في القائمة</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels name a provider the list does not have</source>
        <translation>
            <numerusform>%1 قناة تشير إلى مزوّد غير موجود في القائمة</numerusform>
            <numerusform>قناة واحدة تشير إلى مزوّد غير موجود في القائمة</numerusform>
            <numerusform>قناتان تشيران إلى مزوّد غير موجود في القائمة</numerusform>
            <numerusform>%1 قنوات تشير إلى مزوّد غير موجود في القائمة</numerusform>
            <numerusform>%1 قناة تشير إلى مزوّد غير موجود في القائمة</numerusform>
            <numerusform>%1 قناة تشير إلى مزوّد غير موجود في القائمة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder names a satellite the list does not have</source>
        <translation>مرسل مستجيب واحد يشير إلى قمر صناعي غير موجود في القائمة</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders name a satellite the list does not have</source>
        <translation>
            <numerusform>%1 مرسل مستجيب تشير إلى قمر صناعي غير موجود في القائمة</numerusform>
            <numerusform>مرسل مستجيب واحد يشير إلى قمر صناعي غير موجود في القائمة</numerusform>
            <numerusform>مرسلان مستجيبان يشيران إلى قمر صناعي غير موجود في القائمة</numerusform>
            <numerusform>%1 مرسلات مستجيبة تشير إلى قمر صناعي غير موجود في القائمة</numerusform>
            <numerusform>%1 مرسلًا مستجيبًا تشير إلى قمر صناعي غير موجود في القائمة</numerusform>
            <numerusform>%1 مرسل مستجيب تشير إلى قمر صناعي غير موجود في القائمة</numerusform>
        </translation>
    </message>
    <message>
        <source>favourite list %1 (TV)</source>
        <translation>قائمة المفضلة %1 (تلفزيون)</translation>
    </message>
    <message>
        <source>favourite list %1 (radio)</source>
        <translation>قائمة المفضلة %1 (راديو)</translation>
    </message>
    <message>
        <source>%1 favourite list has positions that repeat or leave holes</source>
        <translation>قائمة مفضلة واحدة فيها مواضع مكررة أو ناقصة</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists have positions that repeat or leave holes</source>
        <translation>
            <numerusform>%1 قائمة مفضلة فيها مواضع مكررة أو ناقصة</numerusform>
            <numerusform>قائمة مفضلة واحدة فيها مواضع مكررة أو ناقصة</numerusform>
            <numerusform>قائمتان مفضلتان فيهما مواضع مكررة أو ناقصة</numerusform>
            <numerusform>%1 قوائم مفضلة فيها مواضع مكررة أو ناقصة</numerusform>
            <numerusform>%1 قائمة مفضلة فيها مواضع مكررة أو ناقصة</numerusform>
            <numerusform>%1 قائمة مفضلة فيها مواضع مكررة أو ناقصة</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>القمر الصناعي %1</translation>
    </message>
    <message>
        <source>provider %1</source>
        <translation>المزوّد %1</translation>
    </message>
    <message>
        <source>%1 name holds characters the receiver cannot show</source>
        <translation>اسم واحد يحتوي على محارف لا يستطيع جهاز الاستقبال عرضها</translation>
    </message>
    <message numerus="yes">
        <source>%1 names hold characters the receiver cannot show</source>
        <translation>
            <numerusform>%1 اسم تحتوي على محارف لا يستطيع جهاز الاستقبال عرضها</numerusform>
            <numerusform>اسم واحد يحتوي على محارف لا يستطيع جهاز الاستقبال عرضها</numerusform>
            <numerusform>اسمان يحتويان على محارف لا يستطيع جهاز الاستقبال عرضها</numerusform>
            <numerusform>%1 أسماء تحتوي على محارف لا يستطيع جهاز الاستقبال عرضها</numerusform>
            <numerusform>%1 اسمًا تحتوي على محارف لا يستطيع جهاز الاستقبال عرضها</numerusform>
            <numerusform>%1 اسم تحتوي على محارف لا يستطيع جهاز الاستقبال عرضها</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark neither TV nor radio</source>
        <translation>
            <numerusform>%1 صف دون علامة تلفزيون أو راديو</numerusform>
            <numerusform>صف واحد دون علامة تلفزيون أو راديو</numerusform>
            <numerusform>صفّان دون علامة تلفزيون أو راديو</numerusform>
            <numerusform>%1 صفوف دون علامة تلفزيون أو راديو</numerusform>
            <numerusform>%1 صفًا دون علامة تلفزيون أو راديو</numerusform>
            <numerusform>%1 صف دون علامة تلفزيون أو راديو</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 mark both TV and radio</source>
        <translation>
            <numerusform>%1 صف بعلامتي التلفزيون والراديو معًا</numerusform>
            <numerusform>صف واحد بعلامتي التلفزيون والراديو معًا</numerusform>
            <numerusform>صفّان بعلامتي التلفزيون والراديو معًا</numerusform>
            <numerusform>%1 صفوف بعلامتي التلفزيون والراديو معًا</numerusform>
            <numerusform>%1 صفًا بعلامتي التلفزيون والراديو معًا</numerusform>
            <numerusform>%1 صف بعلامتي التلفزيون والراديو معًا</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have the number 0</source>
        <translation>
            <numerusform>%1 صف بالرقم 0</numerusform>
            <numerusform>صف واحد بالرقم 0</numerusform>
            <numerusform>صفّان بالرقم 0</numerusform>
            <numerusform>%1 صفوف بالرقم 0</numerusform>
            <numerusform>%1 صفًا بالرقم 0</numerusform>
            <numerusform>%1 صف بالرقم 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 have no name</source>
        <translation>
            <numerusform>%1 صف بلا اسم</numerusform>
            <numerusform>صف واحد بلا اسم</numerusform>
            <numerusform>صفّان بلا اسم</numerusform>
            <numerusform>%1 صفوف بلا اسم</numerusform>
            <numerusform>%1 صفًا بلا اسم</numerusform>
            <numerusform>%1 صف بلا اسم</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name satellite %2, which the image does not have</source>
        <translation>%1 تشير إلى القمر الصناعي %2 غير الموجود في الصورة</translation>
    </message>
    <message numerus="yes">
        <source>%1 name satellites %2, which the image does not have</source>
        <translation>
            <numerusform>%1 تشير إلى الأقمار الصناعية %2 غير الموجودة في الصورة</numerusform>
            <numerusform>%1 تشير إلى الأقمار الصناعية %2 غير الموجودة في الصورة</numerusform>
            <numerusform>%1 تشير إلى الأقمار الصناعية %2 غير الموجودة في الصورة</numerusform>
            <numerusform>%1 تشير إلى الأقمار الصناعية %2 غير الموجودة في الصورة</numerusform>
            <numerusform>%1 تشير إلى الأقمار الصناعية %2 غير الموجودة في الصورة</numerusform>
            <numerusform>%1 تشير إلى الأقمار الصناعية %2 غير الموجودة في الصورة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name transponder %2, which the image does not have on their satellite</source>
        <translation>%1 تشير إلى المرسل المستجيب %2 غير الموجود في الصورة على قمرها الصناعي</translation>
    </message>
    <message numerus="yes">
        <source>%1 name transponders %2, which the image does not have on their satellite</source>
        <translation>
            <numerusform>%1 تشير إلى المرسلات المستجيبة %2 غير الموجودة في الصورة على قمرها الصناعي</numerusform>
            <numerusform>%1 تشير إلى المرسلات المستجيبة %2 غير الموجودة في الصورة على قمرها الصناعي</numerusform>
            <numerusform>%1 تشير إلى المرسلات المستجيبة %2 غير الموجودة في الصورة على قمرها الصناعي</numerusform>
            <numerusform>%1 تشير إلى المرسلات المستجيبة %2 غير الموجودة في الصورة على قمرها الصناعي</numerusform>
            <numerusform>%1 تشير إلى المرسلات المستجيبة %2 غير الموجودة في الصورة على قمرها الصناعي</numerusform>
            <numerusform>%1 تشير إلى المرسلات المستجيبة %2 غير الموجودة في الصورة على قمرها الصناعي</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name multiplex %2, which the image does not have</source>
        <translation>%1 تشير إلى المجمِّع %2 غير الموجود في الصورة</translation>
    </message>
    <message numerus="yes">
        <source>%1 name multiplexes %2, which the image does not have</source>
        <translation>
            <numerusform>%1 تشير إلى المجمِّعات %2 غير الموجودة في الصورة</numerusform>
            <numerusform>%1 تشير إلى المجمِّعات %2 غير الموجودة في الصورة</numerusform>
            <numerusform>%1 تشير إلى المجمِّعات %2 غير الموجودة في الصورة</numerusform>
            <numerusform>%1 تشير إلى المجمِّعات %2 غير الموجودة في الصورة</numerusform>
            <numerusform>%1 تشير إلى المجمِّعات %2 غير الموجودة في الصورة</numerusform>
            <numerusform>%1 تشير إلى المجمِّعات %2 غير الموجودة في الصورة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 name provider %2, which the image does not have</source>
        <translation>%1 تشير إلى المزوّد %2 غير الموجود في الصورة</translation>
    </message>
    <message numerus="yes">
        <source>%1 name providers %2, which the image does not have</source>
        <translation>
            <numerusform>%1 تشير إلى المزوّدين %2 غير الموجودين في الصورة</numerusform>
            <numerusform>%1 تشير إلى المزوّدين %2 غير الموجودين في الصورة</numerusform>
            <numerusform>%1 تشير إلى المزوّدين %2 غير الموجودين في الصورة</numerusform>
            <numerusform>%1 تشير إلى المزوّدين %2 غير الموجودين في الصورة</numerusform>
            <numerusform>%1 تشير إلى المزوّدين %2 غير الموجودين في الصورة</numerusform>
            <numerusform>%1 تشير إلى المزوّدين %2 غير الموجودين في الصورة</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the %1 row of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>لا يمكن استيراد الصف الوحيد من Channel: %2. لم تتغير قائمة القنوات.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 rows of Channel can be imported: %2. The channel list was not changed.</source>
        <translation>
            <numerusform>لا يمكن استيراد أي من صفوف Channel البالغ عددها %1: %2. لم تتغير قائمة القنوات.</numerusform>
            <numerusform>لا يمكن استيراد الصف الوحيد من Channel: %2. لم تتغير قائمة القنوات.</numerusform>
            <numerusform>لا يمكن استيراد أي من صفَّي Channel: %2. لم تتغير قائمة القنوات.</numerusform>
            <numerusform>لا يمكن استيراد أي من صفوف Channel البالغ عددها %1: %2. لم تتغير قائمة القنوات.</numerusform>
            <numerusform>لا يمكن استيراد أي من صفوف Channel البالغ عددها %1: %2. لم تتغير قائمة القنوات.</numerusform>
            <numerusform>لا يمكن استيراد أي من صفوف Channel البالغ عددها %1: %2. لم تتغير قائمة القنوات.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 row of Channel was not imported: %2.</source>
        <translation>لم يُستورد صف واحد من Channel: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel were not imported: %2.</source>
        <translation>
            <numerusform>لم يُستورد %1 صف من Channel: %2.</numerusform>
            <numerusform>لم يُستورد صف واحد من Channel: %2.</numerusform>
            <numerusform>لم يُستورد صفّان من Channel: %2.</numerusform>
            <numerusform>لم تُستورد %1 صفوف من Channel: %2.</numerusform>
            <numerusform>لم يُستورد %1 صفًا من Channel: %2.</numerusform>
            <numerusform>لم يُستورد %1 صف من Channel: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of the rows imported, %1; the check before Save and Send lists them.</source>
        <translation>من الصفوف المستوردة: %1؛ يسردها الفحص قبل الحفظ والإرسال.</translation>
    </message>
    <message>
        <source>%1 row of Channel had a number that an earlier row has and now follows the last channel of its kind.</source>
        <translation>كان لصف واحد من Channel رقم يحمله صف سابق، فصار يلي آخر قناة من نوعه.</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of Channel had a number that earlier rows have and now follow the last channels of their kind.</source>
        <translation>
            <numerusform>كان لـ%1 صف من Channel أرقام تحملها صفوف سابقة، فصارت تلي آخر القنوات من نوعها.</numerusform>
            <numerusform>كان لصف واحد من Channel رقم يحمله صف سابق، فصار يلي آخر قناة من نوعه.</numerusform>
            <numerusform>كان لصفّين من Channel رقمان تحملهما صفوف سابقة، فصارا يليان آخر القنوات من نوعهما.</numerusform>
            <numerusform>كان لـ%1 صفوف من Channel أرقام تحملها صفوف سابقة، فصارت تلي آخر القنوات من نوعها.</numerusform>
            <numerusform>كان لـ%1 صفًا من Channel أرقام تحملها صفوف سابقة، فصارت تلي آخر القنوات من نوعها.</numerusform>
            <numerusform>كان لـ%1 صف من Channel أرقام تحملها صفوف سابقة، فصارت تلي آخر القنوات من نوعها.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>قمر صناعي واحد</translation>
    </message>
    <message numerus="yes">
        <source>%1 satellites</source>
        <translation>
            <numerusform>%1 قمر صناعي</numerusform>
            <numerusform>قمر صناعي واحد</numerusform>
            <numerusform>قمران صناعيان</numerusform>
            <numerusform>%1 أقمار صناعية</numerusform>
            <numerusform>%1 قمرًا صناعيًا</numerusform>
            <numerusform>%1 قمر صناعي</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>قناة واحدة</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels</source>
        <translation>
            <numerusform>%1 قناة</numerusform>
            <numerusform>قناة واحدة</numerusform>
            <numerusform>قناتان</numerusform>
            <numerusform>%1 قنوات</numerusform>
            <numerusform>%1 قناة</numerusform>
            <numerusform>%1 قناة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged, %6 deleted with %7.</source>
        <translation>أُضيف: %1، وحُدِّث: %2؛ المرسلات المستجيبة — أُضيف: %3، وعُدِّل: %4، ودون تغيير: %5، وحُذف: %6 مع %7.</translation>
    </message>
    <message>
        <source>%1 added, %2 brought up to date; transponders: %3 added, %4 updated, %5 unchanged.</source>
        <translation>أُضيف: %1، وحُدِّث: %2؛ المرسلات المستجيبة — أُضيف: %3، وعُدِّل: %4، ودون تغيير: %5.</translation>
    </message>
    <message>
        <source>%1 transponder of the list the file no longer has was kept:</source>
        <translation>أُبقي على مرسل مستجيب واحد من القائمة لم يعد في الملف:</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the list the file no longer has were kept:</source>
        <translation>
            <numerusform>أُبقي على %1 مرسل مستجيب من القائمة لم تعد في الملف:</numerusform>
            <numerusform>أُبقي على مرسل مستجيب واحد من القائمة لم يعد في الملف:</numerusform>
            <numerusform>أُبقي على مرسلَين مستجيبَين من القائمة لم يعودا في الملف:</numerusform>
            <numerusform>أُبقي على %1 مرسلات مستجيبة من القائمة لم تعد في الملف:</numerusform>
            <numerusform>أُبقي على %1 مرسلًا مستجيبًا من القائمة لم تعد في الملف:</numerusform>
            <numerusform>أُبقي على %1 مرسل مستجيب من القائمة لم تعد في الملف:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a frequency outside 1 to 65,535 MHz</source>
        <translation>
            <numerusform>%1 بتردد خارج النطاق من 1 إلى 65,535 ميغاهرتز</numerusform>
            <numerusform>%1 بتردد خارج النطاق من 1 إلى 65,535 ميغاهرتز</numerusform>
            <numerusform>%1 بتردد خارج النطاق من 1 إلى 65,535 ميغاهرتز</numerusform>
            <numerusform>%1 بتردد خارج النطاق من 1 إلى 65,535 ميغاهرتز</numerusform>
            <numerusform>%1 بتردد خارج النطاق من 1 إلى 65,535 ميغاهرتز</numerusform>
            <numerusform>%1 بتردد خارج النطاق من 1 إلى 65,535 ميغاهرتز</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 a symbol rate outside 1 to 65,535 kS/s</source>
        <translation>
            <numerusform>%1 بمعدل رموز خارج النطاق من 1 إلى 65,535 kS/s</numerusform>
            <numerusform>%1 بمعدل رموز خارج النطاق من 1 إلى 65,535 kS/s</numerusform>
            <numerusform>%1 بمعدل رموز خارج النطاق من 1 إلى 65,535 kS/s</numerusform>
            <numerusform>%1 بمعدل رموز خارج النطاق من 1 إلى 65,535 kS/s</numerusform>
            <numerusform>%1 بمعدل رموز خارج النطاق من 1 إلى 65,535 kS/s</numerusform>
            <numerusform>%1 بمعدل رموز خارج النطاق من 1 إلى 65,535 kS/s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 16APSK or 32APSK, which the receiver cannot hold</source>
        <translation>
            <numerusform>%1 بتعديل 16APSK أو 32APSK الذي لا يستطيع جهاز الاستقبال حفظه</numerusform>
            <numerusform>%1 بتعديل 16APSK أو 32APSK الذي لا يستطيع جهاز الاستقبال حفظه</numerusform>
            <numerusform>%1 بتعديل 16APSK أو 32APSK الذي لا يستطيع جهاز الاستقبال حفظه</numerusform>
            <numerusform>%1 بتعديل 16APSK أو 32APSK الذي لا يستطيع جهاز الاستقبال حفظه</numerusform>
            <numerusform>%1 بتعديل 16APSK أو 32APSK الذي لا يستطيع جهاز الاستقبال حفظه</numerusform>
            <numerusform>%1 بتعديل 16APSK أو 32APSK الذي لا يستطيع جهاز الاستقبال حفظه</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 transponder of the file was not imported: %2.</source>
        <translation>لم يُستورد مرسل مستجيب واحد من الملف: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 transponders of the file were not imported: %2.</source>
        <translation>
            <numerusform>لم يُستورد %1 مرسل مستجيب من الملف: %2.</numerusform>
            <numerusform>لم يُستورد مرسل مستجيب واحد من الملف: %2.</numerusform>
            <numerusform>لم يُستورد مرسلان مستجيبان من الملف: %2.</numerusform>
            <numerusform>لم تُستورد %1 مرسلات مستجيبة من الملف: %2.</numerusform>
            <numerusform>لم يُستورد %1 مرسلًا مستجيبًا من الملف: %2.</numerusform>
            <numerusform>لم يُستورد %1 مرسل مستجيب من الملف: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 circular transponder was taken with left as H and right as V.</source>
        <translation>أُخذ مرسل مستجيب دائري واحد بجعل اليسار H واليمين V.</translation>
    </message>
    <message numerus="yes">
        <source>%1 circular transponders were taken with left as H and right as V.</source>
        <translation>
            <numerusform>أُخذ %1 مرسل مستجيب دائري بجعل اليسار H واليمين V.</numerusform>
            <numerusform>أُخذ مرسل مستجيب دائري واحد بجعل اليسار H واليمين V.</numerusform>
            <numerusform>أُخذ مرسلان مستجيبان دائريان بجعل اليسار H واليمين V.</numerusform>
            <numerusform>أُخذت %1 مرسلات مستجيبة دائرية بجعل اليسار H واليمين V.</numerusform>
            <numerusform>أُخذ %1 مرسلًا مستجيبًا دائريًا بجعل اليسار H واليمين V.</numerusform>
            <numerusform>أُخذ %1 مرسل مستجيب دائري بجعل اليسار H واليمين V.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 FEC the receiver has no name for was taken as Auto.</source>
        <translation>أُخذت قيمة FEC واحدة لا يعرف جهاز الاستقبال اسمها على أنها Auto.</translation>
    </message>
    <message numerus="yes">
        <source>%1 FECs the receiver has no name for were taken as Auto.</source>
        <translation>
            <numerusform>أُخذت %1 قيمة FEC لا يعرف جهاز الاستقبال اسمها على أنها Auto.</numerusform>
            <numerusform>أُخذت قيمة FEC واحدة لا يعرف جهاز الاستقبال اسمها على أنها Auto.</numerusform>
            <numerusform>أُخذت قيمتا FEC لا يعرف جهاز الاستقبال اسمها على أنها Auto.</numerusform>
            <numerusform>أُخذت %1 قيم FEC لا يعرف جهاز الاستقبال اسمها على أنها Auto.</numerusform>
            <numerusform>أُخذت %1 قيمة FEC لا يعرف جهاز الاستقبال اسمها على أنها Auto.</numerusform>
            <numerusform>أُخذت %1 قيمة FEC لا يعرف جهاز الاستقبال اسمها على أنها Auto.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 DVB-S2 transponder was taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>أُخذ مرسل مستجيب DVB-S2 واحد دون علامة DVB-S2، إذ لا تتضمنها سجلات جهاز الاستقبال هذا.</translation>
    </message>
    <message numerus="yes">
        <source>%1 DVB-S2 transponders were taken without a DVB-S2 mark, which this receiver&apos;s records do not have.</source>
        <translation>
            <numerusform>أُخذ %1 مرسل مستجيب DVB-S2 دون علامة DVB-S2، إذ لا تتضمنها سجلات جهاز الاستقبال هذا.</numerusform>
            <numerusform>أُخذ مرسل مستجيب DVB-S2 واحد دون علامة DVB-S2، إذ لا تتضمنها سجلات جهاز الاستقبال هذا.</numerusform>
            <numerusform>أُخذ مرسلان مستجيبان DVB-S2 دون علامة DVB-S2، إذ لا تتضمنها سجلات جهاز الاستقبال هذا.</numerusform>
            <numerusform>أُخذت %1 مرسلات مستجيبة DVB-S2 دون علامة DVB-S2، إذ لا تتضمنها سجلات جهاز الاستقبال هذا.</numerusform>
            <numerusform>أُخذ %1 مرسلًا مستجيبًا DVB-S2 دون علامة DVB-S2، إذ لا تتضمنها سجلات جهاز الاستقبال هذا.</numerusform>
            <numerusform>أُخذ %1 مرسل مستجيب DVB-S2 دون علامة DVB-S2، إذ لا تتضمنها سجلات جهاز الاستقبال هذا.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>The other list has no channels that this list lacks.</source>
        <translation>لا تحتوي القائمة الأخرى على قنوات تنقص هذه القائمة.</translation>
    </message>
    <message>
        <source>%1 multiplex</source>
        <translation>مجمِّع واحد</translation>
    </message>
    <message numerus="yes">
        <source>%1 multiplexes</source>
        <translation>
            <numerusform>%1 مجمِّع</numerusform>
            <numerusform>مجمِّع واحد</numerusform>
            <numerusform>مجمِّعان</numerusform>
            <numerusform>%1 مجمِّعات</numerusform>
            <numerusform>%1 مجمِّعًا</numerusform>
            <numerusform>%1 مجمِّع</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 provider</source>
        <translation>مزوّد واحد</translation>
    </message>
    <message numerus="yes">
        <source>%1 providers</source>
        <translation>
            <numerusform>%1 مزوّد</numerusform>
            <numerusform>مزوّد واحد</numerusform>
            <numerusform>مزوّدان</numerusform>
            <numerusform>%1 مزوّدين</numerusform>
            <numerusform>%1 مزوّدًا</numerusform>
            <numerusform>%1 مزوّد</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>أُضيف: %1.</translation>
    </message>
    <message>
        <source>The favourite tree</source>
        <translation>شجرة المفضلة</translation>
    </message>
    <message>
        <source>%1 favourite list</source>
        <translation>قائمة مفضلة واحدة</translation>
    </message>
    <message numerus="yes">
        <source>%1 favourite lists</source>
        <translation>
            <numerusform>%1 قائمة مفضلة</numerusform>
            <numerusform>قائمة مفضلة واحدة</numerusform>
            <numerusform>قائمتان مفضلتان</numerusform>
            <numerusform>%1 قوائم مفضلة</numerusform>
            <numerusform>%1 قائمة مفضلة</numerusform>
            <numerusform>%1 قائمة مفضلة</numerusform>
        </translation>
    </message>
    <message>
        <source>The satellite list</source>
        <translation>قائمة الأقمار الصناعية</translation>
    </message>
    <message>
        <source>The broadcaster list</source>
        <translation>قائمة المزوّدين</translation>
    </message>
    <message>
        <source>%1 broadcaster</source>
        <translation>مزوّد واحد</translation>
    </message>
    <message numerus="yes">
        <source>%1 broadcasters</source>
        <translation>
            <numerusform>%1 مزوّد</numerusform>
            <numerusform>مزوّد واحد</numerusform>
            <numerusform>مزوّدان</numerusform>
            <numerusform>%1 مزوّدين</numerusform>
            <numerusform>%1 مزوّدًا</numerusform>
            <numerusform>%1 مزوّد</numerusform>
        </translation>
    </message>
    <message>
        <source>The transponder list</source>
        <translation>قائمة المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>The cable multiplex list</source>
        <translation>قائمة مجمِّعات الكابل</translation>
    </message>
    <message>
        <source>%1 cable multiplex</source>
        <translation>مجمِّع كابل واحد</translation>
    </message>
    <message numerus="yes">
        <source>%1 cable multiplexes</source>
        <translation>
            <numerusform>%1 مجمِّع كابل</numerusform>
            <numerusform>مجمِّع كابل واحد</numerusform>
            <numerusform>مجمِّعا كابل</numerusform>
            <numerusform>%1 مجمِّعات كابل</numerusform>
            <numerusform>%1 مجمِّع كابل</numerusform>
            <numerusform>%1 مجمِّع كابل</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel list</source>
        <translation>قائمة القنوات</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds none. Remove %3 and save again.</source>
        <translation>%1 فيها %2، لكن جهاز الاستقبال هذا لا يتسع لأي منها. احذف %3 واحفظ مرة أخرى.</translation>
    </message>
    <message>
        <source>%1 has %2, but this receiver holds at most %4. Remove %3 and save again.</source>
        <translation>%1 فيها %2، لكن جهاز الاستقبال هذا يتسع لـ%4 على الأكثر. احذف %3 واحفظ مرة أخرى.</translation>
    </message>
    <message>
        <source>The reference list holds no channels. Nothing was changed.</source>
        <translation>القائمة المرجعية لا تحتوي على قنوات. لم يُغيَّر شيء.</translation>
    </message>
    <message numerus="yes">
        <source>The numbers after the reference&apos;s highest number %1 leave no room for %2 channels that it does not hold. Nothing was changed.</source>
        <translation>
            <numerusform>لا يترك ما بعد أعلى رقم في المرجع (%1) مكانًا لـ %2 قناة غير موجودة فيه. لم يُغيَّر شيء.</numerusform>
            <numerusform>لا يترك ما بعد أعلى رقم في المرجع (%1) مكانًا لـ %2 قناة غير موجودة فيه. لم يُغيَّر شيء.</numerusform>
            <numerusform>لا يترك ما بعد أعلى رقم في المرجع (%1) مكانًا لـ %2 قناة غير موجودة فيه. لم يُغيَّر شيء.</numerusform>
            <numerusform>لا يترك ما بعد أعلى رقم في المرجع (%1) مكانًا لـ %2 قنوات غير موجودة فيه. لم يُغيَّر شيء.</numerusform>
            <numerusform>لا يترك ما بعد أعلى رقم في المرجع (%1) مكانًا لـ %2 قناة غير موجودة فيه. لم يُغيَّر شيء.</numerusform>
            <numerusform>لا يترك ما بعد أعلى رقم في المرجع (%1) مكانًا لـ %2 قناة غير موجودة فيه. لم يُغيَّر شيء.</numerusform>
        </translation>
    </message>
    <message>
        <source>Favourite list %1 has no room after the reference&apos;s positions. Nothing was changed.</source>
        <translation>لا مكان في قائمة المفضلة %1 بعد مواضع المرجع. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 «%2» ليس عددًا من %3 إلى %4</translation>
    </message>
    <message>
        <source>line 1: the column %1 is named twice</source>
        <translation>السطر 1: العمود %1 مذكور مرتين</translation>
    </message>
    <message>
        <source>line 1 names none of the columns of the &quot;Channel&quot; sheet (ProgramNum, CAS, Favorite, ... ServiceType)</source>
        <translation>السطر 1 لا يذكر أيًا من أعمدة الورقة «Channel» (ProgramNum, CAS, Favorite, ... ServiceType)</translation>
    </message>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>في السطر %1 عدد الحقول %2، وفي سطر العناوين %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. The channel list was not changed.</source>
        <translation>تعذّرت قراءة ملف CSV: %1. لم تتغير قائمة القنوات.</translation>
    </message>
    <message>
        <source>The CSV file is empty: it has no header row. The channel list was not changed.</source>
        <translation>ملف CSV فارغ: لا يحتوي على سطر عناوين. لم تتغير قائمة القنوات.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the CSV file. The channel list was not changed.</source>
        <translation>لا توجد ذاكرة كافية لقراءة ملف CSV. لم تتغير قائمة القنوات.</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>حقل بين علامتي تنصيص غير مغلق</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>يوجد نص بعد علامة تنصيص الإغلاق</translation>
    </message>
    <message>
        <source>a quote stands inside a field that is not quoted</source>
        <translation>توجد علامة تنصيص داخل حقل غير محاط بعلامتي تنصيص</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a channel number from 1 to 65535. Nothing was changed.</source>
        <translation>السطر %1: «%2» ليس رقم قناة من 1 إلى 65535. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two TV channels on number %3. Nothing was changed.</source>
        <translation>يضع السطران %1 و%2 قناتين تلفزيونيتين على الرقم %3. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two radio channels on number %3. Nothing was changed.</source>
        <translation>يضع السطران %1 و%2 قناتين إذاعيتين على الرقم %3. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 put two other channels on number %3. Nothing was changed.</source>
        <translation>يضع السطران %1 و%2 قناتين أخريين على الرقم %3. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>The first line of the CSV file has no Name column. Nothing was changed.</source>
        <translation>السطر الأول من ملف CSV لا يحتوي على العمود Name. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>The CSV file cannot be read: %1. Nothing was changed.</source>
        <translation>تعذّرت قراءة ملف CSV: %1. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>The CSV file is empty. Nothing was changed.</source>
        <translation>ملف CSV فارغ. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Line %1 comes after number 65535. Nothing was changed.</source>
        <translation>يأتي السطر %1 بعد الرقم 65535. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>تعذّرت قراءة %1</translation>
    </message>
    <message numerus="yes">
        <source>None of the %1 names of the list is a channel of this list. Nothing was changed.</source>
        <translation>
            <numerusform>لا يطابق أيٌّ من أسماء القائمة (%1) قناةً في هذه القائمة. لم يُغيَّر شيء.</numerusform>
            <numerusform>لا يطابق أيٌّ من أسماء القائمة (%1) قناةً في هذه القائمة. لم يُغيَّر شيء.</numerusform>
            <numerusform>لا يطابق أيٌّ من أسماء القائمة (%1) قناةً في هذه القائمة. لم يُغيَّر شيء.</numerusform>
            <numerusform>لا يطابق أيٌّ من أسماء القائمة (%1) قناةً في هذه القائمة. لم يُغيَّر شيء.</numerusform>
            <numerusform>لا يطابق أيٌّ من أسماء القائمة (%1) قناةً في هذه القائمة. لم يُغيَّر شيء.</numerusform>
            <numerusform>لا يطابق أيٌّ من أسماء القائمة (%1) قناةً في هذه القائمة. لم يُغيَّر شيء.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reference list holds no channels</source>
        <translation>القائمة المرجعية لا تحتوي على قنوات</translation>
    </message>
    <message>
        <source>There is not enough memory to read the reference list. Nothing was changed.</source>
        <translation>لا توجد ذاكرة كافية لقراءة القائمة المرجعية. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>This receiver has no satellites. Nothing was changed.</source>
        <translation>لا توجد أقمار صناعية في جهاز الاستقبال هذا. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>No satellite ID is left for %1. Nothing was changed.</source>
        <translation>لم يبقَ معرّف قمر صناعي لـ %1. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Satellite %1 has no transponder number left. Nothing was changed.</source>
        <translation>لم يبقَ رقم مرسل مستجيب للقمر %1. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>the file has more than %1 elements, more than any transponder list</source>
        <translation>في الملف أكثر من %1 عنصر، أكثر من أي قائمة مرسلات مستجيبة</translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no transponder list is</source>
        <translation>العناصر متداخلة بعمق يتجاوز %1 مستوى، وهذا لا يكون في أي قائمة مرسلات مستجيبة</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no %2</source>
        <translation>لا يحتوي &lt;%1&gt; على %2</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1=&quot;%2&quot; ليس عددًا من %3 إلى %4</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, more than any transponder list.</source>
        <translation>حجم الملف يتجاوز %1 بايت، أكبر من أي قائمة مرسلات مستجيبة.</translation>
    </message>
    <message>
        <source>the XML is malformed (%1)</source>
        <translation>بنية XML غير سليمة (%1)</translation>
    </message>
    <message>
        <source>the file has no &lt;satellites&gt; element</source>
        <translation>لا يحتوي الملف على العنصر &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>There is not enough memory to read %1.</source>
        <translation>لا توجد ذاكرة كافية لقراءة %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last TV channel leave no room for %1.</source>
        <translation>لا تترك الأرقام بعد آخر قناة تلفزيونية في هذه القائمة مكانًا لـ %1.</translation>
    </message>
    <message>
        <source>The numbers after this list&apos;s last radio channel leave no room for %1.</source>
        <translation>لا تترك الأرقام بعد آخر قناة إذاعية في هذه القائمة مكانًا لـ %1.</translation>
    </message>
    <message>
        <source>Favourite list %1 has no room for the channels to add.</source>
        <translation>لا مكان في قائمة المفضلة %1 للقنوات المراد إضافتها.</translation>
    </message>
    <message>
        <source>The channel table has no key left.</source>
        <translation>لم يبقَ مفتاح حر في جدول القنوات.</translation>
    </message>
    <message>
        <source>This list has no multiplex number left for %1.</source>
        <translation>لم يبقَ في هذه القائمة رقم مضاعف لـ %1.</translation>
    </message>
    <message>
        <source>The multiplex at %1 MHz cannot be added: this list has another multiplex with its number.</source>
        <translation>تعذّرت إضافة المضاعف على %1 ميغاهرتز: في هذه القائمة مضاعف آخر يحمل رقمه.</translation>
    </message>
    <message>
        <source>The multiplex table has no key left.</source>
        <translation>لم يبقَ مفتاح حر في جدول المضاعفات.</translation>
    </message>
    <message>
        <source>This list has no satellite number left for %1.</source>
        <translation>لم يبقَ في هذه القائمة رقم قمر صناعي لـ %1.</translation>
    </message>
    <message>
        <source>The satellite table has no key left.</source>
        <translation>لم يبقَ مفتاح حر في جدول الأقمار الصناعية.</translation>
    </message>
    <message>
        <source>The transponder table has no key left.</source>
        <translation>لم يبقَ مفتاح حر في جدول المرسلات المستجيبة.</translation>
    </message>
    <message>
        <source>The satellite at %1 has no transponder number left.</source>
        <translation>لم يبقَ رقم مرسل مستجيب للقمر %1.</translation>
    </message>
    <message>
        <source>This list has no provider number left.</source>
        <translation>لم يبقَ في هذه القائمة رقم مزوّد.</translation>
    </message>
    <message>
        <source>The provider table has no key left.</source>
        <translation>لم يبقَ مفتاح حر في جدول المزوّدين.</translation>
    </message>
    <message>
        <source>cannot read back the received file %1</source>
        <translation>تعذّرت إعادة قراءة الملف المستلَم %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>تعذّرت قراءة %1</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to send</source>
        <translation>%1 فارغ: لا يوجد ما يُرسَل</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>أُلغي النقل</translation>
    </message>
    <message>
        <source>The sender cancelled the transfer</source>
        <translation>ألغى المرسِل النقل</translation>
    </message>
    <message>
        <source>The line closed: %1</source>
        <translation>أُغلق الخط: %1</translation>
    </message>
    <message numerus="yes">
        <source>The sender went on sending blocks after the announced %1 bytes; transfer abandoned</source>
        <translation>
            <numerusform>واصل المرسِل إرسال الكتل بعد %1 بايت المعلنة؛ أُوقف النقل</numerusform>
            <numerusform>واصل المرسِل إرسال الكتل بعد %1 بايت المعلنة؛ أُوقف النقل</numerusform>
            <numerusform>واصل المرسِل إرسال الكتل بعد %1 بايت المعلنة؛ أُوقف النقل</numerusform>
            <numerusform>واصل المرسِل إرسال الكتل بعد %1 بايتات المعلنة؛ أُوقف النقل</numerusform>
            <numerusform>واصل المرسِل إرسال الكتل بعد %1 بايتًا المعلنة؛ أُوقف النقل</numerusform>
            <numerusform>واصل المرسِل إرسال الكتل بعد %1 بايت المعلنة؛ أُوقف النقل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 arrived damaged %2 times; transfer abandoned</source>
        <translation>
            <numerusform>وصلت الكتلة %1 تالفة %2 مرة؛ أُوقف النقل</numerusform>
            <numerusform>وصلت الكتلة %1 تالفة %2 مرة واحدة؛ أُوقف النقل</numerusform>
            <numerusform>وصلت الكتلة %1 تالفة %2 مرتين؛ أُوقف النقل</numerusform>
            <numerusform>وصلت الكتلة %1 تالفة %2 مرات؛ أُوقف النقل</numerusform>
            <numerusform>وصلت الكتلة %1 تالفة %2 مرة؛ أُوقف النقل</numerusform>
            <numerusform>وصلت الكتلة %1 تالفة %2 مرة؛ أُوقف النقل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1 never came: block %2 came again %3 times; transfer abandoned</source>
        <translation>
            <numerusform>لم تصل الكتلة %1: وصلت الكتلة %2 مجددًا %3 مرة؛ أُوقف النقل</numerusform>
            <numerusform>لم تصل الكتلة %1: وصلت الكتلة %2 مجددًا %3 مرة واحدة؛ أُوقف النقل</numerusform>
            <numerusform>لم تصل الكتلة %1: وصلت الكتلة %2 مجددًا %3 مرتين؛ أُوقف النقل</numerusform>
            <numerusform>لم تصل الكتلة %1: وصلت الكتلة %2 مجددًا %3 مرات؛ أُوقف النقل</numerusform>
            <numerusform>لم تصل الكتلة %1: وصلت الكتلة %2 مجددًا %3 مرة؛ أُوقف النقل</numerusform>
            <numerusform>لم تصل الكتلة %1: وصلت الكتلة %2 مجددًا %3 مرة؛ أُوقف النقل</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 damaged, %2 repeats of block %3</source>
        <translation>%1 تالفة، %2 تكرارًا للكتلة %3</translation>
    </message>
    <message>
        <source>%1 damaged</source>
        <translation>%1 تالفة</translation>
    </message>
    <message numerus="yes">
        <source>Block %1 failed %2 times (%3); transfer abandoned</source>
        <translation>
            <numerusform>فشلت الكتلة %1 %2 مرة (%3)؛ أُوقف النقل</numerusform>
            <numerusform>فشلت الكتلة %1 %2 مرة واحدة (%3)؛ أُوقف النقل</numerusform>
            <numerusform>فشلت الكتلة %1 %2 مرتين (%3)؛ أُوقف النقل</numerusform>
            <numerusform>فشلت الكتلة %1 %2 مرات (%3)؛ أُوقف النقل</numerusform>
            <numerusform>فشلت الكتلة %1 %2 مرة (%3)؛ أُوقف النقل</numerusform>
            <numerusform>فشلت الكتلة %1 %2 مرة (%3)؛ أُوقف النقل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 arrived</source>
        <translation>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايت: وصل %3</numerusform>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايت: وصل %3</numerusform>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايت: وصل %3</numerusform>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايتات: وصل %3</numerusform>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايتًا: وصل %3</numerusform>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايت: وصل %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing arrived within %1: is the other side sending?</source>
        <translation>لم يصل شيء خلال %1: هل يرسل الطرف الآخر؟</translation>
    </message>
    <message>
        <source>The sender sent data without a file header (a YMODEM batch was expected)</source>
        <translation>أرسل المرسِل بيانات دون ترويسة ملف (كان المتوقع دفعة YMODEM)</translation>
    </message>
    <message>
        <source>The sender&apos;s file header is not readable</source>
        <translation>ترويسة ملف المرسِل غير مقروءة</translation>
    </message>
    <message>
        <source>The sender had no file to send</source>
        <translation>لم يكن لدى المرسِل ملف ليرسله</translation>
    </message>
    <message>
        <source>The sender did not announce the size of %1; the transfer cannot be checked</source>
        <translation>لم يعلن المرسِل حجم %1؛ لا يمكن التحقق من النقل</translation>
    </message>
    <message numerus="yes">
        <source>%1 is too large (%2 bytes; at most %3)</source>
        <translation>
            <numerusform>%1 كبير جدًا (%2 بايت؛ الحد الأقصى %3)</numerusform>
            <numerusform>%1 كبير جدًا (%2 بايت؛ الحد الأقصى %3)</numerusform>
            <numerusform>%1 كبير جدًا (%2 بايت؛ الحد الأقصى %3)</numerusform>
            <numerusform>%1 كبير جدًا (%2 بايتات؛ الحد الأقصى %3)</numerusform>
            <numerusform>%1 كبير جدًا (%2 بايتًا؛ الحد الأقصى %3)</numerusform>
            <numerusform>%1 كبير جدًا (%2 بايت؛ الحد الأقصى %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sender stopped sending: no block for %1, %2 times, after %3 of %4 bytes</source>
        <translation>
            <numerusform>توقف المرسِل عن الإرسال: لا كتلة خلال %1، %2 مرة، بعد %3 من %4 بايت</numerusform>
            <numerusform>توقف المرسِل عن الإرسال: لا كتلة خلال %1، %2 مرة واحدة، بعد %3 من %4 بايت</numerusform>
            <numerusform>توقف المرسِل عن الإرسال: لا كتلة خلال %1، %2 مرتين، بعد %3 من %4 بايت</numerusform>
            <numerusform>توقف المرسِل عن الإرسال: لا كتلة خلال %1، %2 مرات، بعد %3 من %4 بايت</numerusform>
            <numerusform>توقف المرسِل عن الإرسال: لا كتلة خلال %1، %2 مرة، بعد %3 من %4 بايت</numerusform>
            <numerusform>توقف المرسِل عن الإرسال: لا كتلة خلال %1، %2 مرة، بعد %3 من %4 بايت</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transfer ended after %1 of %2 bytes</source>
        <translation>
            <numerusform>انتهى النقل بعد %1 من %2 بايت</numerusform>
            <numerusform>انتهى النقل بعد %1 من %2 بايت</numerusform>
            <numerusform>انتهى النقل بعد %1 من %2 بايت</numerusform>
            <numerusform>انتهى النقل بعد %1 من %2 بايتات</numerusform>
            <numerusform>انتهى النقل بعد %1 من %2 بايتًا</numerusform>
            <numerusform>انتهى النقل بعد %1 من %2 بايت</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The line closed after %1 of %2 bytes: %3</source>
        <translation>
            <numerusform>أُغلق الخط بعد %1 من %2 بايت: %3</numerusform>
            <numerusform>أُغلق الخط بعد %1 من %2 بايت: %3</numerusform>
            <numerusform>أُغلق الخط بعد %1 من %2 بايت: %3</numerusform>
            <numerusform>أُغلق الخط بعد %1 من %2 بايتات: %3</numerusform>
            <numerusform>أُغلق الخط بعد %1 من %2 بايتًا: %3</numerusform>
            <numerusform>أُغلق الخط بعد %1 من %2 بايت: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Block sequence lost: expected block %1, got block %2</source>
        <translation>اختل تسلسل الكتل: كانت الكتلة %1 متوقعة ووصلت الكتلة %2</translation>
    </message>
    <message numerus="yes">
        <source>The transfer did not end within the %1 allowed for %2 bytes: %3 were acknowledged</source>
        <translation>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايت: أُكِّد استلام %3</numerusform>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايت: أُكِّد استلام %3</numerusform>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايت: أُكِّد استلام %3</numerusform>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايتات: أُكِّد استلام %3</numerusform>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايتًا: أُكِّد استلام %3</numerusform>
            <numerusform>لم ينتهِ النقل خلال %1 المسموح بها لـ %2 بايت: أُكِّد استلام %3</numerusform>
        </translation>
    </message>
    <message>
        <source>The receiver cancelled the transfer</source>
        <translation>ألغى جهاز الاستقبال النقل</translation>
    </message>
    <message>
        <source>The receiver asks for the old checksum mode; only CRC-16 is supported</source>
        <translation>يطلب جهاز الاستقبال وضع المجموع الاختباري القديم؛ المدعوم هو CRC-16 فقط</translation>
    </message>
    <message>
        <source>The receiver did not ask for %1 within %2</source>
        <translation>لم يطلب جهاز الاستقبال %1 خلال %2</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>نهاية الملف</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>الكتلة %1</translation>
    </message>
    <message numerus="yes">
        <source>The receiver stopped answering: no reply to %1 within %2, %3 times</source>
        <translation>
            <numerusform>توقف جهاز الاستقبال عن الرد: لا رد على %1 خلال %2، %3 مرة</numerusform>
            <numerusform>توقف جهاز الاستقبال عن الرد: لا رد على %1 خلال %2، %3 مرة واحدة</numerusform>
            <numerusform>توقف جهاز الاستقبال عن الرد: لا رد على %1 خلال %2، %3 مرتين</numerusform>
            <numerusform>توقف جهاز الاستقبال عن الرد: لا رد على %1 خلال %2، %3 مرات</numerusform>
            <numerusform>توقف جهاز الاستقبال عن الرد: لا رد على %1 خلال %2، %3 مرة</numerusform>
            <numerusform>توقف جهاز الاستقبال عن الرد: لا رد على %1 خلال %2، %3 مرة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receiver refused %1 %2 times; transfer abandoned</source>
        <translation>
            <numerusform>رفض جهاز الاستقبال %1 %2 مرة؛ أُوقف النقل</numerusform>
            <numerusform>رفض جهاز الاستقبال %1 %2 مرة واحدة؛ أُوقف النقل</numerusform>
            <numerusform>رفض جهاز الاستقبال %1 %2 مرتين؛ أُوقف النقل</numerusform>
            <numerusform>رفض جهاز الاستقبال %1 %2 مرات؛ أُوقف النقل</numerusform>
            <numerusform>رفض جهاز الاستقبال %1 %2 مرة؛ أُوقف النقل</numerusform>
            <numerusform>رفض جهاز الاستقبال %1 %2 مرة؛ أُوقف النقل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sending %1 failed %2 times (%3 refused); transfer abandoned</source>
        <translation>
            <numerusform>فشل إرسال %1 %2 مرة (رُفض %3)؛ أُوقف النقل</numerusform>
            <numerusform>فشل إرسال %1 %2 مرة واحدة (رُفض %3)؛ أُوقف النقل</numerusform>
            <numerusform>فشل إرسال %1 %2 مرتين (رُفض %3)؛ أُوقف النقل</numerusform>
            <numerusform>فشل إرسال %1 %2 مرات (رُفض %3)؛ أُوقف النقل</numerusform>
            <numerusform>فشل إرسال %1 %2 مرة (رُفض %3)؛ أُوقف النقل</numerusform>
            <numerusform>فشل إرسال %1 %2 مرة (رُفض %3)؛ أُوقف النقل</numerusform>
        </translation>
    </message>
    <message>
        <source>the file</source>
        <translation>الملف</translation>
    </message>
    <message>
        <source>the data</source>
        <translation>البيانات</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>المرسل المستجيب %1</translation>
    </message>
    <message>
        <source>other %1 %2</source>
        <translation>أخرى %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>مضاعف %1</translation>
    </message>
    <message>
        <source>%1, PIDs %2/%3/%4</source>
        <translation>%1، PID %2/%3/%4</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>متخطاة</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>مشفرة</translation>
    </message>
    <message>
        <source>cable %1</source>
        <translation>كابل %1</translation>
    </message>
    <message>
        <source>terrestrial %1</source>
        <translation>أرضي %1</translation>
    </message>
    <message>
        <source>There is not enough memory to open %1.</source>
        <translation>لا توجد ذاكرة كافية لفتح %1.</translation>
    </message>
    <message>
        <source>a receiver image</source>
        <translation>صورة جهاز استقبال</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>ملف CSV</translation>
    </message>
    <message>
        <source>a channel list</source>
        <translation>قائمة قنوات</translation>
    </message>
    <message>
        <source>a satellites.xml file</source>
        <translation>ملف satellites.xml</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>تعذرت قراءة %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not %2.</source>
        <translation>%1 مجلد وليس %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so it cannot be %2.</source>
        <translation>%1 ليس ملفًا عاديًا، لذا لا يمكن أن يكون %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %2 bytes, more than %3 can have (at most %4 bytes).</source>
        <translation>
            <numerusform>حجم %1 هو %2 بايت، أكثر مما يمكن أن يحتويه %3 (%4 بايت على الأكثر).</numerusform>
            <numerusform>حجم %1 هو %2 بايت، أكثر مما يمكن أن يحتويه %3 (%4 بايت على الأكثر).</numerusform>
            <numerusform>حجم %1 هو %2 بايت، أكثر مما يمكن أن يحتويه %3 (%4 بايت على الأكثر).</numerusform>
            <numerusform>حجم %1 هو %2 بايت، أكثر مما يمكن أن يحتويه %3 (%4 بايت على الأكثر).</numerusform>
            <numerusform>حجم %1 هو %2 بايت، أكثر مما يمكن أن يحتويه %3 (%4 بايت على الأكثر).</numerusform>
            <numerusform>حجم %1 هو %2 بايت، أكثر مما يمكن أن يحتويه %3 (%4 بايت على الأكثر).</numerusform>
        </translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>انتهى الملف قبل أوانه</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>تعذر فتح %1: %2.</translation>
    </message>
    <message>
        <source>%1 The channel list was not changed.</source>
        <translation>%1 لم تتغير قائمة القنوات.</translation>
    </message>
    <message>
        <source>serial %1 at %2 baud</source>
        <translation>منفذ تسلسلي %1 بسرعة %2 باود</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>منفذ TCP رقم %1</translation>
    </message>
    <message>
        <source>TCP port %1 on %2</source>
        <translation>منفذ TCP رقم %1 على %2</translation>
    </message>
    <message>
        <source>%1 baud is not a rate a serial port can be set to</source>
        <translation>%1 باود ليست سرعة يمكن ضبط منفذ تسلسلي عليها</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>تعذر فتح %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a serial port: %2</source>
        <translation>%1 ليس منفذًا تسلسليًا: %2</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>تعذر إعداد %1: %2</translation>
    </message>
    <message>
        <source>cannot find %1: %2</source>
        <translation>تعذر العثور على %1: %2</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>تعذر الاتصال بـ %1</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>تعذر الاتصال بـ %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>تعذر الاستماع على %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1</source>
        <translation>تعذر الاستماع على %1</translation>
    </message>
    <message>
        <source>not listening</source>
        <translation>لا يوجد استماع</translation>
    </message>
    <message>
        <source>Nobody connected to port %1 within %2</source>
        <translation>لم يتصل أحد بالمنفذ %1 خلال %2</translation>
    </message>
    <message>
        <source>accept: %1</source>
        <translation>لم يُقبل الاتصال: %1</translation>
    </message>
    <message>
        <source>there is no working copy (it could not be created in the temporary directory)</source>
        <translation>لا توجد نسخة عمل (تعذر إنشاؤها في المجلد المؤقت)</translation>
    </message>
    <message>
        <source>Could not allocate memory</source>
        <translation>تعذر حجز الذاكرة</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>تعذر تحديد نوع الوسم</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>خطأ في تعريف المستند أو في تعليمة معالجة</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>خطأ في تعليق</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>خطأ في مقطع CDATA</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>خطأ في تعريف نوع المستند</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>خطأ في نص عنصر (PCDATA)</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>خطأ في وسم افتتاحي</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>خطأ في سمة</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>خطأ في وسم ختامي</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>الوسم الافتتاحي لا يطابق الوسم الختامي</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>لم يُعثر على عنصر المستند</translation>
    </message>
    <message>
        <source>keeping the old file as %1: %2</source>
        <translation>الاحتفاظ بالملف القديم باسم %1: %2</translation>
    </message>
    <message>
        <source>no file open for %1</source>
        <translation>لا يوجد ملف مفتوح لـ %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>تعذر إنشاء ملف في %1: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>تعذر قفل %1: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1: %2</source>
        <translation>تعذر ضبط أذونات %1: %2</translation>
    </message>
    <message>
        <source>writing %1: %2</source>
        <translation>كتابة %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>تعذر إنشاء %1: %2</translation>
    </message>
    <message>
        <source>writing %1 to disk: %2</source>
        <translation>كتابة %1 على القرص: %2</translation>
    </message>
    <message>
        <source>closing %1: %2</source>
        <translation>إغلاق %1: %2</translation>
    </message>
    <message>
        <source>replacing %1: %2</source>
        <translation>استبدال %1: %2</translation>
    </message>
    <message>
        <source>This receiver&apos;s flash layout is not valid: %1.</source>
        <translation>تخطيط ذاكرة الفلاش لهذا الجهاز غير صالح: %1.</translation>
    </message>
    <message>
        <source>sector size %1</source>
        <translation>حجم القطاع %1</translation>
    </message>
    <message>
        <source>favourite</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>المذيعين</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>المرسلات</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>the %1 block has a negative value</source>
        <translation>كتلة %1 فيها قيمة سالبة</translation>
    </message>
    <message>
        <source>the %1 block starts too far out</source>
        <translation>كتلة %1 تبدأ بعيدًا جدًا</translation>
    </message>
    <message>
        <source>a negative multiplex count</source>
        <translation>عدد سالب من المضاعِفات</translation>
    </message>
    <message>
        <source>the single block is larger than any receiver&apos;s image</source>
        <translation>الكتلة الوحيدة أكبر من أي صورة جهاز استقبال</translation>
    </message>
    <message>
        <source>the %1 block reaches beyond any receiver&apos;s image</source>
        <translation>كتلة %1 تتجاوز أي صورة جهاز استقبال</translation>
    </message>
    <message>
        <source>%1 Nothing was written. Save the channels under another name.</source>
        <translation>%1 لم يُكتب شيء. احفظ القنوات باسم آخر.</translation>
    </message>
    <message>
        <source>The workbook has no sheet named &quot;Channel&quot;.</source>
        <translation>لا يحتوي المصنف على ورقة باسم «Channel».</translation>
    </message>
    <message>
        <source>There is not enough memory to read the workbook.</source>
        <translation>لا توجد ذاكرة كافية لقراءة المصنف.</translation>
    </message>
    <message>
        <source>The channel list has %1 channels, but a workbook sheet holds at most %2. Remove %3 channels and save again.</source>
        <translation>في قائمة القنوات %1 قناة، لكن ورقة المصنف تتسع لـ %2 على الأكثر. احذف %3 قناة ثم احفظ مجددًا.</translation>
    </message>
    <message>
        <source>%1 Its other contents could not be kept, so nothing was written. Save the channels under another name.</source>
        <translation>%1 تعذر الاحتفاظ ببقية محتواه، لذا لم يُكتب شيء. احفظ القنوات باسم آخر.</translation>
    </message>
    <message>
        <source>No workbook was read.</source>
        <translation>لم يُقرأ أي مصنف.</translation>
    </message>
    <message>
        <source>The workbook was not read from a file.</source>
        <translation>لم يُقرأ المصنف من ملف.</translation>
    </message>
    <message>
        <source>The workbook is damaged: a stream of its compound file cannot be read.</source>
        <translation>المصنف تالف: تعذرت قراءة تدفق من ملفه المركّب.</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook (.xls).</source>
        <translation>الملف ليس مصنف Excel 97-2003 ‏(.xls).</translation>
    </message>
    <message>
        <source>The workbook is damaged: its sector tables or its directory cannot be read.</source>
        <translation>المصنف تالف: تعذرت قراءة جداول قطاعاته أو دليله.</translation>
    </message>
    <message>
        <source>The file holds no &quot;Workbook&quot; stream, so it is not an Excel 97-2003 workbook.</source>
        <translation>لا يحتوي الملف على تدفق «Workbook»، لذا فهو ليس مصنف Excel 97-2003.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its &quot;Workbook&quot; stream ends early or its sectors are chained wrongly.</source>
        <translation>المصنف تالف: تدفق «Workbook» فيه ينتهي مبكرًا أو قطاعاته مربوطة خطأً.</translation>
    </message>
    <message>
        <source>The workbook is damaged: its table of shared strings cannot be read.</source>
        <translation>المصنف تالف: تعذرت قراءة جدول النصوص المشتركة فيه.</translation>
    </message>
    <message>
        <source>The workbook is protected with a password, so it cannot be read.</source>
        <translation>المصنف محمي بكلمة مرور، لذا لا يمكن قراءته.</translation>
    </message>
    <message>
        <source>The workbook holds more cells or sheets than this program reads.</source>
        <translation>يحتوي المصنف على خلايا أو أوراق أكثر مما يقرأه هذا البرنامج.</translation>
    </message>
    <message>
        <source>an Excel workbook</source>
        <translation>مصنف Excel</translation>
    </message>
    <message>
        <source>A text of more than 255 characters cannot be added to this workbook.</source>
        <translation>لا يمكن إضافة نص أطول من 255 حرفًا إلى هذا المصنف.</translation>
    </message>
    <message>
        <source>The workbook is too large to be written.</source>
        <translation>المصنف أكبر من أن يُكتب.</translation>
    </message>
    <message>
        <source>The file has no satellite at %1. Nothing was changed.</source>
        <translation>لا يحتوي الملف على قمر صناعي عند %1. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>There is not enough memory to write the CSV file.</source>
        <translation>لا توجد ذاكرة كافية لكتابة ملف CSV.</translation>
    </message>
</context>
</TS>
