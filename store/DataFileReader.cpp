#include "store/DataFileReader.h"

#include <cstring>

CDataFileReader::CDataFileReader(const std::string& path) : m_file(QString::fromStdString(path)) {
    if (m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) m_buffer.resize(kInitialWindow);
}

bool CDataFileReader::NeedsMore(const CArchiveException& e) {
    // A malformed value is wrong however much more is read.
    return e.m_cause == CArchiveException::endOfFile || e.m_cause == CArchiveException::badLength;
}

bool CDataFileReader::Refill() {
    if (!m_file.isOpen() || m_bAtEnd) return false;
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
        if (!m_file.isSequential())
            grown = std::min(grown, m_end + static_cast<std::size_t>(m_file.bytesAvailable()));
        m_buffer.resize(grown);
    }
    const auto wanted = static_cast<qint64>(m_buffer.size() - m_end);
    const qint64 n = m_file.read(reinterpret_cast<char*>(m_buffer.data()) + m_end, wanted);
    // QFile reads until it has what was asked for or the file ends, from a
    // pipe as from a file: less than asked is the end.
    m_bAtEnd = n < wanted;
    if (n <= 0) return false;
    m_end += static_cast<std::size_t>(n);
    return true;
}
