#pragma once

#include <string>
#include <string_view>

namespace tal {

// The error box's text for an entry with a character that the settings file's code page lacks:
// saved, it would read back with "?" in its place. `label` names the entry (UTF-8).
inline std::string UnsavableEntryMessage(std::string_view label) {
    return std::string(label) + "には設定ファイルに保存できない文字が含まれています。";
}

}  // namespace tal
