// Display texts of record fields, shared by the grids, dialogs and tools.
#pragma once

#include "platform/ByteOrder.h"

#include <string>

// Orbital position in tenths of a degree: "%3.1fE", or "%3.1fW" above 1800.
std::string DegreeText(WORD degree);

// Texts of the coded fields of the multiplex parameters; "--" for any other value.
std::string TransModeText(int code);
std::string ConstellationText(int code);
std::string CodeRateText(int code);
std::string GuardIntervalText(int code);
std::string PriorityText(int code);

// Cable QAM code: 1 "16 QAM" .. 5 "256 QAM", else "--".
std::string QamText(int code);
// A cable multiplex's QAM code and "Invert" column value from its bytes: on
// product list 10 the whole Modulation byte is the code and Invert its own
// byte; elsewhere Modulation bits 2-7 are the code and bits 0-1 the invert.
int CableQamCode(BYTE modulation, int productList);
int CableInvertValue(BYTE modulation, BYTE invert, int productList);

// Frequency in kHz as "%03d.%03d MHz" (cable) and as "%03d.%d" (terrestrial).
std::string CableFrequencyText(DWORD kHz);
std::string MuxFrequencyText(int kHz);
// Cable symbol rate "%d Ks/s".
std::string SymbolRateText(WORD rate);
// Polarisation from PolFEC bit 0: "HOR" or "VER".
std::string PolarityText(BYTE polFec);

// The genre name of a genre code and the tuner name of a tuner code, as the
// channel lists show them.
std::string GenreText(int code);
std::string TunerText(int code);
