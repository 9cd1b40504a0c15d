// The registry adapter against the real registry, under a key of the test's own.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "win32/Win32Registry.h"

namespace tal {
namespace {

class RegistryTest : public testing::Test {
protected:
    const std::string root = "Software\\TAL tests\\" + std::to_string(::GetCurrentProcessId()) +
                             "-" + testing::UnitTest::GetInstance()->current_test_info()->name();
    win32::Win32Registry registry;

    void TearDown() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, root.c_str());
    }

    bool keyExists(const std::string& path) const {
        HKEY key = nullptr;
        const LONG status = ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
        if (status == ERROR_SUCCESS) {
            ::RegCloseKey(key);
        }
        return status == ERROR_SUCCESS;
    }
};

TEST_F(RegistryTest, OpenFindsOnlyExistingKeysAndCreateMakesThemWithTheirParents) {
    const std::string path = root + "\\Policies\\Restrictions";
    EXPECT_EQ(registry.openKey(path), nullptr);
    EXPECT_FALSE(keyExists(path));
    EXPECT_NE(registry.createKey(path), nullptr);
    EXPECT_TRUE(keyExists(path));
    EXPECT_NE(registry.openKey(path), nullptr);
    EXPECT_NE(registry.createKey(path), nullptr) << "creating an existing key opens it";
}

TEST_F(RegistryTest, ValuesAreWrittenQueriedAndDeleted) {
    const auto key = registry.createKey(root);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->setValue("NoBrowserContextMenu", platform::registry_type::dword, {1, 0, 0, 0}),
              ERROR_SUCCESS);

    const platform::RegistryQueryResult dword = key->queryValue("NoBrowserContextMenu", 4);
    EXPECT_EQ(dword.status, ERROR_SUCCESS);
    EXPECT_EQ(dword.type, static_cast<std::uint32_t>(REG_DWORD));
    EXPECT_EQ(dword.data, (std::vector<std::uint8_t>{1, 0, 0, 0}));

    EXPECT_EQ(key->deleteValue("NoBrowserContextMenu"), ERROR_SUCCESS);
    EXPECT_EQ(key->queryValue("NoBrowserContextMenu", 4).status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key->deleteValue("NoBrowserContextMenu"), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, AValueLargerThanTheBufferReportsItsSize) {
    const auto key = registry.createKey(root);
    ASSERT_NE(key, nullptr);
    std::vector<std::uint8_t> layout(600);
    for (std::size_t i = 0; i < layout.size(); ++i) {
        layout[i] = static_cast<std::uint8_t>(i);
    }
    ASSERT_EQ(key->setValue("ITBarLayout", platform::registry_type::binary, layout), ERROR_SUCCESS);

    const platform::RegistryQueryResult cut = key->queryValue("ITBarLayout", 564);
    EXPECT_EQ(cut.status, ERROR_MORE_DATA);
    EXPECT_EQ(cut.size, 600U);
    EXPECT_TRUE(cut.data.empty());

    const platform::RegistryQueryResult whole = key->queryValue("ITBarLayout", 600);
    EXPECT_EQ(whole.status, ERROR_SUCCESS);
    EXPECT_EQ(whole.type, static_cast<std::uint32_t>(REG_BINARY));
    EXPECT_EQ(whole.data, layout);
}

TEST_F(RegistryTest, ShorterValuesComeBackAtTheirOwnLength) {
    const auto key = registry.createKey(root);
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->setValue("ITBarLayout", platform::registry_type::binary, {7, 8, 9}),
              ERROR_SUCCESS);
    const platform::RegistryQueryResult result = key->queryValue("ITBarLayout", 564);
    EXPECT_EQ(result.status, ERROR_SUCCESS);
    EXPECT_EQ(result.size, 3U);
    EXPECT_EQ(result.data, (std::vector<std::uint8_t>{7, 8, 9}));
}

TEST_F(RegistryTest, NamesIgnoreLetterCase) {
    ASSERT_NE(registry.createKey(root + "\\Toolbar\\WebBrowser"), nullptr);
    const auto key = registry.openKey(root + "\\TOOLBAR\\webbrowser");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->setValue("ITBarLayout", platform::registry_type::binary, {1}), ERROR_SUCCESS);
    EXPECT_EQ(key->queryValue("itbarlayout", 564).status, ERROR_SUCCESS);
}

TEST_F(RegistryTest, MachineKeysAreOpenedForReadingOnly) {
    HKEY created = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, root.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &created, nullptr),
              ERROR_SUCCESS);
    const char page[] = "about:machine";
    ::RegSetValueExA(created, "StartPage", 0, REG_SZ, reinterpret_cast<const BYTE*>(page),
                     sizeof page);
    ::RegCloseKey(created);

    EXPECT_EQ(registry.openMachineKey(root + "\\Missing"), nullptr);
    const auto key = registry.openMachineKey(root);
    ASSERT_NE(key, nullptr);
    const platform::RegistryQueryResult value = key->queryValue("StartPage", 64);
    EXPECT_EQ(value.status, ERROR_SUCCESS);
    EXPECT_EQ(std::string(value.data.begin(), value.data.end()), std::string(page, sizeof page));
    EXPECT_NE(key->setValue("StartPage", platform::registry_type::text, {'x', 0}), ERROR_SUCCESS)
        << "opened for reading";
    EXPECT_EQ(registry.openKey(root), nullptr) << "the user's hive is another";
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, root.c_str());
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, root.c_str());
}

}  // namespace
}  // namespace tal
