// The memory the notes and the map's nodes are cut from.
#include "store/NoteMemory.h"

#include "tests/store/NoteFactory.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <string>
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

#if defined(__SANITIZE_ADDRESS__)

// The address checker's build keeps a deleted note's block out of bounds
// until the next note of its size takes it.
TEST(NoteMemoryDeathTest, ANoteReadAfterItWasDeletedIsCaught) {
    CTestClock clock(COleDateTime(2026, 12, 8, 9, 30, 0));
    auto memo = MakeMemo("memo", COleDateTime(2026, 12, 24, 18, 0, 0));
    const volatile int* id = &memo->m_nID;
    memo.reset();
    EXPECT_DEATH(static_cast<void>(*id), "use-after-poison");
}

#else // the address checker brings a heap of its own

// Whether a block of a megabyte gets a mapping of its own, as the heap gives
// one to any block that large when left to itself.
bool MegabyteIsMappedAlone() {
    const std::size_t before = mallinfo2().hblks;
    void* block = std::malloc(1024 * 1024);
    const bool mapped = mallinfo2().hblks > before;
    std::free(block);
    return mapped;
}

TEST(NoteMemory, TheTextHeapHoldsALargeFilesTextAndGivesTheRestBack) {
    // The heap's fixed threshold, which it otherwise raises as blocks come and go.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    std::vector<std::string> texts;
    {
        const CNoteMemory::CTextHeap heap(24 * 1024 * 1024);
        // The stretch is there: even a megabyte block is served from it.
        EXPECT_FALSE(MegabyteIsMappedAlone());
        // A store's worth of bodies of a few hundred bytes.
        for (int i = 0; i < 40000; ++i)
            texts.push_back(std::string(200 + i % 200, static_cast<char>('a' + i % 26)));
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(texts[i].size(), 200 + i % 200);
        ASSERT_EQ(texts[i].back(), static_cast<char>('a' + i % 26));
    }
    texts = {};
    // A large block freed lets the heap give its unused top back.
    std::free(std::malloc(256 * 1024));
    EXPECT_LT(mallinfo2().keepcost, 2u * 1024 * 1024);
}

#endif

} // namespace
