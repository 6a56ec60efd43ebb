// Records set field by field from text, and the checks the dialogs and the
// command-line tool apply before a record is stored.
#include "model/RecordFields.h"
#include "contracts/ZorvDB.h"
#include "model/RecordChecks.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>

namespace {

TEST(RecordFields, NumbersInDecimalOrHexWithinTheFieldWidth) {
    EXPECT_EQ((std::array{ParseFieldNumber("0", 8), ParseFieldNumber("255", 8),
                          ParseFieldNumber("0x0410", 16), ParseFieldNumber("0XfFfF", 16),
                          ParseFieldNumber("4294967295", 32)}),
              (std::array<std::optional<std::uint32_t>, 5>{0, 255, 0x410, 0xFFFF, 0xFFFFFFFF}));
    EXPECT_EQ(ParseFieldNumber("256", 8), std::nullopt);
    for (const char* bad : {"", "0x", "-1", "+1", "12a", "0x1G", " 1", "4294967296", "1.5"})
        EXPECT_EQ(ParseFieldNumber(bad, 32), std::nullopt) << bad;
}

TEST(RecordFields, ChannelFieldsByTheirRecordNames) {
    Channel_Info_Tag c{};
    for (const auto& [field, text] : {std::pair{"VideoPID", "101"},
                                      {"Attributes", "0x0411"},
                                      {"CAS", "0x0B000000"},
                                      {"F31", "7"},
                                      {"ServiceType", "9"}})
        EXPECT_EQ(SetChannelField(c, field, text), FieldSetResult::Ok) << field;
    EXPECT_EQ(SetChannelField(c, "SatID", "256"), FieldSetResult::BadValue);
    // ShowNum, the word after F31, untouched.
    EXPECT_EQ((std::array<DWORD, 7>{c.VideoPID, c.Attributes, c.CAS, c.F[31], c.ShowNum, c.SatID,
                                    c.ServiceType}),
              (std::array<DWORD, 7>{101, 0x411, 0x0B000000, 7, 0, 0, 9}));
    EXPECT_EQ(SetChannelField(c, "Name", "Das Erste HD"), FieldSetResult::Ok);
    EXPECT_STREQ(c.Name, "Das Erste HD");
    EXPECT_EQ(SetChannelField(c, "Name", std::string(255, 'x')), FieldSetResult::NameTooLong);
    EXPECT_STREQ(c.Name, "Das Erste HD");
    for (const char* unknown : {"Index", "F32", "F", "videopid", "Nam"})
        EXPECT_EQ(SetChannelField(c, unknown, "1"), FieldSetResult::UnknownField) << unknown;
}

TEST(RecordFields, SatelliteTransponderAndCableFields) {
    Satellite_Info_Tag s{};
    EXPECT_EQ(SetSatelliteField(s, "Group2.b5", "9"), FieldSetResult::Ok);
    EXPECT_EQ(SetSatelliteField(s, "Group1.w4", "0x1234"), FieldSetResult::Ok);
    EXPECT_EQ(SetSatelliteField(s, "Degree", "192"), FieldSetResult::Ok);
    EXPECT_EQ((std::array<int, 3>{s.Group2.b5, s.Group1.w4, s.Degree}),
              (std::array{9, 0x1234, 192}));
    EXPECT_EQ(SetSatelliteField(s, "Name", "Fifteen chars!!"), FieldSetResult::Ok);
    EXPECT_EQ(SetSatelliteField(s, "Name", "Sixteen chars!!!"), FieldSetResult::NameTooLong);
    EXPECT_EQ(SetSatelliteField(s, "Group3.b1", "1"), FieldSetResult::UnknownField);

    Transponder_Info_Tag t{};
    EXPECT_EQ(SetTransponderField(t, "PolFEC", "0x31"), FieldSetResult::Ok);
    EXPECT_EQ(SetTransponderField(t, "ExtWord2", "65535"), FieldSetResult::Ok);
    EXPECT_EQ((std::array<int, 2>{t.PolFEC, t.ExtWord2}), (std::array{0x31, 0xFFFF}));
    EXPECT_EQ(SetTransponderField(t, "Name", "x"), FieldSetResult::UnknownField);

    CableMux_Info_Tag m{};
    EXPECT_EQ(SetCableMuxField(m, "Frequency", "474000"), FieldSetResult::Ok);
    EXPECT_EQ(SetCableMuxField(m, "Modulation", "0x0D"), FieldSetResult::Ok);
    EXPECT_EQ((std::array<DWORD, 2>{m.Frequency, m.Modulation}),
              (std::array<DWORD, 2>{474000, 13}));
    EXPECT_EQ(SetCableMuxField(m, "Tail", "1"), FieldSetResult::UnknownField);
}

Channel_Info_Tag GoodChannel() {
    Channel_Info_Tag c{};
    std::strcpy(c.Name, "Arte");
    c.SatID = 1;
    c.Attributes = kAttrTV;
    c.VideoPID = 8191;
    return c;
}

TEST(RecordChecks, ChannelsTheImageCanHoldAndKeep) {
    const Product sat{7, 0x01};
    EXPECT_EQ(CheckChannel(GoodChannel(), sat, 28), "");
    Channel_Info_Tag c = GoodChannel();
    c.AudioPID = 8192;
    EXPECT_EQ(CheckChannel(c, sat, 28), "AudioPID must be between 0 and 8191.");
    c = GoodChannel();
    c.Name[0] = 0;
    EXPECT_EQ(CheckChannel(c, sat, 28), "Name must not be empty.");
    // The standard entry keeps L name bytes; the compact, network and single
    // entries end the name with a zero inside them, so they keep L - 1.
    const Product standard{3, 0x01};
    c = GoodChannel();
    std::strcpy(c.Name, "A name that has twenty-nine c");
    EXPECT_EQ(CheckChannel(c, standard, 28), "Name must have at most 28 characters.");
    EXPECT_EQ(CheckChannel(c, sat, 28), "Name must have at most 27 characters.");
    c.Name[28] = 0;
    EXPECT_EQ(CheckChannel(c, standard, 28), "");
    EXPECT_EQ(CheckChannel(c, sat, 28), "Name must have at most 27 characters.");
    c.Name[27] = 0;
    EXPECT_EQ(CheckChannel(c, sat, 28), "");
    // With no policy value (0) the record's size.
    EXPECT_EQ((std::array{ChannelNameCapacity(standard, 28), ChannelNameCapacity({9, 0x12}, 28),
                          ChannelNameCapacity({10, 0x14}, 28), ChannelNameCapacity(sat, 0)}),
              (std::array{28, 27, 27, 254}));
    c = GoodChannel();
    c.Attributes = kAttrTV | kAttrRadio;
    EXPECT_NE(CheckChannel(c, sat, 28).find("Attributes"), std::string::npos);
    c.Attributes = 0x0011;
    EXPECT_NE(CheckChannel(c, sat, 28).find("Attributes"), std::string::npos);
    c = GoodChannel();
    c.SatID = 0;
    EXPECT_EQ(CheckChannel(c, sat, 28).rfind("SatID", 0), 0u);
    // The network entry carries no satellite; the single block marks empty by TPID.
    EXPECT_EQ(CheckChannel(c, Product{9, 0x12}, 28), "");
    EXPECT_EQ(CheckChannel(c, Product{10, 0x14}, 28).rfind("TPID", 0), 0u);
    c.TPID = 3;
    EXPECT_EQ(CheckChannel(c, Product{10, 0x14}, 28), "");
    // A tuner byte marks the second copy on cable standard entries.
    c = GoodChannel();
    c.Tuner = 1;
    EXPECT_EQ(CheckChannel(c, Product{2, 0x04}, 28).rfind("Tuner", 0), 0u);
    EXPECT_EQ(CheckChannel(c, Product{3, 0x03}, 28), "");
}

TEST(RecordChecks, SatelliteTransponderAndMultiplexIdentities) {
    CZorvDB& db = TheZorvDB();
    db.ClearAll();
    const std::uint32_t satKey = velmar::test::AddSatellite(db, 4);
    Satellite_Info_Tag s{};
    std::strcpy(s.Name, "Hotbird");
    s.ID = 4;
    EXPECT_EQ(CheckSatellite(db, s, 0), "");      // a new one gets its ID from the command
    EXPECT_EQ(CheckSatellite(db, s, satKey), ""); // itself
    EXPECT_EQ(CheckSatellite(db, s, satKey + 1), "ID 4 belongs to another satellite.");
    s.Degree = 3600;
    EXPECT_EQ(CheckSatellite(db, s, satKey), "Degree must be below 3600 (tenths of a degree).");
    s.Degree = 0;
    s.Name[0] = 0;
    EXPECT_EQ(CheckSatellite(db, s, 0), "Name must not be empty.");

    const std::uint32_t tpKey = velmar::test::AddTransponder(db, 4, 2);
    Transponder_Info_Tag t{};
    EXPECT_EQ(CheckTransponder(db, t, 0).rfind("SatID", 0), 0u);
    t.SatID = 4;
    t.TPID = 2;
    EXPECT_EQ(CheckTransponder(db, t, tpKey), "");
    EXPECT_EQ(CheckTransponder(db, t, tpKey + 1),
              "TPID 2 belongs to another transponder of satellite 4.");
    t.SatID = 5;
    EXPECT_EQ(CheckTransponder(db, t, tpKey + 1), "");

    const std::uint32_t muxKey = velmar::test::AddCableMux(db, 3);
    CableMux_Info_Tag m{};
    EXPECT_EQ(CheckCableMux(db, m, 0), "");
    EXPECT_EQ(CheckCableMux(db, m, muxKey).rfind("TPID must not be 0", 0), 0u);
    m.TPID = 3;
    EXPECT_EQ(CheckCableMux(db, m, muxKey), "");
    EXPECT_EQ(CheckCableMux(db, m, muxKey + 1), "TPID 3 belongs to another multiplex.");
    db.ClearAll();
}

} // namespace
