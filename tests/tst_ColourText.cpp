// Colours typed and pasted: the forms accepted, 100 000 random strings
// against a reference written with regular expressions, and the read-out
// boxes, Copy, Ctrl+C and Ctrl+V of a picker.
#include "colour/ColourText.h"
#include "fakes/FakeDesktop.h"
#include "picker/ColourEntry.h"
#include "picker/Quor_Colorpicker.h"
#include "widgets/MouseLabel.h"
#include "widgets/SurfaceBox.h"

#include <QHash>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The accepted forms, as regular expressions rather than the parser's
// character-by-character reading.
std::optional<OLE_COLOR> reference(const QString& text, bool preferLong)
{
    const QString t = text.trimmed();
    static QHash<const char*, QRegularExpression> compiled;
    const auto match = [&](const char* pattern) {
        auto it = compiled.find(pattern);
        if (it == compiled.end())
            it = compiled.insert(pattern, QRegularExpression(QStringLiteral("^(?:%1)$").arg(QLatin1String(pattern)),
                                                             QRegularExpression::CaseInsensitiveOption));
        return it->match(t);
    };
    const auto rrggbb = [](const QString& six) {
        const uint v = six.toUInt(nullptr, 16);
        return RGB(int(v >> 16), int((v >> 8) & 255), int(v & 255));
    };
    if (auto m = match("#([0-9a-f])([0-9a-f])([0-9a-f])"); m.hasMatch())
        return RGB(m.captured(1).toInt(nullptr, 16) * 17, m.captured(2).toInt(nullptr, 16) * 17, m.captured(3).toInt(nullptr, 16) * 17);
    if (auto m = match("#([0-9a-f]{6})"); m.hasMatch())
        return rrggbb(m.captured(1));
    if (auto m = match("&h([0-9a-f]{1,6})&?"); m.hasMatch())
        return OLE_COLOR(m.captured(1).toUInt(nullptr, 16));
    if (auto m = match(R"(rgb\(\s*(\d{1,8})\s*,\s*(\d{1,8})\s*,\s*(\d{1,8})\s*\))"); m.hasMatch()) {
        const int r = m.captured(1).toInt(), g = m.captured(2).toInt(), b = m.captured(3).toInt();
        if (r > 255 || g > 255 || b > 255)
            return std::nullopt;
        return RGB(r, g, b);
    }
    const bool digits = match("\\d{1,8}").hasMatch();
    if (match("[0-9a-f]{6}").hasMatch() && !(preferLong && digits))
        return rrggbb(t);
    if (digits && t.toLong() <= 0xFFFFFF)
        return OLE_COLOR(t.toLong());
    return std::nullopt;
}

} // namespace

class TestColourText : public QObject {
    Q_OBJECT
private slots:
    void forms_data();
    void forms();
    void fuzzAgainstTheReference();
    void readoutBoxesTakeTypedColours();
    void copyAndPasteAnywhereInThePicker();
};

void TestColourText::forms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inLongBox");
    QTest::addColumn<int>("expected"); // -1: not a colour
    QTest::newRow("#RGB") << "#0F8" << false << int(RGB(0x00, 0xFF, 0x88));
    QTest::newRow("#RRGGBB, blanks around") << "  #00ff80 " << false << int(RGB(0x00, 0xFF, 0x80));
    QTest::newRow("RRGGBB") << "FF8000" << false << int(RGB(0xFF, 0x80, 0x00));
    QTest::newRow("six digits in the HTML box: RRGGBB") << "123456" << false << int(RGB(0x12, 0x34, 0x56));
    QTest::newRow("six digits in the LONG box: a number") << "123456" << true << 123456;
    QTest::newRow("rgb()") << "rgb(255, 128, 0)" << false << int(RGB(255, 128, 0));
    QTest::newRow("RGB() tight") << "RGB(1,2,3)" << false << int(RGB(1, 2, 3));
    QTest::newRow("rgb() out of range") << "rgb(256, 0, 0)" << false << -1;
    QTest::newRow("&HBBGGRR as the HEX box shows it") << "&HFF8000" << false << 0x00FF8000;
    QTest::newRow("&H short") << "&H1133" << false << 0x1133;
    QTest::newRow("LONG") << "16744448" << false << 16744448;
    QTest::newRow("LONG at the top") << "16777215" << true << 16777215;
    QTest::newRow("LONG past the top") << "16777216" << true << -1;
    QTest::newRow("letters") << "zz" << false << -1;
    QTest::newRow("#12345") << "#12345" << false << -1;
    QTest::newRow("empty") << "" << false << -1;
    QTest::newRow("negative") << "-5" << true << -1;
}

void TestColourText::forms()
{
    QFETCH(QString, text);
    QFETCH(bool, inLongBox);
    QFETCH(int, expected);
    const auto got = ColourText::Parse(text, inLongBox ? ColourText::Prefer::Long : ColourText::Prefer::Html);
    QCOMPARE(got ? int(*got) : -1, expected);
}

void TestColourText::fuzzAgainstTheReference()
{
    QRandomGenerator rng(4242);
    const QString pieces[] = {"#", "&H", "&h", "rgb(", ")", ",", " ", "0", "1", "2", "5", "9", "a", "F", "f", "g", "&", "-", "255", "256", "x"};
    for (int i = 0; i < 100000; ++i) {
        QString s;
        const int n = rng.bounded(1, 9);
        for (int k = 0; k < n; ++k)
            s += pieces[rng.bounded(int(std::size(pieces)))];
        for (bool preferLong : {false, true}) {
            const auto got = ColourText::Parse(s, preferLong ? ColourText::Prefer::Long : ColourText::Prefer::Html);
            const auto want = reference(s, preferLong);
            if (got != want)
                QFAIL(qPrintable(QStringLiteral("\"%1\" (%2): %3, the reference %4")
                                     .arg(s, preferLong ? QStringLiteral("LONG box") : QStringLiteral("HTML box"))
                                     .arg(got ? QString::number(*got, 16) : QStringLiteral("none"))
                                     .arg(want ? QString::number(*want, 16) : QStringLiteral("none"))));
        }
    }
}

void TestColourText::readoutBoxesTakeTypedColours()
{
    FakeDesktop desk;
    Quor_Colorpicker picker;
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    picker.setColor(0x00336699);
    QLineEdit* html = picker.txtInfo(2);
    QLineEdit* longBox = picker.txtInfo(1);

    QSignalSpy changed(&picker, &Quor_Colorpicker::Colorchanged);
    html->setFocus();
    html->selectAll();
    QTest::keyClicks(html, QStringLiteral("#00ff80"));
    QCOMPARE(picker.Color(), 0x00336699); // nothing until Enter
    QTest::keyClick(html, Qt::Key_Return);
    QCOMPARE(picker.Color(), RGB(0x00, 0xFF, 0x80));
    QCOMPARE(html->text(), QStringLiteral("#00FF80"));
    QCOMPARE(picker.txtInfo(0)->text(), QStringLiteral("&H80FF00"));

    // Not a colour: nothing changes, the box is marked until the next edit.
    const int before = changed.count();
    longBox->setFocus();
    longBox->selectAll();
    QTest::keyClicks(longBox, QStringLiteral("zz"));
    QTest::keyClick(longBox, Qt::Key_Return);
    QCOMPARE(picker.Color(), RGB(0x00, 0xFF, 0x80));
    QCOMPARE(changed.count(), before);
    QVERIFY(picker.entry()->marked(1));
    QVERIFY(longBox->toolTip().contains(QStringLiteral("rgb(r, g, b)")));
    // Copy takes the colour, not the text typed.
    QTest::mouseClick(picker.lblCopy(1), Qt::LeftButton);
    QCOMPARE(desk.clipboard.held, QStringLiteral("8453888"));
    QTest::keyClick(longBox, Qt::Key_Escape);
    QVERIFY(!picker.entry()->marked(1));
    QCOMPARE(longBox->text(), QStringLiteral("8453888"));

    // A LONG typed into its box, Enter: one assignment.
    longBox->selectAll();
    QTest::keyClicks(longBox, QStringLiteral("255"));
    QTest::keyClick(longBox, Qt::Key_Return);
    QCOMPARE(picker.Color(), RGB(255, 0, 0));
    // Leaving a box with a half-typed colour puts the read-out back.
    html->setFocus();
    html->selectAll();
    QTest::keyClicks(html, QStringLiteral("#12"));
    picker.txtInfo(0)->setFocus();
    QCOMPARE(html->text(), QStringLiteral("#FF0000"));
}

void TestColourText::copyAndPasteAnywhereInThePicker()
{
    FakeDesktop desk;
    Quor_Colorpicker picker;
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    picker.setColor(RGB(0x12, 0x34, 0x56));
    picker.iPal()->setFocusPolicy(Qt::StrongFocus);
    picker.iPal()->setFocus();
    QTest::keyClick(picker.iPal(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(desk.clipboard.held, QStringLiteral("#123456"));
    desk.clipboard.held = QStringLiteral(" rgb(10, 20, 30) ");
    QTest::keyClick(picker.iPal(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(picker.Color(), RGB(10, 20, 30));
    desk.clipboard.held = QStringLiteral("no colour here");
    QTest::keyClick(picker.iPal(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(picker.Color(), RGB(10, 20, 30));
}

QTEST_MAIN(TestColourText)
#include "tst_ColourText.moc"
