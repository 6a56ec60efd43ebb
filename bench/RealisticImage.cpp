#include "bench/RealisticImage.h"

#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "image/ChannelFile.h"
#include "image/ImageFile.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "xls/ChannelWorkbook.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <random>
#include <vector>

namespace {

// Names as they come in a scan: national channels, regional variants that
// differ only at the end, and radio stations. "\xF6" is o-umlaut in the
// channel names' code page.
constexpr std::array kTVNames{"Das Erste HD",
                              "ZDF HD",
                              "WDR Lokalzeit K\xF6ln",
                              "WDR Lokalzeit Bonn",
                              "WDR Lokalzeit Aachen",
                              "NDR Niedersachsen",
                              "BR Fernsehen S\xFC"
                              "d",
                              "BBC One London",
                              "Sky Sport News",
                              "Eurosport 1",
                              "arte HD",
                              "3sat",
                              "RTL Television",
                              "ProSieben",
                              "TF1",
                              "Rai 1"};
constexpr std::array kRadioNames{"Bayern 3",    "WDR 2 Rheinland", "Deutschlandfunk",
                                 "BBC Radio 4", "Antenne Bayern",  "SWR3",
                                 "1LIVE",       "France Inter"};

// Fixed seed: every run builds the same list.
std::mt19937& Random() {
    static std::mt19937 random(20240611);
    return random;
}

int Below(int n) {
    return static_cast<int>(Random()() % static_cast<unsigned>(n));
}

// A skewed pick: low values are far more likely, as a few satellites and
// broadcasters carry most channels.
int Skewed(int n) {
    const int a = Below(n), b = Below(n);
    return std::min(a, b);
}

void AddSources(CZorvDB& db) {
    for (int s = 1; s <= kRealisticSatellites; ++s) {
        auto sat = NewRecord<Satellite_Info_Tag>();
        sat->ID = static_cast<BYTE>(s);
        std::snprintf(sat->Name, sizeof sat->Name, "Sat %d.%d E", s * 3 / 2, s % 10);
        sat->Degree = static_cast<WORD>(s * 15);
        db.AddIndexed(kTableSatellite, std::move(sat));
        for (int t = 1; t <= kRealisticTranspondersPerSatellite; ++t) {
            auto tp = NewRecord<Transponder_Info_Tag>();
            tp->SatID = static_cast<BYTE>(s);
            tp->TPID = static_cast<BYTE>(t);
            tp->Frequency = static_cast<WORD>(10700 + t * 19);
            tp->SymbolRate = static_cast<WORD>(t % 2 ? 27500 : 22000);
            tp->TSID = static_cast<WORD>(1000 + t);
            tp->PolFEC = static_cast<BYTE>((t % 2) | 0x30);
            db.AddIndexed(kTableTransponder, std::move(tp));
        }
    }
    for (int b = 1; b <= kRealisticBroadcasters; ++b) {
        auto brd = NewRecord<Broadcast_Info_Tag>();
        brd->BroadcastID = static_cast<WORD>(b);
        std::snprintf(brd->Name, sizeof brd->Name, "Provider %d", b);
        db.AddIndexed(kTableBroadcast, std::move(brd));
    }
    for (int f = 1; f <= kRealisticFavoriteLists; ++f) {
        auto list = NewRecord<FavoriteList>();
        std::snprintf(list->Name, sizeof list->Name, "Favourites %d", f);
        db.AddIndexed(kTableFavorite, std::move(list));
    }
}

void AddChannels(CZorvDB& db, int count) {
    const int tvCount = count * 4 / 5;
    // Numbers 1..n per kind, in an order unlike the table's.
    std::vector<int> tvNumbers(static_cast<std::size_t>(tvCount));
    std::vector<int> radioNumbers(static_cast<std::size_t>(count - tvCount));
    std::iota(tvNumbers.begin(), tvNumbers.end(), 1);
    std::iota(radioNumbers.begin(), radioNumbers.end(), 1);
    std::shuffle(tvNumbers.begin(), tvNumbers.end(), Random());
    std::shuffle(radioNumbers.begin(), radioNumbers.end(), Random());
    std::array<std::array<WORD, kRealisticFavoriteLists>, 2> nextPosition{};
    Channel_Info_Tag previous{}; // the last TV channel
    for (int i = 0; i < count; ++i) {
        auto c = NewRecord<Channel_Info_Tag>();
        const bool tv = i % 5 != 4;
        const int ofKind = tv ? i - i / 5 : i / 5;
        c->Attributes = static_cast<WORD>((tv ? kAttrTV : kAttrRadio) | Below(16));
        if (Below(10) == 0)
            c->Attributes |= kAttrScrambled;
        if (Below(50) == 0)
            c->Attributes |= kAttrLocked;
        if (Below(100) == 0)
            c->Attributes |= kAttrSkipped;
        const int number = (tv ? tvNumbers : radioNumbers)[static_cast<std::size_t>(ofKind)];
        c->ProgramNum = c->LogicalNumber = c->ShowNum = static_cast<WORD>(number);
        c->SatID = static_cast<BYTE>(1 + Skewed(kRealisticSatellites));
        c->TPID = static_cast<BYTE>(1 + Below(kRealisticTranspondersPerSatellite));
        c->BroadcastID = static_cast<WORD>(1 + Skewed(kRealisticBroadcasters));
        c->OrgNetID = 1;
        c->TSID = static_cast<WORD>(1000 + c->TPID);
        c->ServiceID = static_cast<WORD>(10000 + i);
        if (i % 97 == 95 && tv) { // a service found twice in the scan
            c->SatID = previous.SatID;
            c->TPID = previous.TPID;
            c->TSID = previous.TSID;
            c->ServiceID = previous.ServiceID;
        }
        c->VideoPID = tv ? static_cast<WORD>(100 + i % 4000) : 0;
        c->AudioPID = static_cast<WORD>(200 + i % 4000);
        c->PCRPID = c->VideoPID ? c->VideoPID : c->AudioPID;
        const auto& names = tv ? std::vector<const char*>(kTVNames.begin(), kTVNames.end())
                               : std::vector<const char*>(kRadioNames.begin(), kRadioNames.end());
        const int variant = ofKind / static_cast<int>(names.size());
        const char* base = names[static_cast<std::size_t>(ofKind) % names.size()];
        if (variant == 0)
            std::snprintf(c->Name, 28, "%s", base);
        else
            std::snprintf(c->Name, 28, "%s %d", base, variant);
        for (int f = 0; f < kRealisticFavoriteLists; ++f)
            if (Below(20) == 0) {
                c->Favorite |= DWORD{1} << f;
                c->F[f] = ++nextPosition[tv ? 0 : 1][static_cast<std::size_t>(f)];
            }
        if (tv)
            previous = *c;
        db.AddIndexed(kTableChannel, std::move(c));
    }
}

} // namespace

std::size_t MakeRealisticImage(const std::string& path) {
    ConfigureStartupPolicy();
    ResetImageState();
    Random().seed(20240611);
    CZorvDB& db = TheZorvDB();
    db.ClearAll();
    AddSources(db);
    AddChannels(db, kRealisticChannels);
    // Favourite block, satellites, broadcasters and transponders, channels.
    const std::vector<BYTE> blank(86 + 49152 + 64 * 4096, 0);
    WriteWholeFile(path, blank);
    CChannelFile file(TheZorvDB(), CurrentImageValues());
    file.Save(path.c_str(), false);
    return blank.size();
}

void ReplaceWithRealisticChannels(int channels) {
    Random().seed(static_cast<unsigned>(channels));
    CZorvDB& db = TheZorvDB();
    db.Clear(kTableChannel);
    AddChannels(db, channels);
}

bool MakeRealisticWorkbook(const std::string& path, int channels) {
    std::filesystem::remove(path);
    ReplaceWithRealisticChannels(channels);
    ExportChannelWorkbook(TheZorvDB(), path);
    TheZorvDB().Clear(kTableChannel);
    return std::filesystem::exists(path);
}
