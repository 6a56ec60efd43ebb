// libFuzzer target: arbitrary bytes as the reference list of "apply order",
// an image or (first byte odd) a workbook. Reading it must leave the open
// list exactly as it was; a reference that loads is then applied to the
// open small image, which may change only numbers and favourite places of
// channels (keys, order and the other tables stay), must account for every
// channel, and must come back whole with one undo.
#include "contracts/ZorvDB.h"
#include "document/EditSession.h"
#include "document/ReferenceOrderEdit.h"
#include "fuzz/FuzzSupport.h"
#include "model/ChannelRecords.h"
#include "xls/ReferenceFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!velmar::fuzz::OpenSmallImage())
        __builtin_trap();
    static const velmar::fuzz::StoreState start = velmar::fuzz::StoreState::Take();
    static const std::string image = velmar::fuzz::Scratch("reference.bin");
    static const std::string workbook = velmar::fuzz::Scratch("reference.xls");
    if (size < 1)
        return 0;
    start.Restore();
    const std::string& path = (data[0] & 1) ? workbook : image;
    WriteWholeFile(path, {data + 1, size - 1});

    std::vector<Channel_Info_Tag> reference;
    std::string error;
    const bool loaded = LoadReferenceChannels(path, reference, error);
    if (!velmar::fuzz::StoreState::Take().Same(start))
        __builtin_trap(); // reading a reference touched the open list
    if (!loaded)
        return 0;

    CZorvDB& db = TheZorvDB();
    EditSession session(db);
    const std::vector<std::uint32_t> keys = db.Keys(kTableChannel);
    const ReferenceOrderReport report = RunApplyReferenceOrder(session, reference);
    const velmar::fuzz::StoreState after = velmar::fuzz::StoreState::Take();
    if (!report.Applied() || session.UndoCount() == 0) {
        if (!after.Same(start) || session.UndoCount() != 0)
            __builtin_trap(); // a refusal, or no field changed: nothing recorded
        return 0;
    }
    if (report.matchedByIds + report.matchedByName + report.notMatched != keys.size() ||
        db.Keys(kTableChannel) != keys)
        __builtin_trap();
    for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
        if (t != kTableChannel && !after.tables[t].SameAs(start.tables[t]))
            __builtin_trap();
    if (!session.Undo() || !velmar::fuzz::StoreState::Take().Same(start))
        __builtin_trap();
    return 0;
}
