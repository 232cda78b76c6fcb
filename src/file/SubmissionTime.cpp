#include "file/SubmissionTime.h"

#include "file/ImportColumns.h"

namespace miravel {

namespace {

std::vector<std::string> Split(std::string_view text, std::string_view separators)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of(separators, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// Whole numbers of 1..4 digits; nothing when a part is anything else.
std::optional<std::vector<int>> Numbers(const std::vector<std::string>& parts)
{
    std::vector<int> numbers;
    for (const std::string& part : parts) {
        if (part.empty() || part.size() > 4 || part.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        numbers.push_back(std::stoi(part));
    }
    return numbers;
}

bool IsZone(const std::string& token) { return token.rfind("GMT", 0) == 0 || token.rfind("UTC", 0) == 0 || token == "JST"; }

} // namespace

std::optional<long long> SubmissionTime(std::string_view cell)
{
    const std::vector<std::string> tokens = Split(TrimBlanks(cell), " ");
    if (tokens.size() < 2)
        return std::nullopt;
    const std::vector<std::string> dateParts = Split(tokens[0], "/-");
    const auto date = Numbers(dateParts);
    if (!date || date->size() != 3)
        return std::nullopt;
    int year, month, day;
    if (dateParts[0].size() == 4) {
        year = (*date)[0], month = (*date)[1], day = (*date)[2];
    } else if (dateParts[2].size() == 2 || dateParts[2].size() == 4) {
        month = (*date)[0], day = (*date)[1], year = (*date)[2];  // Microsoft's month first
        year += dateParts[2].size() == 2 ? 2000 : 0;
    } else {
        return std::nullopt;
    }

    std::optional<std::vector<int>> time;
    int meridiem = 0;  // 1 morning, 2 afternoon
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        if (token.empty() || IsZone(token))
            continue;
        if (token == "午前" || token == "AM" || token == "am")
            meridiem = meridiem ? -1 : 1;
        else if (token == "午後" || token == "PM" || token == "pm")
            meridiem = meridiem ? -1 : 2;
        else if (!time && token.find(':') != std::string::npos)
            time = Numbers(Split(token, ":"));
        else
            return std::nullopt;
    }
    if (!time || time->size() < 2 || time->size() > 3 || meridiem < 0)
        return std::nullopt;
    int hour = (*time)[0];
    const int minute = (*time)[1], second = time->size() == 3 ? (*time)[2] : 0;
    if (meridiem && (hour < 1 || hour > 12))
        return std::nullopt;
    if (meridiem)
        hour = hour % 12 + (meridiem == 2 ? 12 : 0);
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return ((((static_cast<long long>(year) * 12 + month - 1) * 31 + day - 1) * 24 + hour) * 60 + minute) * 60 + second;
}

int LatestSubmission(const std::vector<std::string>& stamps)
{
    int latest = -1;
    long long latestTime = 0;
    for (std::size_t i = 0; i < stamps.size(); ++i) {
        const auto time = SubmissionTime(stamps[i]);
        if (!time)
            return -1;
        if (latest < 0 || *time >= latestTime) {
            latest = static_cast<int>(i);
            latestTime = *time;
        }
    }
    return latest;
}

} // namespace miravel
