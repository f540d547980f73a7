#include "widgets/DesignFonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <QStringList>
#include <QWidget>

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

QString InstalledFamily(const QString& family)
{
    InstallSubstitutes();
    static QMutex lock;
    static QHash<QString, QString> found;
    QMutexLocker locker(&lock);
    if (const auto it = found.constFind(family); it != found.cend())
        return *it;
    // By the installed name: Qt keeps substitutes in lower case.
    const QStringList installed = QFontDatabase::families();
    const auto installedAs = [&](const QString& name) {
        const auto it = std::find_if(installed.cbegin(), installed.cend(),
                                     [&](const QString& f) { return f.compare(name, Qt::CaseInsensitive) == 0; });
        return it == installed.cend() ? QString() : *it;
    };
    QString use = installedAs(family);
    const QStringList substitutes = QFont::substitutes(family);
    for (auto it = substitutes.cbegin(); use.isEmpty() && it != substitutes.cend(); ++it)
        use = installedAs(*it);
    if (use.isEmpty())
        use = family;
    found.insert(family, use);
    return use;
}

QFont Font(const QString& family, qreal pointSize)
{
    QFont font(InstalledFamily(family));
    font.setPointSizeF(pointSize);
    font.setBold(false); // stated, so a bold host font does not reach it
    return font;
}

void Unshaped(QWidget* box)
{
    QFont strategy; // only the strategy is set: the rest still comes from the parent
    strategy.setStyleStrategy(QFont::PreferNoShaping);
    box->setFont(strategy);
}

} // namespace DesignFonts
