#pragma once
// The bytes of a hand-off file: the rows a profile gave, in its encoding.

#include "file/FileError.h"
#include "file/HandoffProfile.h"

#include <string>
#include <vector>

namespace miravel {

using HandoffTable = std::vector<std::vector<std::string>>;

// Fields separated by "," and quoted as the CSV export does, every line
// ending CR LF, no comma after the last field; UTF-8 with or without BOM or
// code page 932. A character code page 932 cannot hold is refused by name.
// A cell that reads as a formula is FormulaSafe unless `keepFormulas`
// ([profile] formulas=allow).
FileResult EncodeHandoffRows(const HandoffTable& rows, HandoffEncoding encoding, std::string& bytes,
                             bool keepFormulas = false);

} // namespace miravel
