#pragma once
// Everything below a directory with the size and time of last change of each
// file, to tell that a run wrote, renamed or touched nothing; "none" when the
// directory is not there.

#include <filesystem>
#include <sstream>
#include <string>

inline std::string DirectoryListing(const std::string& dir) {
    namespace fs = std::filesystem;
    if (!fs::exists(dir)) return "none";
    std::ostringstream listing;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        listing << entry.path().string();
        if (entry.is_regular_file())
            listing << ' ' << entry.file_size() << ' '
                    << entry.last_write_time().time_since_epoch().count();
        listing << '\n';
    }
    return listing.str();
}
