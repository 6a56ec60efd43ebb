// A comparison as the user reads it: text, one line a difference under a
// heading per group with its count, in the manner of a unified report, and
// JSON for scripts.
#pragma once

#include "compare/ListCompare.h"

#include <string>

// Empty when the lists are the same. Otherwise
//   --- A
//   +++ B
//   @@ channels only in A: 1 @@
//   - TV 12 "Velmar One"  19.2E 11494 H, PIDs 101/102/101
//   @@ number changed: 1 @@
//   ~ TV 3 "ZDF HD"  3 -> 5
// where "-" marks what only A has, "+" what only B has, "~" a change.
std::string ComparisonText(const Comparison& comparison, const std::string& nameA,
                           const std::string& nameB);

// {"format": 1, "a": ..., "b": ..., "same": ..., "counts": {...},
//  "differences": [{"kind": ..., "subject": ..., "a": ..., "b": ...}]}
// (docs/velmar-diff.schema.json), with a newline.
std::string ComparisonJson(const Comparison& comparison, const std::string& nameA,
                           const std::string& nameB);

// One difference's line without its mark: `TV 3 "ZDF HD"  3 -> 5`.
Phrase DifferenceLine(const Difference& d);
