// The beep's endless stream: silence until a beep is asked for, then at once
// the tone, across as many reads as the output makes, then silence again.
#include "reminders/BeepStream.h"

#include "reminders/ToneWave.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Reads `samples` samples the way an audio output does.
std::vector<std::int16_t> Read(CBeepStream& stream, std::size_t samples) {
    std::vector<std::int16_t> out(samples, 1);
    const qint64 bytes = static_cast<qint64>(samples) * CBeepStream::kBytesPerSample;
    EXPECT_EQ(stream.read(reinterpret_cast<char*>(out.data()), bytes), bytes);
    return out;
}

bool Silent(const std::vector<std::int16_t>& samples) {
    return std::all_of(samples.begin(), samples.end(), [](std::int16_t s) { return s == 0; });
}

} // namespace

TEST(BeepStream, EachBeepIsTheToneOnceAcrossReadsOfAnySize) {
    const std::vector<std::int16_t> tone = CToneWave::Samples();
    // Read sizes smaller than, equal to and larger than the tone.
    for (const std::size_t chunk :
         {std::size_t{1}, std::size_t{441}, tone.size(), tone.size() + 7}) {
        SCOPED_TRACE(chunk);
        CBeepStream stream;
        EXPECT_TRUE(Silent(Read(stream, 50000))); // silent and endless until a beep
        EXPECT_FALSE(stream.atEnd());
        for (int beep = 0; beep < 2; ++beep) {
            // Nothing read ahead: the beep is in the very next read.
            EXPECT_TRUE(Silent(Read(stream, chunk)));
            stream.Trigger();
            std::vector<std::int16_t> heard;
            while (heard.size() < tone.size() + chunk) {
                const std::vector<std::int16_t> part = Read(stream, chunk);
                heard.insert(heard.end(), part.begin(), part.end());
            }
            EXPECT_TRUE(std::equal(tone.begin(), tone.end(), heard.begin()));
            EXPECT_TRUE(Silent({heard.begin() + static_cast<long>(tone.size()), heard.end()}));
            EXPECT_FALSE(stream.IsSounding());
        }
    }
}

TEST(BeepStream, BeepWhileTheToneSoundsJoinsIt) {
    const std::vector<std::int16_t> tone = CToneWave::Samples();
    const std::size_t half = tone.size() / 2;
    CBeepStream stream;
    stream.Trigger();
    const std::vector<std::int16_t> first = Read(stream, half);
    stream.Trigger(); // a second window beeps at nearly the same moment
    const std::vector<std::int16_t> rest = Read(stream, tone.size() - half);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), tone.begin()));
    EXPECT_TRUE(std::equal(rest.begin(), rest.end(), tone.begin() + static_cast<long>(half)));
    EXPECT_TRUE(Silent(Read(stream, tone.size())));
}

TEST(BeepStream, HandsOutWholeSamplesOnly) {
    CBeepStream stream;
    stream.Trigger();
    char bytes[5] = {};
    EXPECT_EQ(stream.read(bytes, 5), 4);
}
