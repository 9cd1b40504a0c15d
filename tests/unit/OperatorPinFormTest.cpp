// The operator PIN dialog: which entries become a hash, what is refused and said, and removal.
#include "settings_tool/OperatorPinForm.h"

#include <gtest/gtest.h>

#include "common/PinHash.h"
#include "tests/fakes/FakeCryptography.h"
#include "tests/fakes/FakeMessageBoxes.h"
#include "tests/fakes/FakeOperatorPinView.h"

namespace tal {
namespace {

constexpr const char* notAPin = "PIN は 4 から 12 桁の数字で入力してください。";
constexpr const char* differ = "「PIN」と「PIN (確認)」が一致しません。";

struct EntryCase {
    std::optional<std::string> pin;  // nothing: a character that the code page lacks
    std::optional<std::string> confirmation;
    bool cryptoFails;
    const char* refusal;  // null: accepted
};

const EntryCase entryCases[] = {
    {"1234", "1234", false, nullptr},
    {"098765432109", "098765432109", false, nullptr},
    {"1234", "1243", false, differ},
    {"1234", std::nullopt, false, differ},
    {"123", "123", false, notAPin},
    {"1234567890123", "1234567890123", false, notAPin},
    {"12a4", "12a4", false, notAPin},
    {"", "", false, notAPin},
    {std::nullopt, std::nullopt, false, notAPin},
    {"1234", "1234", true, "PIN を設定できませんでした。(0xC0000001)"},
};

TEST(OperatorPinFormTest, KeepsOnlyTheHashOfTwoEqualPinsAndSaysWhatIsWrongOtherwise) {
    for (const EntryCase& entry : entryCases) {
        SCOPED_TRACE(entry.pin.value_or("(unsavable)") + " / " + (entry.refusal ? "" : "ok"));
        fakes::CallLog log;
        fakes::FakeMessageBoxes messageBoxes{log};
        fakes::FakeCryptography crypto;
        crypto.fails = entry.cryptoFails;
        fakes::FakeOperatorPinView view;
        OperatorPinForm form(view, messageBoxes, crypto, true);
        view.texts = {{PinEntry::pin, entry.pin}, {PinEntry::confirmation, entry.confirmation}};
        form.confirm();
        EXPECT_EQ(view.closed, entry.refusal == nullptr);
        if (entry.refusal == nullptr) {
            ASSERT_TRUE(form.newValue().has_value());
            const ParsedPinHash stored = ParsePinHash(*form.newValue());
            ASSERT_TRUE(stored.hash.has_value()) << *form.newValue();
            EXPECT_EQ(CheckPin(*entry.pin, *stored.hash, crypto), PinCheck::matches);
            continue;
        }
        EXPECT_EQ(messageBoxes.shown,
                  (std::vector<fakes::ShownMessageBox>{{entry.refusal, "エラー"}}));
        EXPECT_EQ(form.newValue(), std::nullopt) << "nothing to store";
        EXPECT_TRUE(view.texts.empty()) << "typed afresh";
        EXPECT_EQ(view.focus, PinEntry::pin);
    }
}

TEST(OperatorPinFormTest, RemovesOnlyAPinThatIsSet) {
    for (const bool pinSet : {false, true}) {
        fakes::CallLog log;
        fakes::FakeMessageBoxes messageBoxes{log};
        fakes::FakeCryptography crypto;
        fakes::FakeOperatorPinView view;
        OperatorPinForm form(view, messageBoxes, crypto, pinSet);
        form.load();
        EXPECT_EQ(view.removalDisabled, !pinSet);
        form.remove();
        EXPECT_EQ(form.newValue(), pinSet ? std::optional<std::string>("") : std::nullopt);
    }
}

}  // namespace
}  // namespace tal
