#pragma once

#include "widgets/FrameProperties.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>

class PropertyBag;

// A decorated frame drawn around the controls placed on it: border, caption
// bar in one of five styles, caption text and an optional icon, in one of
// five colour themes or custom colours. It only holds properties and
// repaints itself whole after each change.
class zelFrames : public QWidget {
    Q_OBJECT
public:
    // What the host supplies for new frames and for missing saved keys.
    using Ambient = FrameProperties::Ambient;

    explicit zelFrames(QWidget* parent = nullptr);

    void setAmbient(const Ambient& ambient) { m_p.ambient = ambient; }
    const Ambient& ambient() const { return m_p.ambient; }

    OLE_COLOR FrameColor() const { return m_p.frameColor; }
    void setFrameColor(OLE_COLOR v);
    OLE_COLOR FillColor() const { return m_p.fillColor; }
    void setFillColor(OLE_COLOR v);
    bool RoundedCornerTxtBox() const { return m_p.roundedCornerTxtBox; }
    void setRoundedCornerTxtBox(bool v);
    bool RoundedCorner() const { return m_p.roundedCorner; }
    void setRoundedCorner(bool v);
    QString Caption() const { return m_p.caption; }
    void setCaption(const QString& v);
    int Alignment() const { return m_p.alignment; }
    void setAlignment(int v);
    int Style() const { return m_p.style; }
    void setStyle(int v);
    int TextBoxHeight() const { return m_p.textBoxHeight; }
    void setTextBoxHeight(int v);
    OLE_COLOR TextColor() const { return m_p.textColor; }
    void setTextColor(OLE_COLOR v);
    OLE_COLOR TextBoxColor() const { return m_p.textBoxColor; }
    void setTextBoxColor(OLE_COLOR v);
    OLE_COLOR BackColor() const { return m_p.backColor; }
    void setBackColor(OLE_COLOR v);
    // The frame's own font object: assigning copies bold, italic, face and
    // point size into it, so the getter always returns the same object.
    const QFont& Font() const { return m_p.font; }
    void setFont(const QFont& v);
    const QImage& Picture() const { return m_p.picture; }
    void setPicture(const QImage& v);
    std::int16_t IconSize() const { return m_p.iconSize; }
    void setIconSize(std::int16_t v);
    int IconAlignment() const { return m_p.iconAlignment; }
    void setIconAlignment(int v);
    int ThemeColor() const { return m_p.themeColor; }
    void setThemeColor(int v);
    OLE_COLOR ColorFrom() const { return m_p.colorFrom; }
    void setColorFrom(OLE_COLOR v);
    OLE_COLOR ColorTo() const { return m_p.colorTo; }
    void setColorTo(OLE_COLOR v);

    // The effective colours Styles 1 and 4 draw with, and the text format.
    OLE_COLOR ThemeFrom() const { return m_p.themeFrom; }
    OLE_COLOR ThemeTo() const { return m_p.themeTo; }
    OLE_COLOR ThemeFrame() const { return m_p.themeFrame; }
    std::int32_t TextFlags() const { return m_p.textFlags; }

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
    void notify(const char* name) { emit PropertyChanged(QLatin1String(name)); }
    void change(const char* name, const std::function<void()>& store);

    FrameProperties m_p;
    QImage m_surface;
    int m_drawCount = 0;
};
