#pragma once
// Reads the data file a piece at a time. Loading a large store would
// otherwise hold the whole file in memory beside the notes made from it; here
// only a window of the file is kept. Each piece (the settings block, one note
// record) is parsed from the window; when the window ends inside a piece, more
// of the file is read and the piece is parsed again from its start.

#include "store/FileDescriptor.h"
#include "zadad/Archive.h"

#include <cstdint>
#include <string>
#include <vector>

class CDataFileReader {
public:
    // Reads from bytes already in memory, through ar.
    explicit CDataFileReader(CArchive& ar) : m_archive(&ar) {}
    // Reads the file at path; Open says whether it could be opened.
    explicit CDataFileReader(const std::string& path);
    bool IsOpen() const { return m_archive || m_file.IsOpen(); }

    // Runs parse over an archive that starts at the next unread byte; the
    // bytes it took count as read. parse must be safe to run again after it
    // failed part-way: it may see the same bytes twice. Throws the archive's
    // exception when the file ends inside the piece.
    template <class Parse> void Read(Parse&& parse) {
        if (m_archive) {
            parse(*m_archive);
            return;
        }
        // Topped up ahead, so that only a piece longer than the lookahead is
        // ever parsed twice.
        if (m_end - m_pos < kLookahead) Refill();
        for (;;) {
            CArchive ar(m_buffer.data() + m_pos, m_end - m_pos);
            try {
                parse(ar);
                m_pos += ar.Position();
                return;
            } catch (const CArchiveException& e) {
                if (!NeedsMore(e) || !Refill()) throw;
            }
        }
    }

private:
    static bool NeedsMore(const CArchiveException& e);
    // Keeps the unread bytes, makes room (growing the window when the unread
    // part fills it) and reads more; false when the file has nothing more.
    bool Refill();

    static constexpr std::size_t kInitialWindow = 64 * 1024;
    static constexpr std::size_t kLookahead = 16 * 1024;

    CArchive* m_archive = nullptr;
    CFileDescriptor m_file;
    // What is left of a regular file; -1 for a pipe, which does not say.
    long long m_nUnread = -1;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    // The file gave fewer bytes than asked for: it has no more. Asking it
    // whether it is at its end costs a look at its size every time, and the
    // records in the last lookahead would each ask.
    bool m_bAtEnd = false;
};
