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
// The code point as UTF-8, added to out.
void AppendUtf8(std::string& out, char32_t codePoint);
// The Windows-1252 byte of a UTF-16 unit, or -1 when it has none (the five
// unassigned bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D are not claimed).
int ToWindows1252(char16_t unit);

} // namespace textcodec
