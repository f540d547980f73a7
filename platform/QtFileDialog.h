#pragma once

#include "platform/FileDialog.h"

class QtFileDialog : public FileDialog {
public:
    QString saveFile(const QString& title, const QString& suggested, const QString& filters) override;
    QString openFile(const QString& title, const QString& filters) override;
};
