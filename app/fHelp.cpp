#include "app/fHelp.h"

#include "widgets/DesignFonts.h"
#include "widgets/Twips.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

constexpr QSize InnerSize(Px(7320), Px(4890));
constexpr int Margin = 10;

} // namespace

fHelp::fHelp(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_lblHelp(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Quick Help"));
    setFont(DesignFonts::Font(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(InnerSize);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(pal);
    setAutoFillBackground(true);

    QPalette text = m_lblHelp->palette();
    text.setColor(QPalette::Window, QColor(0, 0, 0x80));
    text.setColor(QPalette::WindowText, Qt::white);
    m_lblHelp->setPalette(text);
    m_lblHelp->setAutoFillBackground(true);
    m_lblHelp->setWordWrap(true);
    m_lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblHelp->setTextFormat(Qt::PlainText);
    Form_Load();
    Form_Resize();
}

QString fHelp::HelpText()
{
    const QString name = QStringLiteral("Tintaro");
    const QString cr = QStringLiteral("\r");
    return cr + QStringLiteral("Using ") + name + QStringLiteral(" is very easy. To display and select colors,")
        + QStringLiteral(" hold down the left mouse button while dragging the mouse over either of the")
        + QStringLiteral(" color picker windows. The Left color picker allows you to sample and choose")
        + QStringLiteral(" various foreground colors. Likewise, the Right color picker allows you to sample")
        + QStringLiteral(" and choose various background colors. The resulting color combinations are displayed")
        + QStringLiteral(" in the sample boxes beneath the color pickers. Up to 12 favorite colors may be")
        + QStringLiteral(" stored in each color picker, using the color boxes at the lower-right of each")
        + QStringLiteral(" picker. Right-click on a box to store the current color, left-click to load the")
        + QStringLiteral(" color from the box.") + cr + cr
        + QStringLiteral(" You may also choose colors from the screen by clicking on either of the \"From Screen\"")
        + QStringLiteral(" buttons.") + name + QStringLiteral(" will minimize, and a \"Bullseye\" cursor will appear.")
        + QStringLiteral(" Choose the desired color by positioning the cursor over the dessired screen area,")
        + QStringLiteral(" and then left-click to select the color.") + name + QStringLiteral(" will then re-appear,")
        + QStringLiteral(" with your chosen color as either the new foreground or background color, depending")
        + QStringLiteral(" on which \"From Screen\" Button was used. Colors can also be chosen by using the")
        + QStringLiteral(" \"Color Sliders\" at the lower left of each color picker. Color values are displayed")
        + QStringLiteral(" in HEX, LONG, HTML, and RGB formats. RGB values may be manually entered into the R, G, and B")
        + QStringLiteral(" boxes also. To copy any of the HEX, LONG, or HTML values to the Windows® clipboard,")
        + QStringLiteral(" simply click on the word \"Copy\" which is located above each displayed value. The selected")
        + QStringLiteral(" value may then be pasted into another application in the conventional manner.");
}

void fHelp::Form_Load()
{
    // A carriage return is a line break on this desktop's labels.
    m_lblHelp->setText(HelpText().replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void fHelp::Form_Resize()
{
    m_lblHelp->setGeometry(Margin, Margin, width() - 2 * Margin, height() - 2 * Margin);
}

void fHelp::resizeEvent(QResizeEvent*)
{
    Form_Resize();
}

void fHelp::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
