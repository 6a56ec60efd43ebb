// Bringing satellites and their transponders up to date from a
// satellites.xml list. A satellite of the list at the same position gets the
// file's transponders: new ones are added, those that match (frequency
// within 2 MHz, the same polarisation) are updated, and those the file no
// longer has are listed and kept, or with `prune` deleted with their
// channels as the transponder grid's Delete does. A satellite the list lacks
// is added with all its transponders. One plain function over the store: the
// caller runs it as the catalogue's edit ImportSatellites.
//
// File value -> record field:
//   frequency (kHz)        -> Frequency, MHz rounded (1..65535, else left out and said)
//   symbol_rate (S/s)      -> SymbolRate, kS/s rounded (1..65535, else left out and said)
//   polarization 0 H, 1 V  -> PolFEC bit 0 (1 H, 0 V); 2 circular left as H and
//                             3 circular right as V, as an LNB powers them; said
//   fec_inner 0..9         -> PolFEC bits 4-7, the same codes the FEC names have;
//                             other codes (6/7, none) become 0 Auto; said
//   system 1 (DVB-S2)      -> ExtByte1 low bits 1 on lists with the extension,
//                             otherwise only said
//   modulation 2 (8PSK)    -> ExtByte2 1 (with the extension); 16APSK and 32APSK
//                             the records cannot hold: left out and said
//   sat position (tenths, West negative) -> Degree (East of 0, below 3600)
//   sat name               -> Name, Windows-1252, at most 15 characters
#pragma once

#include "lists/SatellitesXml.h"
#include "platform/ByteOrder.h"
#include "platform/Phrase.h"

#include <cstdint>
#include <string>
#include <vector>

class CZorvDB;

struct SatelliteImportOptions {
    std::vector<int> positions; // the file's satellites to take; empty: all of them
    bool prune = false;
};

struct SatelliteImportReport {
    std::uint32_t satellitesAdded = 0, satellitesUpdated = 0;
    std::uint32_t added = 0, updated = 0, unchanged = 0;
    std::uint32_t deleted = 0, channelsDeleted = 0;
    // Transponders of the list that the file no longer has: "19.2E 10729 MHz V".
    std::vector<std::string> missing;
    // File transponders left out: what the records cannot hold.
    std::uint32_t badFrequency = 0, badSymbolRate = 0, apsk = 0;
    // Taken with a mapping.
    std::uint32_t circular = 0, fecAuto = 0, s2Unmarked = 0;
    std::string error; // empty when the import may stand
    Phrase why;        // the error as its phrase, for the editor

    bool Ok() const { return error.empty(); }
    bool Changed() const { return satellitesAdded + added + updated + deleted > 0; }
};

SatelliteImportReport ImportSatellites(CZorvDB& db, const std::vector<XmlSatellite>& file,
                                       const SatelliteImportOptions& options,
                                       std::uint32_t productType, int productList, DWORD& maxTpid);

// What the user is told, a few lines (or the error): the phrase for the
// editor, the English for velmar-cli.
Phrase SatelliteImportPhrase(const SatelliteImportReport& report);
std::string SatelliteImportSummary(const SatelliteImportReport& report);

// A file position as the record's Degree.
WORD DegreeOfPosition(int position);
