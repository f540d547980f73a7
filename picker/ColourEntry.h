#pragma once

#include "colour/OleColor.h"

#include <QObject>
#include <array>
#include <functional>

class QLineEdit;

// The HEX, LONG and HTML read-out boxes as places to type a colour: Enter
// applies what was typed (any accepted form) as one colour; Escape or
// leaving the box puts the read-out back; text that is no colour changes
// nothing and marks the box (red frame, a tool tip with the accepted forms)
// until the next edit.
class ColourEntry : public QObject {
    Q_OBJECT
public:
    ColourEntry(const std::array<QLineEdit*, 3>& boxes, std::function<void(OLE_COLOR)> apply, std::function<void()> restore,
                QObject* parent);

    bool marked(int index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enter(int index);
    void mark(int index, bool wrong);

    std::array<QLineEdit*, 3> m_boxes;
    std::function<void(OLE_COLOR)> m_apply;
    std::function<void()> m_restore;
    std::array<bool, 3> m_marked{};
};
