#pragma once

#include "colour/OleColor.h"

#include <QLabel>

// A label that reports its mouse events the way the controls' handlers take
// them (Button and Shift masks, pixel position) and can be a plain colour
// box: with a back colour set it shows nothing but that colour.
class MouseLabel : public QLabel {
    Q_OBJECT
public:
    explicit MouseLabel(const QString& text = QString(), QWidget* parent = nullptr);

    OLE_COLOR BackColor() const { return m_backColor; }
    bool HasBackColor() const { return m_hasBackColor; }
    void setBackColor(OLE_COLOR color);
    // The text's colour, painted directly too: a drag recolours the sample
    // several times per move, and a palette change restyles the label.
    OLE_COLOR ForeColor() const { return m_foreColor; }
    void setForeColor(OLE_COLOR color);
    // A press and release of Button (1 left, 2 right) where the label is,
    // as a screen reader's "Press" asks for it.
    Q_INVOKABLE void press(int Button);

signals:
    void MouseDown(int Button, int Shift, double X, double Y);
    void MouseMove(int Button, int Shift, double X, double Y);
    void MouseUp(int Button, int Shift, double X, double Y);
    // A left-button press and release on the label.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // With the focus, Enter or Space act as a click.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    OLE_COLOR m_backColor = 0;
    bool m_hasBackColor = false;
    OLE_COLOR m_foreColor = 0;
    bool m_hasForeColor = false;
    bool m_leftPressed = false;
};
