// The shipped Lumora.exe carries the program's icon. It is read as data, so a
// 64-bit test can check it.
#include <gtest/gtest.h>
#include <windows.h>

namespace lumora::testing {
namespace {

TEST(ProgramFile, CarriesTheProgramsIcon) {
    wchar_t path[MAX_PATH] = {};
    GetEnvironmentVariableW(L"LUMORA_PROGRAM_FILE", path, MAX_PATH);
    HMODULE program =
        LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    EXPECT_NE(FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)),  // RT_GROUP_ICON
              nullptr);
    FreeLibrary(program);
}

}  // namespace
}  // namespace lumora::testing
