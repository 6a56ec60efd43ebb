// From compare to merge: the channels only the other list has, added to this
// one with the satellite, transponder (or multiplex) and provider they need. What this list
// has already (as the comparison pairs them) is used; the rest is added. The
// new channels follow the list's last channel of their kind, in the other
// list's order, and keep the other list's favourite lists after this list's
// last position in each.
#pragma once

#include "compare/ListCompare.h"
#include "platform/ByteOrder.h"
#include "platform/Phrase.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class EditSession;

// Which of the other list's channels to take.
enum class MergeKinds : std::uint8_t { TV, Radio, All };
// "tv", "radio", "all"; false for anything else.
bool ParseMergeKinds(std::string_view word, MergeKinds& kinds);

struct MergeReport {
    // Terrestrial multiplexes kept as transponders count as multiplexes.
    std::size_t channels = 0, satellites = 0, transponders = 0, multiplexes = 0, providers = 0;
    // Empty when the channels were added (or there were none); otherwise
    // why not (a table over the receiver's capacity gives the capacity
    // message), and nothing changed.
    std::string error;
    Phrase why; // the error as its phrase, for the editor

    bool Applied() const { return error.empty(); }
};

// The keys in `other` of its channels of `kinds` that `comparison` (of `db`
// as A with `other` as B) found only in B, in the comparison's order. A
// channel that neither list shows (neither TV nor radio) is never taken.
std::vector<std::uint32_t> ChannelsToMerge(const CZorvDB& other, const Comparison& comparison,
                                           MergeKinds kinds);

// Adds the channels of `other` under `keys` to `db` as described above and
// raises `maxTpid` by one for each transponder added. A channel whose
// satellite, transponder or provider `other` does not hold keeps its ids as
// they are (a workbook read alone names only ids). On a refusal `db` may be
// half changed: run it as one edit, which puts everything back.
MergeReport MergeChannels(CZorvDB& db, DWORD& maxTpid, const CZorvDB& other,
                          const Comparison& comparison, std::span<const std::uint32_t> keys);

// Compares the session's list with `other` and merges the channels of
// `kinds` only `other` has, as the catalogue's edit MergeChannels; a refusal,
// or nothing to add, records nothing.
MergeReport RunMergeChannels(EditSession& session, const CZorvDB& other, MergeKinds kinds);
// The same with the channels of `other` under `keys` (a choice the user made
// among the comparison's rows); keys of channels the session's list has
// already are passed over.
MergeReport RunMergeChannels(EditSession& session, const CZorvDB& other,
                             std::span<const std::uint32_t> keys);
// Reads the image or workbook at `path` (ReadListDocument) and merges it as
// above; a file that does not load changes nothing and says why in `error`.
MergeReport MergeChannelsFromFile(EditSession& session, const std::string& path, MergeKinds kinds);

// One line for the user: "Added 3 channels, 1 satellite, 2 transponders and
// 0 providers." ("Added 3 channels, 1 multiplex and 0 providers." on cable
// and terrestrial receivers, multiplexes named on satellite receivers only
// when there are some), "The other list has no channels that this list
// lacks.", or the error (as the error is written). The phrase for the
// editor, the English for velmar-cli.
Phrase MergePhrase(const MergeReport& report);
std::string MergeSummary(const MergeReport& report);
