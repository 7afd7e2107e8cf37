// The executable's directory, split double-byte aware under code page 932 and under a single-byte
// code page, including paths at the 260-byte limit and trail bytes equal to "\".
#include "app/module_directory.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "app/commands.h"
#include "lens/app_state.h"

namespace {

bool codePage932LeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
bool singleByteCodePage(unsigned char) { return false; }

struct PathCase {
    std::string path;
    LeadByteTest isLeadByte;
    std::string directory;
};

// "\x95\x5C" is a code page 932 character whose trail byte is "\".
const std::string LONG_DIRECTORY = "C:\\" + std::string(240, 'd') + "\\" + std::string(13, 'e') + "\\";

const PathCase PATH_CASES[] = {
    {"C:\\Program Files\\Qen\\ormelin.exe", codePage932LeadByte, "C:\\Program Files\\Qen\\"},
    {"C:/tools/ormelin.exe", codePage932LeadByte, "C:/tools/"},
    {"C:\\\x95\x5C\\ormelin.exe", codePage932LeadByte, "C:\\\x95\x5C\\"},
    {"C:\\dir\\\x95\x5C.exe", codePage932LeadByte, "C:\\dir\\"},
    {"C:\\dir\\\x95\x5C.exe", singleByteCodePage, "C:\\dir\\\x95\x5C"},
    {"\\\\server\\share\\ormelin.exe", codePage932LeadByte, "\\\\server\\share\\"},
    {"C:ormelin.exe", codePage932LeadByte, "C:"},
    {"ormelin.exe", codePage932LeadByte, ""},
    {"", codePage932LeadByte, ""},
    {"C:\\dir\\\x95", codePage932LeadByte, "C:\\dir\\"},  // a lead byte with no trail
    // 259 bytes, the longest a 260-byte buffer holds: 256 bytes of directory after the drive.
    {LONG_DIRECTORY + "o", codePage932LeadByte, LONG_DIRECTORY},
};

TEST(DirectoryOfPath, KeepsEverythingUpToTheLastRealSeparator)
{
    ASSERT_EQ((LONG_DIRECTORY + "o").size(), 259u);
    for (const PathCase& c : PATH_CASES) {
        char buffer[MAX_PATH];
        std::memset(buffer, 'x', sizeof buffer);
        directoryOfPath(c.path.c_str(), c.isLeadByte, buffer, sizeof buffer);
        EXPECT_EQ(std::string(buffer), c.directory) << c.path;
    }
}

TEST(DirectoryOfPath, NeverWritesPastTheBuffer)
{
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    directoryOfPath("C:\\a\\b\\c\\d\\e.exe", codePage932LeadByte, buffer, 7);
    EXPECT_EQ(std::strlen(buffer), 6u);
    EXPECT_EQ(buffer[7], 'x');
    directoryOfPath("C:\\a\\", codePage932LeadByte, buffer, 0);
    EXPECT_EQ(buffer[0], 'C') << "a buffer of no size is not written";
}

TEST(ModuleDirectory, IsTheRunningExecutablesFolder)
{
    appState.instance = GetModuleHandleA(nullptr);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char directory[MAX_PATH];
    moduleDirectory(directory);
    const std::string full = path;
    EXPECT_EQ(std::string(directory), full.substr(0, full.find_last_of("\\/") + 1));
}

}  // namespace
