#pragma once
// The start-up picture: 264 x 143 pixels in the middle of the screen, the
// program's logo with the version written over it, gone after two ticks of a
// second.

#include <QBasicTimer>
#include <QDialog>

class CLogoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 264;
    static constexpr int kHeight = 143;
    static constexpr int kTickMs = 1000;

    explicit CLogoDlg(QWidget* parent = nullptr);

    // The text written over the picture, and where it starts.
    static QString VersionText();
    QPoint VersionPosition() const;

    // One tick of the timer; the second closes the dialog.
    void Tick();
    int Ticks() const { return m_nTicks; }

protected:
    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QBasicTimer m_timer;
    int m_nTicks = 0;
};
