#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

class PropertyBag;

// A button made of three pictures: normal, hover and pressed. It takes the
// size of the picture it shows and passes its mouse events on, adding
// MouseEnter and MouseLeave. Leaving is noticed from the window system's
// leave event, so a pointer resting on the button costs nothing.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    enum State : std::int16_t { Normal = 0, Hover = 1, Pressed = 2 };

    explicit PictureButton(QWidget* parent = nullptr);

    const QImage& Picture() const { return m_picture; }
    void setPicture(const QImage& v);
    const QImage& PictureHover() const { return m_pictureHover; }
    void setPictureHover(const QImage& v);
    const QImage& PictureDown() const { return m_pictureDown; }
    void setPictureDown(const QImage& v);

    void UserControl_InitProperties();
    void UserControl_ReadProperties(const PropertyBag& bag);
    void UserControl_WriteProperties(PropertyBag& bag) const;

    std::int16_t state() const { return m_state; }
    // A click, as a screen reader's "Press" asks for it (1: the left button).
    Q_INVOKABLE void press(int Button);
    const QImage& surface() const { return m_surface; }

signals:
    void Click();
    void DblClick();
    void MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void MouseEnter();
    void MouseLeave();
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // With the focus, Enter or Space act as a click.
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_Leave();
    bool pointerOver() const;
    void Redraw();

    QImage m_picture, m_pictureHover, m_pictureDown;
    bool m_hover = false;
    std::int16_t m_state = Normal;
    bool m_tracking = false;
    QSize m_picture1Size; // the size of the last picture shown
    QImage m_surface;
    bool m_leftDown = false;
};
