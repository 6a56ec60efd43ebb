// The one operand of the example generators, OUT.bin: --help (or -h) prints
// the usage; "--" lets a file name start with "-"; any other argument that
// starts with "-" is an option none of them has, and "-" alone (standard
// output) is refused too, since the image is saved into a file.
#pragma once

#include <cstdio>
#include <string>

// The output path, or nullptr with `status` the exit status to end with.
inline const char* OutputOperand(int argc, char** argv, const char* program, const char* usage,
                                 int& status) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (argc == 2 && (first == "--help" || first == "-h")) {
        std::fputs(usage, stdout);
        status = std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
        return nullptr;
    }
    const bool marked = argc == 3 && first == "--";
    if (!marked && (argc != 2 || first.rfind('-', 0) == 0)) {
        if (argc == 2)
            std::fprintf(stderr, "%s: unrecognized option '%s'\n", program, argv[1]);
        std::fputs(usage, stderr);
        status = 2;
        return nullptr;
    }
    return argv[marked ? 2 : 1];
}
