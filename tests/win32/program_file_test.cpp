// The shipped Lumora.exe as a file: a 32-bit GUI program with its icon. It
// is read as data, so a 64-bit test can check it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lumora::testing {
namespace {

std::wstring programPath() {
    wchar_t path[MAX_PATH] = {};
    GetEnvironmentVariableW(L"LUMORA_PROGRAM_FILE", path, MAX_PATH);
    return path;
}

constexpr DWORD kAsData = LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;

template <typename Value>
Value readAt(const std::vector<char>& bytes, std::size_t offset) {
    Value value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

TEST(ProgramFile, IsA32BitWindowsGuiProgram) {
    std::ifstream file(std::filesystem::path(programPath()), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
    ASSERT_GT(bytes.size(), 1024u);
    ASSERT_EQ(std::string(bytes.data(), 2), "MZ");
    const auto header = readAt<std::uint32_t>(bytes, 0x3C);
    ASSERT_EQ(std::string(bytes.data() + header, 4), std::string("PE\0\0", 4));
    EXPECT_EQ(readAt<std::uint16_t>(bytes, header + 4), IMAGE_FILE_MACHINE_I386);
    const std::size_t optional = header + 24;
    EXPECT_EQ(readAt<std::uint16_t>(bytes, optional), IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(readAt<std::uint16_t>(bytes, optional + 68), IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

TEST(ProgramFile, CarriesTheProgramsIcon) {
    HMODULE program = LoadLibraryExW(programPath().c_str(), nullptr, kAsData);
    ASSERT_NE(program, nullptr);
    EXPECT_NE(FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)),  // RT_GROUP_ICON
              nullptr);
    FreeLibrary(program);
}

}  // namespace
}  // namespace lumora::testing
