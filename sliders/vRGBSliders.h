#pragma once

#include "sliders/RampStyleMenu.h"
#include "sliders/SliderSurface.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <cstdint>

class PropertyBag;
class QLabel;
class QLineEdit;
class RampSource;
class SurfaceBox;

// Edits one colour as three channels: a ramp, a marker and an entry box for
// each of red, green and blue. Raises Change whenever the colour may have
// changed; the ramps and markers follow the numbers in the entry boxes.
class vRGBSliders : public QWidget {
    Q_OBJECT
public:
    explicit vRGBSliders(QWidget* parent = nullptr);
    ~vRGBSliders() override;

    // Channel values; a set clamps to 0..255 and writes the entry box.
    std::int16_t cRedValue() const { return m_channel[0]; }
    std::int16_t cGreenValue() const { return m_channel[1]; }
    std::int16_t cBlueValue() const { return m_channel[2]; }
    void setcRedValue(int v) { setChannel(0, v); }
    void setcGreenValue(int v) { setChannel(1, v); }
    void setcBlueValue(int v) { setChannel(2, v); }

    // 0..5 choose the border drawn with the ramps; other values draw none.
    // Values outside 16 bits are refused (false) and change nothing.
    int BorderStyle() const { return m_borderStyle; }
    bool setBorderStyle(int v);
    // 0 spectrum, 1 greyscale; setting it acts as choosing that menu item
    // (3 toggles web-safe mode). Values outside 16 bits are refused.
    int cRampStyle() const { return m_menu.RampStyle(); }
    bool setcRampStyle(int v);

    std::int32_t CurrentColor() const { return m_currentColor; }
    QString HTMLColor() const;

    // Takes the colour of the source's pixel at (x, y) for the left button,
    // or opens the ramp-style menu for the right one.
    void GetFromRamp(int Button, int Shift, double x, double y, const RampSource& iSrc);

    // The ramp-style menu at a screen point; also by a right click on the
    // ramps and by the Menu key in an entry box.
    void OpenRampMenu(QPoint globalPos);

    void UserControl_InitProperties();
    void UserControl_ReadProperties(const PropertyBag& bag);
    void UserControl_WriteProperties(PropertyBag& bag) const;

    // Draws the three ramps with their edges, then the border.
    void DrawRamps();
    // Positions the markers from the entry boxes, then draws them.
    void PlaceMarkers();
    // Draws the markers at their present boxes.
    void DrawMarkers();

    // Read-outs of the control's parts for hosts and tests.
    bool WebSafe() const { return m_menu.WebSafe(); }
    QString mnuRampCaption(int i) const { return m_menu.Caption(i); }
    QLineEdit* txtColor(int i) const { return m_txtColor[static_cast<std::size_t>(i)]; }
    SurfaceBox* picRamp() const { return m_picRamp; }
    const QImage& surface() const { return m_surface.image(); }
    SurfaceDraw::Rect MarkerRect(int k) const { return m_surface.marker(k); }
    int rampRedrawCount() const { return m_rampRedraws; }

signals:
    void Change();
    // The host should save the control's properties: name changed.
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawOnSurface(const std::function<void()>& draw);
    void setChannel(int k, int v);
    // Sets box k's text; an unchanged text is no change and runs nothing.
    void setBoxText(int k, const QString& text);
    // Sets the three boxes in turn, red first.
    void setBoxes(const std::array<int, 3>& values);
    int boxValue(int k) const;
    void startRedraw();
    // A hidden widget hears of its new size only when shown; drawing may come
    // first, so drawing lays out again when the size moved under it.
    void followSize();

    void txtColor_Change(int index);
    void tmrDraw_Timer();
    void mnuRamp_Click(int index);
    void UserControl_Resize();
    void UserControl_Show();
    void UserControl_MouseMove(int Button, int Shift, double X, double Y);

    QColor background() const;
    QColor foreground() const;

    SliderSurface m_surface;
    QImage m_painted; // the surface as last painted, to find what drawing changed since
    bool m_paintedKept = false;
    std::array<std::int16_t, 3> m_channel{};
    std::int32_t m_currentColor = 0;
    std::int16_t m_borderStyle = 0;
    RampStyleMenu m_menu;
    int m_rampRedraws = 0;
    bool m_shown = false;

    QTimer tmrDraw;
    std::array<QLineEdit*, 3> m_txtColor{};
    std::array<QLabel*, 3> m_lblColor{};
    SurfaceBox* m_picRGB;
    SurfaceBox* m_picRamp;
    std::array<QLabel*, 4> m_imgRamp{};
};
