// Channel entry forms of the channel block and of the cable single block: one
// decode and one encode function per form. `nameLength` is the policy's L.
#pragma once

#include "image/EntryIO.h"
#include "model/ChannelRecords.h"

#include <cstdint>

// Product lists 1-6 and 64.
void DecodeChannelStandard(const EntryReader& e, int nameLength, std::uint32_t productType,
                           Channel_Info_Tag& c);
// `tuner` < 0 writes the row's own Tuner byte; the twin-tuner writer passes 0 or 1.
void EncodeChannelStandard(const Channel_Info_Tag& c, int nameLength, std::uint32_t productType,
                           int tuner, EntryWriter& e);

// Product lists 7 and 8.
void DecodeChannelCompact(const EntryReader& e, int nameLength, std::uint32_t productType,
                          int productList, Channel_Info_Tag& c);
void EncodeChannelCompact(const Channel_Info_Tag& c, int nameLength, std::uint32_t productType,
                          int productList, EntryWriter& e);

// Product list 9.
void DecodeChannelNetwork(const EntryReader& e, int nameLength, std::uint32_t productType,
                          Channel_Info_Tag& c);
void EncodeChannelNetwork(const Channel_Info_Tag& c, int nameLength, std::uint32_t productType,
                          EntryWriter& e);

// Product list 10, cable single block.
void DecodeChannelSingle(const EntryReader& e, int nameLength, std::uint32_t productType,
                         Channel_Info_Tag& c);
void EncodeChannelSingle(const Channel_Info_Tag& c, int nameLength, std::uint32_t productType,
                         EntryWriter& e);
