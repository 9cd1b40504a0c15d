// The registry adapter against the real registry, under a key of the test's own.
#include <windows.h>

#include <iterator>
#include <optional>
#include <string>
#include <vector>

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

TEST_F(RegistryTest, ValuesAreWrittenReadAndDeleted) {
    const auto key = registry.createKey(root);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->setValue("NoBrowserContextMenu", platform::registry_type::dword, {1, 0, 0, 0}),
              ERROR_SUCCESS);
    EXPECT_EQ(key->readValue("NoBrowserContextMenu"),
              (platform::RegistryValue{REG_DWORD, {1, 0, 0, 0}}));

    EXPECT_EQ(key->deleteValue("NoBrowserContextMenu"), ERROR_SUCCESS);
    EXPECT_EQ(key->readValue("NoBrowserContextMenu"), std::nullopt);
    EXPECT_EQ(key->deleteValue("NoBrowserContextMenu"), ERROR_FILE_NOT_FOUND);
}

// Below, at and beyond the adapter's first buffer: each comes back whole at its own length.
TEST_F(RegistryTest, ValuesOfAnySizeAreReadWhole) {
    const auto key = registry.createKey(root);
    ASSERT_NE(key, nullptr);
    for (const std::size_t size : {0U, 3U, 256U, 257U, 600U, 100000U}) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<std::uint8_t>(i % 251 + 1);
        }
        ASSERT_EQ(key->setValue("ITBarLayout", platform::registry_type::binary, bytes),
                  ERROR_SUCCESS);
        EXPECT_EQ(key->readValue("ITBarLayout"), (platform::RegistryValue{REG_BINARY, bytes}))
            << size << " bytes";
    }
}

TEST_F(RegistryTest, NamesIgnoreLetterCase) {
    ASSERT_NE(registry.createKey(root + "\\Toolbar\\WebBrowser"), nullptr);
    const auto key = registry.openKey(root + "\\TOOLBAR\\webbrowser");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->setValue("ITBarLayout", platform::registry_type::binary, {1}), ERROR_SUCCESS);
    EXPECT_NE(key->readValue("itbarlayout"), std::nullopt);
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
    EXPECT_EQ(key->readValue("StartPage"),
              (platform::RegistryValue{REG_SZ, {std::begin(page), std::end(page)}}));
    EXPECT_NE(key->setValue("StartPage", platform::registry_type::text, {'x', 0}), ERROR_SUCCESS)
        << "opened for reading";
    EXPECT_EQ(registry.openKey(root), nullptr) << "the user's hive is another";
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, root.c_str());
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, root.c_str());
}

}  // namespace
}  // namespace tal
