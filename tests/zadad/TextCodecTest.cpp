// The text forms of the data file: Windows-1252 both ways, UTF-8 checks and
// UTF-16 with broken surrogates.
#include "zadad/TextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodec, EveryAssignedWindows1252ByteComesBackFromItsCharacter) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string utf8 =
            textcodec::Windows1252ToUtf8(std::string(1, static_cast<char>(byte)));
        const std::u16string unit = textcodec::Utf8ToUtf16(utf8);
        ASSERT_EQ(unit.size(), 1u) << byte;
        const bool unassigned =
            byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        EXPECT_EQ(textcodec::ToWindows1252(unit[0]), unassigned ? -1 : byte) << byte;
    }
    EXPECT_EQ(textcodec::ToWindows1252(u'\u20AC'), 0x80);
    EXPECT_EQ(textcodec::ToWindows1252(u'\u0100'), -1);
    EXPECT_EQ(textcodec::ToWindows1252(u'\u4E2D'), -1);
}

TEST(TextCodec, Utf8ChecksRefuseOverlongSurrogateAndCutSequences) {
    EXPECT_TRUE(textcodec::IsValidUtf8("plain"));
    EXPECT_TRUE(textcodec::IsValidUtf8("\xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(textcodec::IsValidUtf8("\xC0\xAF"));         // overlong '/'
    EXPECT_FALSE(textcodec::IsValidUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(textcodec::IsValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(textcodec::IsValidUtf8("\xE2\x82"));         // cut short
    EXPECT_FALSE(textcodec::IsValidUtf8("\x80"));
}

TEST(TextCodec, AByteAboveAsciiIsFoundAtEveryPlaceOfALongText) {
    // Long texts are checked a block at a time; a byte at any place in or
    // after a block must still count.
    for (std::size_t length : {1u, 7u, 8u, 9u, 31u, 32u, 33u, 40u, 70u}) {
        const std::string plain(length, 'a');
        EXPECT_TRUE(textcodec::IsAscii(plain)) << length;
        EXPECT_TRUE(textcodec::IsValidUtf8(plain)) << length;
        for (std::size_t at = 0; at < length; ++at) {
            std::string stray = plain;
            stray[at] = '\x80';
            EXPECT_FALSE(textcodec::IsAscii(stray)) << length << " at " << at;
            EXPECT_FALSE(textcodec::IsValidUtf8(stray)) << length << " at " << at;
            const std::string euro = plain.substr(0, at) + "\xE2\x82\xAC" + plain.substr(at);
            EXPECT_FALSE(textcodec::IsAscii(euro)) << length << " at " << at;
            EXPECT_TRUE(textcodec::IsValidUtf8(euro)) << length << " at " << at;
            EXPECT_FALSE(textcodec::IsValidUtf8(euro.substr(0, at + 2))) << length << " at " << at;
        }
    }
}

TEST(TextCodec, Utf16RoundTripAndBrokenSurrogatesBecomeReplacements) {
    const std::string text = "Caf\xC3\xA9 \xF0\x9F\x98\x80";
    EXPECT_EQ(textcodec::Utf16ToUtf8(textcodec::Utf8ToUtf16(text)), text);
    EXPECT_EQ(textcodec::Utf16ToUtf8(std::u16string{u'a', 0xD800, u'b'}), "a\xEF\xBF\xBD"
                                                                          "b");
    EXPECT_EQ(textcodec::Utf16ToUtf8(std::u16string{0xDC00}), "\xEF\xBF\xBD");
    std::string out;
    textcodec::AppendUtf8(out, U'\U0001F600');
    EXPECT_EQ(out, "\xF0\x9F\x98\x80");
}

} // namespace
