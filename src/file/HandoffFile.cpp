#include "file/HandoffFile.h"

#include "file/Cp932.h"
#include "file/CsvExport.h"
#include "file/FieldText.h"

#include <algorithm>

namespace miravel {

FileResult EncodeHandoffRows(const HandoffTable& rows, HandoffEncoding encoding, std::string& bytes,
                             bool keepFormulas)
{
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::string cell = row[i];
            std::replace(cell.begin(), cell.end(), '\r', ' ');  // a blank: text to a spreadsheet
            const std::string safe = keepFormulas ? cell : FormulaSafe(cell);
            std::string field = CsvField(safe);
            // A line break a text keeps (newline=keep) stays inside its quotes.
            if (field == safe && safe.find('\n') != std::string::npos)
                field = "\"" + safe + "\"";
            line += (i ? "," : "") + field;
        }
        std::replace(line.begin(), line.end(), '\r', ' ');
        text += line + "\r\n";
    }
    if (encoding != HandoffEncoding::Cp932) {
        bytes = (encoding == HandoffEncoding::Utf8Bom ? "\xEF\xBB\xBF" : "") + text;
        return std::nullopt;
    }
    // 〜 typed on Linux is the ～ that code page 932 has.
    std::string offending;
    const auto encoded = Utf8ToCp932(WithCp932Forms(text), &offending);
    if (!encoded)
        return FileError{0, "文字「" + offending + "」はシフトJIS（cp932）で書けません。書式の文字コードを UTF-8 にするか、その文字を直してください。"};
    bytes = *encoded;
    return std::nullopt;
}

} // namespace miravel
