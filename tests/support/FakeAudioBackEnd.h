#pragma once
// An audio back end for tests: makes no sound, records what it was asked to
// play, and can be told how many output devices there are, to refuse a file,
// to fail a loop while it plays or to answer a file check late. Installed
// while it lives.

#include "reminders/AudioBackEnd.h"

#include <string>
#include <vector>

class CFakeAudioBackEnd : public CAudioBackEnd {
public:
    CFakeAudioBackEnd();
    ~CFakeAudioBackEnd() override;
    CFakeAudioBackEnd(const CFakeAudioBackEnd&) = delete;
    CFakeAudioBackEnd& operator=(const CFakeAudioBackEnd&) = delete;

    bool PlayLoop(const std::string& path, LoopFailed onFailed) override;
    void Stop() override;
    // Refused files are answered at once; any other waits for AnswerCheck.
    void CheckFile(const std::string& path, FileChecked answer) override;
    int OutputDeviceCount() const override { return m_nDevices; }
    void Beep() override { ++m_nBeeps; }

    // The loop started last reports that it broke down, as an undecodable
    // file would; late, even when it has been stopped since.
    void FailLoop();
    // The waiting file check is answered, as once the file has been loaded.
    void AnswerCheck(bool playable);
    bool IsLooping() const { return !m_strLooping.empty(); }

    int m_nDevices = 1;
    bool m_bRefuseFiles = false; // PlayLoop and CheckFile fail for every file
    int m_nBeeps = 0;
    int m_nStops = 0;
    std::vector<std::string> m_played;  // every file PlayLoop accepted
    std::vector<std::string> m_checked; // every file CheckFile was asked about
    std::string m_strLooping;           // the file looping now, empty when none

private:
    LoopFailed m_loopFailed;
    FileChecked m_fileChecked;
};
