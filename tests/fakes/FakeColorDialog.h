#pragma once

#include "platform/ColorDialog.h"

// Answers the colour dialog without showing it: records the record it was
// handed, then returns `result` with `chosen` as the colour on OK.
class FakeColorDialog : public ColorDialog {
public:
    std::int32_t result = 1;
    OLE_COLOR chosen = -2; // -2: hand back the initial colour unchanged
    std::int32_t extendedError = 0;
    int calls = 0;
    CHOOSECOLOR seen;
    std::array<OLE_COLOR, 16> seenCustom{};
    int sysColorReads = 0;

    std::int32_t ChooseColorA(CHOOSECOLOR& record) override
    {
        ++calls;
        seen = record;
        if (record.lpCustColors) {
            seenCustom = *record.lpCustColors;
            (*record.lpCustColors)[0] = 0x00ABCDEF; // the user edits a custom colour
        }
        if (result == 1 && chosen != -2)
            record.rgbResult = chosen;
        return result;
    }
    std::int32_t CommDlgExtendedError() override { return extendedError; }
    OLE_COLOR GetSysColor(int index) override
    {
        ++sysColorReads;
        return 0x00010101 * (index + 1);
    }
};
