#include "image/DefaultTableExport.h"

#include "contracts/ZorvDB.h"
#include "image/ImageFile.h"

#include <cstdint>
#include <cstdio>
#include <span>

std::string FormatDefaultChannelLine(const Channel_Info_Tag& c) {
    // The receiver's tools print into a 1024-byte line; a name is at most 254 bytes.
    char line[1024] = {};
    (void)std::snprintf(
        line, sizeof line,
        "\t{ 0x%08X, %04d, %02d, %04d, %d, %d, %d, %d, %d, 0x%04X, %d, %d, \"%s\", %d, %d, "
        "0x%2X},\r\n",
        static_cast<unsigned>(c.CAS), int{c.ProgramNum}, int{c.SatID}, int{c.TPID},
        int{c.BroadcastID}, int{c.ServiceID}, int{c.VideoPID}, int{c.AudioPID}, int{c.PCRPID},
        unsigned{c.Attributes}, int{c.NumOfAudio}, int{c.NumOfSubTTX}, c.Name, int{c.CodeTable},
        static_cast<std::int32_t>(c.Favorite), unsigned{c.StreamType});
    return line;
}

std::string FormatDefaultChannelTable(const CZorvDB& db) {
    std::string out = "const SSVC_INFO virtual_flash_svc[] = {\r\n";
    int count = 0;
    for (auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0); c;
         c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index)) {
        out += FormatDefaultChannelLine(*c);
        ++count;
    }
    char closing[96];
    (void)std::snprintf(closing, sizeof closing, "};\r\n////Total Svc Channel Count = %d\r\n\r\n",
                        count);
    return out + closing;
}

bool WriteDefaultChannelTable(const CZorvDB& db, const std::string& path, std::string* error) {
    const std::string text = FormatDefaultChannelTable(db);
    return WriteWholeFile(
        path, std::span<const BYTE>(reinterpret_cast<const BYTE*>(text.data()), text.size()), {},
        error);
}
