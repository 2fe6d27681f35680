#include "tests/support/FakeAudioBackEnd.h"

CFakeAudioBackEnd::CFakeAudioBackEnd() {
    CAudioBackEnd::Install(this);
}

CFakeAudioBackEnd::~CFakeAudioBackEnd() {
    CAudioBackEnd::Install(nullptr);
}

bool CFakeAudioBackEnd::PlayLoop(const std::string& path) {
    if (m_bRefuseFiles || path.empty()) {
        m_strLooping.clear();
        return false;
    }
    m_played.push_back(path);
    m_strLooping = path;
    return true;
}

void CFakeAudioBackEnd::Stop() {
    ++m_nStops;
    m_strLooping.clear();
}

void CFakeAudioBackEnd::FailLoop() {
    m_strLooping.clear();
    ReportLoopFailed();
}
