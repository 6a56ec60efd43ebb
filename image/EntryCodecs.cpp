#include "image/EntryCodecs.h"

#include "model/MuxParams.h"

// ---- Favourite entry (20 bytes) -------------------------------------------

void DecodeFavorite(const EntryReader& e, FavoriteList& f) {
    e.Text(0, f.Name, 19, sizeof f.Name); // 0-18 Name
    f.Tail = e.U8(19);                    // 19   Tail
}

void EncodeFavorite(const FavoriteList& f, EntryWriter& e) {
    e.Text(0, f.Name, 19);
    e.U8(19, f.Tail);
}

// ---- Satellite entry, short form (32 bytes) -------------------------------

void DecodeSatelliteShort(const EntryReader& e, Satellite_Info_Tag& s) {
    s.Group1.w1 = e.U16(0);
    s.Group1.w2 = e.U16(2);
    s.Degree = e.U16(4);
    s.Group1.w3 = e.U16(6);
    s.Group1.b1 = e.U8(8);
    s.Group1.b2 = e.U8(9);
    s.Group1.b3 = e.U8(10);
    s.Group1.w4 = e.U8(11);
    s.Group1.b4 = e.U8(12);
    s.Flag = e.U8(13);
    s.ID = e.U8(14);
    e.Text(15, s.Name, 15, sizeof s.Name); // 15-29; 30 ignored
    s.Tail = e.U8(31);
}

void EncodeSatelliteShort(const Satellite_Info_Tag& s, EntryWriter& e) {
    e.U16(0, s.Group1.w1);
    e.U16(2, s.Group1.w2);
    e.U16(4, s.Degree);
    e.U16(6, s.Group1.w3);
    e.U8(8, s.Group1.b1);
    e.U8(9, s.Group1.b2);
    e.U8(10, s.Group1.b3);
    e.U8(11, static_cast<BYTE>(s.Group1.w4));
    e.U8(12, s.Group1.b4);
    e.U8(13, s.Flag);
    e.U8(14, s.ID);
    e.Text(15, s.Name, 15);
    e.U8(30, 0);
    e.U8(31, s.Tail);
}

// ---- Satellite entry, long form (44 bytes) --------------------------------

namespace {

void DecodeGroup(const EntryReader& e, std::size_t at, SatSettingGroup& g) {
    g.w1 = e.U16(at + 0);
    g.w2 = e.U16(at + 2);
    g.w3 = e.U16(at + 4);
    g.b1 = e.U8(at + 6);
    g.b2 = e.U8(at + 7);
    g.b3 = e.U8(at + 8);
    g.w4 = e.U8(at + 9);
    g.b4 = e.U8(at + 10);
    g.b5 = e.U8(at + 11);
}

void EncodeGroup(const SatSettingGroup& g, std::size_t at, EntryWriter& e) {
    e.U16(at + 0, g.w1);
    e.U16(at + 2, g.w2);
    e.U16(at + 4, g.w3);
    e.U8(at + 6, g.b1);
    e.U8(at + 7, g.b2);
    e.U8(at + 8, g.b3);
    e.U8(at + 9, static_cast<BYTE>(g.w4));
    e.U8(at + 10, g.b4);
    e.U8(at + 11, g.b5);
}

} // namespace

void DecodeSatelliteLong(const EntryReader& e, Satellite_Info_Tag& s) {
    DecodeGroup(e, 0, s.Group1);  // 0-11
    DecodeGroup(e, 12, s.Group2); // 12-23
    s.Degree = e.U16(24);
    s.Flag = e.U8(26);
    s.ID = e.U8(27);
    e.Text(28, s.Name, 15, sizeof s.Name); // 28-42
    s.Tail = e.U8(43);
}

void EncodeSatelliteLong(const Satellite_Info_Tag& s, EntryWriter& e) {
    EncodeGroup(s.Group1, 0, e);
    EncodeGroup(s.Group2, 12, e);
    e.U16(24, s.Degree);
    e.U8(26, s.Flag);
    e.U8(27, s.ID);
    e.Text(28, s.Name, 15);
    e.U8(43, s.Tail);
}

// ---- Transponder entry (20 bytes) -----------------------------------------

void DecodeTransponderStandard(const EntryReader& e, bool withExtension, Transponder_Info_Tag& t) {
    t.Frequency = e.U16(0);
    t.SymbolRate = e.U16(2);
    t.TSID = e.U16(4);
    t.Word4 = e.U16(6);
    t.PolFEC = e.U8(8);
    t.Byte5 = e.U8(9);
    t.SatID = e.U8(10);
    t.TPID = e.U8(11);
    if (withExtension) {
        t.ExtByte1 = e.U8(12);
        t.ExtByte2 = e.U8(13);
        t.ExtWord1 = e.U16(14);
        t.ExtWord2 = e.U16(16);
        t.ExtByte3 = e.U8(18);
        t.ExtByte4 = e.U8(19);
    }
}

namespace {

void EncodeTransponderTail(const Transponder_Info_Tag& t, bool withExtension, EntryWriter& e) {
    e.U8(8, t.PolFEC);
    e.U8(9, t.Byte5);
    e.U8(10, t.SatID);
    e.U8(11, t.TPID);
    if (withExtension) {
        e.U8(12, t.ExtByte1);
        e.U8(13, t.ExtByte2);
        e.U16(14, t.ExtWord1);
        e.U16(16, t.ExtWord2);
        e.U8(18, t.ExtByte3);
        e.U8(19, t.ExtByte4);
    }
}

} // namespace

void EncodeTransponderStandard(const Transponder_Info_Tag& t, bool withExtension, EntryWriter& e) {
    e.U16(0, t.Frequency);
    e.U16(2, t.SymbolRate);
    e.U16(4, t.TSID);
    e.U16(6, t.Word4);
    EncodeTransponderTail(t, withExtension, e);
}

void DecodeTransponderTerrestrial(const EntryReader& e, int order, Transponder_Info_Tag& t) {
    BYTE params[4];
    e.Bytes(0, params, 4);
    SetTpParams(t, UnpackMuxParams(params, order)); // 0-3 Params
    t.TSID = e.U16(4);                              // 4-5 TSID
    SetTpTerrestrialBytes(t, e.U8(6), e.U8(7));     // 6 carried, 7 NameIndex
}

void EncodeTransponderTerrestrial(const Transponder_Info_Tag& t, bool withExtension, int order,
                                  EntryWriter& e) {
    BYTE params[4];
    PackMuxParams(TpParams(t), order, params);
    e.Bytes(0, params, 4);
    e.U16(4, t.TSID);
    e.U8(6, TpCarried(t));
    e.U8(7, TpNameIndex(t));
    EncodeTransponderTail(t, withExtension, e);
}

// ---- Broadcast entry (20 bytes) -------------------------------------------

void DecodeBroadcast(const EntryReader& e, Broadcast_Info_Tag& b) {
    b.BroadcastID = e.U16(0);
    // 2-18: a name filling all 17 bytes is cut to 16 to stay terminated.
    e.Text(2, b.Name, 17, sizeof b.Name);
    b.Tail = e.U8(19);
}

void EncodeBroadcast(const Broadcast_Info_Tag& b, EntryWriter& e) {
    e.U16(0, b.BroadcastID);
    e.Text(2, b.Name, 16); // 2-17
    e.U8(18, 0);
    e.U8(19, b.Tail);
}

// ---- Multiplex parameters --------------------------------------------------

DWORD UnpackMuxParams(const BYTE* b, int order) {
    if (order == 0)
        return DWORD{b[0]} | (DWORD{b[1]} << 8) | (DWORD{b[2]} << 16) | (DWORD{b[3] & 0x3Fu} << 24);
    MuxParams p{};
    p.Flag = static_cast<BYTE>(b[0] >> 7);
    p.TransMode = static_cast<BYTE>((b[0] >> 5) & 0x03);
    p.FreqTable = static_cast<BYTE>((b[0] >> 2) & 0x07);
    p.Constellation = static_cast<BYTE>(b[0] & 0x03);
    p.CodeRate = static_cast<BYTE>(b[1] >> 5);
    p.GuardInterval = static_cast<BYTE>(b[1] & 0x1F);
    p.Priority = static_cast<BYTE>(b[2] >> 6);
    p.Value18 = static_cast<BYTE>(b[2] & 0x3F);
    p.Value24 = static_cast<BYTE>(b[3] >> 2);
    return p.Pack();
}

void PackMuxParams(DWORD params, int order, BYTE* b) {
    if (order == 0) {
        b[0] = static_cast<BYTE>(params);
        b[1] = static_cast<BYTE>(params >> 8);
        b[2] = static_cast<BYTE>(params >> 16);
        b[3] = static_cast<BYTE>((params >> 24) & 0x3F);
        return;
    }
    const MuxParams p = MuxParams::Unpack(params);
    b[0] = static_cast<BYTE>(p.Flag << 7 | p.TransMode << 5 | p.FreqTable << 2 | p.Constellation);
    b[1] = static_cast<BYTE>(p.CodeRate << 5 | p.GuardInterval);
    b[2] = static_cast<BYTE>(p.Priority << 6 | p.Value18);
    b[3] = static_cast<BYTE>(p.Value24 << 2);
}

// ---- Terrestrial multiplex block entries ----------------------------------

void DecodeTerrestrialMux(const EntryReader& e, int order, SMux_Info_Tag& m) {
    BYTE params[4];
    e.Bytes(0, params, 4);
    m.Params = UnpackMuxParams(params, order); // 0-3
    m.Word1 = e.U16(4);
    m.Word2 = e.U16(6);
    m.Word3 = e.U16(8);
    m.TPID = e.U8(10);
    m.NameIndex = e.U8(11);
    m.Byte2 = e.U8(12);
    m.Byte3 = e.U8(13);
    m.Byte5 = e.U8(14);
    m.Byte6 = e.U8(15);
}

void DecodeTerrestrialBroadcaster(const EntryReader& e, Broadcast_Info_Tag& b) {
    b.BroadcastID = e.U16(0);
    e.Text(2, b.Name, 17, sizeof b.Name); // 2-18
    b.Tail = e.U8(19);
}

// ---- Cable multiplex sector entry -----------------------------------------

void DecodeCableMux(const EntryReader& e, CableMux_Info_Tag& m) {
    m.Frequency = e.U32(0);
    m.TSID = e.U16(4);
    m.SymbolRate = e.U16(6);
    m.Modulation = e.U8(8);
    m.Mark = e.U8(9);
    m.Invert = e.U8(10);
    m.TPID = e.U8(11);
    const std::size_t size = e.Raw().size();
    const std::size_t tail = size > kCableMuxEntryBase ? size - kCableMuxEntryBase : 0;
    e.Bytes(12, m.Tail, tail < sizeof m.Tail ? tail : sizeof m.Tail);
}

void EncodeCableMux(const CableMux_Info_Tag& m, EntryWriter& e) {
    e.U32(0, m.Frequency);
    e.U16(4, m.TSID);
    e.U16(6, m.SymbolRate);
    e.U8(8, m.Modulation);
    e.U8(9, m.Mark);
    e.U8(10, m.Invert);
    e.U8(11, m.TPID);
    e.Bytes(12, m.Tail, sizeof m.Tail); // clipped to the entry
}

// ---- Single-block multiplex and broadcaster entries -----------------------

void DecodeSingleMux(const EntryReader& e, CableMux_Info_Tag& m) {
    m.Frequency = e.U32(0);
    m.SymbolRate = e.U16(4);
    m.TSID = e.U16(6);
    m.NetworkID = e.U16(8);
    m.OrgNetID = e.U16(10);
    m.TPID = e.U8(12);
    m.Modulation = e.U8(13);
    m.Invert = e.U8(14);
    m.Mark = e.U8(15);
}

void EncodeSingleMux(const CableMux_Info_Tag& m, EntryWriter& e) {
    e.U32(0, m.Frequency);
    e.U16(4, m.SymbolRate);
    e.U16(6, m.TSID);
    e.U16(8, m.NetworkID);
    e.U16(10, m.OrgNetID);
    e.U8(12, m.TPID);
    e.U8(13, m.Modulation);
    e.U8(14, m.Invert);
    e.U8(15, m.Mark);
}

void DecodeSingleBroadcaster(const EntryReader& e, Broadcast_Info_Tag& b) {
    DecodeTerrestrialBroadcaster(e, b);
}

void EncodeSingleBroadcaster(const Broadcast_Info_Tag& b, EntryWriter& e) {
    e.U16(0, b.BroadcastID);
    e.Text(2, b.Name, 16); // first 16 bytes, then 0 at 18
    e.U8(18, 0);
    e.U8(19, b.Tail);
}
