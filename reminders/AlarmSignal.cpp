#include "reminders/AlarmSignal.h"

#include "reminders/AudioBackEnd.h"
#include "reminders/SharedWave.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"

CAlarmSignal::Settings CAlarmSignal::SettingsOf(const CCalendarData& data) {
    Settings settings;
    settings.nSound = data.m_nAlarmSound;
    settings.strWaveFile = data.m_strWaveFile;
    settings.nStopSeconds = data.m_nStopAlarmSeconds;
    return settings;
}

CAlarmSignal::~CAlarmSignal() {
    End();
}

void CAlarmSignal::Start(const Settings& settings) {
    if (m_bRinging) End(); // a second start must not count the alarm twice
    m_settings = settings;
    m_fElapsed = 0.0f;
    m_bStopAfter = settings.nStopSeconds > 0;
    m_bBlinkAlternate = false;
    m_bRinging = true;
    m_bSignalling = true;
    ++g_nAlarmsRinging;
    if (g_nAlarmsRinging == 1 && settings.nSound == kWaveFile &&
        CAudioBackEnd::Current().OutputDeviceCount() > 0)
        CSharedWave::Play(settings.strWaveFile);
}

bool CAlarmSignal::Tick() {
    if (!m_bSignalling) return false;
    if (BeepsEachTick()) CAudioBackEnd::Current().Beep();
    m_bBlinkAlternate = !m_bBlinkAlternate;
    if (m_bStopAfter) {
        m_fElapsed += 0.5f;
        if (m_fElapsed > static_cast<float>(m_settings.nStopSeconds)) {
            if (m_settings.nSound == kWaveFile) CSharedWave::Stop();
            m_bSignalling = false;
            m_bBlinkAlternate = false;
        }
    }
    return m_bSignalling;
}

void CAlarmSignal::End() {
    if (!m_bRinging) return;
    if (g_nAlarmsRinging == 1 && m_settings.nSound == kWaveFile) CSharedWave::Stop();
    if (g_nAlarmsRinging > 0) --g_nAlarmsRinging;
    m_bRinging = false;
    m_bSignalling = false;
    m_bBlinkAlternate = false;
}

bool CAlarmSignal::BeepsEachTick() const {
    if (m_settings.nSound == kSpeaker) return true;
    // A wave file that could not be played must not leave the alarm silent.
    return m_settings.nSound == kWaveFile && CSharedWave::HasFailed() &&
           CAudioBackEnd::Current().OutputDeviceCount() > 0;
}
