#pragma once
// File writes that never leave a half-written file behind: the new content
// goes to a temporary file in the same directory, is flushed to disk and only
// then renamed over the target, so the old file stays as it was until the new
// one is complete. Plus the few whole-file operations the data file needs.

#include "store/FileDescriptor.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CSafeFile {
public:
    // A replacement for the file at path, written piece by piece; nothing
    // changes on disk until Commit, and dropping the object without it
    // leaves the old file untouched. A symbolic link at path is followed:
    // the file it points at is replaced, the link stays.
    explicit CSafeFile(const std::string& path);
    ~CSafeFile() { Discard(); }
    CSafeFile(const CSafeFile&) = delete;
    CSafeFile& operator=(const CSafeFile&) = delete;

    // False for a folder, a file that may not be written, or a folder that
    // takes no new file. Clears away what writes of the same file killed
    // part-way left beside it.
    bool Open();
    bool Write(const std::vector<std::uint8_t>& bytes);
    // Syncs the new content to disk and puts it in place of the old file,
    // then syncs the folder that holds it.
    bool Commit();

    // Replaces path with bytes; false (and the old file untouched) on any failure.
    static bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes);
    // Replaces target with a copy of source, by the same rule as Write.
    static bool Copy(const std::string& source, const std::string& target);
    // The whole file; false when it cannot be opened or read.
    static bool Read(const std::string& path, std::vector<std::uint8_t>& bytes);
    // Gives the file a new name; false when it cannot, or when a file of the
    // new name is already there (it is never replaced).
    static bool Rename(const std::string& path, const std::string& newPath);
    static bool Exists(const std::string& path);
    // A name beside path that no file has yet: path + suffix, then path +
    // suffix + "-2", "-3" ...
    static std::string FreeName(const std::string& path, const std::string& suffix);

private:
    friend class CTestAccess;
    // Off in tests only, to try what file systems without unnamed files get.
    static inline bool s_bUnnamedFiles = true;

    bool OpenUnnamed(unsigned mode);
    bool OpenNamed(unsigned mode);
    // Gives an unnamed file a temporary name beside the target.
    bool NameUnnamed();
    // Runs make with free temporary names until one is made; that name
    // becomes the new file's.
    bool TakeFreeName(const std::function<bool(const std::string&)>& make);
    // Closes and removes what was written so far.
    void Discard();

    std::string m_strTarget;
    // Empty while the new file has no name (it goes with the process then).
    std::string m_strTemporary;
    CFileDescriptor m_file;
    bool m_bFailed = false;
};
