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

    // The photograph, at device pixels (its device pixel ratio set).
    void setPicture(const QImage& photograph);
    const QImage& picture() const { return m_photo; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Picture1_MouseMove(double X, double Y);
    void Picture1_MouseDown(double X, double Y);
    void SampleAt(double X, double Y);
    void Form_Unload();

    fMain* m_main;
    QImage m_photo;
};
