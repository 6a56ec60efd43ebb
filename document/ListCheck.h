// The check a whole channel list passes before it is saved or sent: what
// would make it a broken list on the receiver. Two channels of one kind on
// one number; channels or transponders that point at a satellite,
// transponder, multiplex or provider the list does not have; favourite
// positions that repeat or leave holes; names the receiver's code page
// cannot hold (they would be written as '?'); tables over the receiver's
// capacity. Each finding is a kind of problem with its count and the first
// few channels it concerns, so one question can list them all.
#pragma once

#include "contracts/ZorvDB.h"
#include "platform/Phrase.h"

#include <cstdint>
#include <string>
#include <vector>

struct FlashGeometry;

enum class ListProblem {
    DuplicateNumber,    // two channels of one kind share a CH#
    MissingSatellite,   // a channel's SatID names no satellite
    MissingTransponder, // a channel's (SatID, TPID) names no transponder
    MissingMultiplex,   // a cable channel's TPID names no multiplex
    MissingProvider,    // a channel's BroadcastID names no broadcaster
    OrphanTransponder,  // a transponder's SatID names no satellite
    FavoritePositions,  // a favourite list's positions repeat or leave holes
    UnencodableName,    // a name the receiver's code page cannot hold
    OverCapacity,       // a table holds more rows than the receiver's block
};

struct ListFinding {
    ListProblem problem{};
    std::size_t count = 0;             // rows (or lists, for positions) concerned
    std::vector<std::string> examples; // the first few, as the user knows them
    std::string text;                  // one line for the user
    // `text` and `examples` as their phrases, for the editor.
    Phrase phrase;
    std::vector<Phrase> examplePhrases;
};

// Every finding for the list in `db`, in the order of ListProblem; empty for
// a list the receiver takes as it is. `productType` decides which references
// exist (satellites and transponders, cable multiplexes) and whether
// favourite positions are kept.
std::vector<ListFinding> CheckList(const CZorvDB& db, std::uint32_t productType,
                                   const FlashGeometry& geometry);

// The findings worth a question before a save or a send: none when a table is
// over capacity, since the save then refuses with its own message and asking
// first would only offer a save that cannot happen.
std::vector<ListFinding> FindingsBeforeWriting(const CZorvDB& db, std::uint32_t productType,
                                               const FlashGeometry& geometry);

// The findings as lines, for a question or for stderr: "what", then the
// first channels on the next line. The phrase for the editor.
Phrase ListFindingsPhrase(const std::vector<ListFinding>& findings);
std::string ListFindingsText(const std::vector<ListFinding>& findings);

// The findings as a JSON array (velmar-cli check --json, info --json).
std::string ListFindingsJson(const std::vector<ListFinding>& findings);

// A JSON string of UTF-8 text, control characters as \u escapes; for every
// JSON the core writes.
std::string JsonString(const std::string& utf8);

// The stable name of a problem kind, for JSON and scripts.
const char* ListProblemName(ListProblem problem);
