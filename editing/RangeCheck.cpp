#include "editing/RangeCheck.h"

#include <charconv>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

CRangeCheck::Result CRangeCheck::Read(const std::string& text, int min, int max, int& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && IsBlank(*first))
        ++first;
    while (last > first && IsBlank(last[-1]))
        --last;
    if (first < last && *first == '+') ++first;
    long long parsed = 0;
    const auto [end, error] = std::from_chars(first, last, parsed);
    if (first == last || end != last) return kNotInteger;
    // Digits too many for any number: certainly out of range.
    if (error == std::errc::result_out_of_range) return kOutOfRange;
    if (parsed < min || parsed > max) return kOutOfRange;
    value = static_cast<int>(parsed);
    return kValid;
}

std::string CRangeCheck::Message(Result result, int min, int max) {
    if (result == kNotInteger) return "Please enter an integer.";
    return "Please enter an integer between " + std::to_string(min) + " and " +
           std::to_string(max) + ".";
}
