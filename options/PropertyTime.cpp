#include "options/PropertyTime.h"

#include "editing/DialogLayout.h"
#include "editing/NumberField.h"
#include "reminders/AudioBackEnd.h"
#include "res/StringTable.h"
#include "views/FileDialog.h"
#include "views/TabOrder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kStringPlay = 129;
constexpr int kStringStop = 141;
// Whole numbers the two fields hold: a day of ringing, and 270 years of history.
constexpr int kMaxSeconds = 86400;
constexpr int kMaxHistoryDays = 99999;
constexpr int kHistoryDaysDefault = 30;
constexpr int kHistoryDaysKept = 1;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

using Layout = CDialogLayout;

} // namespace

CPropertyTime::CPropertyTime(CNoteOptions& values, QWidget* parent)
    : COptionPage(parent), m_values(values) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateAlarmGroup());
    layout->addWidget(CreateHistoryGroup());
    layout->addWidget(CreateWeekRow());
    layout->addStretch(1);
    ShowValues();
    ConnectControls();
    CTabOrder::Set({m_pSpeaker, m_pWaveFile, m_pBrowse, m_pPlay, m_pMute, m_pStopAfter, m_pSeconds,
                    m_pDesktopNotification, m_pShowCountdown, m_pSaveHistory, m_pClearHistory,
                    m_pDays, m_pSunday, m_pMonday});
    m_pSeconds->setAccessibleName(QStringLiteral("Seconds"));
    m_pDays->setAccessibleName(QStringLiteral("Days"));
}

CPropertyTime::~CPropertyTime() {
    StopPreview();
}

QWidget* CPropertyTime::CreateAlarmGroup() {
    auto* group = new QGroupBox(QStringLiteral("Alarm"), this);
    m_pSpeaker = Layout::Named(new QRadioButton(QStringLiteral("Speaker"), group), "speaker");
    m_pWaveFile = Layout::Named(new QRadioButton(QStringLiteral("Wave file"), group), "waveFile");
    m_pMute = Layout::Named(new QRadioButton(QStringLiteral("Mute"), group), "mute");
    auto* sounds = new QButtonGroup(group);
    for (QRadioButton* radio : {m_pSpeaker, m_pWaveFile, m_pMute})
        sounds->addButton(radio);
    m_pBrowse = Layout::Named(new QPushButton(QStringLiteral("Browse"), group), "browse");
    m_pPlay = Layout::Named(new QPushButton(Text(kStringPlay), group), "play");
    m_pWavePath = Layout::Named(new QLabel(group), "wavePath");
    m_pWavePath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pWaveProblem = Layout::Named(
        new QLabel(QStringLiteral("This file cannot be played: the alarm beeps instead."), group),
        "waveProblem");
    m_pWaveProblem->setVisible(false);
    m_pStopAfter =
        Layout::Named(new QCheckBox(QStringLiteral("Stop alarm after"), group), "stopAfter");
    m_pSeconds = Layout::Named(new CNumberField(0, kMaxSeconds, group), "seconds");
    m_pSeconds->setMaximumWidth(60);
    m_pDesktopNotification =
        Layout::Named(new QCheckBox(QStringLiteral("Also show a desktop notification"), group),
                      "desktopNotification");
    m_pShowCountdown = Layout::Named(
        new QCheckBox(QStringLiteral("Show count down by default"), group), "showCountdown");

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(Layout::Row({m_pSpeaker}));
    layout->addLayout(Layout::Row({m_pWaveFile, m_pBrowse, m_pPlay}));
    layout->addWidget(m_pWavePath);
    layout->addWidget(m_pWaveProblem);
    layout->addLayout(Layout::Row({m_pMute}));
    layout->addLayout(
        Layout::Row({m_pStopAfter, m_pSeconds, new QLabel(QStringLiteral("seconds"), group)}));
    layout->addLayout(Layout::Row({m_pDesktopNotification}));
    layout->addLayout(Layout::Row({m_pShowCountdown}));
    return group;
}

QWidget* CPropertyTime::CreateHistoryGroup() {
    auto* group = new QGroupBox(QStringLiteral("History"), this);
    m_pSaveHistory =
        Layout::Named(new QCheckBox(QStringLiteral("Save History"), group), "saveHistory");
    m_pClearHistory =
        Layout::Named(new QCheckBox(QStringLiteral("Clear History After "), group), "clearHistory");
    m_pDays = Layout::Named(new CNumberField(0, kMaxHistoryDays, group), "historyDays");
    m_pDays->setMaximumWidth(60);
    m_pDaysLabel = Layout::Named(new QLabel(QStringLiteral("days"), group), "historyDaysLabel");
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(Layout::Row({m_pSaveHistory}));
    layout->addLayout(Layout::Row({m_pClearHistory, m_pDays, m_pDaysLabel}));
    return group;
}

QWidget* CPropertyTime::CreateWeekRow() {
    auto* row = new QWidget(this);
    m_pSunday = Layout::Named(new QRadioButton(QStringLiteral("Sunday"), row), "sunday");
    m_pMonday = Layout::Named(new QRadioButton(QStringLiteral("Monday"), row), "monday");
    auto* layout =
        Layout::Row({new QLabel(QStringLiteral("First Day Of Week"), row), m_pSunday, m_pMonday});
    layout->setContentsMargins(0, 0, 0, 0);
    row->setLayout(layout);
    return row;
}

void CPropertyTime::ShowValues() {
    (m_values.m_bWeekStartsSunday > 0 ? m_pSunday : m_pMonday)->setChecked(true);
    const bool wave = m_values.m_nAlarmSound == kAlarmWaveFile;
    if (wave)
        m_pWaveFile->setChecked(true);
    else if (m_values.m_nAlarmSound == kAlarmMute)
        m_pMute->setChecked(true);
    else if (m_values.m_nAlarmSound == kAlarmSpeaker)
        m_pSpeaker->setChecked(true);
    m_pWavePath->setText(QString::fromStdString(m_values.m_strWaveFile));
    m_pBrowse->setEnabled(wave);
    m_pPlay->setEnabled(wave && !m_values.m_strWaveFile.empty());

    m_pShowCountdown->setChecked(m_values.m_bShowCountdownDefault);
    m_pStopAfter->setChecked(m_values.m_bStopAfter);
    m_pSeconds->SetValue(m_values.m_nStopSeconds);
    m_pSeconds->setEnabled(m_values.m_bStopAfter);
    m_pDesktopNotification->setChecked(m_values.m_bDesktopNotification);

    const bool save = m_values.m_bSaveHistory;
    m_pSaveHistory->setChecked(save);
    m_pClearHistory->setEnabled(save);
    m_pClearHistory->setChecked(m_values.m_nHistoryDays > 0);
    m_pDays->SetValue(m_values.m_nHistoryDays);
    m_pDays->setEnabled(save && m_values.m_nHistoryDays >= 1);
    m_pDaysLabel->setEnabled(m_pDays->isEnabled());

    if (CAudioBackEnd::Current().OutputDeviceCount() == 0)
        for (QWidget* wave : std::initializer_list<QWidget*>{m_pWaveFile, m_pBrowse, m_pPlay})
            wave->setEnabled(false);
    else if (!m_values.m_strWaveFile.empty())
        CheckWaveFile();
}

void CPropertyTime::ConnectControls() {
    connect(m_pSpeaker, &QRadioButton::clicked, this, &CPropertyTime::OnSpeakerOrMute);
    connect(m_pMute, &QRadioButton::clicked, this, &CPropertyTime::OnSpeakerOrMute);
    connect(m_pWaveFile, &QRadioButton::clicked, this, &CPropertyTime::OnWaveFile);
    connect(m_pPlay, &QPushButton::clicked, this, &CPropertyTime::OnPlay);
    connect(m_pBrowse, &QPushButton::clicked, this, &CPropertyTime::OnBrowse);
    connect(m_pStopAfter, &QCheckBox::clicked, this, &CPropertyTime::OnStopAfter);
    connect(m_pSaveHistory, &QCheckBox::clicked, this, &CPropertyTime::OnSaveHistory);
    connect(m_pClearHistory, &QCheckBox::clicked, this, &CPropertyTime::OnClearHistory);
    connect(m_pSunday, &QRadioButton::clicked, this, [this] { m_values.m_bWeekStartsSunday = 1; });
    connect(m_pMonday, &QRadioButton::clicked, this, [this] { m_values.m_bWeekStartsSunday = 0; });
}

void CPropertyTime::OnSpeakerOrMute() {
    m_pBrowse->setEnabled(false);
    m_pPlay->setEnabled(false);
    StopPreview();
}

void CPropertyTime::OnWaveFile() {
    m_pBrowse->setEnabled(true);
    m_pPlay->setEnabled(!m_values.m_strWaveFile.empty());
}

void CPropertyTime::OnPlay() {
    if (m_bPreviewing) {
        StopPreview();
        return;
    }
    // The answer may come once the file has been loaded, when the page may
    // be gone or the preview over.
    const QPointer<CPropertyTime> page(this);
    const bool playing = CAudioBackEnd::Current().PlayLoop(m_values.m_strWaveFile, [page] {
        if (!page || !page->m_bPreviewing) return;
        page->StopPreview();
        page->ShowWaveProblem(true);
    });
    if (!playing) {
        ShowWaveProblem(true);
        return;
    }
    m_pPlay->setText(Text(kStringStop));
    m_bPreviewing = true;
}

void CPropertyTime::StopPreview() {
    if (!m_bPreviewing) return;
    m_bPreviewing = false;
    m_pPlay->setText(Text(kStringPlay));
    CAudioBackEnd::Current().Stop();
}

void CPropertyTime::CheckWaveFile() {
    ShowWaveProblem(false);
    const QPointer<CPropertyTime> page(this);
    const std::string path = m_values.m_strWaveFile;
    CAudioBackEnd::Current().CheckFile(path, [page, path](bool playable) {
        if (page && page->m_values.m_strWaveFile == path) page->ShowWaveProblem(!playable);
    });
}

void CPropertyTime::ShowWaveProblem(bool unplayable) {
    m_pWaveProblem->setVisible(unplayable);
}

void CPropertyTime::OnBrowse() {
    if (!Leave()) return;
    StopPreview();
    CAudioBackEnd::Current().Stop();
    const QString path = CFileDialog::GetOpenFileName(this, QString(), QStringLiteral("*.wav"),
                                                      QStringLiteral("Wave Files (*.wav)"));
    if (path.isEmpty()) return;
    m_values.m_strWaveFile = path.toStdString();
    m_pWavePath->setText(path);
    m_pPlay->setEnabled(true);
    CheckWaveFile();
}

void CPropertyTime::OnStopAfter() {
    m_pSeconds->setEnabled(m_pStopAfter->isChecked());
}

void CPropertyTime::OnSaveHistory() {
    const bool save = m_pSaveHistory->isChecked();
    m_pClearHistory->setEnabled(save);
    m_pDays->setEnabled(save);
    m_pDaysLabel->setEnabled(save);
    if (save)
        OnClearHistory();
    else
        m_pDays->SetValue(kHistoryDaysKept);
}

void CPropertyTime::OnClearHistory() {
    const bool clear = m_pClearHistory->isChecked();
    m_pDays->setEnabled(clear);
    m_pDaysLabel->setEnabled(clear);
    if (clear)
        m_pDays->SetValue(kHistoryDaysDefault);
    else
        m_pDays->clear();
}

int CPropertyTime::ChosenRadio() const {
    if (m_pWaveFile->isChecked()) return kAlarmWaveFile;
    if (m_pMute->isChecked()) return kAlarmMute;
    return kAlarmSpeaker;
}

bool CPropertyTime::Leave() {
    CNoteOptions read = m_values;
    read.m_bStopAfter = m_pStopAfter->isChecked();
    read.m_bClearHistory = m_pClearHistory->isChecked();
    // A field greyed out by its box holds nothing that is kept.
    if (read.m_bStopAfter && !m_pSeconds->ReadValue(read.m_nStopSeconds)) return false;
    if (read.m_bClearHistory && !m_pDays->ReadValue(read.m_nHistoryDays)) return false;
    read.m_bShowCountdownDefault = m_pShowCountdown->isChecked();
    read.m_bDesktopNotification = m_pDesktopNotification->isChecked();
    read.m_bSaveHistory = m_pSaveHistory->isChecked();
    read.m_nAlarmSound = CNoteOptions::ChosenSound(ChosenRadio(), read.m_strWaveFile);
    m_values = read;
    return true;
}
