#include "app/PairVerdict.h"

#include "colour/Contrast.h"
#include "picker/Quor_Colorpicker.h"
#include "platform/Platform.h"
#include "platform/PopupMenu.h"
#include "widgets/CaptionOverPicture.h"
#include "widgets/DesignFonts.h"
#include "widgets/MouseLabel.h"

#include <QLabel>

namespace {

// The free band of the banner picture, above its spectrum bar.
constexpr QRect ReadoutRect(236, 3, 222, 17);
constexpr int SwapItem = 100;

} // namespace

PairVerdict::PairVerdict(QLabel* banner, Quor_Colorpicker* fore, Quor_Colorpicker* back, const std::array<MouseLabel*, 5>& strip,
                         std::function<void()> repaintStrip)
    : QObject(banner)
    , m_fore(fore)
    , m_back(back)
    , m_strip(strip)
    , m_repaintStrip(std::move(repaintStrip))
    , m_readout(new CaptionOverPicture(banner))
{
    // Drawn over the banner; its clicks still belong to the banner.
    m_readout->setGeometry(ReadoutRect);
    // Of a fixed size, a new text asks nothing of the banner's layout.
    m_readout->setFixedSize(ReadoutRect.size());
    m_readout->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font = DesignFonts::Font(QStringLiteral("Verdana"), 7.5);
    font.setBold(true);
    m_readout->setFont(font);
    QPalette pal = m_readout->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    m_readout->setPalette(pal);
    for (MouseLabel* label : m_strip)
        connect(label, &MouseLabel::MouseDown, this,
                [this, label](int Button, int, double X, double Y) { strip_MouseDown(Button, X, Y, label); });
}

void PairVerdict::RefreshLater()
{
    if (m_stale)
        return;
    m_stale = true;
    m_readout->update(); // asks for the frame that brings it up to date
}

void PairVerdict::Frame()
{
    if (!m_stale)
        return;
    m_repaintStrip();
    Refresh();
}

void PairVerdict::Refresh()
{
    m_stale = false;
    // The real colours' contrast, whatever the strip simulates.
    const double ratio = Contrast::Ratio(m_fore->Color(), m_back->Color());
    QString text = QStringLiteral("Contrast %1 \u00B7 %2").arg(Contrast::FormatRatio(ratio), Contrast::BestGrade(ratio));
    if (m_kind != VisionSimulation::Normal)
        text += QStringLiteral(" \u00B7 ") + VisionSimulation::Name(m_kind);
    // One colour assignment announces itself up to four times, and a drag
    // many times a frame: the same verdict is not set again.
    if (m_readout->text() == text)
        return;
    m_readout->setText(text); // repaints its own band only
    // The shown ratio and the grades go together, so the table changes only
    // with the text.
    const QString table = Contrast::GradeTable(ratio);
    for (MouseLabel* label : m_strip)
        label->setToolTip(table);
}

void PairVerdict::setSimulation(VisionSimulation::Kind kind)
{
    m_kind = kind;
    m_repaintStrip();
    Refresh();
}

void PairVerdict::SwapColors()
{
    const OLE_COLOR fore = m_fore->Color(), back = m_back->Color();
    m_fore->setColor(back);
    m_back->setColor(fore);
}

void PairVerdict::strip_MouseDown(int Button, double X, double Y, MouseLabel* label)
{
    if (Button != 2)
        return; // the left button opens the web page, as it always has
    QList<PopupMenu::Item> items;
    for (int k = 0; k < VisionSimulation::KindCount; ++k)
        items.append({k, VisionSimulation::Name(VisionSimulation::Kind(k)), k == m_kind});
    items.append({-2, QStringLiteral("-"), false});
    items.append({SwapItem, QStringLiteral("Swap Colors"), false});
    const int chosen = platform().menus->popup(items, label->mapToGlobal(QPointF(X, Y)).toPoint());
    if (chosen == SwapItem)
        SwapColors();
    else if (chosen >= 0 && chosen < VisionSimulation::KindCount)
        setSimulation(VisionSimulation::Kind(chosen));
}
