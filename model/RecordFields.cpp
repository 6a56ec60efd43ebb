#include "model/RecordFields.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

// A numeric field: where it lies in the record and how many bytes it has.
struct NumericField {
    std::string name;
    std::size_t offset;
    std::size_t size;
};

template <class R>
FieldSetResult SetNumeric(R& record, const std::vector<NumericField>& fields, std::string_view name,
                          std::string_view value) {
    for (const NumericField& f : fields) {
        if (f.name != name)
            continue;
        const auto parsed = ParseFieldNumber(value, static_cast<int>(8 * f.size));
        if (!parsed)
            return FieldSetResult::BadValue;
        // Fields are host-order integers of 1, 2 or 4 bytes.
        auto* at = reinterpret_cast<unsigned char*>(&record) + f.offset;
        if (f.size == 1) {
            const auto v = static_cast<std::uint8_t>(*parsed);
            std::memcpy(at, &v, 1);
        } else if (f.size == 2) {
            const auto v = static_cast<std::uint16_t>(*parsed);
            std::memcpy(at, &v, 2);
        } else {
            std::memcpy(at, &*parsed, 4);
        }
        return FieldSetResult::Ok;
    }
    return FieldSetResult::UnknownField;
}

FieldSetResult SetText(char* field, std::size_t size, std::string_view value) {
    if (value.size() >= size)
        return FieldSetResult::NameTooLong;
    std::memset(field, 0, size);
    std::memcpy(field, value.data(), value.size());
    return FieldSetResult::Ok;
}

#define VELMAR_NUM(R, F)                                                                           \
    NumericField {                                                                                 \
#F, offsetof(R, F), sizeof(R::F)                                                           \
    }

const std::vector<NumericField>& ChannelFields() {
    static const std::vector<NumericField> fields = [] {
        using C = Channel_Info_Tag;
        std::vector<NumericField> f = {
            VELMAR_NUM(C, CAS),         VELMAR_NUM(C, Favorite),      VELMAR_NUM(C, ProgramNum),
            VELMAR_NUM(C, SatID),       VELMAR_NUM(C, TPID),          VELMAR_NUM(C, BroadcastID),
            VELMAR_NUM(C, ServiceID),   VELMAR_NUM(C, VideoPID),      VELMAR_NUM(C, AudioPID),
            VELMAR_NUM(C, PCRPID),      VELMAR_NUM(C, Attributes),    VELMAR_NUM(C, NumOfAudio),
            VELMAR_NUM(C, NumOfSubTTX), VELMAR_NUM(C, CodeTable),     VELMAR_NUM(C, Tuner),
            VELMAR_NUM(C, Record),      VELMAR_NUM(C, LogicalNumber), VELMAR_NUM(C, ShowNum),
            VELMAR_NUM(C, ParentRate),  VELMAR_NUM(C, StreamType),    VELMAR_NUM(C, OrgNetID),
            VELMAR_NUM(C, NetworkID),   VELMAR_NUM(C, TSID),          VELMAR_NUM(C, VolOffset),
            VELMAR_NUM(C, OrgMuxID),    VELMAR_NUM(C, NetNameID),     VELMAR_NUM(C, ServiceType)};
        for (std::size_t k = 0; k < kFavoritePositions; ++k)
            f.push_back({"F" + std::to_string(k), offsetof(C, F) + 2 * k, 2});
        return f;
    }();
    return fields;
}

const std::vector<NumericField>& SatelliteFields() {
    static const std::vector<NumericField> fields = [] {
        using S = Satellite_Info_Tag;
        std::vector<NumericField> f = {VELMAR_NUM(S, Degree), VELMAR_NUM(S, Flag),
                                       VELMAR_NUM(S, ID), VELMAR_NUM(S, Tail)};
        using G = SatSettingGroup;
        const std::array<NumericField, 9> members = {
            VELMAR_NUM(G, w1), VELMAR_NUM(G, w2), VELMAR_NUM(G, w3),
            VELMAR_NUM(G, b1), VELMAR_NUM(G, b2), VELMAR_NUM(G, b3),
            VELMAR_NUM(G, w4), VELMAR_NUM(G, b4), VELMAR_NUM(G, b5)};
        for (const auto& [group, base] :
             {std::pair{"Group1.", offsetof(S, Group1)}, std::pair{"Group2.", offsetof(S, Group2)}})
            for (const NumericField& m : members)
                f.push_back({group + m.name, base + m.offset, m.size});
        return f;
    }();
    return fields;
}

const std::vector<NumericField>& TransponderFields() {
    using T = Transponder_Info_Tag;
    static const std::vector<NumericField> fields = {
        VELMAR_NUM(T, Frequency), VELMAR_NUM(T, SymbolRate), VELMAR_NUM(T, TSID),
        VELMAR_NUM(T, Word4),     VELMAR_NUM(T, PolFEC),     VELMAR_NUM(T, Byte5),
        VELMAR_NUM(T, SatID),     VELMAR_NUM(T, TPID),       VELMAR_NUM(T, ExtByte1),
        VELMAR_NUM(T, ExtByte2),  VELMAR_NUM(T, ExtWord1),   VELMAR_NUM(T, ExtWord2),
        VELMAR_NUM(T, ExtByte3),  VELMAR_NUM(T, ExtByte4)};
    return fields;
}

const std::vector<NumericField>& CableMuxFields() {
    using M = CableMux_Info_Tag;
    static const std::vector<NumericField> fields = {
        VELMAR_NUM(M, Frequency),  VELMAR_NUM(M, SymbolRate), VELMAR_NUM(M, TSID),
        VELMAR_NUM(M, NetworkID),  VELMAR_NUM(M, OrgNetID),   VELMAR_NUM(M, TPID),
        VELMAR_NUM(M, Modulation), VELMAR_NUM(M, Invert),     VELMAR_NUM(M, Mark)};
    return fields;
}

#undef VELMAR_NUM

} // namespace

std::optional<std::uint32_t> ParseFieldNumber(std::string_view text, int bits) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char ch : text) {
        int digit = -1;
        if (ch >= '0' && ch <= '9')
            digit = ch - '0';
        else if (base == 16 && ch >= 'a' && ch <= 'f')
            digit = ch - 'a' + 10;
        else if (base == 16 && ch >= 'A' && ch <= 'F')
            digit = ch - 'A' + 10;
        if (digit < 0)
            return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (bits < 32 && value >= (std::uint64_t{1} << bits))
        return std::nullopt;
    if (value > 0xFFFFFFFFu)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

FieldSetResult SetChannelField(Channel_Info_Tag& c, std::string_view name, std::string_view value) {
    if (name == "Name")
        return SetText(c.Name, sizeof c.Name, value);
    return SetNumeric(c, ChannelFields(), name, value);
}

FieldSetResult SetSatelliteField(Satellite_Info_Tag& s, std::string_view name,
                                 std::string_view value) {
    if (name == "Name")
        return SetText(s.Name, sizeof s.Name, value);
    return SetNumeric(s, SatelliteFields(), name, value);
}

FieldSetResult SetTransponderField(Transponder_Info_Tag& t, std::string_view name,
                                   std::string_view value) {
    return SetNumeric(t, TransponderFields(), name, value);
}

FieldSetResult SetCableMuxField(CableMux_Info_Tag& m, std::string_view name,
                                std::string_view value) {
    return SetNumeric(m, CableMuxFields(), name, value);
}
