#pragma once
// The alarm's beep: a short sine tone, 16-bit mono PCM, faded in and out so
// that it does not click; as bare samples and as a complete wave file.

#include <cstdint>
#include <vector>

class CToneWave {
public:
    static constexpr int kSampleRate = 22050;
    static constexpr int kFrequency = 880;
    static constexpr int kMilliseconds = 150;

    static std::vector<std::int16_t> Samples(int frequency = kFrequency,
                                             int milliseconds = kMilliseconds,
                                             int sampleRate = kSampleRate);
    // The complete file: RIFF header, format chunk, data chunk.
    static std::vector<std::uint8_t> Make(int frequency = kFrequency,
                                          int milliseconds = kMilliseconds,
                                          int sampleRate = kSampleRate);
};
