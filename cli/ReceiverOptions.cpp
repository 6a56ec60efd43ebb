#include "cli/ReceiverOptions.h"

#include "contracts/Policy.h"
#include "contracts/ReceiverProfiles.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <ostream>

namespace {

// Decimal, or hexadecimal after 0x.
bool ParseNumber(const std::string& text, long long& value) {
    int base = 10;
    std::size_t skip = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        skip = 2;
    }
    const char* first = text.data() + skip;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value, base);
    return ec == std::errc{} && end == last && first != last;
}

bool ParseInt(const std::string& text, int& value) {
    long long v = 0;
    if (!ParseNumber(text, v) || v < 0 || v > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(v);
    return true;
}

bool ParseList(const std::string& text, std::size_t count, std::vector<int>& out) {
    out.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        int v = 0;
        if (!ParseInt(text.substr(start, comma - start), v))
            return false;
        out.push_back(v);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return out.size() == count;
}

} // namespace

void ReceiverOptions::Apply() const {
    ConfigurePolicy(profile ? *profile : DefaultReceiverProfile());
    if (productList)
        SetProductList(*productList);
    if (productType)
        SetProductType(*productType);
    if (byteOrder)
        SetFlashByteOrder(*byteOrder);
    if (sectorSize)
        velmar::policy_profile::SetFlashOneSectorSize(*sectorSize);
    if (maxMux)
        velmar::policy_profile::SetFlashMaxMuxCount(*maxMux);
    if (mmi)
        SetFlashMMIBlockInfo((*mmi)[0], (*mmi)[1], (*mmi)[2], (*mmi)[3]);
    if (sat)
        SetFlashSatBlockInfo((*sat)[0], (*sat)[1], (*sat)[2]);
    if (brd)
        SetFlashBrdBlockInfo((*brd)[0], (*brd)[1], (*brd)[2]);
    if (tp)
        SetFlashTPBlockInfo((*tp)[0], (*tp)[1], (*tp)[2]);
    if (ch)
        SetFlashCHBlockInfo((*ch)[0], (*ch)[1], (*ch)[2], (*ch)[3]);
}

bool ReceiverOptions::ChangesGeometry() const {
    return productList || byteOrder || sectorSize || maxMux || productType || mmi || sat || brd ||
           tp || ch;
}

std::string ReceiverAssumed(const ReceiverOptions& options) {
    const ReceiverProfile& used = options.profile ? *options.profile : DefaultReceiverProfile();
    std::string text =
        std::string(used.name) + (options.profile ? " (--receiver)" : " (the start-up receiver)");
    if (options.ChangesGeometry())
        text += ", changed by the options";
    return text;
}

std::string ReceiverChoiceNote(const ReceiverOptions& options,
                               const std::optional<std::string>& editorChoice) {
    if (options.profile || options.ChangesGeometry() || !editorChoice)
        return {};
    const ReceiverProfile* editor = FindReceiverProfile(*editorChoice);
    const ReceiverProfile& used = DefaultReceiverProfile();
    if (!editor || editor->name == used.name)
        return {};
    const std::string chosen(editor->name);
    return "velmar-cli: note: reading as the start-up receiver \"" + std::string(used.name) +
           "\"; the editor is set to \"" + chosen + "\". Choose with --receiver NAME (--receiver " +
           chosen + " reads as the editor does).";
}

bool ParseReceiverOptions(const std::vector<std::string>& args, std::size_t& index,
                          ReceiverOptions& out, std::string& error) {
    struct Number {
        const char* name;
        std::optional<int>* target;
    };
    const Number numbers[] = {{"--product-list", &out.productList},
                              {"--byte-order", &out.byteOrder},
                              {"--sector-size", &out.sectorSize},
                              {"--max-mux", &out.maxMux}};
    struct Geometry {
        const char* name;
        std::size_t count;
        std::optional<std::vector<int>>* target;
    };
    const Geometry geometries[] = {{"--mmi", 4, &out.mmi},
                                   {"--sat", 3, &out.sat},
                                   {"--brd", 3, &out.brd},
                                   {"--tp", 3, &out.tp},
                                   {"--ch", 4, &out.ch}};

    for (; index < args.size() && args[index].rfind("--", 0) == 0; ++index) {
        const std::string& option = args[index];
        if (option == "--yes") {
            out.yes = true;
            continue;
        }
        if (index + 1 >= args.size()) {
            error = option + " needs a value";
            return false;
        }
        const std::string& value = args[++index];
        if (option == "--receiver") {
            out.profile = FindReceiverProfile(value);
            if (!out.profile) {
                error = "unknown receiver " + value + " (velmar-cli receivers lists them)";
                return false;
            }
            continue;
        }
        bool known = false, ok = false;
        for (const Number& n : numbers) {
            if (option == n.name) {
                int v = 0;
                known = true;
                ok = ParseInt(value, v) && (option != "--byte-order" || v <= 1);
                *n.target = v;
            }
        }
        if (option == "--product-type") {
            long long v = 0;
            known = true;
            ok = ParseNumber(value, v) && v >= 0 && v <= 0xFFFFFFFFLL;
            out.productType = static_cast<unsigned>(v);
        }
        for (const Geometry& g : geometries) {
            if (option == g.name) {
                std::vector<int> list;
                known = true;
                ok = ParseList(value, g.count, list);
                *g.target = list;
            }
        }
        if (!known) {
            error = "unknown option " + option;
            return false;
        }
        if (!ok) {
            error = "bad value for ";
            error += option;
            error += ": ";
            error += value;
            return false;
        }
    }
    return true;
}

std::string ReceiverProfileOptions(const ReceiverProfile& p) {
    char text[320];
    (void)std::snprintf(
        text, sizeof text,
        "--product-list %d --product-type 0x%02X --byte-order %d --sector-size %d "
        "--max-mux %d --mmi %d,%d,%d,%d --sat %d,%d,%d --brd %d,%d,%d --tp %d,%d,%d "
        "--ch %d,%d,%d,%d",
        p.productList, static_cast<unsigned>(p.productType), p.byteOrder, p.sectorSize,
        p.maxMuxCount, p.mmi.start, p.mmi.sectors, p.mmi.entrySize, p.mmi.fourth, p.sat.start,
        p.sat.sectors, p.sat.entrySize, p.brd.start, p.brd.sectors, p.brd.entrySize, p.tp.start,
        p.tp.sectors, p.tp.entrySize, p.ch.start, p.ch.sectors, p.ch.entrySize, p.ch.fourth);
    return text;
}

void PrintReceiverProfiles(std::ostream& out) {
    for (const ReceiverProfile& p : ReceiverProfiles()) {
        out << p.name << (&p == &DefaultReceiverProfile() ? " (default)" : "") << "\n"
            << "    " << p.description << ".\n"
            << "    Caption: " << ReceiverCaption(p) << "\n"
            << "    Same as: " << ReceiverProfileOptions(p) << "\n";
    }
}
