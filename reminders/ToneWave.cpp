#include "reminders/ToneWave.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kBitsPerSample = 16;
constexpr int kChannels = 1;
constexpr double kAmplitude = 0.5 * 32767;
constexpr int kFadeMilliseconds = 10;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

std::vector<std::int16_t> CToneWave::Samples(int frequency, int milliseconds, int sampleRate) {
    sampleRate = std::clamp(sampleRate, 8000, 96000);
    milliseconds = std::clamp(milliseconds, 1, 10000);
    const std::size_t samples =
        static_cast<std::size_t>(static_cast<long long>(sampleRate) * milliseconds / 1000);
    std::vector<std::int16_t> out(samples);
    const double fadeSamples = std::max(1.0, sampleRate * kFadeMilliseconds / 1000.0);
    for (std::size_t i = 0; i < samples; ++i) {
        const double fade = std::min({1.0, i / fadeSamples, (samples - 1 - i) / fadeSamples});
        const double phase = 2 * std::numbers::pi * frequency * i / sampleRate;
        out[i] = static_cast<std::int16_t>(std::lround(kAmplitude * fade * std::sin(phase)));
    }
    return out;
}

std::vector<std::uint8_t> CToneWave::Make(int frequency, int milliseconds, int sampleRate) {
    const std::vector<std::int16_t> samples = Samples(frequency, milliseconds, sampleRate);
    sampleRate = std::clamp(sampleRate, 8000, 96000);
    const std::uint32_t blockAlign = kChannels * kBitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, kChannels);
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    Put16(out, blockAlign);
    Put16(out, kBitsPerSample);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (const std::int16_t sample : samples)
        Put16(out, static_cast<std::uint16_t>(sample));
    return out;
}
