// Helpers of the catalogue tests: reading the CSV input files of the catalogue
// generator in data/catalog/ and angular separations.
#pragma once

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace catalogue_test {

// One CSV file as rows of named fields (header line first; double quotes
// enclose fields holding commas or blanks, as the generator's inputs do).
struct CsvRow {
  std::map<std::string, std::string> Fields;
  const std::string& operator[](const std::string& Name) const {
    auto It = Fields.find(Name);
    if (It == Fields.end()) throw std::runtime_error("no CSV column " + Name);
    return It->second;
  }
};

inline std::vector<std::string> SplitCsvLine(const std::string& Line) {
  std::vector<std::string> Out(1);
  bool Quoted = false;
  for (std::size_t i = 0; i < Line.size(); ++i) {
    const char c = Line[i];
    if (Quoted) {
      if (c == '"' && i + 1 < Line.size() && Line[i + 1] == '"') {
        Out.back() += '"';
        ++i;
      } else if (c == '"') {
        Quoted = false;
      } else {
        Out.back() += c;
      }
    } else if (c == '"') {
      Quoted = true;
    } else if (c == ',') {
      Out.emplace_back();
    } else if (c != '\r') {
      Out.back() += c;
    }
  }
  return Out;
}

inline std::vector<CsvRow> ReadCatalogCsv(const std::string& Name) {
  const std::string Path = std::string(TV_SOURCE_DIR) + "/data/catalog/" + Name;
  std::ifstream In(Path);
  if (!In) throw std::runtime_error("cannot open " + Path);
  std::string Line;
  std::getline(In, Line);
  const std::vector<std::string> Header = SplitCsvLine(Line);
  std::vector<CsvRow> Rows;
  while (std::getline(In, Line)) {
    if (Line.empty()) continue;
    const std::vector<std::string> Cells = SplitCsvLine(Line);
    if (Cells.size() != Header.size()) throw std::runtime_error("bad CSV line in " + Name + ": " + Line);
    CsvRow Row;
    for (std::size_t i = 0; i < Cells.size(); ++i) Row.Fields[Header[i]] = Cells[i];
    Rows.push_back(std::move(Row));
  }
  return Rows;
}

// The double nearest to a decimal text (strtod rounds correctly).
inline double Decimal(const std::string& Text) { return std::strtod(Text.c_str(), nullptr); }

inline int Int(const std::string& Text) { return std::atoi(Text.c_str()); }

constexpr double ArcSec = 3.141592653589793 / (180.0 * 3600.0);

// Angle between two places on the sphere, radians (haversine, good at small angles).
inline double Separation(double RA1, double DE1, double RA2, double DE2) {
  const double s1 = std::sin((DE2 - DE1) / 2);
  const double s2 = std::sin((RA2 - RA1) / 2);
  const double h = s1 * s1 + std::cos(DE1) * std::cos(DE2) * s2 * s2;
  return 2 * std::asin(std::sqrt(std::fmin(1.0, h)));
}

}  // namespace catalogue_test
