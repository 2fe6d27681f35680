#pragma once
// Where the notes and the note manager's map nodes live. A large store holds
// tens of thousands of them, and when it is loaded every page they land on is
// new to the process: with one heap allocation each, the notes alone cost a
// page fault for every few of them. Here they are cut from 2 MB chunks that
// the system may back with huge pages, a handful of faults for the whole
// store. A freed block goes on the list of its size and serves the next one
// of that size; the chunks stay with the program until it ends.

#include <cstddef>
#include <memory_resource>

class CNoteMemory {
public:
    // Blocks of up to this many bytes come from the chunks; larger ones from the heap.
    static constexpr std::size_t kLargestBlock = 512;

    static void* Allocate(std::size_t size);
    // size must be the size the block was allocated with.
    static void Free(void* block, std::size_t size) noexcept;
    // The same blocks for containers.
    static std::pmr::memory_resource* Resource();
    // A store is about to be read from a file of this many bytes (0: not
    // known). The first chunk has small pages, so that a store of a few notes
    // takes a few of them; a file large enough to fill it goes to huge pages
    // straight away, as its first notes would otherwise cost a fault every
    // few.
    static void ExpectStore(std::size_t fileBytes);

    // The notes' text stays on the ordinary heap. While one of these lives,
    // the heap holds a free stretch of about `bytes` (the size of the file
    // being read) that the system backs with huge pages as it is first used,
    // so that the text of a large store lands with a handful of page faults
    // rather than one every 4 KB. Small files are left to the heap as it is.
    class CTextHeap {
    public:
        explicit CTextHeap(std::size_t bytes);
        ~CTextHeap();
        CTextHeap(const CTextHeap&) = delete;
        CTextHeap& operator=(const CTextHeap&) = delete;

    private:
        bool m_bPrepared = false;
    };
};
