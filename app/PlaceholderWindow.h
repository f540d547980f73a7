#pragma once

#include <QWidget>

class QLabel;

// Stand-in main window until the two pickers exist: it reads the settings on
// load and writes the record back, unchanged, when it closes.
class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderWindow(QWidget* parent = nullptr);

    void Form_Load();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_info;
};
