#include "model/ChannelSelection.h"

#include "model/Product.h"
#include "model/QuickNameFilter.h"
#include "model/RecordTexts.h"
#include "platform/DisplayTexts.h"

#include <array>
#include <cstring>

namespace {

// By the tuner's number, not by the text the list shows for it.
bool OnTuner(const Channel_Info_Tag& c, int productList, int number) {
    return TunerNumber(TunerNameCode(productList, c.SatID, c.Tuner)) == number;
}

// Each letter's upper-case partner: the reverse of the quick filter's fold,
// so both searches pair the same letters.
std::array<char, 256> UpperTable() {
    std::array<char, 256> upper{};
    for (int i = 0; i < 256; ++i)
        upper[static_cast<std::size_t>(i)] = static_cast<char>(i);
    for (int i = 0; i < 256; ++i) {
        const auto lower = static_cast<unsigned char>(FoldCase1252(static_cast<char>(i)));
        if (lower != i)
            upper[lower] = static_cast<char>(i);
    }
    return upper;
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
        return OnTuner(c, productList, 1);
    case ChannelSelect::Tuner2:
        return OnTuner(c, productList, 2);
    }
    return false;
}

std::string UpperCase1252(std::string_view text) {
    const std::array<char, 256> upper = UpperTable();
    std::string out(text);
    for (char& ch : out)
        ch = upper[static_cast<unsigned char>(ch)];
    return out;
}

bool NameContains(const Channel_Info_Tag& c, std::string_view upperText) {
    const std::string name = UpperCase1252({c.Name, strnlen(c.Name, sizeof c.Name)});
    return name.find(upperText) != std::string::npos;
}
