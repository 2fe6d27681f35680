#pragma once
// The program's one way to make a sound: play a wave file over and over,
// stop it, find out whether a file can be played, count the output devices,
// sound one short tone. The user interface installs the real back end at
// start-up; tests install one that records what was asked of it.

#include <functional>
#include <string>

class CAudioBackEnd {
public:
    using LoopFailed = std::function<void()>;
    using FileChecked = std::function<void(bool playable)>;

    virtual ~CAudioBackEnd() = default;

    // Starts playing the file in a loop, without waiting; a loop already
    // playing is replaced. False when the file cannot be played at all.
    // When the file turns out to be unplayable only once it has been loaded
    // (the data cannot be decoded), the loop ends and onFailed is called,
    // unless the loop has been stopped or replaced by then.
    virtual bool PlayLoop(const std::string& path, LoopFailed onFailed) = 0;
    // Stops the loop, if one plays.
    virtual void Stop() = 0;
    // Finds out, without a sound, whether the file can be played: answers
    // at once, or once the file has been loaded. A new check replaces one
    // not yet answered.
    virtual void CheckFile(const std::string& path, FileChecked answer) = 0;
    virtual int OutputDeviceCount() const = 0;
    // One short tone: the alarm's beep.
    virtual void Beep() = 0;

    // The back end in use: the installed one, else one that makes no sound
    // and reports no output device.
    static CAudioBackEnd& Current();
    // Installs backEnd (not owned); nullptr goes back to the silent one.
    static void Install(CAudioBackEnd* backEnd);
};
