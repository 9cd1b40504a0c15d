// The handle owner against the real close function.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32/UniqueHandle.h"

namespace tal {
namespace {

// A close that fails sets an error of its own; the owner's reset and destructor, which adapters
// run between a failed call and their GetLastError, must leave the caller's error as it was.
TEST(UniqueHandleTest, ResetAndDestructionKeepTheLastErrorOfAFailedClose) {
    // A handle value that this process never had.
    const auto unknown = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0xDEAD0));
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(::CloseHandle(unknown));
    ASSERT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)) << "the close fails";

    win32::UniqueHandle handle(unknown);
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    handle.reset();
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND)) << "reset";
    EXPECT_FALSE(handle);
    {
        const win32::UniqueHandle destroyed(unknown);
        ::SetLastError(ERROR_ACCESS_DENIED);
    }
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << "destructor";
}

}  // namespace
}  // namespace tal
