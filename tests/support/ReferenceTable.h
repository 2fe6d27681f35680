#pragma once
// Reads the small CSV reference tables under tests/data: lines starting with
// '#' say how a table was made, the first other line names the columns.

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

class CReferenceTable {
public:
    using Row = std::map<std::string, std::string>;

    // path is relative to the test data directory.
    explicit CReferenceTable(const std::string& path) {
        std::ifstream in(std::string(ORRINDALE_TEST_DATA_DIR) + "/" + path);
        if (!in) throw std::runtime_error("cannot open reference table " + path);
        std::vector<std::string> columns;
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#') continue;
            const std::vector<std::string> cells = Split(line);
            if (columns.empty()) {
                columns = cells;
                continue;
            }
            Row row;
            for (std::size_t i = 0; i < columns.size(); ++i)
                row[columns[i]] = i < cells.size() ? cells[i] : std::string();
            m_rows.push_back(std::move(row));
        }
    }

    const std::vector<Row>& Rows() const { return m_rows; }

private:
    static std::vector<std::string> Split(const std::string& line) {
        std::vector<std::string> cells;
        std::stringstream stream(line);
        std::string cell;
        while (std::getline(stream, cell, ','))
            cells.push_back(cell);
        if (!line.empty() && line.back() == ',') cells.emplace_back();
        return cells;
    }

    std::vector<Row> m_rows;
};
