#include "reminders/BeepStream.h"

#include "reminders/ToneWave.h"

#include <algorithm>
#include <cstring>

CBeepStream::CBeepStream(QObject* parent)
    : QIODevice(parent), m_tone(CToneWave::Samples()), m_nNext(m_tone.size()) {
    // Unbuffered: a read ahead of what the output asks for would hold back
    // each beep by that much.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void CBeepStream::Trigger() {
    if (!IsSounding()) m_nNext = 0;
}

qint64 CBeepStream::bytesAvailable() const {
    // Endless: a second of sound is always ready.
    return QIODevice::bytesAvailable() + qint64{CToneWave::kSampleRate} * kBytesPerSample;
}

qint64 CBeepStream::readData(char* data, qint64 maxSize) {
    const auto wanted = static_cast<std::size_t>(std::max<qint64>(maxSize, 0) / kBytesPerSample);
    const std::size_t tone = std::min(wanted, m_tone.size() - m_nNext);
    std::memcpy(data, m_tone.data() + m_nNext, tone * kBytesPerSample);
    std::memset(data + tone * kBytesPerSample, 0, (wanted - tone) * kBytesPerSample);
    m_nNext += tone;
    return static_cast<qint64>(wanted * kBytesPerSample);
}

qint64 CBeepStream::writeData(const char*, qint64) {
    return -1; // a source only
}
