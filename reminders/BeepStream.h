#pragma once
// The beep as an endless stream for one audio output that stays open while
// alarms ring: silence, with the tone laid in whenever a beep is asked for.
// An output opened anew for every beep falls silent after a few beeps on a
// sound server; this stream lets one output serve the whole ringing, and
// every ringing window at once.

#include <QIODevice>

#include <cstdint>
#include <vector>

class CBeepStream : public QIODevice {
public:
    // 16-bit mono samples at the tone's own rate.
    static constexpr int kBytesPerSample = 2;

    explicit CBeepStream(QObject* parent = nullptr);

    // The tone begins with the next samples read. While it still sounds, a
    // further beep (another window's, at nearly the same moment) joins it
    // rather than cutting it off with a click.
    void Trigger();
    bool IsSounding() const { return m_nNext < m_tone.size(); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    std::vector<std::int16_t> m_tone;
    std::size_t m_nNext; // the tone's next sample; the tone's size when silent
};
