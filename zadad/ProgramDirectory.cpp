#include "zadad/ProgramDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string EnvOrEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string HomeDirectory() {
    std::string home = EnvOrEmpty("HOME");
    if (home.empty()) {
        if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) home = pw->pw_dir;
    }
    return home;
}

std::string UserDataDirectory() {
    return CProgramDirectory::UserBaseDirectory("XDG_DATA_HOME", ".local/share") + "/orrindale";
}

bool IsPortable(const std::string& executableDir) {
    std::error_code ec;
    return !executableDir.empty() &&
           fs::exists(fs::path(executableDir) / CProgramDirectory::kPortableMarker, ec);
}

// Where the program directory lies, before it is created and given its slash.
struct Choice {
    std::string dir;
    bool isUserData = false;
};

Choice Choose(const std::string& executableDir) {
    if (std::string home = EnvOrEmpty("ORRINDALE_HOME"); !home.empty()) return {home, false};
    if (IsPortable(executableDir)) return {executableDir, false};
    return {UserDataDirectory(), true};
}

std::string WithOneTrailingSlash(std::string dir) {
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string Created(const std::string& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec); // a failure shows later, when the file cannot be written
    return WithOneTrailingSlash(dir);
}

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

// Copies through a temporary name, so that a copy cut short never stands
// under the real name, where it would be read as damaged notes.
bool CopyWithoutReplacing(const fs::path& from, const fs::path& to) {
    fs::path partial = to;
    partial += ".copying";
    std::error_code ec;
    if (!fs::copy_file(from, partial, fs::copy_options::overwrite_existing, ec)) {
        fs::remove(partial, ec);
        return false;
    }
    if (Exists(to)) {
        fs::remove(partial, ec);
        return false;
    }
    fs::rename(partial, to, ec);
    return !ec;
}

} // namespace

std::string programdirectory_detail::ProgramDirectoryFor(const std::string& executableDir) {
    return Created(Choose(executableDir).dir);
}

std::string programdirectory_detail::ProgramDirectoryNamedFor(const std::string& executableDir) {
    return WithOneTrailingSlash(Choose(executableDir).dir);
}

int programdirectory_detail::AdoptEarlierFiles(const std::vector<std::string>& names,
                                               const std::string& executableDir) {
    const Choice choice = Choose(executableDir);
    if (!choice.isUserData || executableDir.empty() || !Exists(executableDir)) return 0;
    const fs::path target = Created(choice.dir);
    std::error_code ec;
    if (fs::equivalent(executableDir, target, ec)) return 0;
    int copied = 0;
    for (const std::string& name : names) {
        const fs::path earlier = fs::path(executableDir) / name;
        if (fs::is_regular_file(earlier, ec) && !Exists(target / name) &&
            CopyWithoutReplacing(earlier, target / name))
            ++copied;
    }
    return copied;
}

std::string programdirectory_detail::DeliveredFileFor(const std::string& executableDir,
                                                      const std::string& relative) {
    if (executableDir.empty()) return std::string();
    return (fs::path(executableDir) / ".." / "share" / relative).lexically_normal().string();
}

std::string CProgramDirectory::GetExecutableDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::string CProgramDirectory::GetAppPath() {
    return programdirectory_detail::ProgramDirectoryFor(GetExecutableDirectory());
}

std::string CProgramDirectory::GetDeliveredFile(const std::string& relative) {
    return programdirectory_detail::DeliveredFileFor(GetExecutableDirectory(), relative);
}

std::string CProgramDirectory::LocateAppPath() {
    return programdirectory_detail::ProgramDirectoryNamedFor(GetExecutableDirectory());
}

int CProgramDirectory::FindFile(std::string& name) {
    if (name.empty() || name.front() != '/') name = GetAppPath() + name;
    return Exists(name) ? 1 : 0;
}

int CProgramDirectory::AdoptEarlierFiles(const std::vector<std::string>& names) {
    return programdirectory_detail::AdoptEarlierFiles(names, GetExecutableDirectory());
}

// A relative base directory is ignored, as the base directory rules require.
std::string CProgramDirectory::UserBaseDirectory(const char* variable, const char* underHome) {
    std::string base = EnvOrEmpty(variable);
    if (base.empty() || base.front() != '/') base = HomeDirectory() + "/" + underHome;
    return base;
}
