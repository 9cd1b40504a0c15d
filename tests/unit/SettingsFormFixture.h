#pragma once

#include <string>

#include <gtest/gtest.h>

#include "settings_tool/SettingsForm.h"
#include "tests/fakes/FakeAnsiText.h"
#include "tests/fakes/FakeDesktop.h"
#include "tests/fakes/FakeMessageBoxes.h"
#include "tests/fakes/FakeProcess.h"
#include "tests/fakes/FakeProfileFile.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeSettingsFormView.h"
#include "tests/fakes/FakeSystemVersion.h"

namespace tal {

// The settings dialog of a program in C:\Kiosk, over fakes of every port.
template <typename Base = testing::Test>
class SettingsFormFixture : public Base {
protected:
    const std::string path = "C:\\Kiosk\\TAL.ini";
    fakes::CallLog log;
    fakes::FakeProfileFile profile{log};
    fakes::FakeRegistry registry{log};
    fakes::FakeDesktop desktop{log};
    fakes::FakeProcess process;
    fakes::FakeMessageBoxes messageBoxes{log};
    fakes::FakeAnsiText ansiText;
    fakes::FakeSystemVersion system;
    fakes::FakeSettingsFormView view;
    SettingsForm form{{profile, registry, desktop, process, messageBoxes, ansiText, system}, view};

    void store(const std::string& key, const std::string& value) {
        profile.set(path, "CONFIG", key, value);
    }
    std::optional<std::string> stored(const std::string& key) const {
        return profile.get(path, "CONFIG", key);
    }
};

}  // namespace tal
