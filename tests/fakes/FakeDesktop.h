#pragma once

#include "fakes/FakeColorDialog.h"
#include "fakes/FakePointer.h"
#include "fakes/FakePopupMenu.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeShell.h"
#include "fakes/RecordingClipboard.h"
#include "fakes/RecordingMessageBox.h"
#include "fakes/TempDirFileSystem.h"
#include "platform/NoRegistry.h"
#include "platform/Platform.h"

// Every desktop service replaced by a fake for as long as this lives; the
// services in use before are put back afterwards.
struct FakeDesktop {
    TempDirFileSystem files;
    RecordingMessageBox messages;
    FakePopupMenu menus;
    RecordingClipboard clipboard;
    FakeColorDialog colorDialog;
    FakePointer pointer;
    FakeShell shell;
    FakeScreen screen;
    NoRegistry registry;

    FakeDesktop()
        : m_previous(setPlatform({&files, &messages, &menus, &clipboard, &colorDialog, &pointer, &shell, &screen, &registry}))
    {
    }
    ~FakeDesktop() { setPlatform(m_previous); }
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    QString settingsFile() const { return files.exeFile(QStringLiteral("pvsetup.dat")); }

private:
    Platform m_previous;
};
