// One colour picker over the fake desktop; the pointer's events go to the
// picker's window, which hands them to the part under the pointer.
#include "dialogs/gCommonDialog.h"
#include "fakes/FakeDesktop.h"
#include "picker/Quor_Colorpicker.h"
#include "platform/ColourMime.h"
#include "platform/QtColorDialog.h"
#include "sliders/vRGBSliders.h"
#include "widgets/MouseLabel.h"
#include "widgets/ShapeBox.h"
#include "widgets/SurfaceBox.h"

#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>

class TestPicker : public QObject {
    Q_OBJECT
    std::unique_ptr<FakeDesktop> m_desk;
    std::unique_ptr<Quor_Colorpicker> m_p;
    QStringList readouts() const { return {m_p->txtInfo(0)->text(), m_p->txtInfo(1)->text(), m_p->txtInfo(2)->text()}; }
    // A point of a bordered surface's drawing area, in the window.
    QPoint in(QWidget* w, QPoint p) const { return w->mapTo(m_p.get(), p + QPoint(1, 1)); }

private slots:
    void init()
    {
        m_desk = std::make_unique<FakeDesktop>();
        m_p = std::make_unique<Quor_Colorpicker>();
        m_p->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_p.get()));
    }
    void cleanup() { m_p.reset(), m_desk.reset(); }

    void startsGreyAndShowsEachColourInThreeForms()
    {
        QCOMPARE(readouts(), QStringList({"&H808080", "8421504", "#808080"}));
        QCOMPARE(m_p->sColor(12), 0);
        m_p->resize(400, 100); // fixed size
        QCOMPARE(m_p->size(), QSize(214, 222));
        const std::pair<int, QStringList> rows[] = {{0x000000FF, {"&HFF", "255", "#FF0000"}},
                                                    {int(0x8000000F), {"&HF", "15", "#0F0000"}}, // byte 3 ignored
                                                    {0, {"&H0", "0", "#000000"}},
                                                    {0x00FFFFFF, {"&HFFFFFF", "16777215", "#FFFFFF"}}};
        for (const auto& [value, texts] : rows) {
            m_p->setColor(value);
            QCOMPARE(readouts(), texts);
            QCOMPARE(m_p->cSlider()->CurrentColor(), value & 0xFFFFFF);
        }
        QList<OLE_COLOR> seen;
        connect(m_p.get(), &Quor_Colorpicker::Colorchanged, this, [&] { seen.append(m_p->Color()); });
        // Set as a Qt property, as a tool would: each channel announced, then the whole.
        QVERIFY(m_p->setProperty("Color", 0x00336699));
        QCOMPARE(seen, (QList<OLE_COLOR>{0x00FFFF99, 0x00FF6699, 0x00336699, 0x00336699}));
        QCOMPARE(m_p->property("Color").toInt(), 0x00336699);
        seen.clear();
        QTest::mouseClick(m_p->windowHandle(), Qt::LeftButton, {}, m_p->lblCurColor()->geometry().center());
        QCOMPARE(seen, QList<OLE_COLOR>{0x00336699}); // the same colour again: one refresh
    }

    void favouritesLoadOnLeftAndStoreOnRight()
    {
        QSignalSpy spy(m_p.get(), &Quor_Colorpicker::Colorchanged);
        m_p->setsColor5(0x00123456);
        QCOMPARE(m_p->lblCol(4)->BackColor(), 0x00123456);
        const QRect frameBefore = m_p->shpSelect()->geometry();
        m_p->setColor(0x00445566);
        spy.clear();
        QWindow* window = m_p->windowHandle();
        QTest::mouseClick(window, Qt::RightButton, {}, m_p->lblCol(7)->geometry().center());
        QCOMPARE(m_p->sColor8(), 0x00445566);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(m_p->shpSelect()->geometry(), frameBefore);
        m_p->setColor(0);
        spy.clear();
        QTest::mouseClick(window, Qt::LeftButton, {}, m_p->lblCol(7)->geometry().center());
        QCOMPARE(m_p->Color(), 0x00445566);
        QCOMPARE(spy.count(), 4);
        QCOMPARE(m_p->shpSelect()->geometry(), m_p->lblCol(7)->geometry().adjusted(-1, -1, 1, 1));
    }

    void copyLabelsPutTheirOwnTextOnTheClipboard()
    {
        m_p->txtInfo(1)->setText(QStringLiteral("12")); // typed over, not applied: not the colour
        QWindow* window = m_p->windowHandle();
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(window, Qt::LeftButton, {}, m_p->lblCopy(i)->geometry().center());
        QCOMPARE(m_desk->clipboard.calls,
                 QStringList({"clear", "text:&H808080", "clear", "text:8421504", "clear", "text:#808080"}));
        // The hover box follows the last label and fills while it is held.
        QTest::mouseMove(window, m_p->lblCopy(2)->geometry().center());
        QCOMPARE(m_p->shpCopySelect()->geometry(), m_p->lblCopy(2)->geometry().adjusted(-1, -1, 2, 2));
        QTest::mousePress(window, Qt::LeftButton, {}, m_p->lblCopy(2)->geometry().center());
        QCOMPARE(m_p->shpCopySelect()->fillStyle(), ShapeBox::Solid);
        QTest::mouseRelease(window, Qt::LeftButton, {}, m_p->lblCopy(2)->geometry().center());
        QCOMPARE(m_p->shpCopySelect()->fillStyle(), ShapeBox::Transparent);
    }

    void copyAsListsEveryFormAndCopiesTheOneChosen()
    {
        m_p->setColor(0x000000FF); // red
        QWindow* window = m_p->windowHandle();
        m_desk->menus.answer = 9; // OKLCH
        QTest::mouseClick(window, Qt::RightButton, {}, m_p->lblCopy(0)->geometry().center());
        QCOMPARE(m_desk->menus.shownItems.size(), 1);
        QStringList captions;
        for (const PopupMenu::Item& item : m_desk->menus.shownItems[0])
            captions << item.caption.section('\t', 0, 0) + (item.caption == "-" ? "" : " " + item.caption.section('\t', 1));
        QCOMPARE(captions, QStringList({"HEX &HFF", "LONG 255", "HTML #FF0000", "-", "RGB rgb(255 0 0)", "HSL hsl(0 100% 50%)",
                                        "HWB hwb(0 0% 0%)", "LAB lab(54.3 80.8 70)", "LCH lch(54.3 106.8 40.86)",
                                        "OKLAB oklab(62.8% 0.225 0.1258)", "OKLCH oklch(62.8% 0.2577 29.23)",
                                        "HSV hsv(0, 100%, 100%)", "CMYK cmyk(0%, 100%, 100%, 0%)", "Float 1, 0, 0", "Name red"}));
        QCOMPARE(m_desk->menus.shownAt[0], m_p->mapToGlobal(m_p->lblCopy(0)->geometry().center()));
        QCOMPARE(m_desk->clipboard.calls, QStringList({"clear", "text:oklch(62.8% 0.2577 29.23)"}));
        QCOMPARE(m_p->shpCopySelect()->fillStyle(), ShapeBox::Transparent); // released before the menu
        // The keyboard's way, at the current-colour box; a dismissed menu copies nothing.
        m_desk->menus.answer = -1;
        m_p->iPal()->setFocus();
        QTest::keyClick(m_p->iPal(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_desk->menus.shownAt.last(), m_p->lblCurColor()->mapToGlobal(QPoint(0, m_p->lblCurColor()->height())));
        QCOMPARE(m_desk->clipboard.calls.size(), 2);
        // A read-out box's own menu gains the list; a left click copies its own form.
        m_desk->menus.answer = 13; // Name
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(3, 3), m_p->txtInfo(2)->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(m_p->txtInfo(2), &menu);
        QVERIFY(m_desk->menus.textBoxes == QList<QLineEdit*>{m_p->txtInfo(2)} && m_desk->menus.titles == QStringList{"Copy As"});
        QTest::mouseClick(window, Qt::LeftButton, {}, m_p->lblCopy(1)->geometry().center());
        QCOMPARE(m_desk->clipboard.calls.mid(2), QStringList({"clear", "text:red", "clear", "text:255"}));
    }

    void coloursDragOutAndDropIn()
    {
        QWindow* window = m_p->windowHandle();
        m_p->setsColor(3, 0x00112233);
        const QPoint at = m_p->lblCol(2)->geometry().center();
        QTest::mousePress(window, Qt::LeftButton, {}, at); // a click that wobbles: no drag
        QTest::mouseMove(window, at + QPoint(1, 0));
        QTest::mouseRelease(window, Qt::LeftButton, {}, at + QPoint(1, 0));
        QVERIFY(m_desk->dragDrop.dragged.isEmpty() && m_p->Color() == 0x00112233);
        m_p->setColor(0x00445566);
        for (QWidget* from : {static_cast<QWidget*>(m_p->lblCol(2)), static_cast<QWidget*>(m_p->lblCurColor())}) {
            const QPoint start = from->geometry().center();
            QTest::mousePress(window, Qt::LeftButton, {}, start);
            QTest::mouseMove(window, start + QPoint(0, QApplication::startDragDistance() + 1));
            QTest::mouseRelease(window, Qt::LeftButton, {}, start + QPoint(0, QApplication::startDragDistance() + 1));
        }
        QCOMPARE(m_desk->dragDrop.dragged, (QList<std::pair<QWidget*, OLE_COLOR>>{{m_p->lblCol(2), 0x00112233},
                                                                                 {m_p->lblCurColor(), 0x00112233}}));
        const std::unique_ptr<QMimeData> carried(ColourMime::MimeOf(0x00112233));
        QVERIFY(carried->text() == "#332211" && qvariant_cast<QColor>(carried->colorData()) == QColor(0x33, 0x22, 0x11));
        // Dropped: application/x-color on the current colour, one assignment;
        // text in any form on a favourite, stored there; other text refused.
        const auto drop = [](QWidget* on, QMimeData* mime) {
            const QPoint p(3, 3);
            QDragEnterEvent enter(p, Qt::CopyAction, mime, Qt::LeftButton, {});
            QApplication::sendEvent(on, &enter);
            if (!enter.isAccepted())
                return false;
            QDropEvent dropped(QPointF(p), Qt::CopyAction, mime, Qt::LeftButton, {});
            QApplication::sendEvent(on, &dropped);
            return dropped.isAccepted();
        };
        QSignalSpy changed(m_p.get(), &Quor_Colorpicker::Colorchanged);
        QMimeData orange;
        orange.setColorData(QColor(255, 128, 0));
        QVERIFY(drop(m_p->lblCurColor(), &orange));
        QVERIFY(m_p->Color() == RGB(255, 128, 0) && changed.count() == 4); // each channel changed, then the whole
        QMimeData css, prose;
        css.setText(QStringLiteral("oklch(62.8% 0.2577 29.23)"));
        prose.setText(QStringLiteral("hello"));
        QVERIFY(drop(m_p->lblCol(4), &css) && !drop(m_p->lblCol(5), &prose));
        QVERIFY(m_p->sColor(5) == RGB(255, 0, 0) && m_p->sColor(6) == 0 && m_p->Color() == RGB(255, 128, 0));
    }

    void hueBarDragRedrawsThePaletteAndPicksTheBarColour()
    {
        QCOMPARE(m_p->iHue()->GetPixel(17, 50), -1); // outside the drawing area
        // Dragged to, with the button; the marker's top and the colour picked after.
        const std::tuple<QPoint, Qt::MouseButton, int, int> rows[] = {
            {{8, 50}, Qt::RightButton, 9, 0x00808080},  // a right drag picks nothing
            {{8, 50}, Qt::LeftButton, 59, 0x00FFFF00},  // row 50: cyan
            {{8, -30}, Qt::LeftButton, 9, 0x000000FF},  // above the bar
            {{8, 84}, Qt::LeftButton, 93, 0x00F200FF},  // row 84: between magenta and red
            {{9, 140}, Qt::LeftButton, 9, 0x000000FF},  // below the bar wraps to red
            {{60, 50}, Qt::LeftButton, 59, 0x00FFFF00}}; // sideways beyond the bar
        QWindow* window = m_p->windowHandle();
        for (const auto& [to, button, markerTop, color] : rows) {
            const OLE_COLOR before = m_p->Color();
            QTest::mousePress(window, button, {}, in(m_p->iHue(), {9, 51}));
            QCOMPARE(m_p->Color(), before); // a press alone picks no hue
            QTest::mouseMove(window, in(m_p->iHue(), to));
            QTest::mouseRelease(window, button, {}, in(m_p->iHue(), to));
            QVERIFY(m_p->iHuePos()->y() == markerTop && m_p->Color() == color);
            // The pure hue at the left of the palette's middle row is the bar's colour.
            QCOMPARE(m_p->iPal()->GetPixel(0, 50), button == Qt::LeftButton ? color : 0x000000FF);
        }
    }

    void paletteTakesTheColourUnderThePointer()
    {
        // Button, pressed at, dragged to; textbook HSL for hue 0: saturation 1 - x/100, lightness 1 - y/100.
        const std::tuple<Qt::MouseButton, QPoint, QPoint, OLE_COLOR> rows[] = {
            {Qt::LeftButton, {50, 50}, {50, 50}, RGB(191, 64, 64)},     {Qt::LeftButton, {0, 0}, {0, 0}, RGB(255, 255, 255)},
            {Qt::LeftButton, {100, 50}, {100, 50}, RGB(128, 128, 128)}, {Qt::RightButton, {0, 25}, {0, 25}, RGB(255, 128, 128)}, // right as left
            {Qt::LeftButton, {50, 50}, {25, 75}, RGB(112, 16, 16)},     {Qt::LeftButton, {5, 50}, {-80, 50}, RGB(255, 0, 0)}, // held at the edges
            {Qt::LeftButton, {30, 50}, {30, 500}, RGB(0, 0, 0)}};
        QWindow* window = m_p->windowHandle();
        for (const auto& [button, from, to, color] : rows) {
            QSignalSpy spy(m_p.get(), &Quor_Colorpicker::Colorchanged);
            QTest::mousePress(window, button, {}, in(m_p->iPal(), from));
            QTest::mouseMove(window, in(m_p->iPal(), to));
            QTest::mouseRelease(window, button, {}, in(m_p->iPal(), to));
            QVERIFY2(m_p->Color() == color && m_p->cSlider()->CurrentColor() == color && !spy.isEmpty(), qPrintable(QString::number(color, 16)));
        }
        // A hue key, then at once a click on the palette, with no paint between: the click takes the new hue's
        // pure colour, the bar's row 1, not the red the palette showed before.
        const OLE_COLOR rowOne = m_p->iHue()->GetPixel(8, 1);
        QVERIFY(rowOne != RGB(255, 0, 0));
        m_p->iHue()->setFocus();
        QTest::keyClick(m_p->iHue(), Qt::Key_Down);
        QTest::mousePress(window, Qt::LeftButton, {}, in(m_p->iPal(), {0, 50}));
        QCOMPARE(m_p->Color(), rowOne);
        QTest::mouseRelease(window, Qt::LeftButton, {}, in(m_p->iPal(), {0, 50}));
    }

    void readoutBoxesTakeTypedAndPastedColours()
    {
        const auto type = [](QLineEdit* box, const QString& text) { box->setFocus(), box->selectAll(), QTest::keyClicks(box, text); };
        m_p->setColor(0x00336699);
        QLineEdit *html = m_p->txtInfo(2), *longBox = m_p->txtInfo(1);
        type(html, QStringLiteral("#00ff80"));
        QCOMPARE(m_p->Color(), 0x00336699); // nothing until Enter
        QTest::keyClick(html, Qt::Key_Return);
        QCOMPARE(readouts(), QStringList({"&H80FF00", "8453888", "#00FF80"}));
        QSignalSpy changed(m_p.get(), &Quor_Colorpicker::Colorchanged);
        type(longBox, QStringLiteral("zz")); // not a colour: nothing changes, the box is marked
        QTest::keyClick(longBox, Qt::Key_Return);
        QVERIFY(changed.isEmpty() && longBox->toolTip().contains(QStringLiteral("oklch()")));
        QTest::keyClick(longBox, Qt::Key_Escape);
        QCOMPARE(longBox->text(), QStringLiteral("8453888"));
        type(longBox, QStringLiteral("255"));
        QTest::keyClick(longBox, Qt::Key_Return);
        QCOMPARE(m_p->Color(), RGB(255, 0, 0));
        type(html, QStringLiteral("#12")); // leaving a half-typed colour puts the read-out back
        m_p->txtInfo(0)->setFocus();
        QCOMPARE(html->text(), QStringLiteral("#FF0000"));
        // Ctrl+C and Ctrl+V anywhere in the picker.
        m_p->iPal()->setFocus();
        QTest::keyClick(m_p->iPal(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(m_desk->clipboard.held, QStringLiteral("#FF0000"));
        for (const char* pasted : {" rgb(10, 20, 30) ", "no colour here"}) {
            m_desk->clipboard.held = QString::fromLatin1(pasted);
            QTest::keyClick(m_p->iPal(), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(m_p->Color(), RGB(10, 20, 30));
        }
    }

    void readoutBoxesLookAsTheStyleDrawsThem()
    {
        // Their frames are copied from a store; a plain box in the same place,
        // drawn by the style each time, must look the same, focused or not.
        QLineEdit* box = m_p->txtInfo(1);
        QLineEdit plain(box->text(), m_p.get());
        plain.setGeometry(box->geometry()), plain.setFont(box->font());
        for (bool focused : {false, true}) {
            QImage looks[2];
            for (QLineEdit* shown : {box, &plain}) {
                box->setVisible(shown == box), plain.setVisible(shown == &plain);
                focused ? shown->setFocus() : m_p->iPal()->setFocus();
                QCoreApplication::processEvents(), shown->selectAll();
                looks[shown == &plain] = m_p->grab(box->geometry()).toImage();
            }
            QCOMPARE(looks[0], looks[1]);
        }
    }

    void standardColorsDialog()
    {
        // result, colour chosen (-2: the one it opened on), HTML read-out after, Colorchanged raised.
        const std::tuple<int, int, QString, int> rows[] = {{1, -2, "#808080", 1}, {1, 0x00336699, "#996633", 4},
                                                           {0, 0x00112233, "#996633", 0}, {7, 0x00112233, "#996633", 0}};
        FakeColorDialog& dialog = m_desk->colorDialog;
        for (const auto& [result, chosen, html, events] : rows) {
            const OLE_COLOR before = m_p->Color();
            dialog.result = result;
            dialog.chosen = chosen;
            QSignalSpy spy(m_p.get(), &Quor_Colorpicker::Colorchanged);
            QTest::mouseClick(m_p->cmdStandardColors(), Qt::LeftButton);
            QVERIFY(dialog.seen.rgbResult == before && dialog.seen.Flags == 0x101u); // opens on the current colour
            QCOMPARE(dialog.seen.hwndOwner, static_cast<QWidget*>(m_p.get()));
            QCOMPARE(m_p->txtInfo(2)->text(), html);
            QCOMPARE(spy.count(), events);
        }
        // The custom row starts as the system colours, read for each opening.
        QCOMPARE(dialog.sysColorReads, 4 * 16);
        QVERIFY(dialog.seenCustom[0] == 0x00010101 && dialog.seenCustom[15] == 0x00101010);
        gCommonDialog dlg;
        QVERIFY(dlg.CustomColor(16) == -1 && dlg.CustomColor(-1) == -1);
    }

    void theRealDialogLeavesTheSharedCustomColoursAlone()
    {
        // A real QtProject.conf in a private configuration folder: the custom
        // colours every Qt program of the user shares.
        const QByteArray own = "[General]\nstyle=kept\n\n[Qt]\ncustomColors\\0=4278255360\ncustomColors\\5=4294901760\n";
        for (const auto& [conf, accept] : {std::pair{own, false}, {own, true}, {QByteArray(), true}}) {
            QTemporaryDir home;
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
            QFile file(home.filePath(QStringLiteral("QtProject.conf")));
            QVERIFY(conf.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(conf) == conf.size()));
            file.close();
            std::array<OLE_COLOR, 16> seeds{};
            std::generate(seeds.begin(), seeds.end(), [n = 0]() mutable { return OLE_COLOR(0x00010203 * ++n); });
            CHOOSECOLOR record;
            record.lpCustColors = &seeds;
            record.rgbResult = 0x00336699;
            record.Flags = CHOOSECOLOR::CC_RGBINIT;
            QColor seeded;
            QTimer::singleShot(50, this, [&, accept = accept] {
                auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                seeded = QColorDialog::customColor(3);
                accept ? dialog->accept() : dialog->reject();
            });
            QCOMPARE(QtColorDialog().ChooseColorA(record), accept ? 1 : 0);
            QCOMPARE(seeded, QColor(0x0C, 0x08, 0x04)); // seeded as asked, whatever the shared row holds
            QCOMPARE(record.rgbResult, 0x00336699);
            { QColorDialog other; } // a later dialog writes the shared row out if it was left changed
            const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            QVERIFY2(conf.isEmpty() ? !text.contains("customColors")
                                    : text.contains("customColors\\0=4278255360") && text.contains("customColors\\5=4294901760")
                                          && !text.contains("customColors\\1=") && text.contains("style=kept"),
                     text.constData());
        }
    }
};

QTEST_MAIN(TestPicker)
#include "tst_Quor_Colorpicker.moc"
