#pragma once

#include "colour/OleColor.h"

#include <QFont>
#include <QImage>
#include <QWidget>

class PropertyBag;

// A decorated frame drawn around the controls placed on it: border, caption
// bar in one of five styles, caption text and an optional icon, in one of
// five colour themes or custom colours. It only holds properties and
// repaints itself whole after each change.
class zelFrames : public QWidget {
    Q_OBJECT
public:
    // What the host supplies for new frames and for missing saved keys.
    struct Ambient {
        QString DisplayName;
        OLE_COLOR BackColor = 0;
        QFont Font;
    };

    explicit zelFrames(QWidget* parent = nullptr);

    void setAmbient(const Ambient& ambient) { m_ambient = ambient; }
    const Ambient& ambient() const { return m_ambient; }

    OLE_COLOR FrameColor() const { return m_frameColor; }
    void setFrameColor(OLE_COLOR v);
    OLE_COLOR FillColor() const { return m_fillColor; }
    void setFillColor(OLE_COLOR v);
    bool RoundedCornerTxtBox() const { return m_roundedCornerTxtBox; }
    void setRoundedCornerTxtBox(bool v);
    bool RoundedCorner() const { return m_roundedCorner; }
    void setRoundedCorner(bool v);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& v);
    int Alignment() const { return m_alignment; }
    void setAlignment(int v);
    int Style() const { return m_style; }
    void setStyle(int v);
    int TextBoxHeight() const { return m_textBoxHeight; }
    void setTextBoxHeight(int v);
    OLE_COLOR TextColor() const { return m_textColor; }
    void setTextColor(OLE_COLOR v);
    OLE_COLOR TextBoxColor() const { return m_textBoxColor; }
    void setTextBoxColor(OLE_COLOR v);
    OLE_COLOR BackColor() const { return m_backColor; }
    void setBackColor(OLE_COLOR v);
    // The frame's own font object: assigning copies bold, italic, face and
    // point size into it, so the getter always returns the same object.
    const QFont& Font() const { return m_font; }
    void setFont(const QFont& v);
    const QImage& Picture() const { return m_picture; }
    void setPicture(const QImage& v);
    std::int16_t IconSize() const { return m_iconSize; }
    void setIconSize(std::int16_t v);
    int IconAlignment() const { return m_iconAlignment; }
    void setIconAlignment(int v);
    int ThemeColor() const { return m_themeColor; }
    void setThemeColor(int v);
    OLE_COLOR ColorFrom() const { return m_colorFrom; }
    void setColorFrom(OLE_COLOR v);
    OLE_COLOR ColorTo() const { return m_colorTo; }
    void setColorTo(OLE_COLOR v);

    // The effective colours Styles 1 and 4 draw with, and the text format.
    OLE_COLOR ThemeFrom() const { return m_themeFrom; }
    OLE_COLOR ThemeTo() const { return m_themeTo; }
    OLE_COLOR ThemeFrame() const { return m_themeFrame; }
    std::int32_t TextFlags() const { return m_textFlags; }

    void UserControl_InitProperties();
    void UserControl_ReadProperties(const PropertyBag& bag);
    void UserControl_WriteProperties(PropertyBag& bag) const;

    // Paints the whole frame from a cleared surface.
    void DrawFrame();
    const QImage& surface() const { return m_surface; }
    int drawCount() const { return m_drawCount; }

signals:
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UserControl_Initialize();
    void ApplyFont(const QFont& f);
    void UpdateTextFlags();
    void ApplyTheme();
    void ApplyStylePreset();
    void notify(const char* name) { emit PropertyChanged(QLatin1String(name)); }

    Ambient m_ambient;
    OLE_COLOR m_frameColor = 0;
    OLE_COLOR m_textBoxColor = 0;
    OLE_COLOR m_backColor = 0;
    OLE_COLOR m_fillColor = 0;
    QString m_caption;
    int m_textBoxHeight = 0;
    int m_textHeight = 0, m_textWidth = 0;
    OLE_COLOR m_textColor = 0;
    int m_alignment = 0;
    QFont m_font;
    bool m_roundedCorner = false;
    bool m_roundedCornerTxtBox = false;
    int m_style = 0;
    QImage m_picture;
    std::int16_t m_iconSize = 0;
    int m_iconAlignment = 0;
    int m_themeColor = 0;
    OLE_COLOR m_colorTo = 0;
    OLE_COLOR m_colorFrom = 0;
    std::int32_t m_textFlags = 0;
    OLE_COLOR m_themeTo = 0, m_themeFrom = 0, m_themeFrame = 0;
    int m_bodyTop = 0;

    QImage m_surface;
    int m_drawCount = 0;
};
