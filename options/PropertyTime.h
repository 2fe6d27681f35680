#pragma once
// CPropertyTime: the "Note" page of the options: the alarm signal (speaker,
// wave file with a preview, mute), when it stops, whether a ringing alarm also
// shows a desktop notification, whether new reminders show their countdown,
// the history and the first day of the week.

#include "options/NoteOptions.h"
#include "options/OptionPage.h"

class CNumberField;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

class CPropertyTime : public COptionPage {
    Q_OBJECT
public:
    CPropertyTime(CNoteOptions& values, QWidget* parent = nullptr);
    ~CPropertyTime() override;

    bool Leave() override;
    bool IsPreviewing() const { return m_bPreviewing; }

private:
    QWidget* CreateAlarmGroup();
    QWidget* CreateHistoryGroup();
    QWidget* CreateWeekRow();
    void ShowValues();
    void ConnectControls();

    void OnSpeakerOrMute();
    void OnWaveFile();
    void OnPlay();
    void OnBrowse();
    void OnStopAfter();
    void OnSaveHistory();
    void OnClearHistory();
    void StopPreview();
    void CheckWaveFile();
    void ShowWaveProblem(bool unplayable);
    int ChosenRadio() const;

    CNoteOptions& m_values;
    bool m_bPreviewing = false;

    QRadioButton* m_pSpeaker = nullptr;
    QRadioButton* m_pWaveFile = nullptr;
    QRadioButton* m_pMute = nullptr;
    QPushButton* m_pBrowse = nullptr;
    QPushButton* m_pPlay = nullptr;
    QLabel* m_pWavePath = nullptr;
    QLabel* m_pWaveProblem = nullptr; // the wave file cannot be played
    QCheckBox* m_pStopAfter = nullptr;
    CNumberField* m_pSeconds = nullptr;
    QCheckBox* m_pDesktopNotification = nullptr;
    QCheckBox* m_pShowCountdown = nullptr;
    QCheckBox* m_pSaveHistory = nullptr;
    QCheckBox* m_pClearHistory = nullptr;
    CNumberField* m_pDays = nullptr;
    QLabel* m_pDaysLabel = nullptr;
    QRadioButton* m_pSunday = nullptr;
    QRadioButton* m_pMonday = nullptr;
};
