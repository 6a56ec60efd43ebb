// Selecting channel rows by content: the "Select..." items, Invert and
// Search, as tests over a row's record that read it the way the grid's cells
// show it. A list applies them to all its rows at once.
#pragma once

#include "model/ChannelRecords.h"

#include <string>
#include <string_view>

enum class ChannelSelect { All, Locked, CAS, Tuner1, Tuner2 };

// All: every row. Locked: the lock column reads "Y"; CAS: the scrambled
// column reads "Y"; Tuner 1 / Tuner 2: the tuner column reads "Tuner 1" /
// "Tuner 2" (on list 8 the tuner follows the source, as the column shows).
bool SelectsChannel(ChannelSelect which, const Channel_Info_Tag& c, int productList);

// Windows-1252 text upper-cased: ASCII and the accented Latin letters.
std::string UpperCase1252(std::string_view text);
// Search: the name, upper-cased, contains `upperText` (already upper-cased).
bool NameContains(const Channel_Info_Tag& c, std::string_view upperText);
