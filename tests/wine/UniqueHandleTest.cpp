// The handle owner against the real close functions.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32/UniqueHandle.h"

namespace tal {
namespace {

// A handle value that this process never had: closing it fails and sets an error.
HANDLE UnknownHandle() {
    return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0xDEAD0));
}

TEST(UniqueHandleTest, TheCloseOfAnUnknownHandleChangesTheLastError) {
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(::CloseHandle(UnknownHandle()));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(UniqueHandleTest, ResetKeepsTheLastErrorAcrossTheClose) {
    win32::UniqueHandle handle(UnknownHandle());
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    handle.reset();
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(handle);
}

TEST(UniqueHandleTest, DestructionKeepsTheLastErrorAcrossTheClose) {
    {
        const win32::UniqueHandle handle(UnknownHandle());
        ::SetLastError(ERROR_FILE_NOT_FOUND);
    }
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace tal
