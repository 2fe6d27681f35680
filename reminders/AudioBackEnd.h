#pragma once
// The program's one way to make a sound: play a wave file over and over,
// stop it, count the output devices, sound one short tone. The user
// interface installs the real back end at start-up; tests install one that
// records what was asked of it.

#include <functional>
#include <string>

class CAudioBackEnd {
public:
    virtual ~CAudioBackEnd() = default;

    // Starts playing the file in a loop, without waiting; a loop already
    // playing is replaced. False when the file cannot be played at all.
    virtual bool PlayLoop(const std::string& path) = 0;
    // Stops the loop, if one plays.
    virtual void Stop() = 0;
    virtual int OutputDeviceCount() const = 0;
    // One short tone: the alarm's beep.
    virtual void Beep() = 0;

    // Called when a loop that PlayLoop accepted turns out to be unplayable
    // later (the data cannot be decoded); one handler, replaced by the next.
    void SetLoopFailedHandler(std::function<void()> handler) { m_loopFailed = std::move(handler); }

    // The back end in use: the installed one, else one that makes no sound
    // and reports no output device.
    static CAudioBackEnd& Current();
    // Installs backEnd (not owned); nullptr goes back to the silent one.
    static void Install(CAudioBackEnd* backEnd);

protected:
    void ReportLoopFailed() const {
        if (m_loopFailed) m_loopFailed();
    }

private:
    std::function<void()> m_loopFailed;
};
