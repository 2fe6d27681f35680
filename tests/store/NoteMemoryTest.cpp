// The memory the notes and the map's nodes are cut from.
#include "store/NoteMemory.h"

#include "tests/store/NoteFactory.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Block {
    unsigned char* data;
    std::size_t size;
};

// Sizes of every kind: small, a note's, the largest pooled, and past it.
const std::size_t kSizes[] = {
    8, 24, 48, 280, 320, 368, CNoteMemory::kLargestBlock, CNoteMemory::kLargestBlock + 1, 4000};

TEST(NoteMemory, BlocksOfEverySizeStayApartAcrossManyChunks) {
    std::vector<Block> blocks;
    // Some 12 MB: the first chunk and several after it.
    for (int i = 0; i < 30000; ++i) {
        const std::size_t size = kSizes[static_cast<std::size_t>(i) % std::size(kSizes)];
        auto* data = static_cast<unsigned char*>(CNoteMemory::Allocate(size));
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(data) % 16, 0u) << size;
        std::memset(data, i % 251, size);
        blocks.push_back({data, size});
    }
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& b = blocks[i];
        const auto fill = static_cast<unsigned char>(i % 251);
        ASSERT_EQ(b.data[0], fill) << "block " << i;
        ASSERT_EQ(b.data[b.size - 1], fill) << "block " << i;
    }
    for (const Block& b : blocks)
        CNoteMemory::Free(b.data, b.size);
}

#if !defined(__SANITIZE_ADDRESS__) // the address checker's build takes every block from the heap

TEST(NoteMemory, ANoteMadeAfterOneIsDeletedTakesItsPlace) {
    // Each kind is freed as its own size, so its block comes back for the
    // next note of that kind, and a note of another size never gets it.
    CTestClock clock(COleDateTime(2026, 12, 8, 9, 30, 0));
    const COleDateTime start(2026, 12, 24, 18, 0, 0);
    auto memo = MakeMemo("memo", start);
    auto oneTime = MakeOneTime("once", start);
    auto repeated = MakeRepeated("weekly", start, kRepeatWeek);
    const void* memoPlace = memo.get();
    const void* oneTimePlace = oneTime.get();
    const void* repeatedPlace = repeated.get();
    repeated.reset();
    oneTime.reset();
    memo.reset();
    auto nextMemo = MakeMemo("memo", start);
    auto nextRepeated = MakeRepeated("weekly", start, kRepeatWeek);
    auto nextOneTime = MakeOneTime("once", start);
    EXPECT_EQ(nextMemo.get(), memoPlace);
    EXPECT_EQ(nextOneTime.get(), oneTimePlace);
    EXPECT_EQ(nextRepeated.get(), repeatedPlace);

    std::pmr::memory_resource* nodes = CNoteMemory::Resource();
    void* node = nodes->allocate(48, alignof(void*));
    nodes->deallocate(node, 48, alignof(void*));
    EXPECT_EQ(nodes->allocate(48, alignof(void*)), node);
    nodes->deallocate(node, 48, alignof(void*));
}

#endif

} // namespace
