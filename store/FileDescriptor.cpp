#include "store/FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFileDescriptor::CFileDescriptor(const std::string& path, int flags, unsigned mode) {
    do {
        m_fd = open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode));
    } while (m_fd < 0 && errno == EINTR);
}

CFileDescriptor& CFileDescriptor::operator=(CFileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = other.Release();
    }
    return *this;
}

long long CFileDescriptor::ReadFully(void* data, std::size_t size) {
    auto* bytes = static_cast<char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = read(m_fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long long>(done);
}

bool CFileDescriptor::WriteFully(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = write(m_fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

long long CFileDescriptor::RegularFileSize() const {
    struct stat st {};
    if (fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return static_cast<long long>(st.st_size);
}

bool CFileDescriptor::Close() {
    if (m_fd < 0) return true;
    // Linux closes the descriptor even when close reports EINTR: never again.
    return close(Release()) == 0 || errno == EINTR;
}

int CFileDescriptor::Release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}
