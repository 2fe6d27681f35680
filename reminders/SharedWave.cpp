#include "reminders/SharedWave.h"

#include "reminders/AudioBackEnd.h"

bool CSharedWave::s_bPlaying = false;
bool CSharedWave::s_bFailed = false;

void CSharedWave::Play(const std::string& path) {
    s_bPlaying = CAudioBackEnd::Current().PlayLoop(path, &CSharedWave::OnLoopFailed);
    s_bFailed = !s_bPlaying;
}

void CSharedWave::Stop() {
    CAudioBackEnd::Current().Stop();
    s_bPlaying = false;
}

void CSharedWave::OnLoopFailed() {
    if (!s_bPlaying) return; // a late word from a loop stopped on purpose
    s_bPlaying = false;
    s_bFailed = true;
}
