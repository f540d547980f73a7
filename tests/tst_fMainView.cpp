// How the main window is laid out, drawn, repainted and reached: its
// frames, fonts and pictures, what a pointer move repaints, the Tab order
// and what a screen reader hears.
#include "MainWindowFixture.h"
#include "app/fHelp.h"
#include "app/Artwork.h"
#include "picker/PickerKeys.h"
#include "picker/Quor_Colorpicker.h"
#include "sliders/vRGBSliders.h"
#include "platform/QtColour.h"
#include "widgets/MouseLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/ShapeBox.h"
#include "widgets/SurfaceBox.h"
#include "widgets/zelFrames.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionFrame>

#include <future>

class TestMainWindowView : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void layoutAndFrames()
    {
        QCOMPARE(m_w->imBanner()->geometry(), QRect(34, 35, 468, 60));
        QCOMPARE(m_w->lblSample(0)->geometry(), QRect(157, 415, 222, 50));
        // The inner swatches sit on half pixels (82.5, 399.5); halves go to the even neighbour.
        QCOMPARE(m_w->lblSample(4)->pos(), QPoint(82, 422));
        QCOMPARE(m_w->lblSample(2)->pos(), QPoint(400, 422));
        // The window's own grey between banner and frames, and left of the
        // sample strip, where a picker's shadow would reach out of its frame.
        const QImage shown = m_w->grab().toImage();
        QCOMPARE(shown.pixelColor(30, 100), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(shown.pixelColor(5, 300), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(m_w->frForeground()->Caption(), QStringLiteral("Foreground Color"));
        QCOMPARE(FromQRgb(m_w->frForeground()->surface().pixel(30, 4)), 0x00808080); // custom theme: grey bar
        QCOMPARE(FromQRgb(shown.pixel(m_w->frForeground()->pos() + QPoint(30, 4))), 0x00808080); // and on screen
        QVERIFY(m_w->frBackground()->Font().bold() && !m_w->cpFore()->lblCopy(0)->font().bold());
        m_w->imBanner()->move(0, 0);
        m_w->showMinimized();
        m_w->showNormal(); // laid out again
        QCOMPARE(m_w->imBanner()->pos(), QPoint(34, 35));
    }

    void picturesDrawnAheadStoredAndAskedForAgree()
    {
        // Text is left out: once this thread has painted a font, its glyphs
        // are drawn from that cache and may differ from a first drawing.
        using Artwork::ButtonState;
        const auto pictures = [] {
            return QList<QImage>{Artwork::Button("menu", ButtonState::Normal, 1.5),
                                 Artwork::Button("close", ButtonState::Hover, 1.5), Artwork::Button("close", ButtonState::Down, 1.5),
                                 Artwork::LinkCursor(1.5).pixmap().toImage()};
        };
        const QList<QImage> drawnWhenAsked = pictures();
        Artwork::DrawAhead(1.5);
        QCOMPARE(pictures(), drawnWhenAsked);
        // What the build stored, against the same drawn on a thread of its
        // own, as the build draws them: a thread that has painted text draws
        // its glyphs from its cache.
        for (const qreal ratio : {1.0, 1.25, 2.0}) {
            const auto drawn = std::async(std::launch::async, [ratio] { return Artwork::DrawAll(ratio); }).get();
            QCOMPARE(Artwork::Stored(ratio), drawn);
        }
        QVERIFY(Artwork::Stored(1.1).isEmpty()); // not stored: drawn at start-up
        // Half-transparent edges come back exactly; damaged data gives nothing.
        const auto all = Artwork::DrawAll(1.0);
        const QByteArray packed = Artwork::Pack(all);
        QCOMPARE(Artwork::Unpack(packed), all);
        QVERIFY(Artwork::Unpack(packed.left(packed.size() / 2)).isEmpty());
        QVERIFY(Artwork::Unpack("not pictures").isEmpty());
    }

    void onlyWhatChangesIsRepainted()
    {
        QTest::qWait(50); // the start-up paints go by
        struct : QObject { // each widget painted, as its class, its parent's and its name
            QStringList painted;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                return e->type() == QEvent::Paint && (painted << QString(o->metaObject()->className()) + '/' + (o->parent() ? o->parent()->metaObject()->className() : "") + '/' + static_cast<QWidget*>(o)->accessibleName(), false);
            }
        } paints;
        qApp->installEventFilter(&paints);
        const auto move = [&](QWidget* part, QPoint at) { QTest::mouseMove(window(), part->mapTo(m_w, at)), QTest::qWait(30); };
        vRGBSliders* sliders = m_w->cpFore()->cSlider();
        move(sliders, {20, 30}), move(sliders, {60, 32}); // no button: nothing changes, nothing repaints
        QCOMPARE(paints.painted, QStringList());
        QTest::mousePress(window(), Qt::LeftButton, {}, m_w->cpBack()->iPal()->mapTo(m_w, QPoint(30, 30)));
        paints.painted.clear();
        move(m_w->cpBack()->iPal(), {61, 30}); // along the palette: not the window, frames, pickers, hue bars or banner
        QVERIFY(paints.painted.contains("CaptionOverPicture/MouseLabel/")); // the contrast changed
        for (const QString& p : paints.painted)
            QVERIFY2(!p.startsWith("fMain") && !p.startsWith("zelFrames") && !p.startsWith("Quor_Colorpicker") && !p.startsWith("SurfaceBox") && !p.endsWith("Banner"), qPrintable(p));
        QTest::mouseRelease(window(), Qt::LeftButton, {}, m_w->cpBack()->iPal()->mapTo(m_w, QPoint(61, 30)));
    }

    void designTextsFitTheirControls()
    {
        m_w->cpFore()->setColor(0x00FFFFFF);
        for (QLineEdit* box : m_w->cpFore()->findChildren<QLineEdit*>()) {
            // Where a line edit sets its text: the contents less Qt's own 2 x 1 margin.
            QStyleOptionFrame opt;
            opt.initFrom(box);
            opt.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box);
            const QRect area = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box).adjusted(2, 1, -2, -1);
            const QFontMetrics fm(box->font());
            const QString text = box->text().isEmpty() ? QStringLiteral("255") : box->text();
            QVERIFY2(fm.horizontalAdvance(text) <= area.width() && fm.ascent() + fm.descent() <= area.height() + 2,
                     qPrintable(QString("\"%1\" in %2").arg(text, QFontInfo(box->font()).family())));
        }
        for (QLabel* label : m_w->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisibleTo(m_w))
                continue;
            const QRect need = label->fontMetrics().boundingRect(label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
            QVERIFY2(need.width() <= label->contentsRect().width(), qPrintable(label->text()));
        }
        for (QPushButton* button : m_w->findChildren<QPushButton*>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 6 <= button->width(), qPrintable(button->text()));
        fHelp help(m_w);
        QLabel* text = help.lblHelp();
        const QRect need = text->fontMetrics().boundingRect(text->contentsRect(), Qt::AlignLeft | Qt::TextWordWrap, text->text());
        QVERIFY(need.bottom() <= text->contentsRect().bottom() && need.right() <= text->contentsRect().right());
    }

    void tabReachesEveryPartInOrderAndEachAnswersItsKeys()
    {
        QList<QWidget*> expected;
        for (Quor_Colorpicker* p : {m_w->cpFore(), m_w->cpBack()}) {
            const vRGBSliders* s = p->cSlider();
            expected << p->iPal() << p->iHue() << s->txtColor(0) << s->txtColor(1) << s->txtColor(2) << p->keys()->favourites()
                     << p->lblCurColor() << p->txtInfo(0) << p->lblCopy(0) << p->txtInfo(1) << p->lblCopy(1) << p->txtInfo(2)
                     << p->lblCopy(2) << p->cmdStandardColors() << m_w->cmdScreen(p == m_w->cpFore() ? 0 : 1);
        }
        expected << m_w->btnForm(0) << m_w->btnForm(1) << m_w->btnForm(2);
        m_w->cpFore()->iPal()->setFocus(Qt::TabFocusReason);
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() == expected[i], qPrintable(QString::number(i)));
        }
        Quor_Colorpicker* p = m_w->cpBack();
        p->iPal()->setFocus(Qt::TabFocusReason); // palette: one cell right, then ten lower
        QTest::keyClick(p->iPal(), Qt::Key_Right);
        QCOMPARE(p->Color(), RGB(190, 65, 65)); // hue 0, saturation 0.49, lightness 0.5
        QTest::keyClick(p->iPal(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(p->Color(), RGB(152, 52, 52)); // lightness 0.4
        QWidget* grid = p->keys()->favourites(); // arrows select, Shift+Enter stores, Space loads
        grid->setFocus(Qt::TabFocusReason);
        p->setColor(0x00112233);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(p->shpSelect()->geometry().center(), p->lblCol(5)->geometry().center());
        QTest::keyClick(grid, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(p->sColor(6), 0x00112233);
        p->setsColor(7, 0x00445566);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(p->Color(), 0x00445566);
        p->lblCopy(2)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(p->lblCopy(2), Qt::Key_Return);
        QCOMPARE(m_desk->clipboard.held, QStringLiteral("#665544"));
        QLineEdit* green = p->cSlider()->txtColor(1); // the Menu key in a box opens the ramp menu
        green->setFocus();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2), green->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(green, &menuKey);
        QCOMPARE(m_desk->menus.shownItems.size(), 1);
        QCOMPARE(m_desk->menus.shownItems[0][0].caption, QStringLiteral("RGB Spectrum"));
    }

    void screenReadersHearNamesAndValues()
    {
        Quor_Colorpicker* fore = m_w->cpFore();
        fore->setColor(RGB(255, 0, 0));
        fore->setsColor(3, RGB(0x00, 0xFF, 0x80));
        using A = QAccessible;
        const std::tuple<QObject*, QAccessible::Text, QString> rows[] = {
            {fore->iPal(), A::Name, "Foreground palette"}, {m_w->cpBack()->iHue(), A::Name, "Background hue bar"},
            {fore->cSlider()->txtColor(0), A::Name, "Red"}, {fore->cSlider()->txtColor(0), A::Value, "255"},
            {fore->lblCol(2), A::Name, "Favourite 3"}, {fore->lblCol(2), A::Value, "#00FF80, ~springgreen"},
            {fore->lblCurColor(), A::Value, "#FF0000, red"}, {fore->txtInfo(2), A::Name, "HTML"},
            {fore->lblCopy(2), A::Name, "Copy HTML"}, {fore->lblCopy(2), A::Description, "copy with Enter; every other form with a right click or Ctrl+Shift+C"},
            {m_w->btnForm(1), A::Name, "Minimise"}};
        for (const auto& [object, text, expected] : rows)
            QCOMPARE(nameOf(object, text), expected);
    }
};

QTEST_MAIN(TestMainWindowView)
#include "tst_fMainView.moc"
