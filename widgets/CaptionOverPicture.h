#pragma once

#include <QLabel>

// A line of text over a label that shows a picture at its top left (the
// banner). It paints the part of the picture under itself before its text,
// so a change of text repaints this label alone, not the picture around it.
class CaptionOverPicture : public QLabel {
    Q_OBJECT
public:
    explicit CaptionOverPicture(QLabel* picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_picture;
};
