#include "app/PlaceholderWindow.h"

#include "app/mSetup.h"
#include "picker/mCPUtils.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

PlaceholderWindow::PlaceholderWindow(QWidget* parent)
    : QWidget(parent)
    , m_info(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_info);
}

void PlaceholderWindow::Form_Load()
{
    setWindowTitle(QStringLiteral("Tintaro by Tolvex"));
    mSetup::ReadSetup();
    const SetupData& data = mSetup::Setup();
    m_info->setText(QStringLiteral("Foreground %1, background %2\nSettings: %3")
                        .arg(mCPUtils::ToHtmlText(data.ForePickerColor),
                             mCPUtils::ToHtmlText(data.BackPickerColor),
                             mSetup::SetupPath()));
}

void PlaceholderWindow::closeEvent(QCloseEvent* event)
{
    mSetup::WriteSetup();
    event->accept();
}
