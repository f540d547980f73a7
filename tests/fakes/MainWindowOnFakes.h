#pragma once

#include "app/fMain.h"
#include "fakes/FakeDesktop.h"

#include <QFile>
#include <QtTest>
#include <memory>

// The main window as the program opens it, over the fake desktop: the
// settings file (none: a first run), Form_Load, shown. The test classes keep
// the two as members and open and close them around each test.
inline bool OpenMainWindow(std::unique_ptr<FakeDesktop>& desk, fMain*& w, const QByteArray& settings = QByteArray())
{
    desk = std::make_unique<FakeDesktop>();
    if (!settings.isNull()) {
        QFile f(desk->settingsFile());
        if (!f.open(QIODevice::WriteOnly) || f.write(settings) != settings.size())
            return false;
    }
    w = new fMain;
    w->Form_Load();
    w->show();
    return QTest::qWaitForWindowExposed(w);
}

inline void CloseMainWindow(std::unique_ptr<FakeDesktop>& desk, fMain*& w)
{
    delete w;
    w = nullptr;
    desk.reset();
}
