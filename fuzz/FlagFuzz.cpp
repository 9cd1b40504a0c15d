// The flag test over any value and word: LowerCase changes only ASCII capitals, and FlagIs holds
// exactly when the value equals the word but for the case of ASCII letters in the value.
#include <cstddef>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "common/Flags.h"
#include "fuzz/Require.h"

namespace {

// The value spells `word`, each small ASCII letter of the word either small or capital in the
// value; a word with a capital never matches, since the value is compared lower-cased.
bool MatchesWord(const std::string& value, const std::string& word) {
    if (value.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char w = word[i];
        if (w >= 'A' && w <= 'Z') {
            return false;
        }
        const bool capitalOf = w >= 'a' && w <= 'z' && value[i] == w - 'a' + 'A';
        if (value[i] != w && !capitalOf) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string word = input.ConsumeBool()
                                 ? std::string(input.PickValueInArray({tal::flagOn, tal::flagOff}))
                                 : input.ConsumeRandomLengthString();
    const std::string value = input.ConsumeRemainingBytesAsString();

    const std::string lower = tal::LowerCase(value);
    TAL_REQUIRE(lower.size() == value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const bool capital = value[i] >= 'A' && value[i] <= 'Z';
        TAL_REQUIRE(lower[i] == (capital ? value[i] - 'A' + 'a' : value[i]));
    }
    TAL_REQUIRE(tal::LowerCase(lower) == lower);

    TAL_REQUIRE(tal::FlagIs(value, word) == MatchesWord(value, word));
    TAL_REQUIRE(!(tal::FlagIs(value, tal::flagOn) && tal::FlagIs(value, tal::flagOff)));
    return 0;
}
