// Replacing a file so that it is either the old file or the whole new one:
// a sibling temporary file, written, flushed to disk and renamed over it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

// Writes `first` then `second` as the new contents of `target`, through the
// program's one atomic writer. The file keeps the mode of the file it
// replaces (new files get 0666 less the umask). On failure `target` is untouched, no temporary file
// is left, and `error` says why.
bool ReplaceFileAtomically(const std::string& target, std::span<const std::uint8_t> first,
                           std::span<const std::uint8_t> second, std::string& error);

// Creates a new, empty file next to `target` with a unique name starting
// with "." and target's name; returns its descriptor (-1 on failure, with
// `error`) and its path in `path`.
int CreateSiblingTempFile(const std::string& target, const char* tag, std::string& path,
                          std::string& error);
