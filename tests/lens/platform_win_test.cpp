// The lens rules on the real Win32 platform, under Wine: pixels read from the live screen and
// the value font as GDI stores it. (Fitting a real window is tested through the Fit command.)
#include "lens/platform_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "hex_color.h"
#include "lens/app_state.h"
#include "lens/lens_frame.h"
#include "lens/navigation.h"

namespace {

constexpr ColorRef PAINTED = 0x00563412;

class Win32Platform : public testing::Test {
protected:
    void SetUp() override
    {
        appState = AppState{};
        usePlatform(win32Platform());
        appState.desktopWindow = GetDesktopWindow();
    }

    static ATOM registerClass(const char* name, HBRUSH background)
    {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = name;
        return RegisterClassExA(&windowClass);
    }

    static void pumpMessages()
    {
        for (int round = 0; round < 20; ++round) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageA(&message);
            }
            Sleep(10);
        }
    }
};

TEST_F(Win32Platform, SamplePixelOnNoDisplayIsTheFailureValue)
{
    EXPECT_EQ(HexColor{samplePixel({65000, 10})}, HexColor{0xFFFFFFFF});
    EXPECT_EQ(HexColor{samplePixel({10, 65000})}, HexColor{0xFFFFFFFF});
}

TEST_F(Win32Platform, SamplePixelReadsWhatIsOnTheScreen)
{
    const HBRUSH brush = CreateSolidBrush(PAINTED);
    ASSERT_NE(registerClass("SamplePixelTarget", brush), 0);
    const HWND window = CreateWindowExA(WS_EX_TOPMOST, "SamplePixelTarget", "", WS_POPUP | WS_VISIBLE,
                                       40, 30, 60, 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    pumpMessages();

    EXPECT_EQ(HexColor{samplePixel({40, 30})}, HexColor{PAINTED});
    EXPECT_EQ(HexColor{samplePixel({99, 69})}, HexColor{PAINTED});

    DestroyWindow(window);
    UnregisterClassA("SamplePixelTarget", GetModuleHandleA(nullptr));
    DeleteObject(brush);
}

TEST_F(Win32Platform, ValueFontIsCreatedFromItsLogFont)
{
    const GdiObject font = platform().CreateFontIndirectA(valueFontSpec());
    ASSERT_NE(font, nullptr);
    LOGFONTA stored{};
    ASSERT_EQ(GetObjectA(static_cast<HGDIOBJ>(font), sizeof stored, &stored), static_cast<int>(sizeof stored));
    EXPECT_EQ(stored.lfHeight, -13);
    EXPECT_EQ(stored.lfWidth | stored.lfEscapement | stored.lfOrientation, 0);
    EXPECT_EQ(stored.lfWeight, FW_BOLD);
    EXPECT_EQ(stored.lfItalic | stored.lfUnderline | stored.lfStrikeOut, 0);
    EXPECT_EQ(stored.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(stored.lfOutPrecision, OUT_STRING_PRECIS);
    EXPECT_EQ(stored.lfClipPrecision, CLIP_STROKE_PRECIS);
    EXPECT_EQ(stored.lfQuality, DRAFT_QUALITY);
    EXPECT_EQ(stored.lfPitchAndFamily, VARIABLE_PITCH | FF_SWISS);
    EXPECT_STREQ(stored.lfFaceName, "System");
    EXPECT_TRUE(platform().DeleteObject(font));
}

}  // namespace
