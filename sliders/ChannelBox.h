#pragma once

#include <QLineEdit>

// One channel's three-digit entry box. Focus selects the whole value;
// printable characters other than digits never reach it, while editing keys
// and shortcuts work as in any line edit; Up/Down and Page Up/Page Down ask
// the host to step the value (Step) instead of moving the cursor.
class ChannelBox : public QLineEdit {
    Q_OBJECT
public:
    explicit ChannelBox(QWidget* parent = nullptr);

signals:
    void Step(int delta);
    // The Menu key: the host's ramp-style menu rather than the text menu.
    void MenuRequested();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};
