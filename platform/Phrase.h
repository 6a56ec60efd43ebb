// A text for the user kept as the marked English it is made of and the
// values that fill it, so that every front end says it from one
// composition: velmar-cli in English (English()), the editor in the user's
// language (Text() of qtkit/Translation.h), which looks each marked pattern
// up in its catalogue and fills it with the same parts.
//
// The patterns are marked where they are written: VELMAR_TRANSLATE_NOOP for
// a text, VELMAR_TRANSLATE_N_NOOP for a text whose words follow a count
// (a numerus entry of the catalogues, one form per plural form of the
// language).
#pragma once

#include "platform/Translate.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Phrase {
    // Marked English with %1 ... %9 for the parts: `one` for a count of 1,
    // `many` for any other count (and for every count when `one` is null).
    // With neither, the parts joined with `data` between them, or `data`
    // alone: a value shown as it is (a name, a number), UTF-8.
    const char* one = nullptr;
    const char* many = nullptr;
    std::uint64_t count = 1;
    std::string data;
    std::vector<Phrase> parts;

    bool Empty() const { return !one && !many && data.empty() && parts.empty(); }
    // The marked pattern the count chooses; null for a value or a join.
    const char* Pattern() const { return many && (count != 1 || !one) ? many : one; }
    bool Numerus() const { return many && Pattern() == many; }
};

namespace phrase {

// A marked text and its parts.
Phrase Text(const char* text, std::vector<Phrase> parts = {});
// A text that follows `count`: `one` (marked) for 1, `many` (marked as a
// numerus text) otherwise; `one` may be null when English has one form.
Phrase Counted(std::uint64_t count, const char* one, const char* many, std::vector<Phrase> parts);
// Counted with the count itself as %1: "%1 channel", "%1 channels".
Phrase Count(std::uint64_t count, const char* one, const char* many);
Phrase Data(std::string value);
Phrase Number(std::uint64_t value);
// "4,608".
Phrase Grouped(std::uint64_t value);
// The parts with `separator` between them; no parts: an empty phrase.
Phrase Join(std::vector<Phrase> parts, std::string separator);
// "a", "a and b", "a, b and c", with the marked "%1, %2" and "%1 and %2".
Phrase List(std::vector<Phrase> items);
// "a, b, c": the items with the marked "%1, %2" only.
Phrase Series(std::vector<Phrase> items);

} // namespace phrase

// The text of `phrase` with each pattern as `pattern` gives it (UTF-8).
std::string Compose(const Phrase& phrase, const std::function<std::string(const Phrase&)>& pattern);
// The phrase in English, as the patterns are written.
std::string English(const Phrase& phrase);

// For the English forms of functions that report a phrase: `said` in
// English into `error` when `ok` is false (a bool, a pointer or an optional);
// `ok`.
template <class T> T InEnglish(T ok, const Phrase& said, std::string& error) {
    if (!ok)
        error = English(said);
    return ok;
}
