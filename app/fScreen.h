#pragma once

#include "app/CaptureLoupe.h"
#include "app/CaptureOverlay.h"
#include "colour/OleColor.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

class Quor_Colorpicker;
class ScreenBackdrop;

// The screen capture: a still photograph of the whole desktop shown over
// it. Moving the pointer sends the pixel under it to the target picker, if
// there is one; a button press, Enter or Space takes it and ends the
// capture; Escape, or the window manager's close, ends it with the picker's
// colour as it was before. Either way finished follows. A magnifier with the
// pixel's value follows the pointer, and the arrow keys move it pixel by
// pixel.
class fScreen : public QWidget {
    Q_OBJECT
public:
    fScreen();

    // The picker that follows the pointer; none for a capture of its own.
    void setTarget(Quor_Colorpicker* target) { m_target = target; }

    // The photograph, at device pixels (its device pixel ratio set), of the
    // desktop area given in logical pixels; backdrop, the same photograph
    // kept by the window system, which then draws it in place of this window.
    void setPicture(const QImage& photograph, const QRect& area, std::shared_ptr<ScreenBackdrop> backdrop = nullptr);
    const QImage& picture() const { return m_photo; }
    // Covers area: full screen where it is one screen, every screen where
    // the window system lets a window span them. Remembers the target
    // picker's colour, for a cancel. Where the screen shows through a window
    // that paints nothing, it may come before the photograph, which is then
    // taken from behind it; a click meanwhile takes the pixel once it is there.
    void ShowOver(const QRect& area);
    // The photograph's pixel under a point of the desktop (logical, with
    // fractions): the device pixel that contains it.
    QPoint PixelAt(QPointF global) const;

    // The photograph's pixel being pointed at, and where the loupe and its
    // read-out are drawn (this window's coordinates); for tests.
    QPoint pointed() const { return m_pixel; }
    QRect loupeArea() const { return m_loupe.whole(); }
    // The magnifier is on unless turned off (the benchmark compares both).
    void setMagnifier(bool on) { m_magnifier = on; }

    // True while the window system draws the photograph behind this window.
    bool keptByWindowSystem() const { return m_kept; }
    QPaintEngine* paintEngine() const override;

signals:
    // The capture has ended: taken with the colour taken, or cancelled with
    // the colour the target had before.
    void finished(bool taken, OLE_COLOR colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Picture1_MouseMove(QPointF global);
    void Picture1_MouseDown(QPointF global);
    void SampleAt(QPointF global);
    // Points at a pixel of the photograph: the target picker takes it, the
    // loupe follows.
    void pointAt(QPoint pixel);
    void take();
    void showHint();
    void hideHint();
    void Form_Unload();
    QRect screenAround(QPoint local) const;
    // Device pixels per logical pixel of the photograph, and the desktop's
    // top-left corner in device pixels.
    qreal ratio() const;
    QPoint deviceOrigin() const;
    // Up before the photograph, the screen showing through it.
    bool waitsForPhoto() const;
    QPoint deviceOffset() const;
    void keepBehind();
    void drawPhoto(QPainter& p, const QRect& dirty) const;
    void drawLoupe(QPainter& p) const;
    void drawHint(QPainter& p) const;
    // An overlay drawing part of this window, given in global coordinates.
    std::unique_ptr<CaptureOverlay> overlay(void (fScreen::*draw)(QPainter&) const);
    QRect global(const QRect& local) const { return local.translated(mapToGlobal(QPoint(0, 0))); }

    Quor_Colorpicker* m_target = nullptr;
    QImage m_photo;
    QRect m_area;
    std::shared_ptr<ScreenBackdrop> m_backdrop;
    bool m_kept = false;
    std::optional<QPointF> m_early; // a click before the photograph came
    std::unique_ptr<CaptureOverlay> m_loupeWindow;
    std::unique_ptr<CaptureOverlay> m_hintWindow;
    QPoint m_pixel{-1, -1};
    CaptureLoupe::Placement m_loupe;
    OLE_COLOR m_before = 0;
    OLE_COLOR m_pointedColour = 0;
    bool m_taken = false;
    bool m_closed = false;
    bool m_hintShown = false;
    bool m_magnifier = true;
    QRect m_hintRect;
    QTimer m_hintTimer;
};
