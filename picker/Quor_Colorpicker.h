#pragma once

#include "colour/OleColor.h"
#include "colour/PaletteBitmap.h"

#include <QList>
#include <QWidget>
#include <array>
#include <memory>

class ColourEntry;
class PickerKeys;
class MouseLabel;
class PaletteSource;
class QLabel;
class QLineEdit;
class QPushButton;
class ShapeBox;
class SurfaceBox;
class vRGBSliders;

// One colour chooser of fixed size: a hue bar and palette, RGB sliders,
// twelve favourite boxes, the current-colour box, the standard colour dialog
// and HEX, LONG and HTML read-outs with Copy labels. Colorchanged follows
// every refresh of the colour; handlers read Color each time, as one change
// may announce itself several times with intermediate colours.
class Quor_Colorpicker : public QWidget {
    Q_OBJECT
    Q_PROPERTY(OLE_COLOR Color READ Color WRITE setColor NOTIFY Colorchanged)
public:
    explicit Quor_Colorpicker(QWidget* parent = nullptr);
    ~Quor_Colorpicker() override;

    static constexpr int FavoriteCount = 12;
    static constexpr int FavoriteColumns = 4;
    // Palette cells and hue-bar rows both run 0..PaletteMax.
    static constexpr int PaletteMax = PaletteBitmap::Side - 1;

    OLE_COLOR Color() const;
    // Takes the three low bytes of c; raises Colorchanged once per slider
    // channel that changes and once more at the end.
    void setColor(OLE_COLOR c);

    // Favourite n (1..12); setting one changes only its box, with no event.
    OLE_COLOR sColor(int n) const;
    void setsColor(int n, OLE_COLOR c);
    OLE_COLOR sColor1() const { return sColor(1); }
    OLE_COLOR sColor2() const { return sColor(2); }
    OLE_COLOR sColor3() const { return sColor(3); }
    OLE_COLOR sColor4() const { return sColor(4); }
    OLE_COLOR sColor5() const { return sColor(5); }
    OLE_COLOR sColor6() const { return sColor(6); }
    OLE_COLOR sColor7() const { return sColor(7); }
    OLE_COLOR sColor8() const { return sColor(8); }
    OLE_COLOR sColor9() const { return sColor(9); }
    OLE_COLOR sColor10() const { return sColor(10); }
    OLE_COLOR sColor11() const { return sColor(11); }
    OLE_COLOR sColor12() const { return sColor(12); }
    void setsColor1(OLE_COLOR c) { setsColor(1, c); }
    void setsColor2(OLE_COLOR c) { setsColor(2, c); }
    void setsColor3(OLE_COLOR c) { setsColor(3, c); }
    void setsColor4(OLE_COLOR c) { setsColor(4, c); }
    void setsColor5(OLE_COLOR c) { setsColor(5, c); }
    void setsColor6(OLE_COLOR c) { setsColor(6, c); }
    void setsColor7(OLE_COLOR c) { setsColor(7, c); }
    void setsColor8(OLE_COLOR c) { setsColor(8, c); }
    void setsColor9(OLE_COLOR c) { setsColor(9, c); }
    void setsColor10(OLE_COLOR c) { setsColor(10, c); }
    void setsColor11(OLE_COLOR c) { setsColor(11, c); }
    void setsColor12(OLE_COLOR c) { setsColor(12, c); }

    // The HEX (0), LONG (1) or HTML (2) form of the colour.
    QString ReadoutText(int index) const;
    // Takes a colour from the clipboard's text, in any form a read-out box
    // accepts; other text changes nothing.
    void PasteColour();
    ColourEntry* entry() const { return m_entry; }
    PickerKeys* keys() const { return m_keys; }
    // The parts in their Tab order, for the host's chain.
    const QList<QWidget*>& tabOrder() const { return m_tabOrder; }

    // What the mouse and the keys do, each in one place. A pick on palette
    // cell (x, y), held to 0..PaletteMax, as a left press there; a pick on
    // hue-bar row, held likewise, as a left drag there; StepHue moves the
    // hue by whole rows from the row of the hue shown.
    void PickPaletteCell(QPointF cell);
    void PickHueRow(double row);
    void StepHue(int rows);
    // Favourite boxes by index 0..11: move the selection box to one, load
    // its colour (a left click), store the colour in it (a right click).
    void SelectFavourite(int index);
    void LoadFavourite(int index);
    void StoreFavourite(int index);

    // Sextant hue of the palette now shown, and in degrees 0..360.
    float CurrentHue() const { return m_currentHue; }
    double HueDegrees() const { return m_currentHue < 0 ? 60.0 * m_currentHue + 360 : 60.0 * m_currentHue; }
    // The palette cell picked last.
    QPoint PaletteCell() const { return m_paletteCell; }

    // Paints the hue bar once and draws the palette for CurrentHue.
    void DrawHueBar();
    // Fills and shows the palette for hue h and moves the hue marker to it.
    void DrawPalette(float h);

    // The parts, for the host's layout checks and for tests.
    SurfaceBox* iPal() const { return m_iPal; }
    SurfaceBox* iHue() const { return m_iHue; }
    QLabel* iHuePos() const { return m_iHuePos; }
    QPushButton* cmdStandardColors() const { return m_cmdStandardColors; }
    vRGBSliders* cSlider() const { return m_cSlider; }
    MouseLabel* lblCurColor() const { return m_lblCurColor; }
    QLineEdit* txtInfo(int i) const { return m_txtInfo[static_cast<std::size_t>(i)]; }
    MouseLabel* lblCopy(int i) const { return m_lblCopy[static_cast<std::size_t>(i)]; }
    MouseLabel* lblCol(int i) const { return m_lblCol[static_cast<std::size_t>(i)]; }
    ShapeBox* shpSelect() const { return m_shpSelect; }
    ShapeBox* shpCopySelect() const { return m_shpCopySelect; }

signals:
    void Colorchanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void makeReadouts();
    void makeFavourites();
    void connectParts();
    void makeKeys();
    void UserControl_Initialize();
    void UpdateReadouts();
    void showReadouts();
    // HEX, LONG and HTML of the colour, worked out together.
    std::array<QString, 3> ReadoutTexts() const;
    void cSlider_Change();
    void iHue_MouseMove(int Button, int Shift, double X, double Y);
    void iPal_MouseDown(int Button, int Shift, double X, double Y);
    void iPal_MouseMove(int Button, int Shift, double X, double Y);
    void lblCol_MouseDown(int Index, int Button);
    void lblCol_Click(int Index);
    void lblCurColor_Click();
    void lblCopy_Click(int Index);
    void lblCopy_MouseDown(int Index);
    void lblCopy_MouseMove(int Index);
    void lblCopy_MouseUp(int Index);
    void cmdStandardColors_Click();

    void setCurColor(OLE_COLOR c);

    float m_currentHue = 0;
    QPoint m_paletteCell{PaletteMax / 2, PaletteMax / 2};
    PaletteBitmap m_paletteBitmap;

    SurfaceBox* m_iPal;
    SurfaceBox* m_iHue;
    QLabel* m_iHuePos;
    QPushButton* m_cmdStandardColors;
    vRGBSliders* m_cSlider;
    MouseLabel* m_lblCurColor;
    std::array<QLabel*, 3> m_lblinfo{};
    std::array<QLineEdit*, 3> m_txtInfo{};
    std::array<MouseLabel*, 3> m_lblCopy{};
    std::array<MouseLabel*, FavoriteCount> m_lblCol{};
    ShapeBox* m_shpSelect;
    ShapeBox* m_shpCopySelect;
    std::unique_ptr<PaletteSource> m_paletteSource;
    ColourEntry* m_entry = nullptr;
    PickerKeys* m_keys = nullptr;
    QList<QWidget*> m_tabOrder;
};
