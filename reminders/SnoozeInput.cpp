#include "reminders/SnoozeInput.h"

#include <cctype>
#include <charconv>

namespace {

std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

} // namespace

bool CSnoozeInput::ReadField(const std::string& text, int low, int high, int& value,
                             std::string& message) {
    const std::string digits = Trimmed(text);
    const char* begin = digits.data();
    const char* end = begin + digits.size();
    if (begin != end && *begin == '+') ++begin;
    int number = 0;
    const auto [stop, error] = std::from_chars(begin, end, number);
    if (digits.empty() || error == std::errc::invalid_argument || stop != end) {
        message = "Please enter an integer.";
        return false;
    }
    if (error == std::errc::result_out_of_range || number < low || number > high) {
        message = "Please enter an integer between " + std::to_string(low) + " and " +
                  std::to_string(high) + ".";
        return false;
    }
    value = number;
    return true;
}
