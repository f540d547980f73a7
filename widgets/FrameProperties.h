#pragma once

#include "colour/OleColor.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>

class PropertyBag;

// Everything a themed frame is drawn from: its design-time properties, the
// colours and text format derived from them, and the caption measures kept
// between paints. Presets, themes and persistence live here, with no widget.
struct FrameProperties {
    // What the host supplies for new frames and for missing saved keys.
    struct Ambient {
        QString DisplayName;
        OLE_COLOR BackColor = 0;
        QFont Font;
        bool operator==(const Ambient&) const = default;
    };

    Ambient ambient;
    OLE_COLOR frameColor = 0;
    OLE_COLOR textBoxColor = 0;
    OLE_COLOR backColor = 0;
    OLE_COLOR fillColor = 0;
    QString caption;
    int textBoxHeight = 0;
    int textHeight = 0, textWidth = 0;
    OLE_COLOR textColor = 0;
    int alignment = 0;
    QFont font;
    bool roundedCorner = false;
    bool roundedCornerTxtBox = false;
    int style = 0;
    QImage picture;
    std::int16_t iconSize = 0;
    int iconAlignment = 0;
    int themeColor = 0;
    OLE_COLOR colorTo = 0;
    OLE_COLOR colorFrom = 0;
    std::int32_t textFlags = 0;
    OLE_COLOR themeTo = 0, themeFrom = 0, themeFrame = 0;
    int bodyTop = 0;

    bool operator==(const FrameProperties&) const = default;

    // Every creation, before any property is loaded.
    void Initialize();
    // Copies bold, italic, face and point size of f into the own font.
    void ApplyFont(const QFont& f);
    void UpdateTextFlags();
    void ApplyTheme();
    // The colours and caption settings that choosing a style presets.
    void ApplyStylePreset();

    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
};
