#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QWidget>

// Paints a window at most once per frame of its screen. A drag brings a
// pointer event every millisecond or so; each marks what changed, and what
// changed in one frame is painted and sent to the display together, once,
// when the frame is due. A change after a pause is painted at once.
class FramePacer : public QObject {
    Q_OBJECT
public:
    // Paces window's painting for as long as both live.
    static FramePacer* Pace(QWidget* window);
    // The pacer of window, if it has one.
    static FramePacer* Of(QWidget* window);
    // The next paint goes ahead whenever it comes: a repaint that must reach
    // the display before the caller goes on.
    void AdmitNext() { m_admitNext = true; }

    // The milliseconds to wait before painting, given the milliseconds since
    // the last paint (negative: none yet) and the frame's length: 0 now.
    static int Wait(qint64 sinceLast, int frameMs);
    int frameMs() const;

signals:
    // A frame is about to be painted: what is worked out only for the screen
    // is brought up to date now, from the final state.
    void Frame();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FramePacer(QWidget* window);

    QWidget* m_window;
    QElapsedTimer m_last;
    QTimer m_due;
    bool m_admitNext = false;
};
