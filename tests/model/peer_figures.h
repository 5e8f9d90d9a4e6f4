#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tubeline::testing {

// The rows of a table of the peer's figures in tools/reference: the header's columns by name.
inline std::vector<std::map<std::string, double>> PeerRows(const std::string& name) {
    std::ifstream file(std::filesystem::path(TUBELINE_REFERENCE_DIR) / name);
    std::vector<std::string> header;
    std::vector<std::map<std::string, double>> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream cells(line);
        std::vector<std::string> values;
        for (std::string cell; std::getline(cells, cell, '\t');) {
            values.push_back(cell);
        }
        if (header.empty()) {
            header = values;
            continue;
        }
        std::map<std::string, double> row;
        for (std::size_t c = 0; c < header.size(); ++c) {
            row[header[c]] = std::strtod(values.at(c).c_str(), nullptr);
        }
        rows.push_back(row);
    }
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}

}  // namespace tubeline::testing
