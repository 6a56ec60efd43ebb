#include "model/ChannelSelection.h"

#include "model/Product.h"
#include "model/RecordTexts.h"

#include <cstring>

namespace {

bool TunerReads(const Channel_Info_Tag& c, int productList, std::string_view text) {
    return TunerText(TunerNameCode(productList, c.SatID, c.Tuner)) == text;
}

unsigned char Upper(unsigned char ch) {
    if ((ch >= 'a' && ch <= 'z') || (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7))
        return static_cast<unsigned char>(ch - 0x20);
    switch (ch) {
    case 0x9A: // s caron
        return 0x8A;
    case 0x9C: // oe
        return 0x8C;
    case 0x9E: // z caron
        return 0x8E;
    case 0xFF: // y diaeresis
        return 0x9F;
    default:
        return ch;
    }
}

} // namespace

bool SelectsChannel(ChannelSelect which, const Channel_Info_Tag& c, int productList) {
    switch (which) {
    case ChannelSelect::All:
        return true;
    case ChannelSelect::Locked:
        return (c.Attributes & kAttrLocked) != 0;
    case ChannelSelect::CAS:
        return (c.Attributes & kAttrScrambled) != 0;
    case ChannelSelect::Tuner1:
        return TunerReads(c, productList, "Tuner 1");
    case ChannelSelect::Tuner2:
        return TunerReads(c, productList, "Tuner 2");
    }
    return false;
}

std::string UpperCase1252(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        ch = static_cast<char>(Upper(static_cast<unsigned char>(ch)));
    return out;
}

bool NameContains(const Channel_Info_Tag& c, std::string_view upperText) {
    const std::string name = UpperCase1252({c.Name, strnlen(c.Name, sizeof c.Name)});
    return name.find(upperText) != std::string::npos;
}
