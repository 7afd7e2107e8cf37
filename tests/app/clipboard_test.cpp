// Copy's failure paths, each system call made to fail in turn: the clipboard is always closed once
// opened, and memory the clipboard did not take is always freed. The commands' tests use the real one.
#include "app/clipboard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum class FailAt { Nothing, Open, Alloc, Lock, SetData };

// The clipboard as these tests see it: what was asked of it and what it still holds.
struct Ledger {
    FailAt failAt = FailAt::Nothing;
    int opened = 0, closed = 0, emptied = 0, allocated = 0, freed = 0, locks = 0;
    char memory[64] = {};
    std::string placed;
} ledger;

BOOL WINAPI open(HWND) { return ledger.failAt == FailAt::Open ? FALSE : (++ledger.opened, TRUE); }
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
    const ClipboardCalls failing = {open, empty, allocate, lock, unlock, setData, close, release};
    const std::tuple<FailAt, int, int, const char*> cases[] = {  // fails at; opened, freed, placed
        {FailAt::Nothing, 1, 0, "#123456"},
        {FailAt::Open, 0, 0, ""},
        {FailAt::Alloc, 1, 0, ""},
        {FailAt::Lock, 1, 1, ""},
        {FailAt::SetData, 1, 1, ""},
    };
    for (const auto& [failAt, opened, freed, placed] : cases) {
        ledger = Ledger{};
        ledger.failAt = failAt;
        copyTextToClipboard(nullptr, "#123456", failing);
        SCOPED_TRACE(static_cast<int>(failAt));
        EXPECT_EQ(ledger.opened, opened);
        EXPECT_EQ(ledger.closed, opened) << "the clipboard was left open";
        EXPECT_EQ(ledger.emptied, opened);
        EXPECT_EQ(ledger.freed, freed);
        EXPECT_EQ(ledger.locks, 0);
        EXPECT_EQ(ledger.placed, placed);
    }
}

}  // namespace
