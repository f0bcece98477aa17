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

std::wstring folder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
    return path;
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Installs the package that the environment variable names, or with
// "REMOVE=ALL" uninstalls it, as msiexec does with no user interface.
UINT install(const wchar_t* package, const wchar_t* properties = L"") {
    wchar_t path[MAX_PATH] = {};
    GetEnvironmentVariableW(package, path, MAX_PATH);
    MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
    return MsiInstallProductW(path, properties);
}

// The version of every installed product named Lumora, and the icon that
// Add/Remove Programs shows for the last.
std::vector<std::wstring> installedVersions(std::wstring* icon = nullptr) {
    std::vector<std::wstring> versions;
    wchar_t product[39];
    for (DWORD i = 0; MsiEnumProductsW(i, product) == ERROR_SUCCESS; ++i) {
        wchar_t name[64] = {}, version[32] = {}, shown[MAX_PATH] = {};
        DWORD nameSize = 64, versionSize = 32, shownSize = MAX_PATH;
        MsiGetProductInfoW(product, INSTALLPROPERTY_INSTALLEDPRODUCTNAME, name, &nameSize);
        MsiGetProductInfoW(product, INSTALLPROPERTY_VERSIONSTRING, version, &versionSize);
        MsiGetProductInfoW(product, INSTALLPROPERTY_PRODUCTICON, shown, &shownSize);
        if (std::wstring(name) != L"Lumora") continue;
        versions.push_back(version);
        if (icon) *icon = shown;
    }
    return versions;
}

TEST(Installer, ReplacesAnOlderVersionPutsTheShortcutInTheStartMenuAndUninstallsCleanly) {
    CoInitialize(nullptr);
    const std::wstring program =
        folder(sizeof(void*) == 8 ? CSIDL_PROGRAM_FILESX86 : CSIDL_PROGRAM_FILES) +
        L"\\Lumora\\Lumora.exe";
    // The Start menu shows the programs of all users and this user's own.
    const std::wstring shortcuts[] = {folder(CSIDL_COMMON_PROGRAMS) + L"\\Lumora.lnk",
                                      folder(CSIDL_PROGRAMS) + L"\\Lumora.lnk"};

    ASSERT_EQ(install(L"LUMORA_OLDER_INSTALLER"), 0u);
    ASSERT_EQ(installedVersions(), std::vector<std::wstring>{L"1054.0.0"});
    ASSERT_EQ(install(L"LUMORA_INSTALLER"), 0u);
    std::wstring icon;
    EXPECT_EQ(installedVersions(&icon), std::vector<std::wstring>{L"1055.0.0"});
    EXPECT_TRUE(exists(icon)) << "Add/Remove Programs shows no icon";
    EXPECT_TRUE(exists(program));
    wchar_t target[MAX_PATH] = {}, workingFolder[MAX_PATH] = {};
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkW, reinterpret_cast<void**>(&link))) &&
                SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    EXPECT_TRUE(SUCCEEDED(
        file->Load((exists(shortcuts[0]) ? shortcuts[0] : shortcuts[1]).c_str(), STGM_READ)));
    link->GetPath(target, MAX_PATH, nullptr, 0);
    link->GetWorkingDirectory(workingFolder, MAX_PATH);
    file->Release();
    link->Release();
    EXPECT_EQ(CompareStringOrdinal(target, -1, program.c_str(), -1, TRUE), CSTR_EQUAL);
    EXPECT_EQ(workingFolder, folder(CSIDL_PERSONAL) + L"\\");

    ASSERT_EQ(install(L"LUMORA_INSTALLER", L"REMOVE=ALL"), 0u);
    EXPECT_TRUE(installedVersions().empty());
    EXPECT_FALSE(exists(program));
    EXPECT_FALSE(exists(shortcuts[0]) || exists(shortcuts[1]));
    CoUninitialize();
}

}  // namespace
}  // namespace lumora::testing
