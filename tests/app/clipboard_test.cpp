// Copy's failure paths, each system call made to fail in turn: the clipboard is always closed
// once opened, and memory the clipboard did not take is always freed.
#include "app/clipboard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

enum class FailAt { Nothing, Open, Alloc, Lock, SetData };

// The clipboard as these tests see it: what was asked and what is still held.
struct Ledger {
    FailAt failAt = FailAt::Nothing;
    int opened = 0, closed = 0, emptied = 0, allocated = 0, freed = 0, taken = 0, locks = 0;
    char memory[64] = {};
    std::string placed;
} ledger;

BOOL WINAPI open(HWND) { return ledger.failAt == FailAt::Open ? FALSE : (++ledger.opened, TRUE); }
BOOL WINAPI empty() { return ++ledger.emptied, TRUE; }
BOOL WINAPI close() { return ++ledger.closed, TRUE; }

HGLOBAL WINAPI allocate(UINT flags, SIZE_T size)
{
    EXPECT_EQ(flags, static_cast<UINT>(GMEM_DDESHARE));
    EXPECT_LE(size, sizeof ledger.memory);
    return ledger.failAt == FailAt::Alloc ? nullptr : (++ledger.allocated, ledger.memory);
}

LPVOID WINAPI lock(HGLOBAL memory) { return ledger.failAt == FailAt::Lock ? nullptr : (++ledger.locks, memory); }
BOOL WINAPI unlock(HGLOBAL) { return --ledger.locks, TRUE; }
HGLOBAL WINAPI release(HGLOBAL) { return ++ledger.freed, nullptr; }

HANDLE WINAPI setData(UINT format, HANDLE memory)
{
    EXPECT_EQ(format, static_cast<UINT>(CF_TEXT));
    if (ledger.failAt == FailAt::SetData) {
        return nullptr;
    }
    ++ledger.taken;
    ledger.placed = static_cast<const char*>(memory);
    return memory;
}

const ClipboardCalls FAKE_CLIPBOARD = {open, empty, allocate, lock, unlock, setData, close, release};

struct FailureCase {
    FailAt failAt;
    int opened, allocated, freed, taken;
};

TEST(CopyTextToClipboard, EveryPathClosesTheClipboardAndFreesWhatItKeeps)
{
    const FailureCase cases[] = {
        {FailAt::Nothing, 1, 1, 0, 1},
        {FailAt::Open, 0, 0, 0, 0},
        {FailAt::Alloc, 1, 0, 0, 0},
        {FailAt::Lock, 1, 1, 1, 0},
        {FailAt::SetData, 1, 1, 1, 0},
    };
    for (const FailureCase& c : cases) {
        ledger = Ledger{};
        ledger.failAt = c.failAt;
        copyTextToClipboard(nullptr, "#123456", FAKE_CLIPBOARD);
        SCOPED_TRACE(static_cast<int>(c.failAt));
        EXPECT_EQ(ledger.opened, c.opened);
        EXPECT_EQ(ledger.closed, ledger.opened) << "the clipboard was left open";
        EXPECT_EQ(ledger.emptied, ledger.opened);
        EXPECT_EQ(ledger.allocated, c.allocated);
        EXPECT_EQ(ledger.freed, c.freed);
        EXPECT_EQ(ledger.taken, c.taken);
        EXPECT_EQ(ledger.allocated, ledger.freed + ledger.taken) << "memory leaked or freed twice";
        EXPECT_EQ(ledger.locks, 0);
        EXPECT_EQ(ledger.placed, c.taken != 0 ? "#123456" : "");
    }
}

TEST(CopyTextToClipboard, TheRealClipboardReceivesTheTextWithItsTerminator)
{
    copyTextToClipboard(nullptr, "H:210 S:79 B:34");
    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "H:210 S:79 B:34");
    GlobalUnlock(data);
    CloseClipboard();
}

}  // namespace
