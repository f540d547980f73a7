#pragma once

#include "colour/OleColor.h"

#include <array>
#include <cstdint>

class QWidget;

// The colour dialog's record: what it starts from and what it hands back.
// Field order and meaning follow the desktop's classic CHOOSECOLOR record
// (36 bytes on its 32-bit platform); handles and pointers are native here.
struct CHOOSECOLOR {
    static constexpr std::uint32_t CC_RGBINIT = 0x1;
    static constexpr std::uint32_t CC_FULLOPEN = 0x2;
    static constexpr std::uint32_t CC_PREVENTFULLOPEN = 0x4;
    static constexpr std::uint32_t CC_ENABLEHOOK = 0x10;
    static constexpr std::uint32_t CC_ENABLETEMPLATE = 0x20;
    static constexpr std::uint32_t CC_SOLIDCOLOR = 0x80;
    static constexpr std::uint32_t CC_ANYCOLOR = 0x100;

    std::uint32_t lStructSize = 36;
    QWidget* hwndOwner = nullptr;
    std::uint32_t hInstance = 0;
    OLE_COLOR rgbResult = 0;
    std::array<OLE_COLOR, 16>* lpCustColors = nullptr;
    std::uint32_t Flags = 0;
    std::uint32_t lCustData = 0;
    void* lpfnHook = nullptr;
    const char* lpTemplateName = nullptr;
};

// The desktop's modal colour chooser and the system colours it starts with.
class ColorDialog {
public:
    virtual ~ColorDialog() = default;
    // 1 when the user pressed OK (rgbResult and the custom colours updated),
    // 0 when cancelled or failed; any other value is a failure with an
    // extended error code.
    virtual std::int32_t ChooseColorA(CHOOSECOLOR& record) = 0;
    virtual std::int32_t CommDlgExtendedError() = 0;
    // The colour of display element index (0..15 are the ones the dialog's
    // custom colours start from).
    virtual OLE_COLOR GetSysColor(int index) = 0;
};
