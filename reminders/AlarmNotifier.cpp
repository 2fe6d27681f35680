#include "reminders/AlarmNotifier.h"

#include "reminders/SnoozeInput.h"
#include "store/NoteCasts.h"
#include "store/TimeFormats.h"
#include "views/RtfToPlainText.h"

#include <QStringList>

namespace {

// The first line of the note's text that says anything, cut to a length a
// notification shows.
QString FirstLine(const std::string& text) {
    const QString plain = QString::fromStdString(RtfToPlainText(text));
    for (const QString& line : plain.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) continue;
        if (trimmed.size() <= CAlarmNotifier::kMaxLineLength) return trimmed;
        return trimmed.left(CAlarmNotifier::kMaxLineLength - 1) + QChar(0x2026);
    }
    return QString();
}

QString SnoozeLabel() {
    const int minutes =
        CSnoozeInput::TotalMinutes(CSnoozeInput::kDefaultHours, CSnoozeInput::kDefaultMinutes);
    return QStringLiteral("Snooze %1 min").arg(minutes);
}

} // namespace

CAlarmNotifier::CAlarmNotifier(CNotificationService& service, Answers& answers,
                               std::function<bool()> enabled)
    : m_service(service), m_answers(answers), m_enabled(std::move(enabled)) {
    m_service.SetListener(this);
}

CAlarmNotifier::~CAlarmNotifier() {
    m_service.SetListener(nullptr);
    for (const auto& [note, notice] : m_notices)
        if (notice.nID != 0 && notice.bOpen) m_service.Close(notice.nID);
}

CNotificationService::Request CAlarmNotifier::RequestFor(const CNote& note) {
    CNotificationService::Request request;
    request.strSummary = QString::fromStdString(note.m_strTitle);
    // Only notes with an occurrence ring.
    if (const COneTimeNote* timed = AsOneTime(note))
        request.strBody =
            QString::fromStdString(timed->m_dtOccurrence.Format(g_strDateTimeFormat.c_str()));
    const QString line = FirstLine(note.m_strText);
    if (!line.isEmpty()) request.strBody += u'\n' + line;
    request.actions = {{QString::fromLatin1(kActionOk), QStringLiteral("OK")},
                       {QString::fromLatin1(kActionSnooze), SnoozeLabel()}};
    return request;
}

void CAlarmNotifier::AlarmStarted(const CNote& note) {
    const WORD id = static_cast<WORD>(note.m_nID);
    if (m_notices.contains(id) || (m_enabled && !m_enabled())) return;
    const unsigned request = ++m_nLastRequest;
    m_notices[id] = Notice{request, 0, true};
    m_service.Notify(request, RequestFor(note));
}

void CAlarmNotifier::AlarmEnded(WORD id) {
    const auto found = m_notices.find(id);
    if (found == m_notices.end()) return;
    const Notice notice = found->second;
    m_notices.erase(found);
    // One still on its way is withdrawn when the service answers (Shown).
    if (notice.nID != 0 && notice.bOpen) m_service.Close(notice.nID);
}

void CAlarmNotifier::Shown(unsigned request, uint32_t id) {
    for (auto it = m_notices.begin(); it != m_notices.end(); ++it) {
        if (it->second.nRequest != request) continue;
        if (id == 0)
            m_notices.erase(it); // not shown: the window alone rings
        else
            it->second.nID = id;
        return;
    }
    // The alarm ended before the service answered.
    if (id != 0) m_service.Close(id);
}

void CAlarmNotifier::ActionInvoked(uint32_t id, const QString& key) {
    // The service tells every program of every notification's buttons.
    const std::optional<WORD> note = NoteOf(id);
    if (!note) return;
    if (key == QLatin1String(kActionOk))
        m_answers.AcknowledgeAlarm(*note);
    else if (key == QLatin1String(kActionSnooze))
        m_answers.SnoozeAlarm(*note, CSnoozeInput::kDefaultHours, CSnoozeInput::kDefaultMinutes);
}

void CAlarmNotifier::Closed(uint32_t id) {
    // Dismissed: the alarm goes on ringing in its window.
    if (const std::optional<WORD> note = NoteOf(id)) m_notices[*note].bOpen = false;
}

std::optional<WORD> CAlarmNotifier::NoteOf(uint32_t id) const {
    if (id == 0) return std::nullopt;
    for (const auto& [note, notice] : m_notices)
        if (notice.nID == id) return note;
    return std::nullopt;
}
