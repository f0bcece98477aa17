// The shipped installer as a user runs it: over an older version, then away.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h:
#include <msi.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace lumora::testing {
namespace {

std::wstring environment(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    GetEnvironmentVariableW(name, value, MAX_PATH);
    return value;
}

std::wstring folder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
    return path;
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

DWORD msiexec(const wchar_t* action, const std::wstring& package) {
    std::wstring command = L"msiexec " + std::wstring(action) + L" \"" + package + L"\" /qn";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return GetLastError();
    WaitForSingleObject(process.hProcess, 120000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// Every installed product named Lumora: its version, and the icon that Add/Remove
// Programs shows for it.
std::vector<std::wstring> installedVersions(std::wstring* icon = nullptr) {
    std::vector<std::wstring> versions;
    wchar_t product[39];
    for (DWORD i = 0; MsiEnumProductsW(i, product) == ERROR_SUCCESS; ++i) {
        wchar_t name[64] = {}, version[32] = {};
        DWORD nameSize = 64, versionSize = 32;
        MsiGetProductInfoW(product, INSTALLPROPERTY_INSTALLEDPRODUCTNAME, name, &nameSize);
        MsiGetProductInfoW(product, INSTALLPROPERTY_VERSIONSTRING, version, &versionSize);
        if (std::wstring(name) != L"Lumora") continue;
        versions.push_back(version);
        wchar_t shown[MAX_PATH] = {};
        DWORD shownSize = MAX_PATH;
        MsiGetProductInfoW(product, INSTALLPROPERTY_PRODUCTICON, shown, &shownSize);
        if (icon) *icon = shown;
    }
    return versions;
}

// The shortcut's target and working folder.
std::pair<std::wstring, std::wstring> readShortcut(const std::wstring& path) {
    wchar_t target[MAX_PATH] = {}, workingFolder[MAX_PATH] = {};
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
        link->GetPath(target, MAX_PATH, nullptr, 0);
        link->GetWorkingDirectory(workingFolder, MAX_PATH);
    }
    if (file) file->Release();
    if (link) link->Release();
    return {target, workingFolder};
}

TEST(Installer, ReplacesAnOlderVersionPutsTheShortcutInTheStartMenuAndUninstallsCleanly) {
    CoInitialize(nullptr);
    const std::wstring program =
        folder(sizeof(void*) == 8 ? CSIDL_PROGRAM_FILESX86 : CSIDL_PROGRAM_FILES) +
        L"\\Lumora\\Lumora.exe";
    // The Start menu shows the programs of all users and this user's own.
    const std::wstring shortcuts[] = {folder(CSIDL_COMMON_PROGRAMS) + L"\\Lumora.lnk",
                                      folder(CSIDL_PROGRAMS) + L"\\Lumora.lnk"};

    ASSERT_EQ(msiexec(L"/i", environment(L"LUMORA_OLDER_INSTALLER")), 0u);
    ASSERT_EQ(installedVersions(), std::vector<std::wstring>{L"1054.0.0"});
    ASSERT_EQ(msiexec(L"/i", environment(L"LUMORA_INSTALLER")), 0u);
    std::wstring icon;
    EXPECT_EQ(installedVersions(&icon), std::vector<std::wstring>{L"1055.0.0"});
    EXPECT_TRUE(exists(icon)) << "Add/Remove Programs shows no icon";
    EXPECT_TRUE(exists(program));
    const std::wstring& shortcut = exists(shortcuts[0]) ? shortcuts[0] : shortcuts[1];
    const auto [target, workingFolder] = readShortcut(shortcut);
    EXPECT_EQ(CompareStringOrdinal(target.c_str(), -1, program.c_str(), -1, TRUE), CSTR_EQUAL);
    EXPECT_EQ(workingFolder, folder(CSIDL_PERSONAL) + L"\\");

    ASSERT_EQ(msiexec(L"/x", environment(L"LUMORA_INSTALLER")), 0u);
    EXPECT_TRUE(installedVersions().empty());
    EXPECT_FALSE(exists(program));
    EXPECT_FALSE(exists(shortcuts[0]) || exists(shortcuts[1]));
    CoUninitialize();
}

}  // namespace
}  // namespace lumora::testing
