#pragma once

// The main window over the fake desktop, started from a settings file of
// distinct values, for the test programs of the main window.
#include "app/SetupData.h"
#include "app/fMain.h"
#include "fakes/FakeDesktop.h"

#include <QAccessible>
#include <QFile>
#include <QtEndian>
#include <QtTest>

inline QByteArray seededFile()
{
    QByteArray bytes(SetupData::FileSize, '\0');
    auto put = [&](int offset, std::int32_t v) { qToLittleEndian(v, bytes.data() + offset); };
    put(0, 0x00336699);
    put(4, 0x00102030);
    for (int n = 1; n <= 12; ++n)
        put(8 + 4 * (n - 1), 0x00010000 * n), put(60 + 4 * (n - 1), n);
    put(56, 777);
    put(108, -5);
    return bytes;
}
inline QString nameOf(QObject* o, QAccessible::Text t = QAccessible::Name)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
    return a ? a->text(t) : QStringLiteral("<none>");
}

class MainWindowFixture {
protected:
    std::unique_ptr<FakeDesktop> m_desk;
    fMain* m_w = nullptr;
    QWindow* window() const { return m_w->windowHandle(); }
    void click(QWidget* w, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(window(), b, {}, w->mapTo(m_w, QPoint(2, 2))); }
    // placesWindows false: a desktop where the compositor places windows (Wayland).
    void open(bool placesWindows = true)
    {
        m_desk = std::make_unique<FakeDesktop>();
        m_desk->screen.placesWindows = placesWindows;
        QFile f(m_desk->settingsFile());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(seededFile()) == SetupData::FileSize);
        f.close();
        m_w = new fMain;
        m_w->Form_Load();
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w));
        m_w->activateWindow();
        QTRY_VERIFY(m_w->isActiveWindow());
    }
    void close() { delete m_w, m_desk.reset(); }
};
