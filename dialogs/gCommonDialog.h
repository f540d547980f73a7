#pragma once

#include "colour/OleColor.h"

#include <array>
#include <cstdint>

class QObject;
class QWidget;

// Prepares and runs the desktop's colour dialog for one caller. The object
// owns the row of 16 custom colours the dialog starts from, seeded from the
// system colours on first need.
class gCommonDialog {
public:
    // Shows the modal colour dialog starting at Color. On OK, Color becomes
    // the chosen colour and the result is true; on cancel or failure Color
    // becomes -1 and the result is false. flags, Hook and EventSink do not
    // affect the colour dialog.
    bool VBChooseColor(OLE_COLOR& Color, bool AnyColor = false, bool FullOpen = false, bool DisableFullOpen = false,
                       QWidget* Owner = nullptr, std::int32_t flags = 0, bool Hook = false, QObject* EventSink = nullptr);

    // Custom colour i (0..15), or -1 for any other index.
    OLE_COLOR CustomColor(int i);
    // Stores a custom colour; other indexes are ignored.
    void setCustomColor(int i, OLE_COLOR color);

    std::int32_t APIReturn() const { return m_apiReturn; }
    std::int32_t ExtendedError() const { return m_extendedError; }

    // The flags a call hands the dialog.
    static std::uint32_t ColorFlags(bool AnyColor, bool FullOpen, bool DisableFullOpen);

private:
    void fillCustomColors();

    std::array<OLE_COLOR, 16> m_custom{};
    bool m_customFilled = false;
    std::int32_t m_apiReturn = 0;
    std::int32_t m_extendedError = 0;
};
