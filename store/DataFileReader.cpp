#include "store/DataFileReader.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>

CDataFileReader::CDataFileReader(const std::string& path) : m_file(path, O_RDONLY) {
    if (!m_file.IsOpen()) return;
    m_nUnread = m_file.RegularFileSize();
    m_buffer.resize(kInitialWindow);
}

bool CDataFileReader::NeedsMore(const CArchiveException& e) {
    // A malformed value is wrong however much more is read.
    return e.m_cause == CArchiveException::endOfFile || e.m_cause == CArchiveException::badLength;
}

bool CDataFileReader::Refill() {
    if (!m_file.IsOpen() || m_bAtEnd) return false;
    if (m_pos > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_end - m_pos);
        m_end -= m_pos;
        m_pos = 0;
    }
    // A piece larger than the window (a long text, or a count checked against
    // what is left) needs a larger window; it never grows past a file, which
    // says how much is left. A pipe does not say.
    if (m_end == m_buffer.size()) {
        std::size_t grown = m_buffer.size() * 2;
        if (m_nUnread > 0) grown = std::min(grown, m_end + static_cast<std::size_t>(m_nUnread));
        m_buffer.resize(grown);
    }
    const std::size_t wanted = m_buffer.size() - m_end;
    const long long n = m_file.ReadFully(m_buffer.data() + m_end, wanted);
    // Less than asked is the end, from a pipe as from a file.
    m_bAtEnd = n < static_cast<long long>(wanted);
    if (n <= 0) return false;
    if (m_nUnread >= 0) m_nUnread = std::max(0LL, m_nUnread - n);
    m_end += static_cast<std::size_t>(n);
    return true;
}
