// The settings dialog beside Group Policy: managed values shown, locked and never written.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/unit/SettingsFormFixture.h"

namespace tal {
namespace {

class PolicyTest : public SettingsFormFixture<> {
protected:
    void setPolicy(const std::string& key, const std::string& name, const std::string& text) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        registry.setValueDirectly(key, name, {platform::registry_type::text, bytes});
    }
};

TEST_F(PolicyTest, ManagedControlsShowThePolicyAreLockedAndTheirKeysStayUnwritten) {
    store("StartPage", "http://file.example/");
    store("TaskBar", "on");
    setPolicy("HKLM\\SOFTWARE\\Policies\\TAL", "StartPage", "http://policy.example/");
    setPolicy("SOFTWARE\\Policies\\TAL", "TaskBar", "off");
    form.load();

    EXPECT_EQ(view.texts[TextControl::startPage], "http://policy.example/");
    EXPECT_TRUE(view.checks[CheckControl::taskBar]) << "off hides the taskbar: checked";
    EXPECT_EQ(view.disabledTexts, std::set<TextControl>{TextControl::startPage});
    EXPECT_EQ(view.disabledChecks, std::set<CheckControl>{CheckControl::taskBar});
    EXPECT_TRUE(view.managedByPolicy);

    view.texts[TextControl::startPage] = "";
    view.checks[CheckControl::contextMenu] = true;
    form.saveAndClose();
    EXPECT_TRUE(view.closed) << "a managed value is not checked either";
    EXPECT_EQ(stored("StartPage"), "http://file.example/");
    EXPECT_EQ(stored("TaskBar"), "on");
    EXPECT_EQ(stored("ContextMenu"), "off");
}

TEST_F(PolicyTest, AManagedAdvancedKeyMarksTheTitleAndLocksNothingHere) {
    setPolicy("SOFTWARE\\Policies\\TAL", "KeyLock", "on");
    form.load();
    EXPECT_TRUE(view.managedByPolicy);
    EXPECT_TRUE(view.disabledTexts.empty());
    EXPECT_TRUE(view.disabledChecks.empty());
}

TEST_F(PolicyTest, WithoutPoliciesNothingIsLockedOrMarked) {
    form.load();
    EXPECT_TRUE(view.disabledTexts.empty());
    EXPECT_TRUE(view.disabledChecks.empty());
    EXPECT_FALSE(view.managedByPolicy);
}

}  // namespace
}  // namespace tal
