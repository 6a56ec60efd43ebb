// Reading a file the user chose, with the checks made before a byte is read:
// it must be a regular file (not a folder, a device or a pipe) and no larger
// than anything the program accepts of its kind.
#pragma once

#include "platform/Phrase.h"

#include <cstdint>
#include <string>

// "4,608": a count with thousands separators, for messages.
std::string GroupedNumber(std::uint64_t value);

// Reads the whole of `path` into `contents`. `kind` names what the file
// should be (a marked text: "a receiver image", "a workbook") for the
// message in `error`.
bool ReadInputFile(const std::string& path, std::uint64_t maxBytes, const char* kind,
                   std::string& contents, Phrase& error);
// The same with the message in English.
bool ReadInputFile(const std::string& path, std::uint64_t maxBytes, const char* kind,
                   std::string& contents, std::string& error);
// The descriptor form, for files the program holds open.
bool ReadDescriptor(int fd, std::uint64_t maxBytes, const char* kind, const std::string& name,
                    std::string& contents, Phrase& error);
bool ReadDescriptor(int fd, std::uint64_t maxBytes, const char* kind, const std::string& name,
                    std::string& contents, std::string& error);
