// libFuzzer target: the table reader (decoding, separator, quoted cells)
// takes any bytes; within the limits it keeps exactly what ParseCsv reads,
// past them it keeps nothing and counts the whole table.

#include "file/CsvTable.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    DecodedText decoded;
    if (DecodeTextBytes(bytes, decoded))
        return 0;
    const char separator = DetectSeparator(decoded.text);
    // Small limits, so the fuzzer meets them with small inputs.
    std::vector<CsvRow> rows;
    CsvShape shape;
    const bool within = ParseCsvWithin(decoded.text, separator, 20, 8, rows, shape);
    const std::vector<CsvRow> all = ParseCsv(decoded.text, separator);
    if (shape.rows != all.size() || shape.columns != ColumnCount(all))
        std::abort();
    if (within != (shape.rows <= 20 && shape.columns <= 8))
        std::abort();
    if (within ? rows != all : !rows.empty())
        std::abort();
    if (!within && TooLargeTableText(shape).empty())
        std::abort();
    return 0;
}
