#pragma once
// A note saved as a text file: its title, two line breaks, then its text as
// plain text. Saving over an existing file asks first.

#include <cstddef>
#include <string>

class CNoteTextFile {
public:
    // The longest file name the file system takes, in bytes.
    static constexpr std::size_t kMaxNameBytes = 255;

    // The name the save dialog offers: the title + ".txt", "Untitled.txt"
    // for an empty title; characters a file name cannot hold become "_", and
    // a long title is cut, between two characters, to fit kMaxNameBytes.
    static std::string SuggestedName(const std::string& title);
    static std::string Contents(const std::string& title, const std::string& plainText);
    // Writes the file, asking "Do you want to overwrite existing file ?"
    // when it exists (No writes nothing). A file that cannot be written is
    // reported. True when the file was written.
    static bool Save(const std::string& path, const std::string& title,
                     const std::string& plainText);
};
