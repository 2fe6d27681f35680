#pragma once
// An open file of the system's own, closed when it goes. The data file is
// read and written through these rather than through Qt so that the
// command-line listing, which reads nothing else, starts without loading Qt.

#include <cstddef>
#include <string>

class CFileDescriptor {
public:
    CFileDescriptor() = default;
    // flags as for open(2), O_CLOEXEC added; IsOpen says whether it worked.
    CFileDescriptor(const std::string& path, int flags, unsigned mode = 0666);
    ~CFileDescriptor() { Close(); }
    CFileDescriptor(CFileDescriptor&& other) noexcept : m_fd(other.Release()) {}
    CFileDescriptor& operator=(CFileDescriptor&& other) noexcept;
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Get() const { return m_fd; }
    // Reads until size bytes are in or the file ends; -1 on an error. Less
    // than size means the end, from a pipe as from a file.
    long long ReadFully(void* data, std::size_t size);
    // Writes every byte, however many calls it takes; false on an error (a
    // full disk among them).
    bool WriteFully(const void* data, std::size_t size);
    // A regular file's size; -1 for a pipe or a device, which cannot say.
    long long RegularFileSize() const;
    // Closes now; false when the system reports a failure (a write it had
    // held back may have been lost).
    bool Close();

private:
    int Release();

    int m_fd = -1;
};
