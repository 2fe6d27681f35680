#include "store/NoteMemory.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>
#include <thread>

#include <malloc.h>
#include <sys/mman.h>

// gcc names the address checker with a macro, clang (the fuzzers) with a feature.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NOTE_MEMORY_CHECKED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(NOTE_MEMORY_CHECKED)
#include <sanitizer/asan_interface.h>
#define NOTE_MEMORY_POISON(block, size) ASAN_POISON_MEMORY_REGION(block, size)
#define NOTE_MEMORY_UNPOISON(block, size) ASAN_UNPOISON_MEMORY_REGION(block, size)
#else
#define NOTE_MEMORY_POISON(block, size) ((void)(block), (void)(size))
#define NOTE_MEMORY_UNPOISON(block, size) ((void)(block), (void)(size))
#endif

namespace {

constexpr std::size_t kChunk = 2 * 1024 * 1024; // one huge page
// The first chunk keeps small pages, so that a store of a few notes takes a
// few pages; it holds some eight hundred notes.
constexpr std::size_t kFirstChunk = 256 * 1024;
constexpr std::size_t kGrain = 16; // block sizes round up to this

// Guards the pool. The blocks are taken and given back in a few instructions,
// far fewer than a mutex costs even when no other thread wants it, and a
// large store takes and frees some hundred thousand of them.
class CSpinLock {
public:
    void lock() noexcept {
        while (m_flag.test_and_set(std::memory_order_acquire))
            while (m_flag.test(std::memory_order_relaxed))
                std::this_thread::yield();
    }
    void unlock() noexcept { m_flag.clear(std::memory_order_release); }

private:
    std::atomic_flag m_flag;
};

class CBlockPool {
public:
    void* Allocate(std::size_t size) {
        const std::size_t sizeClass = ClassOf(size);
        const std::lock_guard lock(m_lock);
        if (FreeBlock* block = m_free[sizeClass]) {
            NOTE_MEMORY_UNPOISON(block, sizeClass * kGrain);
            m_free[sizeClass] = block->next;
            return block;
        }
        const std::size_t bytes = sizeClass * kGrain;
        if (static_cast<std::size_t>(m_end - m_next) < bytes) NewChunk();
        void* block = m_next;
        m_next += bytes;
        return block;
    }

    void Free(void* block, std::size_t size) noexcept {
        const std::size_t sizeClass = ClassOf(size);
        const std::lock_guard lock(m_lock);
        auto* freed = static_cast<FreeBlock*>(block);
        freed->next = m_free[sizeClass];
        m_free[sizeClass] = freed;
        // Under the address checker a freed block stays out of bounds until
        // it is handed out again: a note read after it was deleted is caught.
        NOTE_MEMORY_POISON(block, sizeClass * kGrain);
    }

    // The next chunk is a huge one even when it is the first.
    void SkipSmallChunk() {
        const std::lock_guard lock(m_lock);
        m_bSmallChunkDone = true;
    }

private:
    struct FreeBlock {
        FreeBlock* next;
    };

    static std::size_t ClassOf(std::size_t size) { return (size + kGrain - 1) / kGrain; }

    // The rest of the current chunk (less than one block) is left unused.
    void NewChunk() {
        const bool huge = m_bSmallChunkDone;
        char* start = huge ? MapHugeChunk() : Map(kFirstChunk);
        m_bSmallChunkDone = true;
        m_next = start;
        m_end = start + (huge ? kChunk : kFirstChunk);
    }

    static char* Map(std::size_t size) {
        void* mapped =
            mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED) throw std::bad_alloc();
        return static_cast<char*>(mapped);
    }

    // A chunk on a 2 MB boundary, as a huge page needs.
    static char* MapHugeChunk() {
        // Twice the size, so that a boundary falls inside; the rest goes back.
        char* base = Map(2 * kChunk);
        const auto address = reinterpret_cast<std::uintptr_t>(base);
        char* start = base + (kChunk - address % kChunk) % kChunk;
        if (start > base) munmap(base, static_cast<std::size_t>(start - base));
        munmap(start + kChunk, static_cast<std::size_t>(base + 2 * kChunk - (start + kChunk)));
#ifdef MADV_HUGEPAGE
        madvise(start, kChunk, MADV_HUGEPAGE);
#endif
        return start;
    }

    CSpinLock m_lock;
    std::array<FreeBlock*, CNoteMemory::kLargestBlock / kGrain + 1> m_free{};
    char* m_next = nullptr;
    char* m_end = nullptr;
    bool m_bSmallChunkDone = false;
};

// Never destroyed: notes held by objects that outlive them are still freed
// into them. The map's nodes have a pool of their own, so that they lie side
// by side in the order they were added and a walk over every note in ID
// order reads them from a few pages rather than from between the notes.
CBlockPool& NotePool() {
    static CBlockPool* const pool = new CBlockPool;
    return *pool;
}
CBlockPool& NodePool() {
    static CBlockPool* const pool = new CBlockPool;
    return *pool;
}

bool IsPooled(std::size_t size) {
    return size <= CNoteMemory::kLargestBlock;
}

void* AllocateFrom(CBlockPool& pool, std::size_t size) {
    return IsPooled(size) ? pool.Allocate(size) : ::operator new(size);
}

void FreeInto(CBlockPool& pool, void* block, std::size_t size) noexcept {
    if (!block) return;
    if (IsPooled(size))
        pool.Free(block, size);
    else
        ::operator delete(block);
}

class CNoteResource : public std::pmr::memory_resource {
private:
    void* do_allocate(std::size_t bytes, std::size_t alignment) override {
        if (alignment > kGrain) return ::operator new(bytes, std::align_val_t(alignment));
        return AllocateFrom(NodePool(), bytes);
    }
    void do_deallocate(void* block, std::size_t bytes, std::size_t alignment) override {
        if (alignment > kGrain)
            ::operator delete(block, std::align_val_t(alignment));
        else
            FreeInto(NodePool(), block, bytes);
    }
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
        return this == &other;
    }
};

} // namespace

void CNoteMemory::ExpectStore(std::size_t fileBytes) {
    // The first chunk holds some eight hundred notes and five thousand map
    // nodes, from files of a few hundred kilobytes.
    if (fileBytes < kFirstChunk) return;
    NotePool().SkipSmallChunk();
    NodePool().SkipSmallChunk();
}

void* CNoteMemory::Allocate(std::size_t size) {
    return AllocateFrom(NotePool(), size);
}

void CNoteMemory::Free(void* block, std::size_t size) noexcept {
    FreeInto(NotePool(), block, size);
}

CNoteMemory::CTextHeap::CTextHeap(std::size_t bytes) {
#if defined(__GLIBC__)
    // Below this nothing is won; above it the heap may not hand out one block.
    constexpr std::size_t kSmallest = 4 * kChunk;
    constexpr std::size_t kLargest = 30 * 1024 * 1024;
    if (bytes < kSmallest) return;
    bytes = std::min(bytes, kLargest);
    // One block from the top of the heap, which grows the heap to hold it;
    // its whole huge pages are marked, and freed it stays there for the
    // text, as the heap keeps its top until the reading is done.
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(bytes + kChunk));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * bytes));
    m_bPrepared = true;
    char* block = static_cast<char*>(std::malloc(bytes));
    if (!block) return;
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (address + kChunk - 1) / kChunk * kChunk;
    const std::uintptr_t end = (address + bytes) / kChunk * kChunk;
#ifdef MADV_HUGEPAGE
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
    std::free(block);
#else
    (void)bytes;
#endif
}

CNoteMemory::CTextHeap::~CTextHeap() {
#if defined(__GLIBC__)
    // The heap's own thresholds again: unused memory at its top goes back.
    if (!m_bPrepared) return;
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
#endif
}

std::pmr::memory_resource* CNoteMemory::Resource() {
    static CNoteResource* const resource = new CNoteResource;
    return resource;
}
