// libFuzzer target: arbitrary bytes as a `velmar-cli edit` script, run line
// by line on a small image. A line the interpreter refuses does not end the
// run, so the lines after it reach further. Whatever ran, undoing every step
// must give back the tables and image values the script started from, and
// redoing every step the ones it ended with.
#include "cli/EditScript.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

namespace {

// Fewer lines than the history keeps steps, so every step can be undone.
constexpr int kMaxLines = 120;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!velmar::fuzz::OpenSmallImage())
        __builtin_trap();
    static const velmar::fuzz::StoreState start = velmar::fuzz::StoreState::Take();
    start.Restore();

    std::ostringstream out;
    CEditScript editor(out);
    EditSession& session = editor.Session();
    if (session.MaxSteps() <= static_cast<std::size_t>(kMaxLines))
        __builtin_trap();
    std::string_view script(reinterpret_cast<const char*>(data), size);
    for (int line = 0; line < kMaxLines && !script.empty(); ++line) {
        const std::size_t end = script.find('\n');
        (void)editor.RunLine(script.substr(0, end));
        script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
        out.str({}); // what `show` printed is not kept
    }

    const velmar::fuzz::StoreState finish = velmar::fuzz::StoreState::Take();
    if (session.IsModified() != (session.UndoCount() > 0))
        __builtin_trap(); // fresh from the image, only steps can make it modified
    const std::size_t steps = session.UndoCount();
    while (session.Undo()) {
    }
    if (session.IsModified() || !velmar::fuzz::StoreState::Take().Same(start))
        __builtin_trap();
    // Steps the script undid itself stay undone: redo only as far as it ended.
    for (std::size_t i = 0; i < steps; ++i)
        if (!session.Redo())
            __builtin_trap();
    if (!velmar::fuzz::StoreState::Take().Same(finish))
        __builtin_trap();
    return 0;
}
