// The flag test over any value and word: LowerCase changes only ASCII capitals, and FlagIs holds
// exactly when the value equals the word but for the case of ASCII letters in the value.
#include <cstddef>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "common/Flags.h"
#include "fuzz/Require.h"

namespace {

// The value matches `word` letter by letter, an ASCII capital of the value matching its small
// letter in the word.
bool MatchesWord(const std::string& value, const std::string& word) {
    if (value.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char v = value[i];
        const bool capitalOf = v >= 'A' && v <= 'Z' && word[i] == v - 'A' + 'a';
        if (v != word[i] && !capitalOf) {
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
