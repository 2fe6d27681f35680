#include "views/RtfCodePage.h"

#include "zadad/TextCodec.h"

namespace {

// Length of the valid UTF-8 sequence starting at bytes[i], or 0 when none does.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    std::size_t length = 0;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, cp = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, cp = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, cp = lead & 0x07;
    else
        return 0;
    if (bytes.size() - i < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (at(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    return overlong || surrogate || cp > 0x10FFFF ? 0 : length;
}

std::string DecodeUtf8Or1252(std::string_view bytes) {
    std::string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t length = Utf8SequenceLength(bytes, i);
        if (length > 0) {
            out.append(bytes.substr(i, length));
            i += length;
        } else {
            out += textcodec::Windows1252ToUtf8(bytes.substr(i, 1));
            ++i;
        }
    }
    return out;
}

} // namespace

std::string CRtfCodePage::DecodeEscaped(std::string_view bytes) const {
    return IsUtf8() ? DecodeUtf8Or1252(bytes) : textcodec::Windows1252ToUtf8(bytes);
}

std::string CRtfCodePage::DecodeRaw(std::string_view bytes) const {
    return DecodeUtf8Or1252(bytes);
}
