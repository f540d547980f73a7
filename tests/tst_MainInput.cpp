// The main window under the user's hands: which presses drag it and for how
// long, and whether the design's texts fit their controls in the fonts this
// machine resolves.
#include "app/fHelp.h"
#include "app/fMain.h"
#include "fakes/FakeDesktop.h"
#include "fakes/MainWindowOnFakes.h"
#include "picker/Quor_Colorpicker.h"
#include "widgets/MouseLabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <QtTest>

class TestMainInput : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void onlyBackgroundAndHandleDragWhileTheirButtonIsHeld_data();
    void onlyBackgroundAndHandleDragWhileTheirButtonIsHeld();
    void designTextsFitTheirControls();

private:
    std::unique_ptr<FakeDesktop> m_desk;
    fMain* m_w = nullptr;
};

void TestMainInput::init()
{
    QVERIFY(OpenMainWindow(m_desk, m_w));
}

void TestMainInput::cleanup()
{
    CloseMainWindow(m_desk, m_w);
}

void TestMainInput::onlyBackgroundAndHandleDragWhileTheirButtonIsHeld_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("drags");
    QTest::newRow("background, left") << QPoint(5, 300) << int(Qt::LeftButton) << true;
    QTest::newRow("background, right") << QPoint(5, 300) << int(Qt::RightButton) << true;
    QTest::newRow("background, middle") << QPoint(5, 300) << int(Qt::MiddleButton) << true;
    QTest::newRow("drag handle, middle") << QPoint(100, 20) << int(Qt::MiddleButton) << true;
    QTest::newRow("frame caption") << QPoint(60, 112) << int(Qt::LeftButton) << false;
    QTest::newRow("frame body") << QPoint(25, 400) << int(Qt::RightButton) << false;
    QTest::newRow("picker caption HEX:") << QPoint(180, 218) << int(Qt::LeftButton) << false;
    QTest::newRow("sample strip, middle") << QPoint(200, 430) << int(Qt::MiddleButton) << false;
    QTest::newRow("banner, middle") << QPoint(250, 60) << int(Qt::MiddleButton) << false;
}

void TestMainInput::onlyBackgroundAndHandleDragWhileTheirButtonIsHeld()
{
    QFETCH(QPoint, at);
    QFETCH(int, button);
    QFETCH(bool, drags);
    const auto b = Qt::MouseButton(button);
    const OLE_COLOR fore = m_w->cpFore()->Color(), back = m_w->cpBack()->Color();
    QWindow* window = m_w->windowHandle();
    const QPoint start = m_w->pos();
    // Through the window system, so each press reaches the control under it
    // and whatever it ignores travels on to its parents.
    QTest::mousePress(window, b, Qt::NoModifier, at);
    QTest::mouseMove(window, at + QPoint(40, 25));
    QCOMPARE(m_w->pos(), drags ? start + QPoint(40, 25) : start);
    QTest::mouseRelease(window, b, Qt::NoModifier, at + QPoint(40, 25));
    const QPoint released = m_w->pos();
    QTest::mouseMove(window, at + QPoint(90, 60)); // no button: the window stays
    QCOMPARE(m_w->pos(), released);

    // A tap: press and release back to back, then the pointer moves on.
    QTest::mousePress(window, b, Qt::NoModifier, at);
    QTest::mouseRelease(window, b, Qt::NoModifier, at);
    QTest::mouseMove(window, at + QPoint(30, 30));
    QCOMPARE(m_w->pos(), released);

    QCOMPARE(m_w->cpFore()->Color(), fore);
    QCOMPARE(m_w->cpBack()->Color(), back);
    QVERIFY(m_desk->shell.opened.isEmpty());
    QVERIFY(m_desk->menus.shownItems.isEmpty());
}

namespace {

// The area a line edit sets its text in: the style's contents rectangle less
// the text margins and Qt's own 2 x 1 pixel margin.
QRect lineEditTextArea(const QLineEdit* box)
{
    QStyleOptionFrame opt;
    opt.initFrom(box);
    opt.rect = box->rect();
    opt.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box) : 0;
    QRect r = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box);
    r = r.marginsRemoved(box->textMargins());
    return r.adjusted(2, 1, -2, -1);
}

} // namespace

void TestMainInput::designTextsFitTheirControls()
{
    m_w->cpFore()->setColor(0x00FFFFFF);
    for (QLineEdit* box : m_w->cpFore()->findChildren<QLineEdit*>()) {
        const QRect area = lineEditTextArea(box);
        const QFontMetrics fm(box->font());
        const QString text = box->text().isEmpty() ? QStringLiteral("255") : box->text();
        QVERIFY2(fm.horizontalAdvance(text) <= area.width() && fm.ascent() + fm.descent() <= area.height() + 2,
                 qPrintable(QStringLiteral("\"%1\" in %2: %3 x %4 in %5 x %6").arg(text, QFontInfo(box->font()).family())
                                .arg(fm.horizontalAdvance(text)).arg(fm.height()).arg(area.width()).arg(area.height())));
    }
    for (QLabel* label : m_w->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(m_w))
            continue;
        const QFontMetrics fm(label->font());
        const QRect need = fm.boundingRect(label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
        QVERIFY2(label->contentsRect().contains(need) || need.width() <= label->contentsRect().width(),
                 qPrintable(QStringLiteral("\"%1\" needs %2 x %3 in %4 x %5").arg(label->text()).arg(need.width()).arg(need.height())
                                .arg(label->width()).arg(label->height())));
    }
    for (QPushButton* button : m_w->findChildren<QPushButton*>()) {
        const QFontMetrics fm(button->font());
        QVERIFY2(fm.horizontalAdvance(button->text()) + 6 <= button->width(),
                 qPrintable(QStringLiteral("\"%1\" needs %2 of %3").arg(button->text()).arg(fm.horizontalAdvance(button->text())).arg(button->width())));
    }

    fHelp help(m_w);
    QLabel* text = help.lblHelp();
    const QRect need = QFontMetrics(text->font()).boundingRect(text->contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text->text());
    QVERIFY2(need.bottom() <= text->contentsRect().bottom() && need.right() <= text->contentsRect().right(),
             qPrintable(QStringLiteral("help text in %1 needs %2 x %3").arg(QFontInfo(text->font()).family()).arg(need.width()).arg(need.height())));
}


QTEST_MAIN(TestMainInput)
#include "tst_MainInput.moc"
