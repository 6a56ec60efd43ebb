#include "image/DefaultTableExport.h"
#include "tests/image/ImageBuilder.h"

#include <cstring>

using namespace velmar::test;

using DefaultTable = CodecTest;

TEST_F(DefaultTable, LineFormatWorkedByHand) {
    Channel_Info_Tag c{};
    c.CAS = 0x1F;
    c.ProgramNum = 7;
    c.SatID = 3;
    c.TPID = 12;
    c.Attributes = 0x0805;
    c.StreamType = 0x1B;
    std::strcpy(c.Name, "ABC");
    EXPECT_EQ(FormatDefaultChannelLine(c),
              "\t{ 0x0000001F, 0007, 03, 0012, 0, 0, 0, 0, 0, 0x0805, 0, 0, \"ABC\", 0, 0, "
              "0x1B},\r\n");
    c.StreamType = 5;
    c.Favorite = 0x80000000;
    std::strcpy(c.Name, "Q\"\\");
    c.ServiceID = 65535;
    EXPECT_EQ(FormatDefaultChannelLine(c),
              "\t{ 0x0000001F, 0007, 03, 0012, 0, 65535, 0, 0, 0, 0x0805, 0, 0, \"Q\"\\\", 0, "
              "-2147483648, 0x 5},\r\n");
}

TEST_F(DefaultTable, WholeFragmentInStoreOrder) {
    EXPECT_EQ(FormatDefaultChannelTable(TheZorvDB()),
              "const SSVC_INFO virtual_flash_svc[] = {\r\n};\r\n////Total Svc Channel Count = "
              "0\r\n\r\n");
    for (const char* name : {"Two", "One"}) {
        auto c = NewRecord<Channel_Info_Tag>();
        std::strcpy(c->Name, name);
        db.AddIndexed(kTableChannel, std::move(c));
    }
    const std::string text = FormatDefaultChannelTable(TheZorvDB());
    EXPECT_LT(text.find("\"Two\""), text.find("\"One\""));
    EXPECT_NE(text.find("////Total Svc Channel Count = 2\r\n\r\n"), std::string::npos);
    ASSERT_TRUE(WriteDefaultChannelTable(TheZorvDB(), Path("out.h").string()));
    const auto bytes = ReadFile(Path("out.h"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), text);
    EXPECT_FALSE(WriteDefaultChannelTable(TheZorvDB(), Path("no/such/dir/out.h").string()));
}
