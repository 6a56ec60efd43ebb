// The rule that tells the two file kinds apart when opening or saving: a
// workbook when the text after the last dot (standing at index 2 or later,
// with something after it) is exactly "xls" or "cvs"; a flash image otherwise.
#pragma once

#include <string_view>

constexpr bool IsWorkbookFileName(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot < 2 || dot + 1 >= path.size())
        return false;
    const std::string_view extension = path.substr(dot + 1);
    return extension == "xls" || extension == "cvs";
}
