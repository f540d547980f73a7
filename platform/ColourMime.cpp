#include "platform/ColourMime.h"

#include "colour/ColourText.h"
#include "colour/mCPUtils.h"
#include "platform/QtColour.h"

#include <QColor>
#include <QMimeData>

namespace ColourMime {

QMimeData* MimeOf(OLE_COLOR c)
{
    auto* mime = new QMimeData;
    mime->setColorData(ToQColor(c));
    mime->setText(mCPUtils::ToHtmlText(c));
    return mime;
}

std::optional<OLE_COLOR> ColourOf(const QMimeData* mime)
{
    if (!mime)
        return std::nullopt;
    if (mime->hasColor()) {
        const QColor c = qvariant_cast<QColor>(mime->colorData());
        if (c.isValid())
            return FromQColor(c);
    }
    if (mime->hasText())
        return ColourText::Parse(mime->text());
    return std::nullopt;
}

} // namespace ColourMime
