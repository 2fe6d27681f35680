#include "reminders/SharedWave.h"

#include "reminders/AudioBackEnd.h"

bool CSharedWave::s_bPlaying = false;
bool CSharedWave::s_bFailed = false;

void CSharedWave::Play(const std::string& path) {
    CAudioBackEnd& audio = CAudioBackEnd::Current();
    audio.SetLoopFailedHandler(&CSharedWave::OnLoopFailed);
    s_bPlaying = audio.PlayLoop(path);
    s_bFailed = !s_bPlaying;
}

void CSharedWave::Stop() {
    CAudioBackEnd::Current().Stop();
    s_bPlaying = false;
}

void CSharedWave::OnLoopFailed() {
    if (!s_bPlaying) return; // a loop stopped on purpose is no failure
    s_bPlaying = false;
    s_bFailed = true;
}
