#pragma once

#include <QWidget>

class QLabel;

// Quick help: one fixed text, white on dark blue, filling the window with a
// ten-pixel margin.
class fHelp : public QWidget {
    Q_OBJECT
public:
    explicit fHelp(QWidget* owner);

    // The help text, carriage returns and all.
    static QString HelpText();
    QLabel* lblHelp() const { return m_lblHelp; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();

    QLabel* m_lblHelp;
};
