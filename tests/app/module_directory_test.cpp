// The executable's directory, split double-byte aware under code page 932 and under a single-byte code
// page: trail bytes equal to "\", paths at the 260-byte limit, and buffers too small for the path.
#include "app/module_directory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

bool codePage932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
bool singleByteCodePage(unsigned char) { return false; }

// 259 bytes, the longest path MAX_PATH holds: 256 bytes of directory after the drive.
const std::string LONG_DIRECTORY = "C:\\" + std::string(240, 'd') + "\\" + std::string(13, 'e') + "\\";

TEST(DirectoryOfPath, KeepsEverythingUpToTheLastRealSeparator)
{
    const std::tuple<std::string, LeadByteTest, std::string> cases[] = {  // path, code page, directory
        {"C:\\Program Files\\Qen\\ormelin.exe", codePage932LeadByte, "C:\\Program Files\\Qen\\"},
        {"C:/tools/ormelin.exe", codePage932LeadByte, "C:/tools/"},
        {"C:\\\x95\x5C\\ormelin.exe", codePage932LeadByte, "C:\\\x95\x5C\\"},  // a trail byte "\"
        {"C:\\dir\\\x95\x5C.exe", codePage932LeadByte, "C:\\dir\\"},
        {"C:\\dir\\\x95\x5C.exe", singleByteCodePage, "C:\\dir\\\x95\x5C"},
        {std::string("C:\\d\\\x95\0\\x\\y", 11), codePage932LeadByte, "C:\\d\\"},  // a lead byte at the end
        {"\\\\server\\share\\ormelin.exe", codePage932LeadByte, "\\\\server\\share\\"},
        {"C:ormelin.exe", codePage932LeadByte, "C:"},
        {"ormelin.exe", codePage932LeadByte, ""},
        {LONG_DIRECTORY + "o", codePage932LeadByte, LONG_DIRECTORY},
    };
    for (const auto& [path, isLeadByte, directory] : cases) {
        char buffer[MAX_PATH];
        directoryOfPath(path.data(), isLeadByte, buffer, sizeof buffer);
        EXPECT_EQ(std::string(buffer), directory) << path;
    }
}

TEST(DirectoryOfPath, NeverWritesPastTheBuffer)
{
    char buffer[9] = "xxxxxxxx";
    directoryOfPath("C:\\a\\", codePage932LeadByte, buffer, 0);
    EXPECT_STREQ(buffer, "xxxxxxxx") << "a buffer of no size is not written";
    directoryOfPath("C:\\a\\b\\c\\d\\e.exe", codePage932LeadByte, buffer, 7);
    EXPECT_STREQ(buffer, "C:\\a\\b");
    EXPECT_EQ(buffer[7], 'x');
    directoryOfPath("C:\\ab\\x.exe", codePage932LeadByte, buffer, 6);  // a directory as long as the buffer
    EXPECT_STREQ(buffer, "C:\\ab");
}

}  // namespace
