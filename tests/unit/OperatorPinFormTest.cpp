// The operator PIN dialog: which entries become a hash, what is refused and said, and removal.
#include "settings_tool/OperatorPinForm.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "common/PinHash.h"
#include "tests/fakes/FakeCryptography.h"
#include "tests/fakes/FakeMessageBoxes.h"
#include "tests/fakes/FakeOperatorPinView.h"

namespace tal {
namespace {

class OperatorPinFormTest : public testing::Test {
protected:
    fakes::CallLog log;
    fakes::FakeMessageBoxes messageBoxes{log};
    fakes::FakeCryptography crypto;
    fakes::FakeOperatorPinView view;

    OperatorPinForm Loaded(bool pinSet) {
        OperatorPinForm form(view, messageBoxes, crypto, pinSet);
        form.load();
        return form;
    }
};

constexpr const char* notAPin = "PIN は 4 から 12 桁の数字で入力してください。";
constexpr const char* differ = "「PIN」と「PIN (確認)」が一致しません。";

struct EntryCase {
    const char* name;
    std::optional<std::string> pin;  // nothing: a character that the code page lacks
    std::optional<std::string> confirmation;
    bool cryptoFails;
    const char* refusal;  // null: accepted
};

const EntryCase entryCases[] = {
    {"four digits", "1234", "1234", false, nullptr},
    {"twelve digits", "098765432109", "098765432109", false, nullptr},
    {"entries differ", "1234", "1243", false, differ},
    {"confirmation empty", "1234", "", false, differ},
    {"confirmation unsavable", "1234", std::nullopt, false, differ},
    {"three digits", "123", "123", false, notAPin},
    {"thirteen digits", "1234567890123", "1234567890123", false, notAPin},
    {"letters", "12a4", "12a4", false, notAPin},
    {"blank inside", "12 34", "12 34", false, notAPin},
    {"both empty", "", "", false, notAPin},
    {"unsavable", std::nullopt, std::nullopt, false, notAPin},
    {"crypto fails", "1234", "1234", true, "PIN を設定できませんでした。(0xC0000001)"},
};

TEST_F(OperatorPinFormTest, KeepsOnlyTheHashOfTwoEqualPinsAndSaysWhatIsWrongOtherwise) {
    for (const EntryCase& entry : entryCases) {
        SCOPED_TRACE(entry.name);
        view = {};
        messageBoxes.shown.clear();
        crypto.fails = entry.cryptoFails;
        OperatorPinForm form = Loaded(true);
        view.texts = {{PinEntry::pin, entry.pin}, {PinEntry::confirmation, entry.confirmation}};
        form.confirm();
        if (entry.refusal == nullptr) {
            EXPECT_TRUE(view.closed);
            EXPECT_TRUE(messageBoxes.shown.empty());
            ASSERT_TRUE(form.newValue().has_value());
            EXPECT_EQ(form.newValue()->find(*entry.pin), std::string::npos) << *form.newValue();
            const ParsedPinHash stored = ParsePinHash(*form.newValue());
            ASSERT_TRUE(stored.hash.has_value()) << *form.newValue();
            EXPECT_EQ(stored.hash->iterationCount, PinHash::iterations);
            EXPECT_EQ(CheckPin(*entry.pin, *stored.hash, crypto), PinCheck::matches);
            EXPECT_EQ(CheckPin("5555", *stored.hash, crypto), PinCheck::differs);
            continue;
        }
        ASSERT_EQ(messageBoxes.shown.size(), 1U);
        EXPECT_EQ(messageBoxes.shown[0].text, entry.refusal);
        EXPECT_EQ(messageBoxes.shown[0].caption, "エラー");
        EXPECT_FALSE(view.closed);
        EXPECT_EQ(form.newValue(), std::nullopt) << "nothing to store";
        EXPECT_TRUE(view.texts.empty()) << "typed afresh";
        EXPECT_EQ(view.focus, PinEntry::pin);
    }
}

TEST_F(OperatorPinFormTest, RemovesOnlyAPinThatIsSet) {
    for (const bool pinSet : {false, true}) {
        SCOPED_TRACE(pinSet ? "set" : "not set");
        view = {};
        OperatorPinForm form = Loaded(pinSet);
        EXPECT_EQ(view.removalDisabled, !pinSet);
        form.remove();
        EXPECT_EQ(view.closed, pinSet);
        EXPECT_EQ(form.newValue(), pinSet ? std::optional<std::string>("") : std::nullopt);
    }
}

}  // namespace
}  // namespace tal
