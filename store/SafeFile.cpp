#include "store/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file system that cannot sync says so with EINVAL or EROFS; that is no
// failure of the data.
bool Synced(int fd) {
    return fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Best effort: not every file system lets a folder be synced.
void SyncFolderOf(const std::string& path) {
    CFileDescriptor folder(FolderOf(path), O_RDONLY | O_DIRECTORY);
    if (folder.IsOpen()) Synced(folder.Get());
}

// The file a chain of symbolic links ends at, so that a data file kept
// elsewhere through a link is replaced there and the link survives. A
// chain that does not end names the path itself.
std::string FollowLinks(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        char target[4096];
        const ssize_t n = readlink(current.c_str(), target, sizeof target);
        if (n < 0) return current;
        if (n == static_cast<ssize_t>(sizeof target)) return path;
        std::string next(target, static_cast<std::size_t>(n));
        // A relative link is relative to the folder holding it.
        current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
    }
    return path;
}

constexpr std::size_t kRandomLetters = 6;

// What the temporary names of target's new files start with: its name, cut
// short where a name of the longest kind would leave no room for the rest.
std::string TemporaryStem(const std::string& target) {
    static constexpr std::size_t kLongestStem = 240;
    const std::size_t slash = target.rfind('/') + 1; // 0 without a folder
    return target.substr(slash, std::min(target.size() - slash, kLongestStem)) + ".saving-";
}

// A free name for the new file beside target: the stem and random letters.
std::string TemporaryNameFor(const std::string& target) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name = FolderOf(target) + "/" + TemporaryStem(target);
    for (std::size_t i = 0; i < kRandomLetters; ++i)
        name += kLetters[pick(random)];
    return name;
}

// A process killed between naming its new file and putting it in place
// leaves the new file under its temporary name (the old file is untouched);
// on a file system without unnamed files a killed write leaves a part of
// one. The next write of the same file clears them away.
void RemoveLeftoversOf(const std::string& target) {
    DIR* folder = opendir(FolderOf(target).c_str());
    if (!folder) return;
    const std::string stem = TemporaryStem(target);
    while (const dirent* entry = readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name.size() == stem.size() + kRandomLetters && name.starts_with(stem))
            unlinkat(dirfd(folder), entry->d_name, 0);
    }
    closedir(folder);
}

} // namespace

CSafeFile::CSafeFile(const std::string& path) : m_strTarget(FollowLinks(path)) {}

bool CSafeFile::Open() {
    Discard();
    m_bFailed = false;
    struct stat existing {};
    const bool exists = stat(m_strTarget.c_str(), &existing) == 0;
    if (exists && (S_ISDIR(existing.st_mode) || access(m_strTarget.c_str(), W_OK) != 0))
        return false;
    RemoveLeftoversOf(m_strTarget);
    // No one else may read the new file before it has the old one's permissions.
    const unsigned mode = exists ? 0600 : 0666;
    if (!OpenUnnamed(mode) && !OpenNamed(mode)) return false;
    // A file system without permissions (a FAT stick carrying the program)
    // refuses this; the new file stays private then.
    if (exists) (void)fchmod(m_file.Get(), existing.st_mode & 07777);
    return true;
}

// A file without a name until it is complete: a process killed while it
// writes leaves nothing behind. Naming it later goes through /proc.
bool CSafeFile::OpenUnnamed(unsigned mode) {
    if (!s_bUnnamedFiles || access("/proc/self/fd", X_OK) != 0) return false;
    m_file = CFileDescriptor(FolderOf(m_strTarget), O_TMPFILE | O_WRONLY, mode);
    return m_file.IsOpen();
}

// Where the file system has no unnamed files.
bool CSafeFile::OpenNamed(unsigned mode) {
    return TakeFreeName([&](const std::string& name) {
        m_file = CFileDescriptor(name, O_WRONLY | O_CREAT | O_EXCL, mode);
        return m_file.IsOpen();
    });
}

bool CSafeFile::NameUnnamed() {
    const std::string handle = "/proc/self/fd/" + std::to_string(m_file.Get());
    return TakeFreeName([&](const std::string& name) {
        return linkat(AT_FDCWD, handle.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    });
}

bool CSafeFile::TakeFreeName(const std::function<bool(const std::string&)>& make) {
    // Another name is drawn only when the one drawn is taken.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = TemporaryNameFor(m_strTarget);
        if (make(name)) {
            m_strTemporary = name;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool CSafeFile::Write(const std::vector<std::uint8_t>& bytes) {
    if (!m_file.IsOpen() || m_bFailed) return false;
    m_bFailed = !m_file.WriteFully(bytes.data(), bytes.size());
    return !m_bFailed;
}

bool CSafeFile::Commit() {
    // A disk that fails the sync may lose the data: the old file stays then.
    // The name and the rename follow each other at once: a process killed
    // between the two leaves the named file behind.
    const bool written = m_file.IsOpen() && !m_bFailed && Synced(m_file.Get()) &&
                         (!m_strTemporary.empty() || NameUnnamed()) &&
                         std::rename(m_strTemporary.c_str(), m_strTarget.c_str()) == 0;
    if (!written) {
        Discard();
        return false;
    }
    m_strTemporary.clear();
    // Synced already: nothing is left for the close to report.
    m_file.Close();
    // The rename lives in the folder: synced too, so that a power cut just
    // after a save cannot bring the old file back.
    SyncFolderOf(m_strTarget);
    return true;
}

void CSafeFile::Discard() {
    m_file.Close();
    if (!m_strTemporary.empty()) unlink(m_strTemporary.c_str());
    m_strTemporary.clear();
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
    CFileDescriptor file(path, O_RDONLY);
    if (!file.IsOpen()) return false;
    // A regular file straight into the caller's buffer; anything else (a
    // pipe) a piece at a time until it ends.
    const long long size = file.RegularFileSize();
    std::size_t done = 0;
    bytes.resize(size >= 0 ? static_cast<std::size_t>(size) : 64 * 1024);
    for (;;) {
        const long long n = file.ReadFully(bytes.data() + done, bytes.size() - done);
        if (n < 0) return false;
        done += static_cast<std::size_t>(n);
        if (done < bytes.size() || size >= 0) break;
        bytes.resize(bytes.size() * 2);
    }
    // A regular file that shrank while it was read is no whole copy of anything.
    if (size >= 0 && done < bytes.size()) return false;
    bytes.resize(done);
    return true;
}

bool CSafeFile::Rename(const std::string& path, const std::string& newPath) {
    // Replacing nothing is the whole point: the new name must be free. The
    // file systems that cannot promise it get a look first.
    if (renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, newPath.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    return !Exists(newPath) && std::rename(path.c_str(), newPath.c_str()) == 0;
}

bool CSafeFile::Exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

std::string CSafeFile::FreeName(const std::string& path, const std::string& suffix) {
    std::string name = path + suffix;
    for (int n = 2; Exists(name); ++n)
        name = path + suffix + "-" + std::to_string(n);
    return name;
}
