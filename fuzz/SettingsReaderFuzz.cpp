// The settings reader over any file: every key of section CONFIG, and every key the programs
// read, comes back whole (the stored value or the default, never more), with a buffer that grew
// only as far as the value needed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "common/Settings.h"
#include "common/SettingsFile.h"
#include "fuzz/Require.h"
#include "tests/fakes/FakeProfileFile.h"

namespace {

const std::string path = "C:\\Kiosk\\TAL.ini";
const std::string section(tal::settingsSection);
// The buffer of a read's first try.
constexpr std::size_t firstBuffer = 100;

void CheckRead(tal::fakes::FakeProfileFile& profile, const tal::SettingsFile& settings,
               const std::string& key, const std::string& defaultValue) {
    // A buffer larger than any value: what the reader must come back with.
    const std::string expected = profile.getPrivateProfileString(
        section, key, defaultValue, std::numeric_limits<std::size_t>::max(), path);
    profile.readBuffers.clear();
    const std::string read = settings.ReadSetting(key, defaultValue);
    TAL_REQUIRE(read == expected);
    TAL_REQUIRE(!profile.readBuffers.empty());
    // Each try doubles the buffer; the last one is less than twice what the value needed.
    for (std::size_t at = 0; at < profile.readBuffers.size(); ++at) {
        TAL_REQUIRE(profile.readBuffers[at] == firstBuffer << at);
    }
    TAL_REQUIRE(profile.readBuffers.back() <= std::max(firstBuffer, 2 * (expected.size() + 2)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string defaultValue = input.ConsumeRandomLengthString();
    tal::fakes::CallLog log;
    tal::fakes::FakeProfileFile profile(log);
    profile.load(path, input.ConsumeRemainingBytesAsString());
    const tal::SettingsFile settings(profile, path);

    for (const tal::Setting& setting : tal::settings::all) {
        CheckRead(profile, settings, std::string(setting.key), std::string(setting.kioskDefault));
    }
    for (const auto& entry : profile.entries(path, section)) {
        CheckRead(profile, settings, entry.first, defaultValue);
    }
    CheckRead(profile, settings, "NoSuchKey", defaultValue);
    return 0;
}
