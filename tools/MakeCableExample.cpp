// Writes the bundled cable example: the database of a cable-only receiver
// (the "cable" receiver profile: product list 2, byte order 1) with a city
// network's multiplexes and its TV and radio channels. Deterministic: the
// same bytes on every run.
#include "contracts/ReceiverProfiles.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "image/ChannelFile.h"
#include "image/ImageFile.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "tools/OutputOperand.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Service {
    BYTE mux; // 1-based TPID
    const char* name;
    bool radio;
    BYTE genre;
    DWORD favorites; // bit k-1: favourite list k
    bool scrambled;
};

// QAM code in the top six bits of Modulation: 3 is 64 QAM, 5 is 256 QAM.
constexpr BYTE kQam64 = 3 << 2;
constexpr BYTE kQam256 = 5 << 2;
constexpr int kMuxes = 14;
// Provider (BroadcastID) of the channels on each multiplex.
constexpr WORD kProviderOfMux[kMuxes] = {1, 2, 2, 3, 3, 5, 4, 4, 5, 1, 1, 1, 5, 5};

constexpr Service kServices[] = {
    {1, "Das Erste HD", false, 1, 0x41, false},
    {1, "ZDF HD", false, 1, 0x41, false},
    {1, "3sat HD", false, 6, 0x60, false},
    {1, "arte HD", false, 6, 0x60, false},
    {2, "WDR HD Koeln", false, 1, 0x40, false},
    {2, "NDR FS HH HD", false, 1, 0x40, false},
    {2, "BR Fernsehen HD", false, 1, 0x40, false},
    {2, "hr-fernsehen HD", false, 1, 0x40, false},
    {3, "tagesschau24 HD", false, 1, 0x01, false},
    {3, "phoenix HD", false, 1, 0x01, false},
    {3, "KiKA HD", false, 3, 0x04, false},
    {3, "ZDFinfo HD", false, 6, 0x20, false},
    {4, "RTL HD", false, 4, 0x08, true},
    {4, "SAT.1 HD", false, 4, 0x08, true},
    {4, "ProSieben HD", false, 4, 0x08, true},
    {4, "VOX HD", false, 4, 0x08, true},
    {5, "kabel eins HD", false, 4, 0x08, true},
    {5, "RTLZWEI HD", false, 4, 0x08, true},
    {5, "n-tv HD", false, 1, 0x01, true},
    {5, "WELT HD", false, 1, 0x01, true},
    {6, "Sport1 HD", false, 2, 0x02, true},
    {6, "Eurosport 1 HD", false, 2, 0x02, true},
    {6, "Stadt TV", false, 1, 0x00, false},
    {6, "Offener Kanal", false, 6, 0x00, false},
    {7, "Comedy Central", false, 4, 0x08, false},
    {7, "Nickelodeon", false, 3, 0x04, false},
    {7, "DMAX", false, 6, 0x20, false},
    {7, "TLC", false, 6, 0x20, false},
    {8, "MTV", false, 5, 0x10, true},
    {8, "Deluxe Music", false, 5, 0x10, false},
    {8, "QVC", false, 7, 0x00, false},
    {8, "HSE", false, 7, 0x00, false},
    {9, "Bibel TV", false, 6, 0x00, false},
    {9, "Euronews", false, 1, 0x01, false},
    {9, "CNN International", false, 1, 0x01, true},
    {9, "BBC World News", false, 1, 0x01, true},
    {10, "Deutschlandfunk", true, 1, 0x81, false},
    {10, "DLF Kultur", true, 5, 0x90, false},
    {10, "WDR 2", true, 5, 0x80, false},
    {10, "WDR 4", true, 5, 0x80, false},
    {11, "1LIVE", true, 5, 0x90, false},
    {11, "NDR 2", true, 5, 0x80, false},
    {11, "Bayern 3", true, 5, 0x80, false},
    {11, "hr3", true, 5, 0x80, false},
    {12, "SWR3", true, 5, 0x80, false},
    {12, "radioeins", true, 5, 0x80, false},
    {12, "Klassik Radio", true, 5, 0x90, false},
    {12, "Stadtradio", true, 1, 0x80, false},
};

void Copy(char* dst, std::size_t size, const std::string& text) {
    std::snprintf(dst, size, "%s", text.c_str());
}

void Populate(CZorvDB& db) {
    const char* favorites[] = {"News",  "Sport",       "Kids",   "Movies",
                               "Music", "Documentary", "Public", "Radio"};
    for (DWORD k = 1; k <= 8; ++k) {
        auto f = NewRecord<FavoriteList>();
        Copy(f->Name, sizeof f->Name, favorites[k - 1]);
        db.Add(kTableFavorite, k, std::move(f));
    }
    const char* providers[] = {"ARD", "ZDFvision", "RTL World", "ProSiebenSat.1", "Stadtwerke"};
    for (WORD i = 0; i < 5; ++i) {
        auto b = NewRecord<Broadcast_Info_Tag>();
        b->BroadcastID = static_cast<WORD>(i + 1);
        Copy(b->Name, sizeof b->Name, providers[i]);
        db.AddIndexed(kTableBroadcast, std::move(b));
    }
    // The network's 8 MHz raster from 306 MHz; the upper half carries 64 QAM.
    for (int i = 0; i < kMuxes; ++i) {
        auto m = NewRecord<CableMux_Info_Tag>();
        m->Frequency = 306000 + 8000 * static_cast<DWORD>(i);
        m->SymbolRate = 6900;
        m->TSID = static_cast<WORD>(1001 + i);
        m->TPID = static_cast<BYTE>(i + 1);
        m->Modulation = i < 9 ? kQam256 : kQam64;
        db.AddIndexed(kTableCableMux, std::move(m));
    }
    std::vector<WORD> positions(8, 0);
    WORD tv = 0, radio = 0, sid = 10301;
    for (const Service& s : kServices) {
        auto c = NewRecord<Channel_Info_Tag>();
        c->SatID = 1; // one network; the channel names its multiplex by TPID
        c->TPID = s.mux;
        c->ProgramNum = s.radio ? ++radio : ++tv;
        c->ServiceID = sid;
        c->BroadcastID = kProviderOfMux[s.mux - 1];
        const auto pid = static_cast<WORD>(0x100 + 0x10 * (sid % 200));
        c->VideoPID = s.radio ? 0x1FFF : pid;
        c->AudioPID = static_cast<WORD>(pid + 1);
        c->PCRPID = s.radio ? static_cast<WORD>(pid + 1) : pid;
        c->Attributes =
            static_cast<WORD>((s.radio ? kAttrRadio : kAttrTV) | (s.genre & kAttrGenreMask) |
                              (s.scrambled ? kAttrScrambled : 0));
        c->CAS = s.scrambled ? 0x1702 : 0;
        c->NumOfAudio = s.radio ? 1 : 2;
        c->NumOfSubTTX = s.radio ? 0 : 1;
        c->Favorite = s.favorites;
        for (int k = 0; k < 8; ++k)
            if (s.favorites & (1u << k))
                c->F[k] = ++positions[static_cast<std::size_t>(k)];
        Copy(c->Name, 28, s.name);
        db.AddIndexed(kTableChannel, std::move(c));
        ++sid;
    }
}

} // namespace

int main(int argc, char** argv) {
    constexpr const char* kUsage =
        "usage: velmar-make-cable-example [--] OUT.bin\n"
        "Writes the bundled cable example image (examples/demo-cable.bin)\n"
        "into OUT.bin, the same bytes on every run.\n";
    int status = 0;
    const char* out = OutputOperand(argc, argv, "velmar-make-cable-example", kUsage, status);
    if (!out)
        return status;
    const ReceiverProfile& cable = *FindReceiverProfile("cable");
    ConfigurePolicy(cable);
    ResetImageState();
    std::memcpy(g_HeaderText, "Velmar example: city cable network", 34);
    g_wFavHeader = 8;
    CZorvDB& db = TheZorvDB();
    db.ClearAll();
    Populate(db);

    // An erased-flash region of the profile's geometry, then saved into.
    const std::vector<BYTE> image(86 + static_cast<std::size_t>(ReceiverFlashBytes(cable)), 0);
    if (!WriteWholeFile(out, image))
        return 1;
    CChannelFile file(TheZorvDB(), CurrentImageValues());
    if (file.Save(out, false) != 1) {
        std::fprintf(stderr, "Cannot save channel file\n");
        return 1;
    }
    std::printf("%s: %u cable multiplexes, %u channels\n", out,
                static_cast<unsigned>(db.Size(kTableCableMux)),
                static_cast<unsigned>(db.Size(kTableChannel)));
    return 0;
}
