// Values as the satellite, transponder and cable multiplex forms enter them,
// and back into record fields: a position as degrees and a side, a cable
// frequency in MHz with three decimals, the packed polarisation/FEC byte and
// the cable modulation bytes. Each form keeps only these rules' results;
// what the rules refuse comes back with a message that names the field.
#pragma once

#include "platform/ByteOrder.h"
#include "platform/Phrase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// ---- Orbital position ----------------------------------------------------------------

// Tenths of a degree counted eastwards as degrees with one decimal and a
// side: above 1800 West of (3600 - value), otherwise East.
struct DegreeEntry {
    std::string degrees; // "19.2"
    bool west = false;
};
DegreeEntry DegreeToEntry(WORD degree);
// Degrees from 0.0 to 180.0 with at most one decimal; none otherwise. West
// 0.0 is 0 (the same place as East 0.0).
std::optional<WORD> DegreeFromEntry(std::string_view degrees, bool west);

// ---- Cable frequency ----------------------------------------------------------------

// kHz as MHz with three decimals ("474.000").
std::string KHzToMHzEntry(DWORD kHz);
// "474", "474.5" or "474.250" (at most three decimals) as kHz; none when it
// is not such a number or does not fit 32 bits.
std::optional<DWORD> MHzEntryToKHz(std::string_view text);

// ---- Transponder polarisation and FEC -----------------------------------------------

inline constexpr int kFecCodeCount = 16;
int FecCode(BYTE polFec);
bool IsHorizontal(BYTE polFec);
// Bit 0 the polarisation, bits 4-7 the FEC code; bits 1-3 of `polFec` kept.
BYTE ComposePolFec(BYTE polFec, bool horizontal, int fecCode);

// ---- Cable modulation ---------------------------------------------------------------

// QAM codes the forms offer: 1 "16 QAM" to 5 "256 QAM".
inline constexpr int kFirstQamCode = 1;
inline constexpr int kLastQamCode = 5;
// The highest inversion value the record holds: its own byte on product
// list 10, two bits of Modulation elsewhere.
int CableInvertMax(int productList);
struct CableModulation {
    BYTE modulation = 0;
    BYTE invert = 0;
};
// The bytes for a QAM code and an inversion value, as the cable grid reads
// them back (CableQamCode, CableInvertValue); the byte the list does not
// use for them is kept. Codes and values beyond what the bytes hold are
// cut to their width; check them with CableInvertMax first.
CableModulation ComposeCableModulation(CableModulation bytes, int qamCode, int inversion,
                                       int productList);

// ---- Messages ------------------------------------------------------------------------

// "<field> must be a number from 0 to <max>."; the field as the form names
// it (a marked text, or the form's label in the language).
Phrase NumberRangePhrase(Phrase field, std::uint32_t max);
std::string NumberRangeMessage(std::string_view field, std::uint32_t max);
// "<field> must have at most <max> characters."
Phrase TextLengthPhrase(Phrase field, std::size_t max);
std::string TextLengthMessage(std::string_view field, std::size_t max);
// Parses a whole number of `bits` bits ("123" or "0x7B", blanks around
// allowed); on failure `problem` gets NumberRangePhrase.
std::optional<std::uint32_t> NumberEntry(const Phrase& field, std::string_view text, int bits,
                                         Phrase& problem);
// The same with the field and the problem in English.
std::optional<std::uint32_t> NumberEntry(std::string_view field, std::string_view text, int bits,
                                         std::string& problem);
