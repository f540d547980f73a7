#include "app/fAbout.h"

#include "app/Version.h"

#include "app/HomePage.h"
#include "app/Artwork.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

fAbout::fAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_picIcon(new QLabel(this))
    , m_lblTitle(new QLabel(this))
    , m_lblVersion(new QLabel(this))
    , m_lblDescription(new QLabel(this))
    , m_lblDisclaimer(new QLabel(this))
    , m_cmdOK(new QPushButton(QStringLiteral("OK"), this))
    , m_cmdSysInfo(new QPushButton(QStringLiteral("&System Info..."), this))
{
    m_picIcon->setPixmap(Artwork::ProgramIcon().pixmap(32, 32));
    QFont title = m_lblTitle->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    m_lblTitle->setFont(title);
    m_lblDescription->setWordWrap(true);
    m_lblDescription->setMinimumWidth(300);

    const auto line = [this] {
        auto* separator = new QFrame(this);
        separator->setFrameShape(QFrame::HLine);
        separator->setFrameShadow(QFrame::Sunken);
        return separator;
    };
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(m_lblTitle, 0, 1, 1, 2);
    grid->addWidget(m_lblVersion, 1, 1, 1, 2);
    grid->addWidget(m_lblDescription, 2, 1, 1, 2);
    grid->addWidget(line(), 3, 0, 1, 3);
    grid->addWidget(m_lblDisclaimer, 4, 0, 1, 2);
    grid->addWidget(line(), 5, 0, 1, 3);
    grid->addWidget(m_cmdOK, 4, 2);
    grid->addWidget(m_cmdSysInfo, 6, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    // OK is both the default and the cancel button: Enter and Escape press it.
    m_cmdOK->setDefault(true);
    m_cmdOK->setAutoDefault(true);
    m_cmdSysInfo->setAutoDefault(false);
    connect(m_cmdOK, &QPushButton::clicked, this, &fAbout::cmdOK_Click);
    connect(this, &QDialog::rejected, this, &fAbout::cmdOK_Click);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &fAbout::cmdSysInfo_Click);
    Form_Load();
}

QString fAbout::VersionText()
{
    return QStringLiteral("Version ") + VersionNumber();
}

QString fAbout::DescriptionText()
{
    return QStringLiteral("Tintaro") + QStringLiteral(" is a handy tool which you can use for a variety of")
        + QStringLiteral(" color-matching tasks. For more information on this and other software,")
        + QStringLiteral(" Please contact us at: ") + HomePage();
}

const QStringList& fAbout::SysInfoTools()
{
    static const QStringList tools{QStringLiteral("kinfocenter"), QStringLiteral("hardinfo"),
                                   QStringLiteral("gnome-system-monitor"), QStringLiteral("xfce4-taskmanager")};
    return tools;
}

void fAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + QStringLiteral("Tintaro"));
    m_lblVersion->setText(VersionText());
    m_lblTitle->setText(QStringLiteral("Tintaro"));
    m_lblDescription->setText(DescriptionText());
}

void fAbout::cmdOK_Click()
{
    close();
    deleteLater();
}

void fAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void fAbout::StartSysInfo()
{
    Shell& shell = *platform().shell;
    // This desktop's own tools, where one is installed.
    for (const QString& tool : SysInfoTools()) {
        const QString found = shell.findProgram(tool);
        if (!found.isEmpty() && shell.startProgram(found))
            return;
    }
    platform().messages->plain(QStringLiteral("Tintaro"), QStringLiteral("System Information Is Unavailable At This Time"));
}
