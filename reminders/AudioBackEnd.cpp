#include "reminders/AudioBackEnd.h"

namespace {

class CSilentAudioBackEnd : public CAudioBackEnd {
public:
    bool PlayLoop(const std::string&, LoopFailed) override { return false; }
    void Stop() override {}
    void CheckFile(const std::string&, FileChecked answer) override {
        if (answer) answer(false);
    }
    int OutputDeviceCount() const override { return 0; }
    void Beep() override {}
};

CSilentAudioBackEnd g_silent;
CAudioBackEnd* g_pInstalled = nullptr;

} // namespace

CAudioBackEnd& CAudioBackEnd::Current() {
    return g_pInstalled ? *g_pInstalled : g_silent;
}

void CAudioBackEnd::Install(CAudioBackEnd* backEnd) {
    g_pInstalled = backEnd;
}
