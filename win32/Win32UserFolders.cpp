#include "win32/Win32UserFolders.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <shlobj.h>

#include <string>

#include "win32/TextConversion.h"
#include "win32/UniqueHandle.h"

namespace tal::win32 {

namespace {

using UniqueFind = UniqueAny<HANDLE, &::FindClose>;

void DeleteBelow(const std::wstring& folder, platform::DeletedFiles& result) {
    WIN32_FIND_DATAW found{};
    const HANDLE first = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) {
        return;
    }
    const UniqueFind find(first);
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        const std::wstring path = folder + L"\\" + name;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            // A junction or folder link goes alone: what it points to is not the visitor's.
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
                DeleteBelow(path, result);
            }
            ::RemoveDirectoryW(path.c_str());
            continue;
        }
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
            ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        ++(::DeleteFileW(path.c_str()) != FALSE ? result.deleted : result.left);
    } while (::FindNextFileW(find.get(), &found) != FALSE);
}

}  // namespace

platform::DeletedFiles Win32UserFolders::deleteLocalAppDataContents(const std::string& relative) {
    platform::DeletedFiles result;
    wchar_t localAppData[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT,
                                  localAppData))) {
        return result;
    }
    // The long-path form: a page's storage can lie deeper than MAX_PATH characters.
    DeleteBelow(L"\\\\?\\" + std::wstring(localAppData) + L"\\" + Utf8ToWide(relative), result);
    return result;
}

}  // namespace tal::win32
