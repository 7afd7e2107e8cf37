// DLLs come from the system folder alone: a DLL that a browser left beside the program in Downloads
// must not be loaded in place of a system one, neither by the program nor by the system DLLs it loads.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/system_function.h"

namespace {

// planted.dll lies beside the test program, which stands in for the picker.
TEST(SystemDlls, ADllBesideTheProgramIsNotLoadedOnFirstUseNorAfterStartUp)
{
    EXPECT_EQ(systemFunction<void()>("planted.dll", "planted"), nullptr) << "a command loaded it";
    ASSERT_TRUE(FreeLibrary(LoadLibraryA("planted.dll"))) << "the DLL is missing: the test would prove nothing";
    loadDllsFromSystemFolderOnly();
    EXPECT_EQ(LoadLibraryA("planted.dll"), nullptr) << "a system DLL could load it by name";
}

}  // namespace
