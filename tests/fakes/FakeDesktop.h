#pragma once

// Every desktop service replaced by a fake for as long as a FakeDesktop
// lives: real files in temporary folders, and recordings of what the program
// asked of the rest. The services in use before are put back afterwards.
#include "platform/Clipboard.h"
#include "platform/ColorDialog.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "platform/DragDrop.h"
#include "platform/FileDialog.h"
#include "platform/PopupMenu.h"
#include "platform/QtFileSystem.h"
#include "platform/Screen.h"

#include <utility>
#include "platform/Shell.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// Writes or whole folders can be made to fail as a locked file or a
// read-only install would.
struct TempDirFileSystem : QtFileSystem {
    QTemporaryDir exeDir, cfgDir;
    bool exeDirWritable = true, writesFail = false, readsFail = false;
    int writeCount = 0;
    QString installedAt = QStringLiteral("/nonexistent/bin");

    QString executableDir() const override { return exeDir.path(); }
    QString configDir() const override { return cfgDir.path(); }
    QString installBinDir() const override { return installedAt; }
    bool isDirWritable(const QString& dir) const override { return (dir != exeDir.path() || exeDirWritable) && QtFileSystem::isDirWritable(dir); }
    std::optional<QByteArray> readAt(const QString& path, qint64 at, qint64 max) const override { return readsFail ? std::nullopt : QtFileSystem::readAt(path, at, max); }
    bool writeAt(const QString& path, qint64 offset, const QByteArray& data) override
    {
        ++writeCount; // an unreadable file cannot have its tail kept either
        return !writesFail && !(readsFail && QFileInfo::exists(path)) && QtFileSystem::writeAt(path, offset, data);
    }
    bool replaceWith(const QString& path, const QByteArray& data) override
    {
        return !writesFail && QtFileSystem::replaceWith(path, data);
    }
};

// Answers every box at once; remembers whether a window was already showing.
struct RecordingMessageBox : MessageBox {
    struct Shown { QString kind, title, text; bool windowVisible; };
    QList<Shown> shown;
    void exclamation(const QString& title, const QString& text) override { record("exclamation", title, text); }
    void plain(const QString& title, const QString& text) override { record("plain", title, text); }
    void record(const QString& kind, const QString& title, const QString& text)
    {
        const auto widgets = QApplication::topLevelWidgets();
        shown.append({kind, title, text, std::any_of(widgets.begin(), widgets.end(), [](QWidget* w) { return w->isVisible(); })});
    }
};

struct FakePopupMenu : PopupMenu { // answers `answer`
    int answer = -1;
    QList<QList<Item>> shownItems;
    QList<QPoint> shownAt;
    QList<Alignment> alignments;
    int popup(const QList<Item>& items, QPoint at, Alignment a) override { return shownItems << items, shownAt << at, alignments << a, answer; }
    QList<QLineEdit*> textBoxes;
    QStringList titles;
    int textBoxMenu(QLineEdit* box, const QString& title, const QList<Item>& items, QPoint at) override
    {
        return textBoxes << box, titles << title, popup(items, at, LeftAtPoint);
    }
};

// Keeps the calls in order: "clear" or "text:<the text>".
struct RecordingClipboard : Clipboard {
    QStringList calls;
    QString held;
    void clear() override { calls.append(QStringLiteral("clear")); }
    void setText(const QString& text) override { calls.append(QStringLiteral("text:") + text), held = text; }
    QString text() const override { return held; }
};

// Records the record it was handed, then answers `result` with `chosen`
// (-2: the initial colour unchanged); the user edits custom colour 0.
struct FakeColorDialog : ColorDialog {
    std::int32_t result = 1;
    OLE_COLOR chosen = -2;
    int calls = 0, sysColorReads = 0;
    CHOOSECOLOR seen;
    std::array<OLE_COLOR, 16> seenCustom{};
    std::int32_t ChooseColorA(CHOOSECOLOR& record) override
    {
        ++calls, seen = record;
        if (record.lpCustColors)
            seenCustom = *record.lpCustColors, (*record.lpCustColors)[0] = 0x00ABCDEF;
        record.rgbResult = result == 1 && chosen != -2 ? chosen : record.rgbResult;
        return result;
    }
    std::int32_t CommDlgExtendedError() override { return 0; }
    OLE_COLOR GetSysColor(int index) override { return ++sysColorReads, 0x00010101 * (index + 1); }
};

// The pointer is over `under` wherever it is.
struct FakePointer : Pointer {
    QWidget* under = nullptr;
    QPoint pos{5, 5};
    mutable int asked = 0;
    QPoint cursorPos() const override { return pos; }
    QWidget* widgetAt(QPoint) const override { return ++asked, under; }
};

// Finds only the programs listed, as /usr/bin/<name>.
struct FakeShell : Shell {
    QStringList opened, started, installed;
    bool openSucceeds = true;
    int quits = 0;
    bool openUrl(const QString& address) override { return opened.append(address), openSucceeds; }
    QString findProgram(const QString& name) const override { return installed.contains(name) ? "/usr/bin/" + name : QString(); }
    bool startProgram(const QString& path) override { return started.append(path), true; }
    void quit() override { ++quits; }
};

// A 640 x 480 screen whose reading is a known one, answered from the event loop.
struct FakeScreen : Screen {
    const QRect geometry{0, 0, 640, 480};
    QImage photograph;
    std::optional<OLE_COLOR> picked;
    QString failure;
    bool placesWindows = true;
    bool through = false; // a window that paints nothing shows the screen
    bool holds = false;   // a read answers only when release() is called
    std::function<void()> held;
    QStringList steps; // "round trip" and "read, N shown" (windows on the screen then), in the order asked
    QRect primaryGeometry() const override { return geometry; }
    QRect desktopGeometry() const override { return geometry; }
    bool clientPlacesWindows() const override { return placesWindows; }
    bool showsThrough() const override { return through; }
    void RoundTrip() override { steps << "round trip"; }
    void release() { std::exchange(held, nullptr)(); }
    void Read(std::function<void(const Reading&)> done) override
    {
        const QWindowList all = QGuiApplication::topLevelWindows();
        steps << QStringLiteral("read, %1 shown").arg(std::count_if(all.begin(), all.end(), [](QWindow* w) { return w->isVisible(); }));
        auto answer = [done = std::move(done), r = Reading{photograph, geometry, picked, photograph.isNull() && !picked ? failure : QString()}] { done(r); };
        if (holds)
            held = answer;
        else
            QTimer::singleShot(0, answer);
    }
};

// Answers `answer` and keeps what it was asked.
struct FakeFileDialog : FileDialog {
    QString answer;
    QStringList asked;
    QString saveFile(const QString& title, const QString& suggested, const QString&) override { return asked << title + ": " + suggested, answer; }
    QString openFile(const QString& title, const QString&) override { return asked << title, answer; }
};

// Keeps every colour dragged, and from where.
struct FakeDragDrop : DragDrop {
    QList<std::pair<QWidget*, OLE_COLOR>> dragged;
    void dragColour(QWidget* source, OLE_COLOR c) override { dragged.append({source, c}); }
};

struct FakeDesktop {
    TempDirFileSystem files;
    RecordingMessageBox messages;
    FakePopupMenu menus;
    RecordingClipboard clipboard;
    FakeColorDialog colorDialog;
    FakePointer pointer;
    FakeShell shell;
    FakeScreen screen;
    FakeFileDialog fileDialog;
    FakeDragDrop dragDrop;
    FakeDesktop() : m_previous(setPlatform({&files, &messages, &menus, &clipboard, &colorDialog, &pointer, &shell, &screen, &fileDialog, &dragDrop})) {}
    ~FakeDesktop() { setPlatform(m_previous); }
    Q_DISABLE_COPY(FakeDesktop)
    QString settingsFile() const { return files.exeDir.filePath(QStringLiteral("pvsetup.dat")); }

private:
    Platform m_previous;
};
