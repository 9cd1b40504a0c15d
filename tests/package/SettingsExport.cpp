// Prints the settings that the programs read, as JSON, for the check of the policy templates:
// each key with its kind, both programs' defaults, its words (with their names in the dialogs)
// and its range of seconds.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/Flags.h"
#include "common/Settings.h"

namespace {

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string List(const std::vector<std::string_view>& items) {
    std::string list = "[";
    for (const std::string_view item : items) {
        list += (list.size() > 1 ? ", " : "") + Quoted(item);
    }
    return list + "]";
}

std::string_view KindName(tal::SettingKind kind) {
    switch (kind) {
        case tal::SettingKind::text:
            return "text";
        case tal::SettingKind::flag:
            return "flag";
        case tal::SettingKind::seconds:
            return "seconds";
        case tal::SettingKind::choice:
            return "choice";
        case tal::SettingKind::position:
            return "position";
    }
    return "unknown";
}

}  // namespace

int main() {
    std::string json = "[\n";
    for (const tal::Setting& setting : tal::settings::all) {
        std::vector<std::string_view> words;
        std::vector<std::string_view> names;
        if (setting.kind == tal::SettingKind::flag) {
            words = {tal::flagOn, tal::flagOff};
        }
        for (const tal::Choice& choice : setting.choices) {
            words.push_back(choice.word);
            names.push_back(choice.name);
        }
        json += std::string(json.size() > 2 ? ",\n" : "") + "  {\"key\": " + Quoted(setting.key) +
                ", \"kind\": " + Quoted(KindName(setting.kind)) +
                ", \"kioskDefault\": " + Quoted(setting.kioskDefault) +
                ", \"settingsToolDefault\": " + Quoted(setting.settingsToolDefault) +
                ", \"words\": " + List(words) + ", \"names\": " + List(names);
        if (setting.kind == tal::SettingKind::seconds) {
            json += ", \"minimum\": " + std::to_string(setting.range.minimum) +
                    ", \"maximum\": " + std::to_string(setting.range.maximum);
        }
        json += "}";
    }
    json += "\n]\n";
    std::fputs(json.c_str(), stdout);
    return 0;
}
