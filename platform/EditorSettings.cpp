#include "platform/EditorSettings.h"

#include <cstdlib>
#include <fstream>

namespace {

// Large enough for any settings file the editor writes; a bigger file is
// not ours to read whole.
constexpr std::streamsize kMaxSettingsBytes = 1 << 20;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string EditorSettingsPath() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::string(config) + "/Velmar/Velmar.conf";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/Velmar/Velmar.conf";
    return {};
}

std::optional<std::string> IniValue(std::string_view text, std::string_view group,
                                    std::string_view key) {
    bool inGroup = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line =
            Trim(end == std::string_view::npos ? text : text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            inGroup = line.substr(1, line.size() - 2) == group;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inGroup || equals == std::string_view::npos || Trim(line.substr(0, equals)) != key)
            continue;
        std::string_view value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return std::nullopt;
}

std::optional<std::string> EditorReceiverChoice() {
    const std::string path = EditorSettingsPath();
    if (path.empty())
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(kMaxSettingsBytes), '\0');
    in.read(text.data(), kMaxSettingsBytes);
    text.resize(static_cast<std::size_t>(in.gcount()));
    std::optional<std::string> name = IniValue(text, "VXUI", "Receiver");
    if (!name || name->empty())
        return std::nullopt;
    return name;
}
