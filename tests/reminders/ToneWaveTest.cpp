// The beep's own wave file: a well-formed 16-bit mono PCM file whose tone
// fades in and out.
#include "reminders/ToneWave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

int Sample(const std::vector<std::uint8_t>& bytes, std::size_t index) {
    const std::size_t at = 44 + 2 * index;
    return static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::string Tag(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::string(bytes.begin() + static_cast<long>(at),
                       bytes.begin() + static_cast<long>(at) + 4);
}

} // namespace

TEST(ToneWave, HeaderDescribesSixteenBitMonoPcm) {
    const std::vector<std::uint8_t> wave = CToneWave::Make(880, 150, 22050);
    const std::uint32_t samples = 22050 * 150 / 1000;
    ASSERT_EQ(wave.size(), 44 + 2 * samples);
    EXPECT_EQ(Tag(wave, 0), "RIFF");
    EXPECT_EQ(Read32(wave, 4), wave.size() - 8);
    EXPECT_EQ(Tag(wave, 8), "WAVE");
    EXPECT_EQ(Tag(wave, 12), "fmt ");
    EXPECT_EQ(Read32(wave, 16), 16u);
    EXPECT_EQ(wave[20] | wave[21] << 8, 1); // PCM
    EXPECT_EQ(wave[22] | wave[23] << 8, 1); // mono
    EXPECT_EQ(Read32(wave, 24), 22050u);
    EXPECT_EQ(Read32(wave, 28), 44100u);     // bytes per second
    EXPECT_EQ(wave[34] | wave[35] << 8, 16); // bits per sample
    EXPECT_EQ(Tag(wave, 36), "data");
    EXPECT_EQ(Read32(wave, 40), 2 * samples);
}

TEST(ToneWave, ToneFadesInAndOutWithoutClipping) {
    const std::vector<std::uint8_t> wave = CToneWave::Make(880, 150, 22050);
    const std::size_t samples = (wave.size() - 44) / 2;
    EXPECT_EQ(Sample(wave, 0), 0);
    EXPECT_LE(std::abs(Sample(wave, samples - 1)), 200);
    int peak = 0;
    for (std::size_t i = 0; i < samples; ++i)
        peak = std::max(peak, std::abs(Sample(wave, i)));
    EXPECT_GT(peak, 15000);
    EXPECT_LE(peak, 16384);
}

TEST(ToneWave, AbsurdRequestsStayWithinBounds) {
    EXPECT_EQ(CToneWave::Make(880, 0, 22050).size(), 44u + 2 * 22u);
    EXPECT_EQ(CToneWave::Make(880, 1000000, 8000).size(), 44u + 2 * 80000u);
    EXPECT_EQ(CToneWave::Make(880, 10, -5).size(), 44u + 2 * 80u);
}
