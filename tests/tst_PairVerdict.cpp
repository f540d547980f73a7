// The two colours' verdict: WCAG contrast against published pairs and at
// every threshold, the colour-vision simulations, the strip under each, and
// swapping the colours.
#include "app/PairVerdict.h"
#include "app/fMain.h"
#include "colour/Contrast.h"
#include "colour/VisionSimulation.h"
#include "fakes/FakeDesktop.h"
#include "picker/Quor_Colorpicker.h"
#include "widgets/MouseLabel.h"

#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>
#include <cmath>

namespace {

// The WCAG formula written out again, to check the program's against.
double referenceRatio(int grey, int other)
{
    const auto lin = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double a = lin(grey), b = lin(other); // greys: luminance is the channel's
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

OLE_COLOR grey(int g)
{
    return RGB(g, g, g);
}

OLE_COLOR textColorOf(const QWidget* w)
{
    const QColor c = w->palette().color(QPalette::WindowText);
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace

class TestPairVerdict : public QObject {
    Q_OBJECT
private slots:
    void publishedPairs_data();
    void publishedPairs();
    void truncationNeverPassesAMissedThreshold();
    void simulations_data();
    void simulations();
    void stripShowsTheSimulationAndNothingElseChanges();
    void swapExchangesTheColoursOnly();
};

void TestPairVerdict::publishedPairs_data()
{
    QTest::addColumn<OLE_COLOR>("fore");
    QTest::addColumn<OLE_COLOR>("back");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("best");
    QTest::newRow("black on white") << grey(0) << grey(255) << "21.00:1" << "AAA";
    QTest::newRow("white on black, the same") << grey(255) << grey(0) << "21.00:1" << "AAA";
    QTest::newRow("#777777 on white: misses AA") << grey(0x77) << grey(255) << "4.47:1" << "AA Large";
    QTest::newRow("#767676 on white: passes AA") << grey(0x76) << grey(255) << "4.54:1" << "AA";
    QTest::newRow("equal colours") << OLE_COLOR(0x00336699) << OLE_COLOR(0x00336699) << "1.00:1" << "Fail";
}

void TestPairVerdict::publishedPairs()
{
    QFETCH(OLE_COLOR, fore);
    QFETCH(OLE_COLOR, back);
    QFETCH(QString, shown);
    QFETCH(QString, best);
    const double r = Contrast::Ratio(fore, back);
    QCOMPARE(Contrast::FormatRatio(r), shown);
    QCOMPARE(Contrast::BestGrade(r), best);
}

void TestPairVerdict::truncationNeverPassesAMissedThreshold()
{
    // Every grey on white and on black, near every threshold: what is shown
    // is the true ratio cut (not rounded) to hundredths, and a grade passes
    // exactly when the ratio reaches it.
    for (int other : {0, 255})
        for (int g = 0; g < 256; ++g) {
            const double truth = referenceRatio(g, other);
            const double r = Contrast::Ratio(grey(g), grey(other));
            QVERIFY(std::abs(r - truth) < 1e-9);
            const long cut = static_cast<long>(truth * 100.0);
            QCOMPARE(Contrast::FormatRatio(r), QStringLiteral("%1.%2:1").arg(cut / 100).arg(cut % 100, 2, 10, QLatin1Char('0')));
            const Contrast::Grades grades = Contrast::GradesOf(r);
            QCOMPARE(grades.aaNormal, truth >= 4.5);
            QCOMPARE(grades.aaLarge, truth >= 3.0);
            QCOMPARE(grades.aaaNormal, truth >= 7.0);
            QCOMPARE(grades.aaaLarge, truth >= 4.5);
            // Shown at or above a threshold only when it is reached.
            for (double threshold : {3.0, 4.5, 7.0})
                QCOMPARE(cut >= std::lround(threshold * 100), truth >= threshold);
        }
    // Exactly on a threshold passes it.
    QVERIFY(Contrast::GradesOf(4.5).aaNormal && Contrast::GradesOf(4.5).aaaLarge);
    QVERIFY(Contrast::GradesOf(3.0).aaLarge && Contrast::GradesOf(7.0).aaaNormal);
    QVERIFY(!Contrast::GradesOf(2.999).aaLarge && !Contrast::GradesOf(6.999).aaaNormal);
    QVERIFY(Contrast::GradeTable(4.47).contains(QStringLiteral("AA normal text (4.5:1): fail")));
    // Exactly on a threshold passes it.
    QVERIFY(Contrast::GradesOf(4.5).aaNormal && Contrast::GradesOf(4.5).aaaLarge);
    QVERIFY(Contrast::GradesOf(3.0).aaLarge && Contrast::GradesOf(7.0).aaaNormal);
    QVERIFY(!Contrast::GradesOf(2.999).aaLarge && !Contrast::GradesOf(6.999).aaaNormal);
    QVERIFY(Contrast::GradeTable(4.47).contains(QStringLiteral("AA large text and UI components (3:1): pass")));
}

void TestPairVerdict::simulations_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<OLE_COLOR>>("expected"); // red, green, blue, #336699, #FFCC00
    // Worked out separately from the published matrices.
    const auto rgb = [](unsigned hex) { return RGB(int(hex >> 16), int((hex >> 8) & 255), int(hex & 255)); };
    QTest::newRow("protanopia") << int(VisionSimulation::Protanopia)
                                << QList<OLE_COLOR>{rgb(0x6D5F00), rgb(0xFFE500), rgb(0x0059FF), rgb(0x50699B), rgb(0xE6CA00)};
    QTest::newRow("deuteranopia") << int(VisionSimulation::Deuteranopia)
                                  << QList<OLE_COLOR>{rgb(0xA39000), rgb(0xEFD63A), rgb(0x003DFB), rgb(0x425F98), rgb(0xF2D820)};
    QTest::newRow("tritanopia") << int(VisionSimulation::Tritanopia)
                                << QList<OLE_COLOR>{rgb(0xFF000F), rgb(0x00F7D9), rgb(0x006B96), rgb(0x007278), rgb(0xFFB9AE)};
    QTest::newRow("achromatopsia") << int(VisionSimulation::Achromatopsia)
                                   << QList<OLE_COLOR>{rgb(0x7F7F7F), rgb(0xDCDCDC), rgb(0x4C4C4C), rgb(0x636363), rgb(0xD2D2D2)};
    QTest::newRow("normal vision") << int(VisionSimulation::Normal)
                                   << QList<OLE_COLOR>{rgb(0xFF0000), rgb(0x00FF00), rgb(0x0000FF), rgb(0x336699), rgb(0xFFCC00)};
}

void TestPairVerdict::simulations()
{
    QFETCH(int, kind);
    QFETCH(QList<OLE_COLOR>, expected);
    const QList<OLE_COLOR> inputs{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(0x33, 0x66, 0x99), RGB(0xFF, 0xCC, 0x00)};
    for (int i = 0; i < inputs.size(); ++i)
        QCOMPARE(VisionSimulation::Simulate(inputs[i], VisionSimulation::Kind(kind)), expected[i]);
    for (int g = 0; g < 256; g += 5) { // greys stay grey, within a step of rounding
        const OLE_COLOR s = VisionSimulation::Simulate(grey(g), VisionSimulation::Kind(kind));
        QVERIFY2(std::abs(RedOf(s) - g) <= 1 && RedOf(s) == GreenOf(s) && GreenOf(s) == BlueOf(s), qPrintable(QString::number(g)));
    }
}

void TestPairVerdict::stripShowsTheSimulationAndNothingElseChanges()
{
    FakeDesktop desk;
    fMain w;
    w.Form_Load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.cpFore()->setColor(RGB(255, 0, 0));
    w.cpBack()->setColor(RGB(0x33, 0x66, 0x99));
    QCOMPARE(w.verdict()->readout()->text(), QStringLiteral("Contrast 1.50:1 \u00B7 Fail"));
    QVERIFY(w.lblSample(0)->toolTip().contains(QStringLiteral("AAA normal text (7:1): fail")));
    w.cpFore()->setColor(RGB(0, 0, 0)); // the foreground alone changes: the banner follows
    QCOMPARE(w.verdict()->readout()->text(), QStringLiteral("Contrast 3.50:1 \u00B7 AA Large"));
    w.cpFore()->setColor(RGB(255, 0, 0));

    // A right click on the strip offers the simulations, Normal Vision checked.
    desk.menus.answer = VisionSimulation::Protanopia;
    QTest::mouseClick(w.lblSample(3), Qt::RightButton);
    QCOMPARE(desk.menus.shownItems.size(), 1);
    const auto& items = desk.menus.shownItems[0];
    QStringList captions;
    for (const auto& item : items)
        captions << item.caption;
    QCOMPARE(captions, QStringList({"Normal Vision", "Protanopia", "Deuteranopia", "Tritanopia", "Achromatopsia", "-", "Swap Colors"}));
    QVERIFY(items[0].checked && !items[1].checked);

    // On the screen: the five labels in the simulated colours.
    QCOMPARE(textColorOf(w.lblSample(0)), RGB(0x6D, 0x5F, 0x00));
    const QImage shot = w.grab().toImage();
    QCOMPARE(shot.pixel(w.lblSample(4)->geometry().center()) & 0xFFFFFF, 0x6D5F00u);
    QCOMPARE(shot.pixel(w.lblSample(1)->geometry().topLeft() + QPoint(2, 2)) & 0xFFFFFF, 0x50699Bu);
    QCOMPARE(w.verdict()->readout()->text(), QStringLiteral("Contrast 1.50:1 \u00B7 Fail \u00B7 Protanopia"));
    // The real colours everywhere else.
    QCOMPARE(w.cpFore()->Color(), RGB(255, 0, 0));
    QCOMPARE(w.cpBack()->Color(), RGB(0x33, 0x66, 0x99));

    desk.menus.answer = VisionSimulation::Normal;
    QTest::mouseClick(w.lblSample(0), Qt::RightButton);
    QVERIFY(desk.menus.shownItems[1][1].checked);
    QCOMPARE(w.lblSample(4)->BackColor(), RGB(255, 0, 0));
    w.close();
    QFile saved(desk.settingsFile());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QCOMPARE(qFromLittleEndian<std::int32_t>(bytes.constData()), RGB(255, 0, 0));
    QCOMPARE(qFromLittleEndian<std::int32_t>(bytes.constData() + 4), RGB(0x33, 0x66, 0x99));
    QVERIFY(desk.shell.opened.isEmpty()); // a right click opens no web page
}

void TestPairVerdict::swapExchangesTheColoursOnly()
{
    FakeDesktop desk;
    fMain w;
    w.Form_Load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.cpFore()->setColor(0x00112233);
    w.cpBack()->setColor(0x00445566);
    w.cpFore()->setsColor(2, 0x00ABCDEF);
    // What one assignment from each colour to the other raises, measured on
    // pickers of their own.
    Quor_Colorpicker a, b;
    a.setColor(0x00112233);
    b.setColor(0x00445566);
    QSignalSpy aSpy(&a, &Quor_Colorpicker::Colorchanged), bSpy(&b, &Quor_Colorpicker::Colorchanged);
    a.setColor(0x00445566);
    b.setColor(0x00112233);

    QStringList order;
    connect(w.cpFore(), &Quor_Colorpicker::Colorchanged, this, [&] { order << QStringLiteral("fore"); });
    connect(w.cpBack(), &Quor_Colorpicker::Colorchanged, this, [&] { order << QStringLiteral("back"); });
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.cpFore()->Color(), 0x00445566);
    QCOMPARE(w.cpBack()->Color(), 0x00112233);
    QCOMPARE(order.count(QStringLiteral("fore")), aSpy.count());
    QCOMPARE(order.count(QStringLiteral("back")), bSpy.count());
    QCOMPARE(order.first(), QStringLiteral("fore"));
    QCOMPARE(order.last(), QStringLiteral("back"));
    QCOMPARE(w.cpFore()->sColor(2), 0x00ABCDEF);

    desk.menus.answer = 100; // Swap Colors in the strip's menu: back again
    QTest::mouseClick(w.lblSample(0), Qt::RightButton);
    QCOMPARE(w.cpFore()->Color(), 0x00112233);
    QCOMPARE(w.cpBack()->Color(), 0x00445566);
}

QTEST_MAIN(TestPairVerdict)
#include "tst_PairVerdict.moc"
