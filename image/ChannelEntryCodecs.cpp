#include "image/ChannelEntryCodecs.h"

#include "model/Product.h"

namespace {

constexpr std::size_t kNameSize = sizeof(Channel_Info_Tag::Name);

void DecodeFavoriteWords(const EntryReader& e, std::size_t at, int words, Channel_Info_Tag& c) {
    for (int k = 0; k < words; ++k)
        c.F[k] = e.U16(at + 2 * static_cast<std::size_t>(k));
}

void EncodeFavoriteWords(const Channel_Info_Tag& c, std::size_t at, int words, EntryWriter& e) {
    for (int k = 0; k < words; ++k)
        e.U16(at + 2 * static_cast<std::size_t>(k), c.F[k]);
}

// Compact, network and single entries store L-1 name bytes and a zero.
void EncodeShortName(const Channel_Info_Tag& c, std::size_t at, std::size_t nameLength,
                     EntryWriter& e) {
    e.Text(at, c.Name, nameLength - 1);
    e.U8(at + nameLength - 1, 0);
}

// Bytes 0-23, the same in the network and the single-block entries.
void DecodeServiceHead(const EntryReader& e, Channel_Info_Tag& c) {
    c.CAS = e.U32(0);
    c.ProgramNum = e.U16(4);
    c.LogicalNumber = e.U16(6);
    c.OrgNetID = e.U16(8);
    c.BroadcastID = e.U16(10);
    c.TSID = e.U16(12);
    c.ServiceID = e.U16(14);
    c.VideoPID = e.U16(16);
    c.AudioPID = e.U16(18);
    c.PCRPID = e.U16(20);
    c.Attributes = e.U16(22);
}

void EncodeServiceHead(const Channel_Info_Tag& c, EntryWriter& e) {
    e.U32(0, c.CAS);
    e.U16(4, c.ProgramNum);
    e.U16(6, c.LogicalNumber);
    e.U16(8, c.OrgNetID);
    e.U16(10, c.BroadcastID);
    e.U16(12, c.TSID);
    e.U16(14, c.ServiceID);
    e.U16(16, c.VideoPID);
    e.U16(18, c.AudioPID);
    e.U16(20, c.PCRPID);
    e.U16(22, c.Attributes);
}

} // namespace

// ---- Standard entry ---------------------------------------------------------

void DecodeChannelStandard(const EntryReader& e, int nameLength, std::uint32_t productType,
                           Channel_Info_Tag& c) {
    const auto L = static_cast<std::size_t>(nameLength);
    c.CAS = e.U32(0);
    c.Favorite = e.U32(4);
    c.ProgramNum = e.U16(8);
    c.SatID = e.U8(10);
    c.TPID = e.U8(11);
    c.BroadcastID = e.U16(12);
    c.ServiceID = e.U16(14);
    c.VideoPID = e.U16(16);
    c.AudioPID = e.U16(18);
    c.PCRPID = e.U16(20);
    c.Attributes = e.U16(22);
    c.NumOfAudio = e.U8(24);
    c.NumOfSubTTX = e.U8(25);
    e.Text(26, c.Name, L, kNameSize); // 26 .. 25+L; 26+L is a zero byte
    c.CodeTable = e.U8(27 + L);
    c.Tuner = e.U8(28 + L);
    c.Record = e.U8(29 + L);
    DecodeFavoriteWords(e, 30 + L, StandardEntryFavoriteWords(productType), c);
}

void EncodeChannelStandard(const Channel_Info_Tag& c, int nameLength, std::uint32_t productType,
                           int tuner, EntryWriter& e) {
    const auto L = static_cast<std::size_t>(nameLength);
    e.U32(0, c.CAS);
    e.U32(4, c.Favorite);
    e.U16(8, c.ProgramNum);
    e.U8(10, c.SatID);
    e.U8(11, c.TPID);
    e.U16(12, c.BroadcastID);
    e.U16(14, c.ServiceID);
    e.U16(16, c.VideoPID);
    e.U16(18, c.AudioPID);
    e.U16(20, c.PCRPID);
    e.U16(22, c.Attributes);
    e.U8(24, c.NumOfAudio);
    e.U8(25, c.NumOfSubTTX);
    e.Text(26, c.Name, L);
    e.U8(26 + L, 0);
    e.U8(27 + L, c.CodeTable);
    e.U8(28 + L, tuner < 0 ? c.Tuner : static_cast<BYTE>(tuner));
    e.U8(29 + L, c.Record);
    EncodeFavoriteWords(c, 30 + L, StandardEntryFavoriteWords(productType), e);
}

// ---- Compact entry (lists 7 and 8) -------------------------------------------

void DecodeChannelCompact(const EntryReader& e, int nameLength, std::uint32_t productType,
                          int productList, Channel_Info_Tag& c) {
    const auto L = static_cast<std::size_t>(nameLength);
    const std::size_t x = ShowsShowNum(productList) ? 8 : 6; // e of the layout
    c.CAS = e.U32(0);
    if (ShowsShowNum(productList)) {
        // The receiver numbers list-8 channels by their displayed number.
        c.ShowNum = e.U16(6);
        c.ProgramNum = c.ShowNum;
    } else {
        c.ProgramNum = e.U16(4);
    }
    c.SatID = e.U8(x);
    c.TPID = e.U8(x + 1);
    c.BroadcastID = e.U16(x + 2);
    c.ServiceID = e.U16(x + 4);
    c.VideoPID = e.U16(x + 6);
    c.AudioPID = e.U16(x + 8);
    c.PCRPID = e.U16(x + 10);
    c.Attributes = e.U16(x + 12);
    c.NumOfAudio = e.U8(x + 14);
    c.NumOfSubTTX = e.U8(x + 15);
    e.Text(x + 16, c.Name, L, kNameSize);
    c.CodeTable = e.U8(x + 16 + L);
    c.Favorite = e.U8(x + 17 + L);
    c.StreamType = e.U8(x + 18 + L);
    DecodeFavoriteWords(e, x + 19 + L, ShortEntryFavoriteWords(productType), c);
}

void EncodeChannelCompact(const Channel_Info_Tag& c, int nameLength, std::uint32_t productType,
                          int productList, EntryWriter& e) {
    const auto L = static_cast<std::size_t>(nameLength);
    const std::size_t x = ShowsShowNum(productList) ? 8 : 6;
    e.U32(0, c.CAS);
    e.U16(4, c.ProgramNum);
    if (ShowsShowNum(productList))
        e.U16(6, c.ShowNum);
    e.U8(x, c.SatID);
    e.U8(x + 1, c.TPID);
    e.U16(x + 2, c.BroadcastID);
    e.U16(x + 4, c.ServiceID);
    e.U16(x + 6, c.VideoPID);
    e.U16(x + 8, c.AudioPID);
    e.U16(x + 10, c.PCRPID);
    e.U16(x + 12, c.Attributes);
    e.U8(x + 14, c.NumOfAudio);
    e.U8(x + 15, c.NumOfSubTTX);
    EncodeShortName(c, x + 16, L, e);
    e.U8(x + 16 + L, c.CodeTable);
    e.U8(x + 17 + L, static_cast<BYTE>(c.Favorite));
    e.U8(x + 18 + L, c.StreamType);
    EncodeFavoriteWords(c, x + 19 + L, ShortEntryFavoriteWords(productType), e);
}

// ---- Network entry (list 9) ----------------------------------------------------

void DecodeChannelNetwork(const EntryReader& e, int nameLength, std::uint32_t productType,
                          Channel_Info_Tag& c) {
    const auto L = static_cast<std::size_t>(nameLength);
    DecodeServiceHead(e, c); // 0-23
    c.Favorite = e.U8(24);
    c.VolOffset = e.U8(25);
    c.TPID = e.U8(26);
    c.ParentRate = e.U8(27);
    c.NumOfAudio = e.U8(28);
    c.NumOfSubTTX = e.U8(29);
    c.CodeTable = e.U8(30);
    c.StreamType = e.U8(31);
    e.Text(32, c.Name, L, kNameSize);
    c.OrgMuxID = e.U8(32 + L);
    c.NetNameID = e.U16(33 + L);
    DecodeFavoriteWords(e, 35 + L, ShortEntryFavoriteWords(productType), c);
    c.SatID = 1; // the network entry carries no satellite
}

void EncodeChannelNetwork(const Channel_Info_Tag& c, int nameLength, std::uint32_t productType,
                          EntryWriter& e) {
    const auto L = static_cast<std::size_t>(nameLength);
    EncodeServiceHead(c, e); // 0-23
    e.U8(24, static_cast<BYTE>(c.Favorite));
    e.U8(25, c.VolOffset);
    e.U8(26, c.TPID);
    e.U8(27, c.ParentRate);
    e.U8(28, c.NumOfAudio);
    e.U8(29, c.NumOfSubTTX);
    e.U8(30, c.CodeTable);
    e.U8(31, c.StreamType);
    EncodeShortName(c, 32, L, e);
    e.U8(32 + L, c.OrgMuxID);
    e.U16(33 + L, c.NetNameID);
    EncodeFavoriteWords(c, 35 + L, ShortEntryFavoriteWords(productType), e);
}

// ---- Single-block entry (list 10) ------------------------------------------------

void DecodeChannelSingle(const EntryReader& e, int nameLength, std::uint32_t productType,
                         Channel_Info_Tag& c) {
    const auto L = static_cast<std::size_t>(nameLength);
    DecodeServiceHead(e, c); // 0-23
    c.TPID = e.U8(24);
    c.ParentRate = e.U8(25);
    c.NumOfAudio = e.U8(26);
    c.NumOfSubTTX = e.U8(27);
    e.Text(28, c.Name, L, kNameSize);
    c.CodeTable = e.U8(28 + L);
    c.Favorite = e.U8(29 + L);
    c.VolOffset = e.U8(30 + L);
    c.StreamType = e.U8(31 + L);
    DecodeFavoriteWords(e, 32 + L, ShortEntryFavoriteWords(productType), c);
}

void EncodeChannelSingle(const Channel_Info_Tag& c, int nameLength, std::uint32_t productType,
                         EntryWriter& e) {
    const auto L = static_cast<std::size_t>(nameLength);
    EncodeServiceHead(c, e); // 0-23
    e.U8(24, c.TPID);
    e.U8(25, c.ParentRate);
    e.U8(26, c.NumOfAudio);
    e.U8(27, c.NumOfSubTTX);
    EncodeShortName(c, 28, L, e);
    e.U8(28 + L, c.CodeTable);
    e.U8(29 + L, static_cast<BYTE>(c.Favorite));
    e.U8(30 + L, c.VolOffset);
    e.U8(31 + L, c.StreamType);
    EncodeFavoriteWords(c, 32 + L, ShortEntryFavoriteWords(productType), e);
}
