#pragma once

#include "platform/MessageBox.h"

class QtMessageBox : public MessageBox {
public:
    void exclamation(const QString& title, const QString& text) override;
    void plain(const QString& title, const QString& text) override;
};
