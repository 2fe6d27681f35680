#pragma once
// The one wave sound that all ringing alarm windows share: it starts with the
// first alarm that rings while none does and stops with the last one, when a
// window's ringing time runs out, or when any note window is deleted or
// closed. When the file cannot be played the ringing windows beep instead, so
// that a broken wave file never leaves an alarm silent.

#include <string>

class CSharedWave {
public:
    // Starts the file looping through the installed audio back end.
    static void Play(const std::string& path);
    static void Stop();
    static bool IsPlaying() { return s_bPlaying; }
    // The last Play could not be played (at once, or later while looping):
    // the alarms fall back to the beep until the next Play.
    static bool HasFailed() { return s_bFailed; }

private:
    static void OnLoopFailed();

    static bool s_bPlaying;
    static bool s_bFailed;
};
