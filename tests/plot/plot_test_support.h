// Shared by the plot tests: records of each kind, scratch folders and file bytes.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "plot/new_graph.h"

// A table case's change to a record `r`, with its text for the failure message.
#define CHANGE(...) #__VA_ARGS__, []([[maybe_unused]] auto& r) { __VA_ARGS__; }

namespace plotwise::testing_support {

inline GraphRecord GraphOfKind(std::uint8_t kind, const std::string& formula = "",
                               const std::string& formulaY = "") {
    const OptionsRecord options = StandardOptions();
    GraphRecord props = NewGraphRecord(options);
    props.Kind = kind;
    SetNewProps(props, options);
    if (kind != kTable) props.Formula().SetText(formula);  // a table's rows share its bytes
    if (kind == kParametric) props.FormulaY().SetText(formulaY);
    return props;
}

// A table graph whose first rows are (x, y); the rest stay empty.
inline GraphRecord TableOf(const std::vector<std::pair<long double, long double>>& rows) {
    GraphRecord props = GraphOfKind(kTable);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        props.Body.Table[k].X = rows[k].first;
        props.Body.Table[k].Y = rows[k].second;
    }
    return props;
}

inline void SetView(OptionsRecord& o, long double minX, long double maxX, long double minY,
                    long double maxY) {
    o.MinX = minX;
    o.MaxX = maxX;
    o.MinY = minY;
    o.MaxY = maxY;
}

// A fresh folder under the test temporary directory, removed with its content.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = ::testing::TempDir() + "plotwise-XXXXXX";
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

inline std::vector<unsigned char> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

template <typename Record>
std::vector<unsigned char> BytesOf(const Record& record) {
    const auto* p = reinterpret_cast<const unsigned char*>(&record);
    return std::vector<unsigned char>(p, p + sizeof record);
}

}  // namespace plotwise::testing_support
