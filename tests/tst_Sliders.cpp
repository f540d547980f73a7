// The RGB sliders: their rules, their pictures, and the control under the
// user's hands (events sent to the window as the desktop delivers them).
#include "fakes/FakeDesktop.h"
#include "platform/QtColour.h"
#include "sliders/RampSource.h"
#include "sliders/RampPictures.h"
#include "sliders/SliderRules.h"
#include "sliders/vRGBSliders.h"
#include "widgets/PropertyBag.h"
#include "widgets/SurfaceBox.h"

#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <cmath>

using namespace SliderRules;

static OLE_COLOR at(const vRGBSliders& s, int x, int y) { return FromQRgb(s.surface().pixel(x, y)); }
static QString boxes(const vRGBSliders& s)
{
    return s.txtColor(0)->text() + ',' + s.txtColor(1)->text() + ',' + s.txtColor(2)->text();
}

class TestSliders : public QObject {
    Q_OBJECT
    std::unique_ptr<FakeDesktop> m_desk;
    std::unique_ptr<vRGBSliders> m_s;
    void setRgb(int r, int g, int b) { m_s->setcRedValue(r), m_s->setcGreenValue(g), m_s->setcBlueValue(b); }

private slots:
    void init()
    {
        m_desk = std::make_unique<FakeDesktop>();
        m_s = std::make_unique<vRGBSliders>();
        m_s->resize(132, 80);
        m_s->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_s.get()));
    }
    void cleanup() { m_s.reset(), m_desk.reset(); }

    void rules()
    {
        const int web[][2] = {{0, 0}, {25, 0}, {26, 51}, {76, 51}, {77, 102}, {127, 102}, {128, 153}, {178, 153},
                              {179, 204}, {229, 204}, {230, 255}, {-1, 0}, {300, 0}};
        for (const auto& r : web)
            QVERIFY2(WebSafeLevel(r[0]) == r[1], qPrintable(QString::number(r[0])));
        // Grey = .3R + .59G + .11B, each term rounded; 54, 103 and 205 snap to web-safe greys.
        const int grey[][4] = {{255, 255, 255, 255}, {254, 254, 254, 254}, {255, 0, 0, 76}, {0, 0, 50, 6},
                               {180, 0, 0, 51}, {0, 175, 0, 102}, {255, 218, 0, 204}, {204, 204, 204, 203},
                               // each channel's rounding at its edges: .6 and .5 of red, .51 and .50 of green,
                               // .50 and .49 of blue, as (3R + 4) / 10, (59G + 49) / 100, (11B + 50) / 100 give
                               {2, 0, 0, 1}, {5, 0, 0, 1}, {0, 89, 0, 53}, {0, 50, 0, 29}, {0, 0, 59, 6}, {0, 0, 45, 5}};
        for (const auto& r : grey)
            QVERIFY2(GreyLevel(r[0], r[1], r[2]) == r[3], qPrintable(QString::number(r[3])));
        QCOMPARE(LeadingNumber(QString(40, '9')), 1000000000); // saturates; the pasted texts are below
        QCOMPARE(GradientComponent(0, 255, 1, 2), 128); // 127.5 to the even 128
        QCOMPARE(ChannelsOf(-1).red, -1);                // an unreadable pixel
    }

    void rampPictures()
    {
        const QImage& spectrum = RampPictures::RampPicture(0);
        // Row 7 holds the pure hues red through magenta and back towards red,
        // against the textbook hue formula within one step of rounding.
        for (int x = 0; x < 190; ++x) {
            const auto channel = [&](double offset) {
                const double k = std::fmod(offset + x * 6.0 / 190.0, 6.0);
                return 255.0 * (1.0 - std::max(0.0, std::min({k, 4.0 - k, 1.0})));
            };
            const QRgb px = spectrum.pixel(x, 7);
            QVERIFY2(std::abs(qRed(px) - channel(5)) <= 1 && std::abs(qGreen(px) - channel(3)) <= 1
                         && std::abs(qBlue(px) - channel(1)) <= 1, qPrintable(QString::number(x)));
        }
        for (int i = 0; i < 4; ++i) // the swatch end: white over black
            QVERIFY(RampPictures::RampPicture(i).pixel(193, 6) == qRgb(255, 255, 255)
                    && RampPictures::RampPicture(i).pixel(193, 7) == qRgb(0, 0, 0));
        // Web-safe greys: steps 19, 38, 38, 38, 38, 19 columns wide.
        const int edges[][2] = {{18, 0}, {19, 52}, {56, 52}, {57, 102}, {95, 153}, {170, 204}, {171, 255}, {189, 255}};
        for (const auto& e : edges)
            QCOMPARE(qRed(RampPictures::RampPicture(3).pixel(e[0], 5)), e[1]);
    }

    void settingAChannelClampsAndRaisesChangeOncePerChangedBox()
    {
        const int values[][2] = {{300, 255}, {-5, 0}, {100000, 255}, {77, 77}};
        for (const auto& v : values) {
            m_s->setcGreenValue(v[0]);
            QCOMPARE(boxes(*m_s), "0," + QString::number(v[1]) + ",0");
            QCOMPARE(m_s->CurrentColor(), v[1] * 256);
        }
        QList<OLE_COLOR> seen;
        connect(m_s.get(), &vRGBSliders::Change, this, [&] { seen.append(m_s->CurrentColor()); });
        setRgb(0, 77, 0); // the same values change no box
        setRgb(0x99, 0x66, 0x33);
        QCOMPARE(seen, (QList<OLE_COLOR>{0x004D99, 0x006699, 0x336699}));
        QCOMPARE(m_s->HTMLColor(), QStringLiteral("#996633"));
    }

    void pastedAndClearedBoxesHoldTheDigitsOfTheirValue()
    {
        // Pasted text (what the box's own menu does), and the changes it raises.
        const std::tuple<QString, QString, int> rows[] = {{"", "0", 2}, {"12ab", "12", 2}, {" 7", "7", 2}, {"-3", "0", 2},
                                                          {"abc", "0", 2}, {QStringLiteral("１２"), "0", 2}, {"999", "255", 2},
                                                          {"42", "42", 1}};
        QLineEdit* blue = m_s->txtColor(2);
        for (const auto& [input, shown, changes] : rows) {
            m_s->setcBlueValue(45);
            m_s->txtColor(1)->setFocus();
            QTest::keyClick(m_s->txtColor(1), Qt::Key_Tab); // entering a box selects it all
            QTRY_COMPARE(blue->selectedText(), QStringLiteral("45"));
            QSignalSpy spy(m_s.get(), &vRGBSliders::Change);
            input.isEmpty() ? blue->clear() : blue->insert(input);
            QCOMPARE(blue->text(), shown);
            QCOMPARE(m_s->CurrentColor(), shown.toInt() * 65536);
            QCOMPARE(spy.count(), changes);
            QCOMPARE(blue->selectedText(), input.isEmpty() ? QStringLiteral("0") : QString()); // cleared: a selected 0
        }
    }

    void entryKeysAsX11SendsThem()
    {
        const int ctrl = Qt::ControlModifier;
        struct Row {
            const char *start; int cursor; Qt::Key key; int modifiers; const char *text, *shown;
        } rows[] = {{"123", 0, Qt::Key_Delete, 0, "\x7f", "23"},  {"123", 3, Qt::Key_Backspace, 0, "\b", "12"},
                    {"123", 3, Qt::Key_A, 0, "a", "123"},         {"12", 2, Qt::Key_Space, 0, " ", "12"},
                    {"99", 2, Qt::Key_9, 0, "9", "255"},          {"123", 1, Qt::Key_A, ctrl, "\x01", "7"}, // then a 7
                    {"123", 3, Qt::Key_X, ctrl, "\x18", "0"},     {"123", 3, Qt::Key_V, ctrl, "\x16", "12"},
                    {"12", 2, Qt::Key_Z, ctrl, "\x1a", "12"},     {"5", 1, Qt::Key_Up, 0, "", "6"},
                    {"255", 3, Qt::Key_Up, 0, "", "255"},         {"0", 1, Qt::Key_Down, 0, "", "0"},
                    {"100", 3, Qt::Key_PageUp, 0, "", "116"},     {"250", 3, Qt::Key_PageUp, 0, "", "255"},
                    {"20", 2, Qt::Key_PageDown, 0, "", "4"}};
        QLineEdit* green = m_s->txtColor(1);
        QWindow* window = m_s->windowHandle();
        m_s->activateWindow();
        green->setFocus();
        QTRY_VERIFY(green->hasFocus());
        QTest::qWait(0); // the queued select-all of the focus
        for (const Row& r : rows) {
            QGuiApplication::clipboard()->setText(QStringLiteral("12ab"));
            m_s->setcGreenValue(QString(r.start).toInt());
            green->deselect();
            green->setCursorPosition(r.cursor);
            if (r.key == Qt::Key_X || r.key == Qt::Key_V)
                green->selectAll();
            if (r.key == Qt::Key_Z) // something to undo: one more digit typed
                QTest::sendKeyEvent(QTest::Click, window, Qt::Key_4, QStringLiteral("4"), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Click, window, r.key, QString::fromLatin1(r.text), Qt::KeyboardModifiers(r.modifiers));
            if (r.key == Qt::Key_A && r.modifiers)
                QTest::sendKeyEvent(QTest::Click, window, Qt::Key_7, QStringLiteral("7"), Qt::NoModifier);
            QVERIFY2(green->text() == r.shown && m_s->cGreenValue() == QString(r.shown).toInt(), r.shown);
        }
        for (char c = ' '; c <= '~'; ++c) { // every printable key but a digit is refused
            if (c >= '0' && c <= '9')
                continue;
            m_s->setcGreenValue(12);
            green->deselect();
            green->setCursorPosition(c % 3);
            QTest::sendKeyEvent(QTest::Click, window, Qt::Key(QChar(c).toUpper().unicode()), QString(QChar(c)), Qt::NoModifier);
            QVERIFY2(green->text() == "12" && m_s->cGreenValue() == 12, qPrintable(QString("'%1' gave %2").arg(c).arg(green->text())));
        }
    }

    void pointerSetsTheChannelUnderIt()
    {
        // Width, web-safe, pressed at, dragged to, the boxes after, and Change raised:
        // two for a changed box, one for each other event on a ramp row.
        const std::tuple<int, bool, QPoint, QPoint, QString, int> rows[] = {
            {132, false, {5, 20}, {5, 20}, "0,0,0", 2},       {132, false, {92, 20}, {92, 20}, "255,0,0", 3}, // the ends
            {132, false, {50, 37}, {50, 37}, "132,0,0", 3},   // 45 * 255 / 87 = 131.9, on the red zone's last row
            {132, false, {50, 30}, {200, 30}, "255,0,0", 5},  {132, false, {50, 38}, {50, 38}, "0,132,0", 3},
            {132, false, {70, 75}, {70, 75}, "0,0,191", 3},   {132, false, {50, 13}, {50, 13}, "0,0,0", 2}, // above all zones: still raised
            {132, false, {50, 20}, {50, 86}, "132,0,0", 4},   {132, false, {4, 6}, {4, 7}, "0,0,0", 0}, // caption R
            {132, false, {4, 54}, {4, 55}, "0,0,0", 0},       {132, false, {101, 40}, {101, 41}, "0,0,0", 0}, // caption B, the strip
            {132, true, {25, 40}, {25, 40}, "0,51,0", 3},     {132, true, {45, 40}, {45, 40}, "0,102,0", 3},
            {132, true, {66, 40}, {66, 40}, "0,204,0", 3},    {132, true, {86, 40}, {86, 40}, "0,255,0", 3},
            {146, true, {66, 41}, {66, 41}, "0,153,0", 3},    {146, true, {86, 40}, {86, 40}, "0,204,0", 3},
            {146, true, {106, 40}, {106, 40}, "0,255,0", 3}};
        QWindow* window = m_s->windowHandle();
        for (const auto& [width, webSafe, from, to, expected, changes] : rows) {
            m_s->resize(width, 80);
            setRgb(0, 0, 0);
            if (webSafe != m_s->WebSafe())
                QVERIFY(m_s->setcRampStyle(3) && m_s->setcRampStyle(0));
            QSignalSpy spy(m_s.get(), &vRGBSliders::Change);
            QTest::mousePress(window, Qt::LeftButton, {}, from);
            QTest::mouseMove(window, to);
            QTest::mouseRelease(window, Qt::LeftButton, {}, to);
            QVERIFY2(boxes(*m_s) == expected && spy.count() == changes, qPrintable(QString("%1,%2: %3, %4").arg(from.x()).arg(from.y()).arg(boxes(*m_s)).arg(spy.count())));
        }
    }

    void otherButtonsSetNothingAndTheRightOneOpensTheRampMenu()
    {
        QSignalSpy spy(m_s.get(), &vRGBSliders::Change);
        QWindow* window = m_s->windowHandle();
        m_desk->menus.answer = 1;
        QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, QPoint(80, 20));
        QTest::mouseClick(window, Qt::MiddleButton, Qt::NoModifier, QPoint(80, 20));
        QCOMPARE(boxes(*m_s), QStringLiteral("0,0,0"));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(m_desk->menus.shownItems.size(), 1);
        const auto& items = m_desk->menus.shownItems[0];
        QVERIFY(items.size() == 4 && items[0].caption == "RGB Spectrum" && items[3].caption == "Make Ramp Web Safe");
        QCOMPARE(m_s->cRampStyle(), 1);
        QCOMPARE(m_s->picRamp()->picture().pixel(189, 3), qRgb(255, 255, 255)); // greyscale shown

        // Web Safe rewrites the boxes, one Change per changed box; style 3 toggles it back.
        setRgb(100, 200, 30);
        spy.clear();
        m_desk->menus.answer = 3;
        QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, QPoint(80, 20));
        QCOMPARE(boxes(*m_s), QStringLiteral("102,204,51"));
        QCOMPARE(spy.count(), 3);
        QCOMPARE(m_s->mnuRampCaption(3), QStringLiteral("Show non-Web Safe Ramp"));
        QVERIFY(m_s->setcRampStyle(0));
        QCOMPARE(qRed(m_s->picRamp()->picture().pixel(30, 9)) % 51, 0);
        QVERIFY(m_s->setcRampStyle(3));
        QVERIFY(!m_s->WebSafe() && m_s->cRampStyle() == 3);
        QCOMPARE(boxes(*m_s), QStringLiteral("102,204,51"));
    }

    void takingTheColourUnderTheRampSource()
    {
        struct : RampSource {
            QImage image{4, 4, QImage::Format_RGB32};
            std::int32_t GetPixel(int x, int y) const override { return image.valid(x, y) ? FromQRgb(image.pixel(x, y)) : -1; }
            int Top() const override { return 0; }
        } src;
        // style, pixel (-1: off the source), boxes, changes; style 2 does nothing.
        const std::tuple<int, int, QString, int> rows[] = {{0, 0x00336699, "153,102,51", 3}, {2, 0x00FFFFFF, "153,102,51", 0},
                                                           {1, 0x000000B4, "51,51,51", 2}, {0, -1, "0,0,0", 4}};
        for (const auto& [style, pixel, expected, changes] : rows) {
            QVERIFY(m_s->setcRampStyle(style));
            src.image.fill(ToQColor(pixel));
            QSignalSpy spy(m_s.get(), &vRGBSliders::Change);
            m_s->GetFromRamp(1, 0, pixel == -1 ? 10.5 : 2.5, 1.5, src);
            QCOMPARE(boxes(*m_s), expected);
            QCOMPARE(spy.count(), changes);
        }
    }

    void rampsAndEdgesAreDrawnFromTheBoxes()
    {
        m_s->setcGreenValue(128);
        m_s->DrawRamps();
        for (int i = 1; i <= 84; ++i) // red ramp, band 5..92: column 5 + i holds red 3 * i
            QCOMPARE(at(*m_s, 5 + i, 17), RGB(3 * i, 128, 0));
        QCOMPARE(at(*m_s, 90, 17), RGB(255, 128, 0));
        QCOMPARE(at(*m_s, 6, 41), RGB(0, 3, 0));
        QCOMPARE(at(*m_s, 50, 66), RGB(0, 128, 135));
        const auto c = SurfaceDraw::EdgeColours::FromPalette(m_s->palette());
        QCOMPARE(at(*m_s, 5, 17), FromQColor(c.darkShadow));
        QCOMPARE(at(*m_s, 91, 17), FromQColor(c.highlight));
        for (int w : {49, 47, 46, 10, 0}) { // narrow bands draw without fault
            m_s->resize(w, 80);
            m_s->DrawRamps();
            m_s->setcRedValue(w);
        }
        m_s->resize(49, 80); // n = 2: 0, 128, 255 across a four-pixel band
        m_s->DrawRamps();
        QCOMPARE(qGreen(m_s->surface().pixel(6, 41)), 128);
    }

    void borderStylesDrawTheirEdgeAndSurviveSaving()
    {
        const auto c = SurfaceDraw::EdgeColours::FromPalette(m_s->palette());
        const QColor background = m_s->palette().color(QPalette::Window);
        // Style: none, sunken, raised, etched, bump, thin sunken; 7 draws none
        // (and, like 0, leaves an old border until something paints over it).
        const QColor corner[] = {background, c.shadow, c.light, c.shadow, c.light, c.shadow, background, background};
        for (int style : {7, 1, 2, 3, 4, 5}) {
            QVERIFY(m_s->setBorderStyle(style));
            m_s->DrawRamps();
            QVERIFY2(at(*m_s, 0, 0) == FromQColor(corner[style]), qPrintable(QString::number(style)));
        }
        QVERIFY(!m_s->setBorderStyle(40000)); // out of 16 bits: refused, nothing changes
        QCOMPARE(m_s->BorderStyle(), 5);
        m_s->setBorderStyle(2);
        PropertyBag bag;
        m_s->UserControl_WriteProperties(bag);
        vRGBSliders loaded;
        loaded.resize(m_s->size());
        loaded.UserControl_ReadProperties(bag);
        loaded.DrawRamps();
        QCOMPARE(at(loaded, 0, 0), FromQColor(c.light));
    }

    void markersStandAtTheValuesFromFirstShow()
    {
        // As the picker does at start-up: values set while hidden.
        vRGBSliders fresh;
        fresh.resize(132, 80);
        fresh.setcRedValue(255);
        fresh.setcBlueValue(128);
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        const OLE_COLOR fg = FromQColor(fresh.palette().color(QPalette::WindowText));
        const OLE_COLOR bg = FromQColor(fresh.palette().color(QPalette::Window));
        // Apex on the ramp's bottom line at 255, base at both ends, hollow; nothing at 0.
        QVERIFY(at(fresh, 92, 22) == fg && at(fresh, 87, 27) == fg && at(fresh, 97, 27) == fg && at(fresh, 92, 26) == bg && at(fresh, 5, 22) == bg);
        QCOMPARE(fresh.MarkerRect(2).left, 44); // 128 of 255 along 87 pixels: 43.7
        fresh.setcRedValue(0);
        QVERIFY(at(fresh, 92, 22) == bg && at(fresh, 5, 22) == fg); // the old marker erased
        fresh.setcRedValue(255);
        fresh.resize(146, 80);
        QCOMPARE(fresh.MarkerRect(0).left, 0); // left end until the next change
        fresh.setcGreenValue(1);
        QCOMPARE(fresh.MarkerRect(0).left, 101);
    }

    void aBurstOfChangesGivesOneRedraw()
    {
        QTest::qWait(60); // let the start-up redraw go by
        const int before = m_s->rampRedrawCount();
        for (int i = 1; i <= 100; ++i)
            m_s->setcBlueValue(i);
        m_s->setcGreenValue(200);
        QCOMPARE(m_s->rampRedrawCount(), before);
        QTRY_COMPARE(m_s->rampRedrawCount(), before + 1);
        QTest::qWait(60);
        QCOMPARE(m_s->rampRedrawCount(), before + 1);
        QCOMPARE(at(*m_s, 6, 17), RGB(3, 200, 100)); // the values in the boxes at the tick
    }
};

QTEST_MAIN(TestSliders)
#include "tst_Sliders.moc"
