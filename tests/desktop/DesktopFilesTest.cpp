// The desktop integration as a desktop sees it: the MIME database built from
// our shared-mime-info package recognises receiver images by their content,
// and the menu entry opens what it claims to open.
#include <QFile>
#include <QMap>
#include <QMimeDatabase>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr const char* kImageType = "application/x-velmar-image";

QString Source(const char* path) {
    return QString(VELMAR_SOURCE_DIR) + "/" + path;
}

QString TypeOf(const QByteArray& content, const char* name) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(content);
    file.close();
    return QMimeDatabase().mimeTypeForFile(path).name();
}

// A working image's header: "VX  " and the header length's two bytes.
QByteArray Working(quint8 lengthLow) {
    return QByteArray("VX  ") + static_cast<char>(lengthLow) + QByteArray(1 + 80 + 4096, '\0');
}

// Key=value lines of a desktop entry (its one group).
QMap<QString, QString> DesktopEntry(const QString& path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const auto eq = line.indexOf('=');
        if (eq > 0 && !line.startsWith('#'))
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

} // namespace

TEST(MimeType, ReceiverImagesAreRecognisedByTheirContent) {
    const QMimeDatabase db;
    const QMimeType type = db.mimeTypeForName(kImageType);
    ASSERT_TRUE(type.isValid()) << "the package is not in XDG_DATA_DIRS";
    EXPECT_EQ(type.comment(), "Receiver channel database image");
    EXPECT_TRUE(type.inherits("application/octet-stream"));

    EXPECT_EQ(db.mimeTypeForFile(Source("examples/demo-satellite.bin")).name(), kImageType);
    EXPECT_EQ(db.mimeTypeForFile(Source("examples/demo-cable.bin")).name(), kImageType);
    EXPECT_EQ(TypeOf(Working(80), "renamed.dat"), kImageType) << "content, not the name";
    EXPECT_EQ(TypeOf("ZORV" + QByteArray(4096, '\x5A'), "maker.bin"), kImageType);
}

TEST(MimeType, OtherFilesAreNotClaimed) {
    EXPECT_NE(TypeOf(Working(81), "wrong-length.bin"), kImageType);
    EXPECT_NE(TypeOf(QByteArray(4096, '\x7F'), "firmware.bin"), kImageType)
        << "a .bin name alone says nothing";
    EXPECT_NE(TypeOf("VX", "short.bin"), kImageType);
}

TEST(DesktopEntry, OpensTheFileItIsGivenAndClaimsKnownTypes) {
    const auto entry = DesktopEntry(Source("desktop/org.velmar.Velmar.desktop"));
    EXPECT_EQ(entry.value("Exec"), "velmar --open %f");
    EXPECT_EQ(entry.value("Icon"), "org.velmar.Velmar");
    const QString types = entry.value("MimeType");
    EXPECT_EQ(types, "application/x-velmar-image;application/vnd.ms-excel;");
    const QMimeDatabase db;
    for (const QString& name : types.split(';', Qt::SkipEmptyParts))
        EXPECT_TRUE(db.mimeTypeForName(name).isValid()) << name.toStdString();
    EXPECT_EQ(db.mimeTypeForFile("list.xls", QMimeDatabase::MatchExtension).name(),
              "application/vnd.ms-excel");
}
