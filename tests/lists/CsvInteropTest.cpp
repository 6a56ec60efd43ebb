// The channel CSV against real spreadsheet software: the workbook we write
// of the example image, converted to CSV by LibreOffice, read back by our
// CSV import with every channel's name, number and other columns as they
// were. Skipped where LibreOffice is not installed (CI installs it).
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "document/Document.h"
#include "image/ImageState.h"
#include "lists/ChannelCsv.h"
#include "model/ChannelRecords.h"
#include "xls/ChannelWorkbook.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class LibreOfficeCsv : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("command -v soffice >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "soffice not installed";
        m_dir = fs::temp_directory_path() / ("velmar-csv-interop-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        velmar::policy_profile::Reset();
        ConfigureStartupPolicy();
    }
    void TearDown() override {
        velmar::policy_profile::Reset();
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    // A headless conversion with a private profile; true on success.
    bool Convert(const fs::path& input, const std::string& target) {
        const std::string command = "timeout 180 soffice -env:UserInstallation=file://" +
                                    (m_dir / "profile").string() + " --headless --convert-to '" +
                                    target + "' --outdir " + m_dir.string() + " " + input.string() +
                                    " >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }
    fs::path m_dir;
};

} // namespace

TEST_F(LibreOfficeCsv, OurWorkbookAsLibreOfficesCsvReadsBackWithNamesAndNumbers) {
    CDocument example;
    ASSERT_EQ(ReadImageDocument(std::string(VELMAR_SOURCE_DIR) + "/examples/demo-satellite.bin",
                                ImageForm::Convert, ImageStateValues{}, example),
              1);
    const CZorvDB& db = example.Store();
    const fs::path xls = m_dir / "channels.xls";
    std::string message;
    ASSERT_TRUE(ExportChannelWorkbook(db, xls.string(), &message)) << message;
    // Comma, double quote, UTF-8: the CSV our reader takes.
    ASSERT_TRUE(Convert(xls, "csv:Text - txt - csv (StarCalc):44,34,76"));
    std::string error;
    const auto channels = ReadChannelCsv((m_dir / "channels.csv").string(), error);
    ASSERT_TRUE(channels) << error;

    std::vector<const Channel_Info_Tag*> expected;
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        expected.push_back(&c);
    ASSERT_EQ(channels->size(), expected.size());
    ASSERT_GT(expected.size(), 200u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1));
        const Channel_Info_Tag& want = *expected[i];
        const Channel_Info_Tag& got = (*channels)[i];
        EXPECT_STREQ(got.Name, want.Name);
        // Every numeric column too: the number, the shown number and the rest.
        for (int column = 0; column < kChannelColumns; ++column) {
            if (column != kChannelNameColumn) {
                EXPECT_EQ(ChannelColumnValue(got, column), ChannelColumnValue(want, column))
                    << ChannelColumnName(column);
            }
        }
    }
}
