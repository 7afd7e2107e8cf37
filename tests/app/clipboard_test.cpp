// Copy's failure paths, each system call made to fail in turn: a clipboard held by another program is
// tried again ten times, the clipboard is always closed once opened, and memory the clipboard did not
// take is always freed. The commands' tests use the real one.
#include "app/clipboard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum class FailAt { Nothing, Alloc, Lock, SetData };

// The clipboard as these tests see it: what was asked of it and what it still holds.
struct Ledger {
    FailAt failAt = FailAt::Nothing;
    int refusals = 0;  // tries to open that find the clipboard held by another program
    int opened = 0, closed = 0, emptied = 0, allocated = 0, freed = 0, locks = 0, waits = 0;
    char memory[64] = {};
    std::string placed;
} ledger;

BOOL WINAPI open(HWND) { return ledger.refusals > 0 ? (--ledger.refusals, FALSE) : (++ledger.opened, TRUE); }
void WINAPI wait(DWORD) { ++ledger.waits; }
BOOL WINAPI empty() { return ++ledger.emptied, TRUE; }
BOOL WINAPI close() { return ++ledger.closed, TRUE; }
LPVOID WINAPI lock(HGLOBAL memory) { return ledger.failAt == FailAt::Lock ? nullptr : (++ledger.locks, memory); }
BOOL WINAPI unlock(HGLOBAL) { return --ledger.locks, TRUE; }
HGLOBAL WINAPI release(HGLOBAL) { return ++ledger.freed, nullptr; }

HGLOBAL WINAPI allocate(UINT flags, SIZE_T size)
{
    EXPECT_EQ(flags, static_cast<UINT>(GMEM_DDESHARE));
    EXPECT_EQ(size, 8u) << "the text and its terminator";
    return ledger.failAt == FailAt::Alloc ? nullptr : (++ledger.allocated, ledger.memory);
}

HANDLE WINAPI setData(UINT format, HANDLE memory)
{
    EXPECT_EQ(format, static_cast<UINT>(CF_TEXT));
    if (ledger.failAt == FailAt::SetData) {
        return nullptr;
    }
    ledger.placed = static_cast<const char*>(memory);
    return memory;
}

TEST(CopyTextToClipboard, EveryPathClosesTheClipboardAndFreesWhatItKeeps)
{
    const ClipboardCalls failing = {open, empty, allocate, lock, unlock, setData, close, release, wait};
    struct Case { FailAt failAt; int refusals, opened, waits, freed; const char* placed; };
    const Case cases[] = {
        {FailAt::Nothing, 0, 1, 0, 0, "#123456"},
        {FailAt::Nothing, 9, 1, 9, 0, "#123456"},  // free at the last try
        {FailAt::Nothing, 10, 0, 9, 0, ""},        // held throughout: left alone
        {FailAt::Alloc, 0, 1, 0, 0, ""},
        {FailAt::Lock, 0, 1, 0, 1, ""},
        {FailAt::SetData, 0, 1, 0, 1, ""},
    };
    for (const Case& c : cases) {
        ledger = Ledger{};
        ledger.failAt = c.failAt;
        ledger.refusals = c.refusals;
        copyTextToClipboard(nullptr, "#123456", failing);
        SCOPED_TRACE(testing::Message() << "fails at " << static_cast<int>(c.failAt) << ", held for " << c.refusals);
        EXPECT_EQ(ledger.opened, c.opened);
        EXPECT_EQ(ledger.waits, c.waits);
        EXPECT_EQ(ledger.closed, c.opened) << "the clipboard was left open";
        EXPECT_EQ(ledger.emptied, c.opened);
        EXPECT_EQ(ledger.freed, c.freed);
        EXPECT_EQ(ledger.locks, 0);
        EXPECT_EQ(ledger.placed, c.placed);
    }
}

}  // namespace
