#pragma once
// Conversions between the text forms the data file meets: UTF-8 (how the
// program holds text), UTF-16 little-endian (the archive's Unicode form) and
// Windows-1252 (byte strings written by older copies of the program).

#include <cstdint>
#include <string>
#include <string_view>

namespace textcodec {

bool IsAscii(std::string_view text);
bool IsValidUtf8(std::string_view text);
// Invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
std::string Windows1252ToUtf8(std::string_view bytes);

} // namespace textcodec
