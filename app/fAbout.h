#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: title, version and description, OK, and a button that
// starts the desktop's system information tool.
class fAbout : public QDialog {
    Q_OBJECT
public:
    explicit fAbout(QWidget* owner);

    static QString VersionText();
    static QString DescriptionText();
    // The system information tools looked for on the search path, in order.
    static const QStringList& SysInfoTools();

    QLabel* lblVersion() const { return m_lblVersion; }
    QPushButton* cmdSysInfo() const { return m_cmdSysInfo; }

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    QLabel* m_picIcon;
    QLabel* m_lblTitle;
    QLabel* m_lblVersion;
    QLabel* m_lblDescription;
    QLabel* m_lblDisclaimer;
    QPushButton* m_cmdOK;
    QPushButton* m_cmdSysInfo;
};
