#include "widgets/DesignFonts.h"

#include <QStringList>

namespace DesignFonts {

void InstallSubstitutes()
{
    static const bool installed = [] {
        // Liberation Sans and Arimo share Arial's widths; MS Sans Serif at the
        // small sizes used here sets text in about the same widths. DejaVu
        // Sans grew from Bitstream Vera, drawn to Verdana's proportions.
        const QStringList arialLike{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
        QFont::insertSubstitutions(QStringLiteral("Arial"), arialLike);
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), arialLike);
        QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
        return true;
    }();
    Q_UNUSED(installed);
}

QFont Font(const QString& family, qreal pointSize)
{
    InstallSubstitutes();
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(false); // stated, so a bold host font does not reach it
    return font;
}

} // namespace DesignFonts
