// What velmar-cli reads of the editor's settings file, without Qt: the
// receiver the configuration dialog chose. The editor keeps its settings in
// an INI file (groups in brackets, key=value lines), in the desktop's
// configuration folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// $XDG_CONFIG_HOME/Velmar/Velmar.conf, else $HOME/.config/Velmar/Velmar.conf;
// empty when neither variable is set.
std::string EditorSettingsPath();

// The value of `key` in `group` of INI text, with the surrounding quotes the
// editor writes around some values taken off; none when the key is absent.
std::optional<std::string> IniValue(std::string_view text, std::string_view group,
                                    std::string_view key);

// The receiver profile name the editor's configuration dialog saved; none
// when there is no settings file or no choice in it.
std::optional<std::string> EditorReceiverChoice();
