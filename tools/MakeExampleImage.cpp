// Writes the bundled example image: a satellite receiver database for the
// editor's start-up configuration (product list 7, satellite only), with
// real orbital positions and transponder parameters and a few hundred TV and
// radio channels. Deterministic: the same bytes on every run.
#include "contracts/StartupPolicy.h"
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

struct Sat {
    const char* name;
    WORD degree;
};

struct Tp {
    BYTE sat; // 1-based index into kSats
    WORD mhz;
    WORD symbolRate;
    bool horizontal;
    BYTE fec;  // 1 1/2, 2 2/3, 3 3/4, 4 5/6, 5 7/8, 7 3/5, 8 4/5, 9 9/10
    bool s2;   // DVB-S2
    bool psk8; // 8PSK
    WORD tsid;
};

struct Service {
    BYTE tp; // 1-based index into kTps
    const char* name;
    bool radio;
    BYTE genre;
    DWORD favorites; // bit k-1: favourite list k
    bool scrambled;
    bool locked;
};

constexpr Sat kSats[] = {{"Astra 1", 192}, {"Hot Bird", 130}, {"Astra 2", 282},
                         {"Thor", 3592},   {"Turksat", 420},  {"Eutelsat 5WA", 3550}};

constexpr Tp kTps[] = {
    {1, 11494, 22000, true, 2, true, true, 1019},
    {1, 11362, 22000, true, 2, true, true, 1011},
    {1, 11953, 27500, true, 3, false, false, 1079},
    {1, 12109, 27500, true, 3, false, false, 1089},
    {1, 12188, 27500, true, 3, false, false, 1093},
    {1, 12545, 22000, true, 4, false, false, 1115},
    {1, 12266, 27500, true, 3, false, false, 1097},
    {1, 10832, 22000, true, 4, false, false, 1003},
    {1, 12604, 22000, true, 4, false, false, 1119},
    {1, 11836, 27500, true, 3, false, false, 1073},
    {2, 10992, 27500, false, 2, false, false, 12400},
    {2, 11766, 27500, false, 2, false, false, 12800},
    {2, 12380, 29900, false, 4, true, true, 5500},
    {2, 11034, 27500, false, 3, false, false, 200},
    {2, 12597, 27500, false, 4, false, false, 13000},
    {3, 10847, 23000, false, 2, true, true, 2045},
    {3, 11023, 23000, true, 3, true, false, 2050},
    {3, 11954, 27500, true, 2, false, false, 2068},
    {3, 10773, 22000, true, 4, false, false, 2004},
    {4, 10778, 28000, false, 5, true, false, 3},
    {4, 11325, 24500, true, 3, false, false, 14},
    {5, 11054, 30000, false, 4, false, false, 1},
    {5, 12015, 27500, true, 4, false, false, 42},
    {6, 11096, 29950, true, 3, true, false, 85},
};

// Favourite lists: 1 News, 2 Sport, 3 Kids, 4 Movies, 5 Music, 6 Documentary,
// 7 Public, 8 Radio. Genres: 1 movie, 2 news, 3 entertainment, 4 sport,
// 5 children's, 6 factual, 10 music.
constexpr Service kServices[] = {
    {1, "Das Erste HD", false, 3, 0x40, false, false},
    {2, "ZDF HD", false, 3, 0x40, false, false},
    {2, "3sat HD", false, 6, 0x60, false, false},
    {1, "arte HD", false, 6, 0x60, false, false},
    {1, "PHOENIX HD", false, 2, 0x41, false, false},
    {2, "KiKA HD", false, 5, 0x44, false, false},
    {1, "tagesschau24 HD", false, 2, 0x41, false, false},
    {1, "ONE HD", false, 1, 0x08, false, false},
    {2, "ZDFneo HD", false, 3, 0x00, false, false},
    {2, "ZDFinfo HD", false, 6, 0x20, false, false},
    {3, "RTL Television", false, 3, 0x00, false, false},
    {3, "VOX", false, 3, 0x00, false, false},
    {3, "n-tv", false, 2, 0x01, false, false},
    {3, "RTLZWEI", false, 3, 0x00, false, false},
    {3, "SUPER RTL", false, 5, 0x04, false, false},
    {3, "NITRO", false, 1, 0x08, false, false},
    {4, "SAT.1", false, 3, 0x00, false, false},
    {4, "ProSieben", false, 1, 0x08, false, false},
    {4, "kabel eins", false, 1, 0x08, false, false},
    {4, "SIXX", false, 3, 0x00, false, false},
    {4, "ProSieben MAXX", false, 1, 0x08, false, false},
    {4, "SAT.1 Gold", false, 3, 0x00, false, false},
    {5, "Eurosport 1", false, 4, 0x02, false, false},
    {5, "SPORT1", false, 4, 0x02, false, false},
    {5, "DMAX", false, 6, 0x20, false, false},
    {5, "TLC", false, 3, 0x00, false, false},
    {5, "Tele 5", false, 1, 0x08, false, false},
    {5, "WELT", false, 2, 0x01, false, false},
    {6, "Sky Cinema Premiere HD", false, 1, 0x08, true, false},
    {6, "Sky Cinema Action HD", false, 1, 0x08, true, false},
    {6, "Sky Sport Bundesliga 1", false, 4, 0x02, true, false},
    {6, "Sky Atlantic HD", false, 3, 0x00, true, false},
    {6, "Blue Movie 1", false, 1, 0x00, true, true},
    {6, "Blue Movie 2", false, 1, 0x00, true, true},
    {7, "ServusTV Deutschland", false, 3, 0x00, false, false},
    {7, "ORF2E", false, 3, 0x40, false, false},
    {7, "Comedy Central", false, 3, 0x00, false, false},
    {7, "Nickelodeon", false, 5, 0x04, false, false},
    {7, "MTV Germany", false, 10, 0x10, false, false},
    {8, "Bibel TV", false, 3, 0x00, false, false},
    {8, "QVC", false, 3, 0x00, false, false},
    {8, "HSE", false, 3, 0x00, false, false},
    {8, "Deluxe Music", false, 10, 0x10, false, false},
    {9, "BR Fernsehen Sued HD", false, 3, 0x40, false, false},
    {9, "hr-fernsehen HD", false, 3, 0x40, false, false},
    {9, "SWR BW HD", false, 3, 0x40, false, false},
    {9, "WDR HD Koeln", false, 3, 0x40, false, false},
    {10, "MDR Sachsen HD", false, 3, 0x40, false, false},
    {10, "NDR FS NDS HD", false, 3, 0x40, false, false},
    {10, "rbb Berlin HD", false, 3, 0x40, false, false},
    {10, "SR Fernsehen HD", false, 3, 0x40, false, false},
    {10, "Radio Bremen TV", false, 3, 0x40, false, false},
    {11, "Rai 1", false, 3, 0x40, false, false},
    {11, "Rai 2", false, 3, 0x00, false, false},
    {11, "Rai 3", false, 3, 0x00, false, false},
    {11, "Rai News 24", false, 2, 0x01, false, false},
    {12, "Rai Storia", false, 6, 0x20, false, false},
    {12, "Rai Scuola", false, 6, 0x20, false, false},
    {12, "Rai Gulp", false, 5, 0x04, false, false},
    {12, "Rai Yoyo", false, 5, 0x04, false, false},
    {13, "Rai 1 HD", false, 3, 0x00, false, false},
    {13, "Rai 4 HD", false, 1, 0x08, false, false},
    {13, "Rai Sport HD", false, 4, 0x02, false, false},
    {14, "BBC World News", false, 2, 0x01, false, false},
    {14, "CNN International", false, 2, 0x01, false, false},
    {14, "France 24 (in English)", false, 2, 0x01, false, false},
    {14, "Al Jazeera English", false, 2, 0x01, false, false},
    {15, "TV5MONDE Europe", false, 3, 0x00, false, false},
    {15, "Euronews English", false, 2, 0x01, false, false},
    {15, "DW English", false, 2, 0x01, false, false},
    {16, "BBC One HD", false, 3, 0x40, false, false},
    {16, "BBC Two HD", false, 3, 0x40, false, false},
    {17, "BBC Four HD", false, 6, 0x60, false, false},
    {17, "CBBC HD", false, 5, 0x44, false, false},
    {17, "CBeebies HD", false, 5, 0x44, false, false},
    {17, "BBC News HD", false, 2, 0x41, false, false},
    {18, "ITV1", false, 3, 0x00, false, false},
    {18, "ITV2", false, 3, 0x00, false, false},
    {18, "Channel 4", false, 3, 0x40, false, false},
    {18, "More4", false, 3, 0x00, false, false},
    {19, "Sky News", false, 2, 0x01, false, false},
    {19, "5USA", false, 1, 0x08, false, false},
    {20, "NRK1", false, 3, 0x40, true, false},
    {20, "NRK2", false, 6, 0x40, true, false},
    {20, "NRK3", false, 5, 0x44, true, false},
    {21, "TV 2 Norge", false, 3, 0x00, true, false},
    {21, "TV3 Norge", false, 3, 0x00, true, false},
    {22, "TRT 1", false, 3, 0x40, false, false},
    {22, "TRT Haber", false, 2, 0x41, false, false},
    {22, "TRT Spor", false, 4, 0x42, false, false},
    {22, "TRT Cocuk", false, 5, 0x44, false, false},
    {23, "TRT Belgesel", false, 6, 0x60, false, false},
    {23, "TRT Muzik", false, 10, 0x50, false, false},
    {24, "Arirang TV", false, 3, 0x00, false, false},
    // Radio
    {1, "Bayern 1", true, 10, 0x80, false, false},
    {1, "Bayern 2", true, 10, 0x80, false, false},
    {1, "BR-KLASSIK", true, 10, 0x90, false, false},
    {1, "B5 aktuell", true, 2, 0x81, false, false},
    {2, "hr1", true, 10, 0x80, false, false},
    {2, "hr3", true, 10, 0x90, false, false},
    {2, "hr-iNFO", true, 2, 0x81, false, false},
    {9, "NDR 2", true, 10, 0x80, false, false},
    {9, "N-JOY", true, 10, 0x90, false, false},
    {9, "NDR Kultur", true, 10, 0x80, false, false},
    {10, "SWR3", true, 10, 0x90, false, false},
    {10, "SWR1 BW", true, 10, 0x80, false, false},
    {10, "WDR 2", true, 10, 0x80, false, false},
    {10, "1LIVE", true, 10, 0x90, false, false},
    {10, "WDR 5", true, 2, 0x81, false, false},
    {8, "Deutschlandfunk", true, 2, 0x81, false, false},
    {8, "Dlf Kultur", true, 6, 0x80, false, false},
    {8, "Dlf Nova", true, 10, 0x80, false, false},
    {7, "Antenne Bayern", true, 10, 0x90, false, false},
    {7, "Radio Bob!", true, 10, 0x90, false, false},
    {11, "Rai Radio 1", true, 2, 0x81, false, false},
    {11, "Rai Radio 2", true, 10, 0x90, false, false},
    {11, "Rai Radio 3", true, 10, 0x80, false, false},
    {12, "Isoradio", true, 2, 0x80, false, false},
    {16, "BBC Radio 1", true, 10, 0x90, false, false},
    {16, "BBC Radio 2", true, 10, 0x90, false, false},
    {16, "BBC Radio 3", true, 10, 0x80, false, false},
    {16, "BBC Radio 4 FM", true, 2, 0x81, false, false},
    {17, "BBC Radio 5 Live", true, 4, 0x82, false, false},
    {17, "BBC World Service", true, 2, 0x81, false, false},
    {20, "NRK P1", true, 10, 0x80, false, false},
    {20, "NRK P2", true, 6, 0x80, false, false},
    {22, "TRT FM", true, 10, 0x90, false, false},
    {22, "TRT Radyo Haber", true, 2, 0x81, false, false},
};

// Regional windows on the German public transponders make the list long
// the way a real one is.
constexpr const char* kRegions[] = {
    "Aachen",       "Bielefeld", "Bonn",        "Dortmund",   "Duisburg",    "Duesseldorf",
    "Essen",        "Koeln",     "Muenster",    "Siegen",     "Wuppertal",   "Hamburg",
    "Hannover",     "Kiel",      "Rostock",     "Schwerin",   "Oldenburg",   "Osnabrueck",
    "Dresden",      "Leipzig",   "Erfurt",      "Magdeburg",  "Halle",       "Chemnitz",
    "Potsdam",      "Cottbus",   "Frankfurt",   "Kassel",     "Mainz",       "Koblenz",
    "Trier",        "Stuttgart", "Freiburg",    "Karlsruhe",  "Ulm",         "Mannheim",
    "Muenchen",     "Nuernberg", "Augsburg",    "Regensburg", "Wuerzburg",   "Passau",
    "Saarbruecken", "Bremen",    "Bremerhaven", "Berlin",     "Brandenburg", "Jena",
    "Gera",         "Lueneburg", "Flensburg",   "Luebeck",    "Goettingen",  "Braunschweig",
    "Wolfsburg",
};

void Copy(char* dst, std::size_t size, const std::string& text) {
    std::snprintf(dst, size, "%s", text.c_str());
}

DWORD AddChannel(CZorvDB& db, const Service& s, const std::string& name, WORD number,
                 WORD serviceId, WORD pidBase, std::vector<WORD>& positions) {
    auto c = NewRecord<Channel_Info_Tag>();
    const Tp& tp = kTps[s.tp - 1];
    c->SatID = tp.sat;
    // TPID counts per satellite, in the order of kTps.
    BYTE tpid = 0;
    for (int i = 0; i < s.tp; ++i)
        tpid = static_cast<BYTE>(kTps[i].sat == tp.sat ? tpid + 1 : tpid);
    c->TPID = tpid;
    c->ProgramNum = number;
    c->ServiceID = serviceId;
    c->BroadcastID = static_cast<WORD>(tp.sat);
    c->VideoPID = s.radio ? 0x1FFF : pidBase;
    c->AudioPID = static_cast<WORD>(pidBase + 1);
    c->PCRPID = s.radio ? static_cast<WORD>(pidBase + 1) : pidBase;
    c->Attributes =
        static_cast<WORD>((s.radio ? kAttrRadio : kAttrTV) | (s.genre & kAttrGenreMask) |
                          (s.scrambled ? kAttrScrambled : 0) | (s.locked ? kAttrLocked : 0));
    c->CAS = s.scrambled ? (tp.sat == 4 ? 0x0B00 : 0x1702) : 0;
    c->NumOfAudio = s.radio ? 1 : 2;
    c->NumOfSubTTX = s.radio ? 0 : 1;
    c->Favorite = s.favorites;
    for (int k = 0; k < 8; ++k)
        if (s.favorites & (1u << k))
            c->F[k] = ++positions[static_cast<std::size_t>(k)];
    c->StreamType = s.radio ? 0x03 : (tp.s2 ? 0x1B : 0x02);
    Copy(c->Name, 28, name);
    return static_cast<DWORD>(db.AddIndexed(kTableChannel, std::move(c)));
}

void Populate(CZorvDB& db) {
    const char* favorites[] = {"News",  "Sport",       "Kids",   "Movies",
                               "Music", "Documentary", "Public", "Radio"};
    for (DWORD k = 1; k <= 8; ++k) {
        auto f = NewRecord<FavoriteList>();
        Copy(f->Name, sizeof f->Name, favorites[k - 1]);
        db.Add(kTableFavorite, k, std::move(f));
    }
    BYTE id = 0;
    for (const Sat& s : kSats) {
        auto sat = NewRecord<Satellite_Info_Tag>();
        sat->ID = ++id;
        sat->Degree = s.degree;
        Copy(sat->Name, 16, s.name);
        sat->Group1.w1 = 9750; // universal LNB: low and high oscillator, 22 kHz switch
        sat->Group1.w2 = 10600;
        sat->Group1.w3 = 11700;
        sat->Group1.b1 = static_cast<BYTE>(id - 1); // DiSEqC port
        db.AddIndexed(kTableSatellite, std::move(sat));
    }
    const char* providers[] = {"ASTRA 19.2E", "Eutelsat HB", "SES Astra 2",
                               "Telenor",     "Turksat",     "Eutelsat"};
    for (WORD i = 0; i < 6; ++i) {
        auto b = NewRecord<Broadcast_Info_Tag>();
        b->BroadcastID = static_cast<WORD>(i + 1);
        Copy(b->Name, sizeof b->Name, providers[i]);
        db.AddIndexed(kTableBroadcast, std::move(b));
    }
    std::vector<int> perSat(7, 0);
    for (const Tp& t : kTps) {
        auto tp = NewRecord<Transponder_Info_Tag>();
        tp->Frequency = t.mhz;
        tp->SymbolRate = t.symbolRate;
        tp->TSID = t.tsid;
        tp->PolFEC = static_cast<BYTE>((t.fec << 4) | (t.horizontal ? 1 : 0));
        tp->SatID = t.sat;
        tp->TPID = static_cast<BYTE>(++perSat[t.sat]);
        tp->ExtByte1 = t.s2 ? 1 : 0;
        tp->ExtByte2 = t.psk8 ? 1 : 0;
        db.AddIndexed(kTableTransponder, std::move(tp));
    }

    std::vector<WORD> positions(8, 0);
    WORD tv = 0, radio = 0;
    WORD sid = 28000;
    for (const Service& s : kServices) {
        const WORD number = s.radio ? ++radio : ++tv;
        AddChannel(db, s, s.name, number, sid, static_cast<WORD>(0x100 + 0x10 * (sid % 200)),
                   positions);
        ++sid;
    }
    // Local windows of the third programmes, as the receiver's own scan lists them.
    const char* windows[] = {"WDR Lokalzeit", "NDR Regional", "MDR Regional", "SWR Landesschau"};
    for (const char* region : kRegions) {
        for (int w = 0; w < 4; ++w) {
            if ((std::strlen(region) + static_cast<std::size_t>(w)) % 2 != 0)
                continue;
            const Service s = {static_cast<BYTE>(9 + w % 2), "", false, 3, 0, false, false};
            AddChannel(db, s, std::string(windows[w]) + " " + region, ++tv, sid,
                       static_cast<WORD>(0x100 + 0x10 * (sid % 200)), positions);
            ++sid;
        }
        const Service r = {10, "", true, 10, 0, false, false};
        AddChannel(db, r, std::string("Lokalradio ") + region, ++radio, sid,
                   static_cast<WORD>(0x100 + 0x10 * (sid % 200)), positions);
        ++sid;
    }
}

} // namespace

int main(int argc, char** argv) {
    constexpr const char* kUsage =
        "usage: velmar-make-example [--] OUT.bin\n"
        "Writes the bundled satellite example image (examples/demo-satellite.bin)\n"
        "into OUT.bin, the same bytes on every run.\n";
    int status = 0;
    const char* out = OutputOperand(argc, argv, "velmar-make-example", kUsage, status);
    if (!out)
        return status;
    ConfigureStartupPolicy();
    ResetImageState();
    std::memcpy(g_HeaderText, "Velmar example: Astra/Hot Bird/Thor", 35);
    g_wFavHeader = 8;
    CZorvDB& db = TheZorvDB();
    db.ClearAll();
    Populate(db);

    // An erased-flash region of the start-up geometry, then saved into.
    const std::size_t flash = 49152 + 64 * 4096;
    std::vector<BYTE> image(86 + flash, 0);
    if (!WriteWholeFile(out, image))
        return 1;
    CChannelFile file(TheZorvDB(), CurrentImageValues());
    if (file.Save(out, false) != 1) {
        std::fprintf(stderr, "Cannot save channel file\n");
        return 1;
    }
    std::printf("%s: %u satellites, %u transponders, %u channels\n", out,
                static_cast<unsigned>(db.Size(kTableSatellite)),
                static_cast<unsigned>(db.Size(kTableTransponder)),
                static_cast<unsigned>(db.Size(kTableChannel)));
    return 0;
}
