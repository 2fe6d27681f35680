#pragma once
// The ringing of one alarm window: started when the alarm opens, ticked every
// 500 ms by the window's timer, ended when the alarm is acknowledged or the
// note deleted. Each tick beeps (speaker setting, or a wave file that cannot
// be played), counts toward the "Stop alarm after" limit and flips the blink
// of the window's pin button. The wave sound itself is shared (CSharedWave).

#include <string>

class CCalendarData;

class CAlarmSignal {
public:
    // The alarm settings (values of the options' "Alarm" choice).
    enum Sound { kSpeaker = 147, kWaveFile = 148, kMute = 149 };
    struct Settings {
        int nSound = kSpeaker;
        std::string strWaveFile;
        int nStopSeconds = 0; // 0: ring until acknowledged
    };
    static Settings SettingsOf(const CCalendarData& data);
    static constexpr int kTickMilliseconds = 500;

    CAlarmSignal() = default;
    CAlarmSignal(const CAlarmSignal&) = delete;
    CAlarmSignal& operator=(const CAlarmSignal&) = delete;
    // A window that goes away while ringing still ends its share of the sound.
    ~CAlarmSignal();

    // Counts this alarm among the ringing ones and, as the first, starts the
    // wave sound. The window then ticks every kTickMilliseconds.
    void Start(const Settings& settings);
    // One tick. False once the ringing time has run out: the window stops
    // its timer (and stops blinking) but stays in alarm mode.
    bool Tick();
    // Ends the ringing; the last ringing alarm stops the wave sound. Nothing
    // happens for an alarm that is not ringing.
    void End();

    bool IsRinging() const { return m_bRinging; }
    // Ringing and still within its time: the window's timer runs.
    bool IsSignalling() const { return m_bSignalling; }
    // Whether the pin button is drawn in its other state at this moment.
    bool IsBlinkAlternate() const { return m_bBlinkAlternate; }
    float Elapsed() const { return m_fElapsed; }

private:
    bool BeepsEachTick() const;

    Settings m_settings;
    float m_fElapsed = 0.0f; // seconds rung, counted in halves
    bool m_bStopAfter = false;
    bool m_bBlinkAlternate = false;
    bool m_bRinging = false;
    bool m_bSignalling = false;
};
