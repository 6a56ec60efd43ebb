// Display texts of the maker's utility library: FEC, genre and tuner names and
// the thousands-separator rewrite. Each writes a zero-terminated text into a
// caller buffer, which must hold at least kDisplayTextMax bytes.
#pragma once

#include <cstddef>

inline constexpr std::size_t kDisplayTextMax = 32;

// a: modulation system (0 DVB-S, 1 DVB-S2), b: modulation (0 QPSK, 1 8PSK),
// fecBits: the FEC code in bits 4-7 (PolFEC & 0xF0).
void GetFECName(int a, int b, int fecBits, char* buffer);
// Genre codes 0-15; any other code gives "--".
void GetGenreName(int code, char* buffer);
// Tuner byte 0 or 17 is "Tuner 1", 1 or 18 "Tuner 2"; others "Tuner %d"
// with the byte plus one: "Tuner " and TunerNumber.
void GetTunerName(int code, char* buffer);
int TunerNumber(int code);
// Rewrites a decimal text in place with ',' every three digits ("12345" -> "12,345").
// The buffer must have room for the separators (a 32-byte buffer always does
// for any 64-bit number).
void MakeCommaDigitString(char* text);
