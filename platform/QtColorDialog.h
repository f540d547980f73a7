#pragma once

#include "platform/ColorDialog.h"

class QtColorDialog : public ColorDialog {
public:
    std::int32_t ChooseColorA(CHOOSECOLOR& record) override;
    std::int32_t CommDlgExtendedError() override { return 0; }
    OLE_COLOR GetSysColor(int index) override;
};
