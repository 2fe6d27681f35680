#include "zadad/Archive.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

std::vector<std::uint8_t> Stored(const std::string& text) {
    CArchive ar;
    ar << text;
    return ar.Buffer();
}

std::string LoadString(const std::vector<std::uint8_t>& bytes) {
    CArchive ar(bytes);
    std::string text;
    ar >> text;
    EXPECT_EQ(ar.Remaining(), 0u);
    return text;
}

TEST(Archive, NumbersAreLittleEndianWithoutPadding) {
    CArchive ar;
    ar << std::int32_t{1500} << std::uint16_t{0x1234} << std::uint8_t{7} << 1.5;
    const std::vector<std::uint8_t> want = {0xDC, 0x05, 0, 0, 0x34, 0x12, 7,   0,
                                            0,    0,    0, 0, 0,    0xF8, 0x3F};
    EXPECT_EQ(ar.Buffer(), want);
    CArchive in(ar.Buffer());
    std::int32_t i = 0;
    std::uint16_t w = 0;
    std::uint8_t b = 0;
    double d = 0;
    in >> i >> w >> b >> d;
    EXPECT_EQ(i, 1500);
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(b, 7);
    EXPECT_EQ(d, 1.5);
    EXPECT_THROW(in >> b, CArchiveException);
}

TEST(Archive, StringLengthForms) {
    EXPECT_EQ(Stored("Arial").size(), 1u + 5u);
    EXPECT_EQ(Stored(std::string(254, 'a')).size(), 1u + 254u);
    // From 255 on: 0xFF, a 16-bit length.
    const auto mid = Stored(std::string(255, 'a'));
    ASSERT_EQ(mid.size(), 3u + 255u);
    EXPECT_EQ(mid[0], 0xFF);
    EXPECT_EQ(mid[1] | mid[2] << 8, 255);
    // 0xFFFD still fits in 16 bits; 0xFFFE would read as the Unicode marker.
    EXPECT_EQ(Stored(std::string(0xFFFD, 'a')).size(), 3u + 0xFFFDu);
    const auto big = Stored(std::string(0xFFFE, 'a'));
    ASSERT_EQ(big.size(), 7u + 0xFFFEu);
    EXPECT_EQ(big[1], 0xFF);
    EXPECT_EQ(big[2], 0xFF);
    for (std::size_t n : {0u, 1u, 254u, 255u, 0xFFFDu, 0xFFFEu, 0xFFFFu, 70000u})
        EXPECT_EQ(LoadString(Stored(std::string(n, 'x'))).size(), n);
}

TEST(Archive, NonAsciiTextUsesTheUnicodeForm) {
    const std::string text = "Caf\xC3\xA9 \xF0\x9F\x8E\x82"; // Café and a cake
    const auto bytes = Stored(text);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_EQ(bytes[2], 0xFF);
    EXPECT_EQ(bytes[3], 7); // UTF-16 units: C a f é space + a surrogate pair
    EXPECT_EQ(bytes.size(), 4u + 14u);
    EXPECT_EQ(LoadString(bytes), text);
    std::string valid;
    for (int i = 0; i < 300; ++i)
        valid += "\xC3\xA9";
    EXPECT_EQ(LoadString(Stored(valid)), valid);
}

TEST(Archive, ByteStringsThatAreNotUtf8ReadAsWindows1252) {
    const std::vector<std::uint8_t> bytes = {5, 'C', 'a', 'f', 0xE9, 0x80};
    EXPECT_EQ(LoadString(bytes), "Caf\xC3\xA9\xE2\x82\xAC");
}

TEST(Archive, HostileLengthsFailBeforeAllocating) {
    // A string claiming four gigabytes in a file of a few bytes.
    const std::vector<std::uint8_t> huge = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'};
    EXPECT_THROW(LoadString(huge), CArchiveException);
    const std::vector<std::uint8_t> unicode = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF,
                                               0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_THROW(LoadString(unicode), CArchiveException);
    const std::vector<std::uint8_t> cut = {10, 'a', 'b'};
    EXPECT_THROW(LoadString(cut), CArchiveException);
    const std::vector<std::uint8_t> empty;
    EXPECT_THROW(LoadString(empty), CArchiveException);
}

TEST(Archive, DatesStoreStatusThenValue) {
    CArchive ar;
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    ar << COleDateTime(2000, 1, 1, 12, 0, 0) << none;
    ASSERT_EQ(ar.Buffer().size(), 24u);
    EXPECT_EQ(ar.Buffer()[12], 2);
    CArchive in(ar.Buffer());
    COleDateTime a, b;
    in >> a >> b;
    EXPECT_EQ(a, COleDateTime(2000, 1, 1, 12, 0, 0));
    EXPECT_EQ(b.GetStatus(), COleDateTime::null);
    std::vector<std::uint8_t> bad = ar.Buffer();
    bad[0] = 9;
    CArchive badIn(bad);
    EXPECT_THROW(badIn >> a, CArchiveException);
}

TEST(Archive, DatesNoDateCanHoldReadAsInvalid) {
    const struct {
        std::int32_t status;
        double value;
        COleDateTime::DateTimeStatus read;
    } cases[] = {
        {COleDateTime::valid, 46364.5, COleDateTime::valid},
        {COleDateTime::valid, -657434.0, COleDateTime::valid},
        {COleDateTime::valid, -3.535e184, COleDateTime::invalid},
        {COleDateTime::valid, 2958466.5, COleDateTime::invalid},
        {COleDateTime::valid, std::numeric_limits<double>::quiet_NaN(), COleDateTime::invalid},
        {COleDateTime::valid, std::numeric_limits<double>::infinity(), COleDateTime::invalid},
        {COleDateTime::null, 1e300, COleDateTime::null},
    };
    for (const auto& c : cases) {
        CArchive out;
        out << c.status << c.value;
        CArchive in(out.Buffer());
        COleDateTime read;
        in >> read;
        EXPECT_EQ(read.GetStatus(), c.read) << c.value;
    }
}

} // namespace
