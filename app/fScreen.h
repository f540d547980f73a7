#pragma once

#include <QImage>
#include <QWidget>

class fMain;

// The screen capture: a still photograph of the whole screen shown over it,
// full size. Moving the pointer sends the pixel under it to the target
// picker; any button press takes the pixel once more and ends the capture,
// bringing the main window back.
class fScreen : public QWidget {
    Q_OBJECT
public:
    explicit fScreen(fMain* main);

    // The photograph, at device pixels (its device pixel ratio set), of the
    // desktop area given in logical pixels.
    void setPicture(const QImage& photograph, const QRect& area);
    const QImage& picture() const { return m_photo; }
    // Covers area: full screen where it is one screen, every screen where
    // the window system lets a window span them.
    void ShowOver(const QRect& area);
    // The photograph's pixel under a point of the desktop (logical, with
    // fractions): the device pixel that contains it.
    QPoint PixelAt(QPointF global) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Picture1_MouseMove(QPointF global);
    void Picture1_MouseDown(QPointF global);
    void SampleAt(QPointF global);
    void Form_Unload();

    fMain* m_main;
    QImage m_photo;
    QRect m_area;
};
