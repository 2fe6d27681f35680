#include "store/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString ToQt(const std::string& path) {
    return QString::fromStdString(path);
}

// A file system that cannot sync says so with EINVAL or EROFS; that is no
// failure of the data.
bool Synced(int fd) {
    return fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
}

// Best effort: not every file system lets a folder be synced.
void SyncFolderOf(const QString& path) {
    const int fd = open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                        O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    Synced(fd);
    close(fd);
}

} // namespace

CSafeFile::CSafeFile(const std::string& path) : m_file(ToQt(path)) {}

bool CSafeFile::Open() {
    return m_file.open(QIODevice::WriteOnly);
}

bool CSafeFile::Write(const std::vector<std::uint8_t>& bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    return m_file.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
}

bool CSafeFile::Commit() {
    // QSaveFile syncs the new file before the rename but goes on when the
    // sync fails, and a disk that loses the data there would be reported as
    // saved: synced here first, and a failure keeps the old file.
    if (!m_file.flush() || !Synced(m_file.handle())) {
        m_file.cancelWriting();
        return false;
    }
    if (!m_file.commit()) return false;
    // The rename lives in the folder: synced too, so that a power cut just
    // after a save cannot bring the old file back.
    SyncFolderOf(m_file.fileName());
    return true;
}

bool CSafeFile::Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    CSafeFile file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}

bool CSafeFile::Copy(const std::string& source, const std::string& target) {
    std::vector<std::uint8_t> bytes;
    return Read(source, bytes) && Write(target, bytes);
}

bool CSafeFile::Read(const std::string& path, std::vector<std::uint8_t>& bytes) {
    QFile file(ToQt(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
    // Straight into the caller's buffer, without a second copy on the way.
    const qint64 size = file.size();
    if (size < 0) return false;
    bytes.resize(static_cast<std::size_t>(size));
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file.read(reinterpret_cast<char*>(bytes.data()) + done, size - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

bool CSafeFile::Rename(const std::string& path, const std::string& newPath) {
    return QFile::rename(ToQt(path), ToQt(newPath));
}

bool CSafeFile::Exists(const std::string& path) {
    return QFileInfo::exists(ToQt(path));
}

std::string CSafeFile::FreeName(const std::string& path, const std::string& suffix) {
    std::string name = path + suffix;
    for (int n = 2; Exists(name); ++n)
        name = path + suffix + "-" + std::to_string(n);
    return name;
}
