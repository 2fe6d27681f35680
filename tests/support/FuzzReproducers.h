#pragma once
// The inputs a fuzz target found faults with, kept under
// tests/data/fuzz/TARGET, each with its bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

// Pairs of file name and contents, in name order; fails the test when there are none.
inline std::vector<std::pair<std::string, std::string>> FuzzReproducers(const std::string& target) {
    std::vector<std::pair<std::string, std::string>> files;
    const std::filesystem::path dir = std::string(ORRINDALE_TEST_DATA_DIR) + "/fuzz/" + target;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files.emplace_back(entry.path().filename().string(),
                           std::string(std::istreambuf_iterator<char>(in), {}));
    }
    std::sort(files.begin(), files.end());
    EXPECT_FALSE(files.empty()) << dir;
    return files;
}
