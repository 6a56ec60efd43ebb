#include "cli/JsonDump.h"

#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"
#include "platform/CodePage.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <ostream>
#include <sstream>
#include <string_view>

namespace {

std::string Hex(const BYTE* bytes, std::size_t n) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 15];
    }
    return out;
}

// A JSON object built field by field, in the order the record declares them.
class Object {
public:
    Object& Num(std::string_view key, unsigned long long value) {
        return Raw(key, std::to_string(value));
    }
    // A record's name field: its bytes up to the first zero.
    template <std::size_t N> Object& Text(std::string_view key, const char (&field)[N]) {
        return Raw(key, AnsiToJsonString({field, strnlen(field, N)}));
    }
    Object& Str(std::string_view key, const std::string& text) {
        return Raw(key, "\"" + text + "\"");
    }
    Object& Raw(std::string_view key, const std::string& json) {
        m_out += m_out.size() > 1 ? ", \"" : "\"";
        m_out.append(key);
        m_out += "\": ";
        m_out += json;
        return *this;
    }
    std::string Done() {
        m_out += '}';
        return std::move(m_out);
    }

private:
    std::string m_out = Opened();
    static std::string Opened() {
        std::string out;
        out.reserve(1024); // a channel's object, every field, without a regrowth
        out += '{';
        return out;
    }
};

template <class T> std::string Array(std::initializer_list<T> values) {
    std::string out = "[";
    for (const T& v : values)
        out += (out.size() > 1 ? ", " : "") + std::to_string(v);
    return out + "]";
}

std::string Group(const SatSettingGroup& g) {
    return Object()
        .Num("w1", g.w1)
        .Num("w2", g.w2)
        .Num("w3", g.w3)
        .Num("b1", g.b1)
        .Num("b2", g.b2)
        .Num("b3", g.b3)
        .Num("w4", g.w4)
        .Num("b4", g.b4)
        .Num("b5", g.b5)
        .Done();
}

std::string Record(const FavoriteList& f) {
    return Object().Num("Index", f.Index).Text("Name", f.Name).Num("Tail", f.Tail).Done();
}

std::string Record(const Satellite_Info_Tag& s) {
    return Object()
        .Num("Index", s.Index)
        .Raw("group1", Group(s.Group1))
        .Raw("group2", Group(s.Group2))
        .Num("Degree", s.Degree)
        .Num("Flag", s.Flag)
        .Num("ID", s.ID)
        .Text("Name", s.Name)
        .Num("Tail", s.Tail)
        .Done();
}

std::string Record(const Broadcast_Info_Tag& b) {
    return Object()
        .Num("Index", b.Index)
        .Num("BroadcastID", b.BroadcastID)
        .Text("Name", b.Name)
        .Num("Tail", b.Tail)
        .Done();
}

std::string Record(const Transponder_Info_Tag& t, bool terrestrial) {
    Object o;
    o.Num("Index", t.Index);
    if (terrestrial)
        o.Num("Params", TpParams(t));
    else
        o.Num("Frequency", t.Frequency).Num("SymbolRate", t.SymbolRate);
    o.Num("TSID", t.TSID);
    if (terrestrial)
        o.Num("Carried", TpCarried(t)).Num("NameIndex", TpNameIndex(t));
    else
        o.Num("Word4", t.Word4);
    return o.Num("PolFEC", t.PolFEC)
        .Num("Byte5", t.Byte5)
        .Num("SatID", t.SatID)
        .Num("TPID", t.TPID)
        .Raw("Ext", Array<unsigned>(
                        {t.ExtByte1, t.ExtByte2, t.ExtWord1, t.ExtWord2, t.ExtByte3, t.ExtByte4}))
        .Done();
}

std::string Record(const SMux_Info_Tag& m) {
    return Object()
        .Num("Index", m.Index)
        .Num("Params", m.Params)
        .Num("Word1", m.Word1)
        .Num("Byte1", m.Byte1)
        .Num("NameIndex", m.NameIndex)
        .Num("Byte2", m.Byte2)
        .Num("Byte3", m.Byte3)
        .Num("Byte4", m.Byte4)
        .Num("TPID", m.TPID)
        .Num("Word2", m.Word2)
        .Num("Word3", m.Word3)
        .Num("Byte5", m.Byte5)
        .Num("Byte6", m.Byte6)
        .Done();
}

std::string Record(const CableMux_Info_Tag& m) {
    return Object()
        .Num("Index", m.Index)
        .Num("Frequency", m.Frequency)
        .Num("SymbolRate", m.SymbolRate)
        .Num("TSID", m.TSID)
        .Num("NetworkID", m.NetworkID)
        .Num("OrgNetID", m.OrgNetID)
        .Num("TPID", m.TPID)
        .Num("Modulation", m.Modulation)
        .Num("Invert", m.Invert)
        .Num("Mark", m.Mark)
        .Str("Tail", Hex(m.Tail, sizeof m.Tail))
        .Done();
}

std::string Record(const Channel_Info_Tag& c) {
    std::string f = "[";
    for (int k = 0; k < kFavoritePositions; ++k)
        f += (k ? ", " : "") + std::to_string(c.F[k]);
    f += "]";
    return Object()
        .Num("Index", c.Index)
        .Num("CAS", c.CAS)
        .Num("Favorite", c.Favorite)
        .Num("ProgramNum", c.ProgramNum)
        .Num("SatID", c.SatID)
        .Num("TPID", c.TPID)
        .Num("BroadcastID", c.BroadcastID)
        .Num("ServiceID", c.ServiceID)
        .Num("VideoPID", c.VideoPID)
        .Num("AudioPID", c.AudioPID)
        .Num("PCRPID", c.PCRPID)
        .Num("Attributes", c.Attributes)
        .Num("NumOfAudio", c.NumOfAudio)
        .Num("NumOfSubTTX", c.NumOfSubTTX)
        .Text("Name", c.Name)
        .Num("CodeTable", c.CodeTable)
        .Num("Tuner", c.Tuner)
        .Num("Record", c.Record)
        .Num("LogicalNumber", c.LogicalNumber)
        .Raw("F", f)
        .Num("ShowNum", c.ShowNum)
        .Num("ParentRate", c.ParentRate)
        .Num("StreamType", c.StreamType)
        .Num("OrgNetID", c.OrgNetID)
        .Num("NetworkID", c.NetworkID)
        .Num("TSID", c.TSID)
        .Num("VolOffset", c.VolOffset)
        .Num("OrgMuxID", c.OrgMuxID)
        .Num("NetNameID", c.NetNameID)
        .Num("ServiceType", c.ServiceType)
        .Done();
}

template <class T, class Format> std::string Table(std::uint8_t table, Format format) {
    const CZorvDB& db = TheZorvDB();
    std::string out = "[";
    for (const T& r : db.Rows<T>(table))
        out += (out.size() > 1 ? ",\n    " : "\n    ") + format(r);
    return out + (out.size() > 1 ? "\n  ]" : "]");
}

template <class T> std::string Table(std::uint8_t table) {
    return Table<T>(table, [](const T& r) { return Record(r); });
}

} // namespace

std::string AnsiToJsonString(std::string_view text) {
    std::string out = "\"";
    for (const char ch : text) {
        const char32_t c = AnsiToCodePoint(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            // Controls, C1 included (the code page's five undefined bytes), are
            // written escaped: valid either way, but visible this way.
            char esc[8];
            (void)std::snprintf(esc, sizeof esc, "\\u%04x", static_cast<unsigned>(c));
            out += esc;
        } else {
            out += AnsiToUtf8(std::string_view(&ch, 1));
        }
    }
    return out + "\"";
}

std::string DumpChannelsJson() {
    std::ostringstream out;
    DumpChannelsJson(out);
    return out.str();
}

void DumpChannelsJson(std::ostream& out) {
    // As Table() lays a table out, one record at a time.
    bool first = true;
    out << "[";
    for (const Channel_Info_Tag& c : TheZorvDB().Rows<Channel_Info_Tag>(kTableChannel)) {
        out << (first ? "\n    " : ",\n    ") << Record(c);
        first = false;
    }
    out << (first ? "]" : "\n  ]");
}

std::string DumpJson(std::uint32_t productType) {
    const std::string transponders =
        Table<Transponder_Info_Tag>(kTableTransponder, [&](const Transponder_Info_Tag& t) {
            return Record(t, IsTerrestrialPseudoSatellite(productType, t.SatID));
        });
    const std::string tables =
        Object()
            .Raw("favorites", Table<FavoriteList>(kTableFavorite))
            .Raw("satellites", Table<Satellite_Info_Tag>(kTableSatellite))
            .Raw("broadcasts", Table<Broadcast_Info_Tag>(kTableBroadcast))
            .Raw("transponders", transponders)
            .Raw("terrestrial_muxes", Table<SMux_Info_Tag>(kTableTerrestrialMux))
            .Raw("cable_muxes", Table<CableMux_Info_Tag>(kTableCableMux))
            .Raw("channels", DumpChannelsJson())
            .Done();
    return Object()
               .Num("format", kJsonFormat)
               .Raw("zorv", g_bZorvImage ? "true" : "false")
               .Str("header_text", Hex(g_HeaderText, sizeof g_HeaderText))
               .Num("fav_header", g_wFavHeader)
               .Num("max_tpid", g_nMaxTPID)
               .Raw("preserved", Array<unsigned>({g_byPreservedA, g_byPreservedB, g_byPreservedC,
                                                  g_byPreservedD}))
               .Raw("tables", tables)
               .Done() +
           "\n";
}

bool StreamWorkbookJson(const ChannelList& channels,
                        const std::function<bool(std::string_view)>& write) {
    constexpr std::size_t kPiece = std::size_t{64} << 10;
    // As Object() and Table() lay the object and its array out, each
    // channel keyed by its place as a table of its own would key it.
    std::string piece = "{\"format\": " + std::to_string(kJsonFormat) + ", \"channels\": [";
    bool first = true;
    std::uint32_t key = 0;
    for (Channel_Info_Tag c : channels) {
        c.Index = ++key;
        piece += first ? "\n    " : ",\n    ";
        piece += Record(c);
        first = false;
        if (piece.size() >= kPiece) {
            if (!write(piece))
                return false;
            piece.clear();
        }
    }
    piece += first ? "]}\n" : "\n  ]}\n";
    return write(piece);
}
