#pragma once

#include "tablesource.h"

#include <filesystem>
#include <string>

namespace holvane::pack {

// Writes a table source as the table `tableName` in `directory`, through the
// store. Cells by field type: text as written (escapes undone); numbers and
// dates ("yyyy-MM-dd") as the store reads them; a memo as written or "@file"
// for a text file; a picture "@file" (rasterised to BMP) or "legend: ..." (the
// row's formula drawn with that legend); values "2; 1000; 0.5", one a line.
// An empty cell is an empty (Null) field. A row whose formula is not sound
// stops the packing (see formulacheck.h).
void writeTable(const TableSource &table, const std::filesystem::path &directory, const std::string &tableName);

// The picture of a formula drawn with the legend `legendText`, as a BMP; the
// legend names every variable of the formula, and nothing but its variables
// and its result. PackError at `line` otherwise.
std::string legendPicture(const SourceText &source, int line, const std::string &formula,
    const std::vector<std::string> &variables, const std::string &legendText);

} // namespace holvane::pack
