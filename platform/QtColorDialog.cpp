#include "platform/QtColorDialog.h"
#include "platform/QtColour.h"

#include <QApplication>
#include <QColorDialog>
#include <QPalette>
#include <QSettings>
#include <array>

namespace {

struct SysColorRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Display elements 0..15 of the classic desktop and the palette roles that
// play their part here.
constexpr SysColorRole SysColorRoles[16] = {
    {QPalette::Active, QPalette::Mid},               // 0 scroll bar
    {QPalette::Active, QPalette::Dark},              // 1 desktop background
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Button},            // 10 active border
    {QPalette::Inactive, QPalette::Button},          // 11 inactive border
    {QPalette::Active, QPalette::Dark},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlighted text
    {QPalette::Active, QPalette::Button},            // 15 button face
};

// Qt keeps the custom colours of its dialog for every Qt program of the user
// (QtProject.conf, Qt/customColors/0..15) and writes them back whenever a
// dialog goes away after they were set. Seeding the dialog must not change
// them, so the shared row is taken before and put back, key for key, once
// the dialog is gone.
class SharedCustomColors {
public:
    SharedCustomColors()
    {
        for (int i = 0; i < 16; ++i) {
            m_inMemory[static_cast<std::size_t>(i)] = QColorDialog::customColor(i);
            m_stored[static_cast<std::size_t>(i)] = settings().value(key(i));
        }
    }
    ~SharedCustomColors()
    {
        for (int i = 0; i < 16; ++i)
            QColorDialog::setCustomColor(i, m_inMemory[static_cast<std::size_t>(i)]);
        // A dialog's end writes the row; this one has no dialog after it, so
        // the row is written once more here, then set right in the file.
        { QColorDialog flush; }
        QSettings shared = settings();
        for (int i = 0; i < 16; ++i) {
            const QVariant& was = m_stored[static_cast<std::size_t>(i)];
            if (was.isValid())
                shared.setValue(key(i), was);
            else
                shared.remove(key(i));
        }
    }
    SharedCustomColors(const SharedCustomColors&) = delete;
    SharedCustomColors& operator=(const SharedCustomColors&) = delete;

private:
    static QSettings settings() { return QSettings(QSettings::UserScope, QStringLiteral("QtProject")); }
    static QString key(int i) { return QStringLiteral("Qt/customColors/") + QString::number(i); }

    std::array<QColor, 16> m_inMemory;
    std::array<QVariant, 16> m_stored;
};

} // namespace

std::int32_t QtColorDialog::ChooseColorA(CHOOSECOLOR& record)
{
    const SharedCustomColors keep;
    // Qt's own dialog rather than a native one: only it takes and returns the
    // row of custom colours.
    QColorDialog dialog(record.hwndOwner ? record.hwndOwner->window() : nullptr);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setOption(QColorDialog::ShowAlphaChannel, false);
    dialog.setWindowModality(Qt::WindowModal);
    if (record.lpCustColors)
        for (int i = 0; i < 16; ++i)
            QColorDialog::setCustomColor(i, ToQColor((*record.lpCustColors)[static_cast<std::size_t>(i)]));
    if (record.Flags & CHOOSECOLOR::CC_RGBINIT)
        dialog.setCurrentColor(ToQColor(record.rgbResult));
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    record.rgbResult = FromQColor(dialog.currentColor());
    if (record.lpCustColors)
        for (int i = 0; i < 16; ++i)
            (*record.lpCustColors)[static_cast<std::size_t>(i)] = FromQColor(QColorDialog::customColor(i));
    return 1;
}

OLE_COLOR QtColorDialog::GetSysColor(int index)
{
    if (index < 0 || index >= 16)
        return 0;
    const SysColorRole& r = SysColorRoles[index];
    return FromQColor(QApplication::palette().color(r.group, r.role));
}
