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
#include <vector>

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
    using enum FieldSetResult;
    Satellite_Info_Tag s{};
    Transponder_Info_Tag t{};
    CableMux_Info_Tag m{};
    EXPECT_EQ(
        (std::vector{
            SetSatelliteField(s, "Group2.b5", "9"), SetSatelliteField(s, "Group1.w4", "0x1234"),
            SetSatelliteField(s, "Degree", "192"), SetSatelliteField(s, "Name", "Fifteen chars!!"),
            SetSatelliteField(s, "Name", "Sixteen chars!!!"),
            SetSatelliteField(s, "Group3.b1", "1"), SetTransponderField(t, "PolFEC", "0x31"),
            SetTransponderField(t, "ExtWord2", "65535"), SetTransponderField(t, "Name", "x"),
            SetCableMuxField(m, "Frequency", "474000"), SetCableMuxField(m, "Modulation", "0x0D"),
            SetCableMuxField(m, "Tail", "1")}),
        (std::vector{Ok, Ok, Ok, Ok, NameTooLong, UnknownField, Ok, Ok, UnknownField, Ok, Ok,
                     UnknownField}));
    EXPECT_EQ((std::array<DWORD, 7>{s.Group2.b5, s.Group1.w4, s.Degree, t.PolFEC, t.ExtWord2,
                                    m.Frequency, m.Modulation}),
              (std::array<DWORD, 7>{9, 0x1234, 192, 0x31, 0xFFFF, 474000, 13}));
}

// A channel every product accepts, with `edit` applied, checked for `p`
// with the policy's name length 28.
template <class Edit> std::string Check(Edit edit, Product p = {7, 0x01}) {
    Channel_Info_Tag c{};
    std::strcpy(c.Name, "Arte");
    c.SatID = 1;
    c.Attributes = kAttrTV;
    c.VideoPID = 8191;
    edit(c);
    return CheckChannel(c, p, 28);
}

TEST(RecordChecks, ChannelsTheImageCanHoldAndKeep) {
    const Product sat{7, 0x01}, standard{3, 0x01}, network{9, 0x12}, single{10, 0x14};
    EXPECT_EQ(Check([](auto&) {}), "");
    EXPECT_EQ(Check([](auto& c) { c.AudioPID = 8192; }), "AudioPID must be between 0 and 8191.");
    EXPECT_EQ(Check([](auto& c) { c.Name[0] = 0; }), "Name must not be empty.");
    // The standard entry keeps L name bytes; the compact, network and single
    // entries end the name with a zero inside them, so they keep L - 1.
    const auto name = [](std::size_t length) {
        return [length](auto& c) { std::snprintf(c.Name, sizeof c.Name, "%0*d", int(length), 0); };
    };
    EXPECT_EQ(Check(name(29), standard), "Name must have at most 28 characters.");
    EXPECT_EQ(Check(name(28), standard), "");
    EXPECT_EQ(Check(name(28)), "Name must have at most 27 characters.");
    EXPECT_EQ(Check(name(27)), "");
    // With no policy value (0) the record's size.
    EXPECT_EQ((std::array{ChannelNameCapacity(standard, 28), ChannelNameCapacity(network, 28),
                          ChannelNameCapacity(single, 28), ChannelNameCapacity(sat, 0)}),
              (std::array{28, 27, 27, 254}));
    EXPECT_NE(Check([](auto& c) { c.Attributes = kAttrTV | kAttrRadio; }).find("Attributes"),
              std::string::npos);
    EXPECT_NE(Check([](auto& c) { c.Attributes = 0x0011; }).find("Attributes"), std::string::npos);
    // The network entry carries no satellite; the single block marks empty by TPID.
    const auto noSat = [](auto& c) { c.SatID = 0; };
    EXPECT_EQ(Check(noSat).rfind("SatID", 0), 0u);
    EXPECT_EQ(Check(noSat, network), "");
    EXPECT_EQ(Check(noSat, single).rfind("TPID", 0), 0u);
    EXPECT_EQ(Check([](auto& c) { c.SatID = 0, c.TPID = 3; }, single), "");
    // A tuner byte marks the second copy on cable standard entries.
    const auto tuner = [](auto& c) { c.Tuner = 1; };
    EXPECT_EQ(Check(tuner, {2, 0x04}).rfind("Tuner", 0), 0u);
    EXPECT_EQ(Check(tuner, {3, 0x03}), "");
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
