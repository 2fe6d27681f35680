#include "shell/SimpleNoteWindows.h"

#include "reminders/AlarmScheduler.h"
#include "store/Note.h"
#include "store/NoteWndHandle.h"
#include "views/RtfToPlainText.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// A box that belongs to its note like a note window: when the note goes
// away, the box closes without acknowledging anything.
class CAlarmBox : public QMessageBox, public CNoteWndHandle {
public:
    CAlarmBox(CNote& note, CAlarmScheduler& scheduler)
        : QMessageBox(QMessageBox::Information, QString::fromStdString(note.m_strTitle),
                      QString::fromStdString(RtfToPlainText(note.m_strText)), QMessageBox::Ok),
          m_pNote(&note), m_scheduler(scheduler) {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowFlag(Qt::WindowStaysOnTopHint);
        setModal(false);
        note.m_pNoteWnd = this;
        connect(this, &QMessageBox::finished, this, &CAlarmBox::Acknowledge);
    }
    ~CAlarmBox() override { Detach(); }

    bool IsEditingNote() const override { return false; }
    void NoteDeleted() override {
        m_pNote = nullptr;
        close();
    }

private:
    void Detach() {
        if (m_pNote && m_pNote->m_pNoteWnd == this) m_pNote->m_pNoteWnd = nullptr;
    }
    void Acknowledge() {
        if (!m_pNote) return;
        const WORD id = static_cast<WORD>(m_pNote->m_nID);
        Detach();
        m_pNote = nullptr;
        m_scheduler.Acknowledge(id);
    }

    CNote* m_pNote;
    CAlarmScheduler& m_scheduler;
};

} // namespace

void CSimpleNoteWindows::ShowAlarm(CNote& note) {
    if (note.m_pNoteWnd) return; // already shown
    auto* box = new CAlarmBox(note, m_scheduler);
    box->show();
    QApplication::beep();
}
