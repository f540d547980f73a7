#pragma once

#include <QWidget>

// An outline rectangle laid over other controls, optionally filled. It never
// takes the mouse.
class ShapeBox : public QWidget {
    Q_OBJECT
public:
    enum FillStyle { Solid = 0, Transparent = 1 };

    explicit ShapeBox(QWidget* parent = nullptr);

    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FillStyle m_fillStyle = Transparent;
};
