#include "tests/support/FakeAudioBackEnd.h"

CFakeAudioBackEnd::CFakeAudioBackEnd() {
    CAudioBackEnd::Install(this);
}

CFakeAudioBackEnd::~CFakeAudioBackEnd() {
    CAudioBackEnd::Install(nullptr);
}

bool CFakeAudioBackEnd::PlayLoop(const std::string& path, LoopFailed onFailed) {
    if (m_bRefuseFiles || path.empty()) {
        m_strLooping.clear();
        return false;
    }
    m_played.push_back(path);
    m_strLooping = path;
    m_loopFailed = std::move(onFailed);
    return true;
}

void CFakeAudioBackEnd::Stop() {
    ++m_nStops;
    m_strLooping.clear();
}

void CFakeAudioBackEnd::CheckFile(const std::string& path, FileChecked answer) {
    m_checked.push_back(path);
    m_fileChecked = nullptr;
    if (m_bRefuseFiles || path.empty())
        answer(false);
    else
        m_fileChecked = std::move(answer);
}

void CFakeAudioBackEnd::FailLoop() {
    m_strLooping.clear();
    if (m_loopFailed) m_loopFailed();
}

void CFakeAudioBackEnd::AnswerCheck(bool playable) {
    const FileChecked answer = std::move(m_fileChecked);
    m_fileChecked = nullptr;
    if (answer) answer(playable);
}
