#include "colour/mCPUtils.h"
#include "widgets/DesignFonts.h"
#include "widgets/PropertyBag.h"
#include "widgets/SurfaceBox.h"
#include "widgets/FrameRules.h"
#include "widgets/zelFrames.h"

#include <QSignalSpy>
#include <QtTest>

using namespace FrameRules;

static QImage solid(QColor c, int side) { QImage img(side, side, QImage::Format_RGB32); return img.fill(c), img; }

class TestFrames : public QObject {
    Q_OBJECT
    zelFrames* m_f = nullptr;
    OLE_COLOR px(int x, int y) const
    {
        const QRgb c = m_f->surface().pixel(x, y);
        return RGB(qRed(c), qGreen(c), qBlue(c));
    }

private slots:
    void init()
    {
        m_f = new zelFrames;
        m_f->setAmbient({QStringLiteral("zelFrames1"), 0x00C0C0C0, QFont(QStringLiteral("Arial"), 9)});
        m_f->UserControl_InitProperties();
        m_f->resize(245, 300);
    }
    void cleanup() { delete m_f; }

    void colourArithmeticAndLayout()
    {
        QCOMPARE(BlendColors(0xE2A981, 0xFFFFFF), 0xF0D4C0); // 240.5 to even
        QCOMPARE(BlendColors(0, 0x00FF8040), 0x00804020);
        QCOMPARE(GradientColor(0x000000, 0xFFFFFF, 2, 4), 0x808080); // 127.5 to even
        QCOMPARE(GradientColor(0x102030, 0x405060, 3, 3), 0x405060);
        QCOMPARE(GradientColor(0x112233, 0xFFFFFF, 0, 0), 0x112233); // zero steps keep the start
        QCOMPARE(TextFlagsFor(1), 0x26);
        QCOMPARE(int(ThemeFor(9, 1, 2, 3).frame), 0x6F4B4B); // unknown theme: theme 1
        // W = 245, H = 300, caption 80 x 14, icon 16, text box 22:
        // style, alignment, picture, icon alignment, caption rect (l, t, r, b), icon.
        const int rows[][10] = {{0, 1, 0, 0, 147, 0, 227, 14, 0, 0},  {1, 2, 1, 0, 28, 4, 217, 24, 6, 6},
                                {1, 0, 1, 1, 6, 4, 217, 24, 223, 6}, {2, 2, 1, 0, 46, 0, 199, 21, 27, 3},
                                {2, 0, 1, 1, 24, 0, 199, 21, 202, 3}, {4, 2, 0, 0, 6, 8, 239, 28, 0, 9}};
        for (const auto& r : rows) {
            FrameFields f;
            f.Style = r[0], f.hasCaption = true, f.Alignment = r[1], f.hasPicture = r[2], f.IconAlignment = r[3];
            const FrameLayout l = LayoutFrame(f, 245, 300, 80, 14);
            QCOMPARE(QRect(l.CaptionRect.left, l.CaptionRect.top, l.CaptionRect.right, l.CaptionRect.bottom),
                     QRect(r[4], r[5], r[6], r[7]));
            QCOMPARE(QPoint(l.iconLeft, l.iconTop), QPoint(r[8], r[9]));
        }
    }

    void styleOneDrawsThreeBandsAndALightBody()
    {
        m_f->setCaption(QString());
        m_f->setRoundedCorner(false);
        m_f->setThemeColor(3);
        const OLE_COLOR to = 0xF2F8F8, from = 0xABC2C2, frame = 0x739191; // theme 3, as BGR
        QCOMPARE(px(0, 1), frame);
        QCOMPARE(px(5, 1), GradientColor(to, from, 1, 3));
        QCOMPARE(px(5, 3), frame); // A's bottom and B's top share row 3
        QCOMPARE(px(5, 14), GradientColor(to, from, 11, 22));
        QCOMPARE(px(5, 25), frame);
        QCOMPARE(px(5, 27), GradientColor(to, from, 2, 3));
        QCOMPARE(px(1, 29), 0xF8FCFC); // body from the to colour halfway to white
        QCOMPARE(px(244, 29), frame);
        QCOMPARE(px(100, 290), 0xD5E0E0); // to the from colour halfway to white
    }

    void zeroStepBandsAndTinySizesDraw()
    {
        m_f->setPicture(solid(Qt::blue, 4));
        for (const QSize size : {QSize(0, 0), QSize(10, 10), QSize(50, 50)})
            for (int style = 0; style <= 5; ++style)
                m_f->resize(size), m_f->setStyle(style), m_f->setTextBoxHeight(-30); // no fault, nothing outside
        m_f->resize(120, 80); // zero-step bands draw one line in their start colour
        m_f->setStyle(1);
        m_f->setTextBoxHeight(0);
        m_f->setCaption(QString());
        QCOMPARE(px(50, 3), m_f->ThemeFrame());
    }

    void themesAndStylePresetsSetTheirColours()
    {
        m_f->setThemeColor(3);
        m_f->setColorFrom(0x123456);
        m_f->setFrameColor(0x00FF0000);
        QCOMPARE(m_f->ThemeFrame(), 0x739191); // theme 3's until the custom theme is chosen
        m_f->setThemeColor(5);
        QVERIFY(m_f->ThemeFrom() == 0x123456 && m_f->ThemeFrame() == 0x00FF0000);
        QCOMPARE(px(0, 1), 0x00FF0000); // and drawn with them
        m_f->setStyle(0);
        QVERIFY(m_f->TextFlags() == 0x24 && m_f->TextColor() == 0xCF3603 && m_f->FillColor() == 0x00C0C0C0);
        m_f->setStyle(3);
        QVERIFY(m_f->RoundedCorner() && m_f->FillColor() == 0xE0FFFF && m_f->TextFlags() == 0x25);
        // Loaded without properties: the defaults, the host's caption and colour.
        zelFrames loaded;
        loaded.setAmbient(m_f->ambient());
        loaded.UserControl_ReadProperties(PropertyBag());
        QVERIFY(loaded.Style() == 1 && loaded.TextBoxHeight() == 22 && loaded.IconSize() == 16 && loaded.Alignment() == 2);
        QVERIFY(loaded.ColorFrom() == 0x9E9EFF && loaded.ColorTo() == 0xF0F0FF && loaded.BackColor() == 0x00C0C0C0);
        QCOMPARE(loaded.Caption(), QStringLiteral("zelFrames1"));
    }

    void savedPropertiesDrawTheSameFrameAndAnUnchangedOneDrawsNothing()
    {
        m_f->setStyle(2);
        m_f->setCaption(QStringLiteral("Saved"));
        m_f->setThemeColor(4);
        m_f->setTextBoxHeight(30);
        m_f->setPicture(solid(Qt::red, 16));
        PropertyBag bag;
        m_f->UserControl_WriteProperties(bag);
        zelFrames loaded;
        loaded.setAmbient(m_f->ambient());
        loaded.resize(m_f->size());
        loaded.UserControl_ReadProperties(bag);
        QCOMPARE(loaded.surface(), m_f->surface());
        // Told every time, drawn again only for a change.
        QSignalSpy told(m_f, &zelFrames::PropertyChanged);
        const int drawn = m_f->drawCount();
        m_f->setTextBoxHeight(30);
        m_f->setCaption(QStringLiteral("Saved"));
        QCOMPARE(m_f->drawCount(), drawn);
        QCOMPARE(told.count(), 1);
        m_f->setTextBoxHeight(31);
        QCOMPARE(m_f->drawCount(), drawn + 1);
    }

    void shownWholeAroundAnOpaqueChild()
    {
        // The frame paints around the child, a bordered box, as a region with
        // a hole; no screen pixel may be left unpainted, and inside the box
        // only its border's, background's and drawing's colours may show,
        // whatever the scale.
        for (const qreal scale : {1.0, 1.1, 1.25, 1.5, 2.0}) {
            QWidget window;
            window.resize(300, 400);
            window.setAutoFillBackground(true);
            m_f->setParent(&window);
            m_f->move(17, 106);
            SurfaceBox child(m_f, SurfaceBox::SunkenBorder);
            child.setGeometry(118, 193, 8, 69); // as the sliders' bar in the main window
            child.surface().fill(Qt::green);
            window.show();
            QImage shown((QSizeF(window.size()) * scale).toSize(), QImage::Format_RGB32);
            shown.setDevicePixelRatio(scale);
            shown.fill(Qt::magenta);
            window.render(&shown);
            const QPalette& p = child.palette();
            const QList<QRgb> boxColours{qRgb(0, 255, 0), p.color(child.backgroundRole()).rgb(), p.color(QPalette::Light).rgb(),
                                         p.color(QPalette::Midlight).rgb(), p.color(QPalette::Dark).rgb(), p.color(QPalette::Shadow).rgb()};
            const QRect box = QRectF(QRectF(child.geometry()).translated(m_f->pos()).topLeft() * scale, QSizeF(child.size()) * scale)
                                  .toAlignedRect().adjusted(1, 1, -1, -1);
            m_f->setParent(nullptr);
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    if (shown.pixel(x, y) == qRgb(255, 0, 255) || (box.contains(x, y) && !boxColours.contains(shown.pixel(x, y))))
                        QFAIL(qPrintable(QStringLiteral("at %1, (%2, %3) shows %4").arg(scale).arg(x).arg(y).arg(shown.pixel(x, y), 0, 16)));
        }
    }

    void designFontsAreTheDesignFamilyWhereInstalledElseItsSubstitute()
    {
        // The test needs Liberation Sans and DejaVu Sans (installed with the program).
        QFont::insertSubstitutions(QStringLiteral("DejaVu Sans"), {QStringLiteral("Liberation Sans")});
        const std::pair<const char*, const char*> rows[] = {
            {"MS Sans Serif", "Liberation Sans"}, {"Arial", "Liberation Sans"}, {"Verdana", "DejaVu Sans"},
            {"DejaVu Sans", "DejaVu Sans"}, // installed: kept though it has a substitute
            {"No Such Face", "No Such Face"}}; // neither: left to fontconfig
        for (const auto& [asked, used] : rows)
            QCOMPARE(DesignFonts::Font(QLatin1String(asked), 8).family(), QLatin1String(used));
        QCOMPARE(QFontInfo(DesignFonts::Font(QStringLiteral("Verdana"), 8)).family(), QStringLiteral("DejaVu Sans"));
    }
};

QTEST_MAIN(TestFrames)
#include "tst_zelFrames.moc"
