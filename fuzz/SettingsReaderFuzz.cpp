// The settings reader over any file: every key of section CONFIG, and every key the programs
// read, comes back whole (the stored value or the default, never more), with a buffer that grew
// only as far as the value needed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "common/Settings.h"
#include "common/SettingsFile.h"
#include "fuzz/InMemoryProfile.h"
#include "fuzz/Require.h"

namespace {

// The buffer of a read's first try.
constexpr std::size_t firstBuffer = 100;

void CheckRead(tal::fuzz::InMemoryProfile& profile, const tal::SettingsFile& settings,
               const std::string& key, const std::string& defaultValue) {
    const std::string expected = profile.value(tal::settingsSection, key).value_or(defaultValue);
    profile.reads = 0;
    profile.largestBuffer = 0;
    const std::string read = settings.ReadSetting(key, defaultValue);
    TAL_REQUIRE(read == expected);
    TAL_REQUIRE(profile.reads >= 1);
    // Each try doubles the buffer; the last one is less than twice what the value needed.
    TAL_REQUIRE(profile.largestBuffer == firstBuffer << (profile.reads - 1));
    TAL_REQUIRE(profile.largestBuffer <= std::max(firstBuffer, 2 * (expected.size() + 2)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string defaultValue = input.ConsumeRandomLengthString();
    tal::fuzz::InMemoryProfile profile(input.ConsumeRemainingBytesAsString());
    const tal::SettingsFile settings(profile, "C:\\Kiosk\\TAL.ini");

    for (const tal::Setting& setting : tal::settings::all) {
        CheckRead(profile, settings, std::string(setting.key), std::string(setting.kioskDefault));
    }
    for (const std::string& key : profile.keys(tal::settingsSection)) {
        CheckRead(profile, settings, key, defaultValue);
    }
    CheckRead(profile, settings, "NoSuchKey", defaultValue);
    return 0;
}
