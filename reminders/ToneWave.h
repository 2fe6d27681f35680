#pragma once
// The alarm's beep as a wave file of its own making: a short sine tone,
// 16-bit mono PCM, faded in and out so that it does not click.

#include <cstdint>
#include <vector>

class CToneWave {
public:
    static constexpr int kSampleRate = 22050;
    static constexpr int kFrequency = 880;
    static constexpr int kMilliseconds = 150;

    // The complete file: RIFF header, format chunk, data chunk.
    static std::vector<std::uint8_t> Make(int frequency = kFrequency,
                                          int milliseconds = kMilliseconds,
                                          int sampleRate = kSampleRate);
};
