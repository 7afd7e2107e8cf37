// The resources read back from the built ormelin.exe: menu texts, ids and states, accelerators,
// strings, both dialog templates control by control, the icon group and the version block.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "resource_ids.h"

namespace {

constexpr WORD JAPANESE = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

class BuiltProgram : public testing::Test {
protected:
    static HMODULE program;

    static void SetUpTestSuite()
    {
        char path[MAX_PATH];
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string name(path, length);
        name = name.substr(0, name.find_last_of("\\/") + 1) + "ormelin.exe";
        program = LoadLibraryExA(name.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }

    static void TearDownTestSuite() { FreeLibrary(program); }

    void SetUp() override { ASSERT_NE(program, nullptr) << "cannot load ormelin.exe"; }

    // The bytes of a Japanese resource, which must exist.
    static const BYTE* resource(LPCWSTR type, WORD id, DWORD* size = nullptr)
    {
        const HRSRC found = FindResourceExW(program, type, MAKEINTRESOURCEW(id), JAPANESE);
        if (found == nullptr) {
            return nullptr;
        }
        if (size != nullptr) {
            *size = SizeofResource(program, found);
        }
        return static_cast<const BYTE*>(LockResource(LoadResource(program, found)));
    }
};

HMODULE BuiltProgram::program = nullptr;

struct MenuEntry {
    int depth;           // 0 for the bar, 1 for a popup's items, 2 for the submenu's
    const wchar_t* text; // nullptr for a separator
    UINT id;             // 0 for a popup
    bool checked;
};

const MenuEntry MAIN_MENU[] = {
    {0, L"表示(&V)", 0, false},
    {1, L"表示する値(&V)", 0, false},
    {2, L"スクリーン座標(&L)", MODE_SCREEN_COORDS, false},
    {2, L"COLORREF値(&C)", MODE_COLORREF, false},
    {2, L"HTML表記(&H)", MODE_HTML, true},
    {2, L"RGB値(&R)", MODE_RGB, false},
    {2, L"HSB値(&S)", MODE_HSB, false},
    {1, L"色を反転する(&N)", CMD_INVERT, false},
    {1, L"常に手前に表示(&O)", CMD_ALWAYS_ON_TOP, true},
    {1, nullptr, 0, false},
    {1, L"色の作成(&M)...\tCtrl+M", CMD_CREATE_COLOR, false},
    {1, L"カラーチャート(&H)...\tCtrl+H", CMD_COLOR_CHART, false},
    {1, nullptr, 0, false},
    {1, L"値をコピー(&C)\tCtrl+C", CMD_COPY_VALUE, false},
    {1, nullptr, 0, false},
    {1, L"サイズの最適化(&F)\tCtrl+F", CMD_FIT_SIZE, false},
    {1, nullptr, 0, false},
    {1, L"終了(&X)", CMD_EXIT, false},
    {0, L"ヘルプ(&H)", 0, false},
    {1, L"お読み下さい(&R)\tF1", CMD_README, false},
    {1, L"Qen のホーム ページ(&H)", CMD_HOME_PAGE, false},
    {1, nullptr, 0, false},
    {1, L"バージョン情報(&A)...", CMD_ABOUT, false},
};

void flattenMenu(HMENU menu, int depth, std::vector<MenuEntry>& entries, std::vector<std::wstring>& texts)
{
    for (int index = 0; index < GetMenuItemCount(menu); ++index) {
        wchar_t text[64] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = 64;
        GetMenuItemInfoW(menu, index, TRUE, &item);
        const bool separator = (item.fType & MFT_SEPARATOR) != 0;
        texts.emplace_back(separator ? L"" : text);
        EXPECT_TRUE(separator || (item.fState & MFS_GRAYED) == 0) << "no item starts greyed";
        entries.push_back({depth, separator ? nullptr : texts.back().c_str(), item.hSubMenu ? 0 : item.wID,
                           (item.fState & MFS_CHECKED) != 0});
        if (item.hSubMenu != nullptr) {
            flattenMenu(item.hSubMenu, depth + 1, entries, texts);
        }
    }
}

TEST_F(BuiltProgram, MenuHasEveryItemWithItsTextIdAndCheckMark)
{
    ASSERT_NE(resource(reinterpret_cast<LPCWSTR>(RT_MENU), RES_MAIN), nullptr);
    const HMENU menu = LoadMenuW(program, MAKEINTRESOURCEW(RES_MAIN));
    std::vector<MenuEntry> entries;
    std::vector<std::wstring> texts;
    texts.reserve(64);
    flattenMenu(menu, 0, entries, texts);
    DestroyMenu(menu);
    ASSERT_EQ(entries.size(), std::size(MAIN_MENU));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& expected = MAIN_MENU[i];
        SCOPED_TRACE(testing::Message() << "item " << i);
        EXPECT_EQ(entries[i].depth, expected.depth);
        EXPECT_EQ(entries[i].text == nullptr, expected.text == nullptr);
        if (expected.text != nullptr && entries[i].text != nullptr) {
            EXPECT_EQ(std::wstring(entries[i].text), std::wstring(expected.text));
        }
        EXPECT_EQ(entries[i].id, expected.id);
        EXPECT_EQ(entries[i].checked, expected.checked);
    }
}

TEST_F(BuiltProgram, AcceleratorsMapTheirKeysToTheCommands)
{
    const ACCEL expected[] = {
        {FALT | FNOINVERT, '/', CMD_ABOUT},
        {FALT | FNOINVERT, '?', CMD_ABOUT},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'C', CMD_COPY_VALUE},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'F', CMD_FIT_SIZE},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'H', CMD_COLOR_CHART},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'M', CMD_CREATE_COLOR},
        {FVIRTKEY | FNOINVERT, VK_F1, CMD_README},
        {FVIRTKEY | FNOINVERT, VK_F3, CMD_NEXT_MODE},
    };
    ASSERT_NE(resource(reinterpret_cast<LPCWSTR>(RT_ACCELERATOR), RES_MAIN), nullptr);
    const HACCEL table = LoadAcceleratorsW(program, MAKEINTRESOURCEW(RES_MAIN));
    ACCEL entries[16];
    const int count = CopyAcceleratorTableW(table, entries, 16);
    ASSERT_EQ(count, static_cast<int>(std::size(expected)));
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(entries[i].fVirt, expected[i].fVirt) << "entry " << i;
        EXPECT_EQ(entries[i].key, expected[i].key) << "entry " << i;
        EXPECT_EQ(entries[i].cmd, expected[i].cmd) << "entry " << i;
    }
    DestroyAcceleratorTable(table);
}

TEST_F(BuiltProgram, StringTableHoldsOnlyTheTitleAndTheClassName)
{
    wchar_t text[100];
    ASSERT_GT(LoadStringW(program, STR_WINDOW_TITLE, text, 100), 0);
    EXPECT_EQ(std::wstring(text), L"Qen Color Picker");
    ASSERT_GT(LoadStringW(program, STR_WINDOW_CLASS, text, 100), 0);
    EXPECT_EQ(std::wstring(text), L"ORMELIN");
    for (UINT id = 0; id < 0x1000; ++id) {
        if (id != STR_WINDOW_TITLE && id != STR_WINDOW_CLASS) {
            ASSERT_EQ(LoadStringW(program, id, text, 100), 0) << "string " << id;
        }
    }
}

// Reads a template's words, double words and texts in order.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* bytes) : start(bytes), at(bytes) {}
    WORD word() { return take<WORD>(); }
    DWORD dword() { return take<DWORD>(); }
    short coordinate() { return take<short>(); }
    BYTE byte() { return take<BYTE>(); }
    std::wstring text()
    {
        std::wstring result;
        for (WORD c = word(); c != 0; c = word()) {
            result += static_cast<wchar_t>(c);
        }
        return result;
    }
    // A name or ordinal: an ordinal comes back as "#<number>".
    std::wstring nameOrOrdinal()
    {
        const WORD first = take<WORD>();
        if (first == 0xFFFF) {
            return L"#" + std::to_wstring(word());
        }
        at -= sizeof(WORD);
        return text();
    }
    void alignToDword() { at = start + ((at - start + 3) & ~std::ptrdiff_t{3}); }

private:
    template <typename T> T take()
    {
        T value;
        std::memcpy(&value, at, sizeof value);
        at += sizeof value;
        return value;
    }
    const BYTE* start;
    const BYTE* at;
};

struct ControlSpec {
    DWORD id;
    const wchar_t* windowClass;
    const wchar_t* text;
    DWORD style, exStyle;
    short x, y, cx, cy;
};

struct DialogSpec {
    WORD id;
    DWORD style, exStyle;
    short x, y, cx, cy;
    const wchar_t* title;
    std::vector<ControlSpec> controls;
};

const DialogSpec DIALOGS[] = {
    {DLG_COLOR_CHART, 0x80C800C0, 0, 0, 0, 173, 175, L"カラーチャート",
     {{IDOK, L"#128", L"OK", 0x40010001, 0, 132, 7, 34, 14},
      {IDCANCEL, L"#128", L"ｷｬﾝｾﾙ", 0x50010000, 0, 132, 135, 34, 14},
      {CTL_CHART_RGB, L"#130", L"Static", 0x50020000, 0, 7, 138, 72, 8},
      {0xFFFFFFFF, L"#130", L"*** 好きな色をクリックして下さい。***", 0x50020201, 0x20000, 22, 153, 127, 15},
      {CTL_CHART_HTML, L"#130", L"Static", 0x50020000, 0, 87, 138, 41, 8}}},
    {DLG_ABOUT, 0x00C000C0, 0x80, 24, 24, 103, 62, L"バージョン情報",
     {{0xFFFFFFFF, L"#130", L"Qen Color Picker", 0x50020080, 0, 25, 7, 52, 8},
      {0xFFFFFFFF, L"#130", nullptr, 0x50020000, 0, 6, 27, 90, 8},  // the ownership notice
      {IDOK, L"#128", L"OK", 0x50030001, 0, 37, 41, 30, 14},
      {0xFFFFFFFF, L"#130", L"v.1.0.1.2", 0x50020000, 0, 40, 17, 23, 8}}},
};

TEST_F(BuiltProgram, DialogTemplatesHaveEveryControlAsLaidOut)
{
    for (const DialogSpec& dialog : DIALOGS) {
        SCOPED_TRACE(testing::Message() << "dialog " << dialog.id);
        const BYTE* bytes = resource(reinterpret_cast<LPCWSTR>(RT_DIALOG), dialog.id);
        ASSERT_NE(bytes, nullptr);
        TemplateReader read(bytes);
        EXPECT_EQ(read.word(), 1);       // extended template
        EXPECT_EQ(read.word(), 0xFFFF);
        EXPECT_EQ(read.dword(), 0u);     // help id
        EXPECT_EQ(read.dword(), dialog.exStyle);
        EXPECT_EQ(read.dword(), dialog.style);
        const WORD count = read.word();
        ASSERT_EQ(count, dialog.controls.size());
        EXPECT_EQ(read.coordinate(), dialog.x);
        EXPECT_EQ(read.coordinate(), dialog.y);
        EXPECT_EQ(read.coordinate(), dialog.cx);
        EXPECT_EQ(read.coordinate(), dialog.cy);
        EXPECT_EQ(read.nameOrOrdinal(), L"");  // no menu
        EXPECT_EQ(read.nameOrOrdinal(), L"");  // the default dialog class
        EXPECT_EQ(read.text(), dialog.title);
        EXPECT_EQ(read.word(), 9);             // point size
        EXPECT_EQ(read.word(), 0);             // weight
        EXPECT_EQ(read.byte(), 0);             // not italic
        EXPECT_EQ(read.byte(), DEFAULT_CHARSET);
        EXPECT_EQ(read.text(), L"ＭＳ Ｐゴシック");
        for (const ControlSpec& control : dialog.controls) {
            read.alignToDword();
            EXPECT_EQ(read.dword(), 0u);  // help id
            EXPECT_EQ(read.dword(), control.exStyle);
            EXPECT_EQ(read.dword(), control.style);
            EXPECT_EQ(read.coordinate(), control.x);
            EXPECT_EQ(read.coordinate(), control.y);
            EXPECT_EQ(read.coordinate(), control.cx);
            EXPECT_EQ(read.coordinate(), control.cy);
            EXPECT_EQ(read.dword(), control.id);
            EXPECT_EQ(read.nameOrOrdinal(), control.windowClass);
            const std::wstring text = read.nameOrOrdinal();
            if (control.text != nullptr) {
                EXPECT_EQ(text, control.text);
            } else {
                EXPECT_FALSE(text.empty());
            }
            EXPECT_EQ(read.word(), 0);  // no creation data
        }
    }
}

TEST_F(BuiltProgram, IconGroupHas32And16PixelImagesOf16Colours)
{
    DWORD size = 0;
    const BYTE* bytes = resource(reinterpret_cast<LPCWSTR>(RT_GROUP_ICON), ICO_MAIN, &size);
    ASSERT_NE(bytes, nullptr);
    TemplateReader read(bytes);
    EXPECT_EQ(read.word(), 0);
    EXPECT_EQ(read.word(), 1);  // icons
    ASSERT_EQ(read.word(), 2);
    for (BYTE edge : {32, 16}) {
        EXPECT_EQ(read.byte(), edge);   // width
        EXPECT_EQ(read.byte(), edge);   // height
        EXPECT_EQ(read.byte(), 16);     // colours
        read.byte();
        EXPECT_EQ(read.word(), 1);      // planes
        EXPECT_EQ(read.word(), 4);      // bits per pixel
        read.dword();
        read.word();
    }
    EXPECT_NE(LoadImageW(program, MAKEINTRESOURCEW(ICO_MAIN), IMAGE_ICON, 16, 16, 0), nullptr);
}

TEST_F(BuiltProgram, VersionBlockNamesTheProduct)
{
    DWORD size = 0;
    const BYTE* bytes = resource(reinterpret_cast<LPCWSTR>(RT_VERSION), 1, &size);
    ASSERT_NE(bytes, nullptr);
    std::vector<BYTE> copy(bytes, bytes + size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00010002u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00010002u);

    DWORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(*translation, 0x04B00411u);

    const std::pair<const wchar_t*, const wchar_t*> values[] = {
        {L"Comments", L"色々なところの色情報を得るツール"},
        {L"FileDescription", L"Qen Color Picker"},
        {L"ProductName", L"Qen Color Picker"},
        {L"FileVersion", L"1, 0, 1, 2"},
        {L"ProductVersion", L"1, 0, 1, 2"},
        {L"InternalName", L"ormelin"},
        {L"OriginalFilename", L"ORMELIN.EXE"},
        {L"LegalTrademarks", L"-"},
        {L"PrivateBuild", L"-"},
        {L"SpecialBuild", L"-"},
    };
    for (const auto& [key, expected] : values) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\041104b0\\") + key;
        wchar_t* value = nullptr;
        ASSERT_TRUE(VerQueryValueW(copy.data(), path.c_str(), reinterpret_cast<void**>(&value), &length));
        EXPECT_EQ(std::wstring(value), expected);
    }
    wchar_t* company = nullptr;
    ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\StringFileInfo\\041104b0\\CompanyName",
                               reinterpret_cast<void**>(&company), &length));
    EXPECT_EQ(std::wstring(company).rfind(L"Qen (", 0), 0u) << "the maker's name with a contact address";
}

}  // namespace
