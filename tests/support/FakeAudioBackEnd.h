#pragma once
// An audio back end for tests: makes no sound, records what it was asked to
// play, and can be told how many output devices there are, to refuse a file
// or to fail a loop while it plays. Installed while it lives.

#include "reminders/AudioBackEnd.h"

#include <string>
#include <vector>

class CFakeAudioBackEnd : public CAudioBackEnd {
public:
    CFakeAudioBackEnd();
    ~CFakeAudioBackEnd() override;
    CFakeAudioBackEnd(const CFakeAudioBackEnd&) = delete;
    CFakeAudioBackEnd& operator=(const CFakeAudioBackEnd&) = delete;

    bool PlayLoop(const std::string& path) override;
    void Stop() override;
    int OutputDeviceCount() const override { return m_nDevices; }
    void Beep() override { ++m_nBeeps; }

    // The loop that plays now breaks down, as an undecodable file would.
    void FailLoop();
    bool IsLooping() const { return !m_strLooping.empty(); }

    int m_nDevices = 1;
    bool m_bRefuseFiles = false; // PlayLoop fails for every file
    int m_nBeeps = 0;
    int m_nStops = 0;
    std::vector<std::string> m_played; // every file PlayLoop accepted
    std::string m_strLooping;          // the file looping now, empty when none
};
