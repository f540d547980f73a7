#include "picker/Quor_Colorpicker.h"

#include "colour/ColourText.h"
#include "dialogs/gCommonDialog.h"
#include "picker/ColourEntry.h"
#include "picker/CopyAsMenu.h"
#include "picker/PickerDesign.h"
#include "picker/PaletteSource.h"
#include "picker/PickerKeys.h"
#include "widgets/FocusIndicator.h"
#include "colour/mCPUtils.h"
#include "platform/Clipboard.h"
#include "platform/Platform.h"
#include "sliders/vRGBSliders.h"
#include "widgets/DesignFonts.h"
#include "widgets/Accessibility.h"
#include "widgets/CachedPanelStyle.h"
#include "widgets/ColourDragSource.h"
#include "widgets/ColourDrops.h"
#include "widgets/MouseLabel.h"
#include "widgets/MouseArgs.h"
#include "widgets/ShapeBox.h"
#include "widgets/SurfaceBox.h"
#include "widgets/Twips.h"
#include "widgets/SurfaceDraw.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

using mCPUtils::RoundHalfEven;

using namespace PickerDesign;

Quor_Colorpicker::Quor_Colorpicker(QWidget* parent)
    : QWidget(parent)
    , m_iPal(new SurfaceBox(this, SurfaceBox::FlatBorder))
    , m_iHue(new SurfaceBox(this, SurfaceBox::FlatBorder))
    , m_iHuePos(new QLabel(this))
    , m_cmdStandardColors(new QPushButton(QStringLiteral("Standard Colors"), this))
    , m_cSlider(new vRGBSliders(this))
    , m_lblCurColor(new MouseLabel(QString(), this))
    , m_paletteSource(std::make_unique<PaletteSource>(m_iPal))
{
    setFixedSize(Px(ControlWidth), Px(ControlHeight));
    setFont(DesignFonts::Font(QStringLiteral("MS Sans Serif"), 8));
    setAutoFillBackground(true); // an opaque control, like the sliders inside it

    m_iPal->setGeometry(PalRect);
    m_iHue->setGeometry(HueRect);
    m_iHuePos->resize(HuePosSize);
    m_iHuePos->setPixmap(HueMarker());
    m_iHuePos->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_cmdStandardColors->setGeometry(StandardColorsRect);
    m_cSlider->setGeometry(SliderRect);
    m_lblCurColor->setGeometry(CurColorRect);
    m_lblCurColor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_lblCurColor->setToolTip(QStringLiteral("Click to select."));
    m_lblCurColor->setBackColor(InitialColor);

    makeReadouts();
    makeFavourites();
    connectParts();
    makeKeys();
    UserControl_Initialize();
}

void Quor_Colorpicker::makeReadouts()
{
    const QFont copyFont = DesignFonts::Font(QStringLiteral("Verdana"), 6.75);
    for (std::size_t i = 0; i < 3; ++i) {
        m_lblinfo[i] = new QLabel(QLatin1String(InfoCaptions[i]), this);
        m_lblinfo[i]->setGeometry(InfoLabelRects[i]);
        m_txtInfo[i] = new QLineEdit(this);
        m_txtInfo[i]->setGeometry(InfoBoxRects[i]);
        DesignFonts::Unshaped(m_txtInfo[i]);
        CachedPanelStyle::Apply(m_txtInfo[i]);
        m_lblCopy[i] = new MouseLabel(QStringLiteral("Copy"), this);
        m_lblCopy[i]->setGeometry(CopyRects[i]);
        m_lblCopy[i]->setFont(copyFont);
        m_lblCopy[i]->setCursor(Qt::PointingHandCursor);
        const int index = static_cast<int>(i);
        connect(m_lblCopy[i], &MouseLabel::Click, this, [this, index] { lblCopy_Click(index); });
        connect(m_lblCopy[i], &MouseLabel::MouseDown, this, [this, index] { lblCopy_MouseDown(index); });
        connect(m_lblCopy[i], &MouseLabel::MouseMove, this, [this, index] { lblCopy_MouseMove(index); });
        connect(m_lblCopy[i], &MouseLabel::MouseUp, this, [this, index] { lblCopy_MouseUp(index); });
        // Every other form of the colour: a right click on a Copy label, the
        // read-out boxes' own menu.
        connect(m_lblCopy[i], &MouseLabel::MouseUp, this, [this, index](int Button, int, double X, double Y) {
            if (Button & 2)
                CopyAsMenu::Open(Color(), m_lblCopy[std::size_t(index)]->mapToGlobal(QPointF(X, Y)).toPoint());
        });
        m_txtInfo[i]->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(m_txtInfo[i], &QWidget::customContextMenuRequested, this, [this, index](QPoint at) {
            QLineEdit* box = m_txtInfo[std::size_t(index)];
            CopyAsMenu::OpenForTextBox(box, Color(), box->mapToGlobal(at));
        });
    }
}

void Quor_Colorpicker::makeFavourites()
{
    for (int i = 0; i < FavoriteCount; ++i) {
        auto* box = new MouseLabel(QString(), this);
        box->setGeometry(TwipsRect(FavoriteLefts[i % FavoriteColumns], FavoriteTops[i / FavoriteColumns], FavoriteSide, FavoriteSide));
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setBackColor(0);
        box->setToolTip(QStringLiteral("Left-Click to select, Right-Click to store color."));
        connect(box, &MouseLabel::MouseDown, this, [this, i](int Button) { lblCol_MouseDown(i, Button); });
        connect(box, &MouseLabel::Click, this, [this, i] { lblCol_Click(i); });
        // Dragged out as a colour; a colour dropped on it is stored there.
        ColourDragSource::Enable(box, [box] { return box->BackColor(); });
        ColourDrops::Accept(box, [this, i](OLE_COLOR c) { setsColor(i + 1, c); });
        m_lblCol[static_cast<std::size_t>(i)] = box;
    }
    m_shpSelect = new ShapeBox(this);
    m_shpSelect->setGeometry(SelectRect);
    m_shpCopySelect = new ShapeBox(this);
    m_shpCopySelect->setGeometry(CopySelectRect);
}

void Quor_Colorpicker::connectParts()
{
    connect(m_cSlider, &vRGBSliders::Change, this, &Quor_Colorpicker::cSlider_Change);
    connect(m_iHue, &SurfaceBox::MouseMove, this, &Quor_Colorpicker::iHue_MouseMove);
    connect(m_iPal, &SurfaceBox::MouseDown, this, &Quor_Colorpicker::iPal_MouseDown);
    connect(m_iPal, &SurfaceBox::MouseMove, this, &Quor_Colorpicker::iPal_MouseMove);
    connect(m_lblCurColor, &MouseLabel::Click, this, &Quor_Colorpicker::lblCurColor_Click);
    ColourDragSource::Enable(m_lblCurColor, [this] { return Color(); });
    ColourDrops::Accept(m_lblCurColor, [this](OLE_COLOR c) { setColor(c); });
    connect(m_cmdStandardColors, &QPushButton::clicked, this, &Quor_Colorpicker::cmdStandardColors_Click);
    MouseArgs::KeepMouseEventsInChildren(this);
}

void Quor_Colorpicker::makeKeys()
{
    // Typing into a read-out applies a colour; Ctrl+C and Ctrl+V anywhere
    // else in the picker copy its HTML form and paste a colour. A text box
    // keeps its own Ctrl+C and Ctrl+V.
    m_entry = new ColourEntry(m_txtInfo, [this](OLE_COLOR c) { setColor(c); }, [this] { showReadouts(); }, this);
    new QShortcut(QKeySequence::Copy, this, [this] { lblCopy_Click(2); }, Qt::WidgetWithChildrenShortcut);
    new QShortcut(QKeySequence::Paste, this, [this] { PasteColour(); }, Qt::WidgetWithChildrenShortcut);
    new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")), this, [this] {
        CopyAsMenu::Open(Color(), m_lblCurColor->mapToGlobal(QPoint(0, m_lblCurColor->height())));
    }, Qt::WidgetWithChildrenShortcut);

    const QRect favourites = m_lblCol.front()->geometry().united(m_lblCol.back()->geometry());
    m_keys = new PickerKeys(this, m_iPal, m_iHue, {favourites, FavoriteCount, FavoriteColumns, PaletteMax});
    connect(m_keys, &PickerKeys::PaletteCellChosen, this, [this](QPoint cell) { PickPaletteCell(cell); });
    connect(m_keys, &PickerKeys::HueStepped, this, &Quor_Colorpicker::StepHue);
    connect(m_keys, &PickerKeys::FavouriteSelected, this, &Quor_Colorpicker::SelectFavourite);
    connect(m_keys, &PickerKeys::FavouriteLoaded, this, &Quor_Colorpicker::LoadFavourite);
    connect(m_keys, &PickerKeys::FavouriteStored, this, &Quor_Colorpicker::StoreFavourite);

    for (QWidget* w : {static_cast<QWidget*>(m_iPal), static_cast<QWidget*>(m_iHue), m_keys->favourites(),
                       static_cast<QWidget*>(m_lblCurColor), static_cast<QWidget*>(m_lblCopy[0]),
                       static_cast<QWidget*>(m_lblCopy[1]), static_cast<QWidget*>(m_lblCopy[2])})
        FocusIndicator::Enable(w);
    // One chain through the picker, each read-out followed by its Copy label.
    m_tabOrder = {m_iPal,       m_iHue,       m_cSlider->txtColor(0), m_cSlider->txtColor(1), m_cSlider->txtColor(2),
                  m_keys->favourites(),       m_lblCurColor,          m_txtInfo[0],           m_lblCopy[0],
                  m_txtInfo[1], m_lblCopy[1], m_txtInfo[2],           m_lblCopy[2],           m_cmdStandardColors};
    for (qsizetype i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

Quor_Colorpicker::~Quor_Colorpicker()
{
    // A focused box loses its focus as the children go; the picker it
    // would put the read-out back into is no longer whole by then.
    delete m_entry;
}

void Quor_Colorpicker::UserControl_Initialize()
{
    m_currentHue = 0;
    DrawHueBar();
    lblCopy_MouseMove(0);
    setColor(InitialColor);
}

void Quor_Colorpicker::resizeEvent(QResizeEvent*)
{
    // The control has one size; a host's attempt to change it is undone.
    if (size() != QSize(Px(ControlWidth), Px(ControlHeight)))
        resize(Px(ControlWidth), Px(ControlHeight));
}

// ---- colour and read-outs --------------------------------------------------

OLE_COLOR Quor_Colorpicker::Color() const
{
    return m_lblCurColor->BackColor();
}

void Quor_Colorpicker::setCurColor(OLE_COLOR c)
{
    m_lblCurColor->setBackColor(c);
}

void Quor_Colorpicker::setColor(OLE_COLOR c)
{
    const int red = RedOf(c), green = GreenOf(c), blue = BlueOf(c);
    setCurColor(RGB(red, green, blue));
    m_cSlider->setcRedValue(red);
    m_cSlider->setcGreenValue(green);
    m_cSlider->setcBlueValue(blue);
    UpdateReadouts();
}

OLE_COLOR Quor_Colorpicker::sColor(int n) const
{
    return m_lblCol[static_cast<std::size_t>(n - 1)]->BackColor();
}

void Quor_Colorpicker::setsColor(int n, OLE_COLOR c)
{
    m_lblCol[static_cast<std::size_t>(n - 1)]->setBackColor(c);
}

QString Quor_Colorpicker::ReadoutText(int index) const
{
    return ReadoutTexts()[static_cast<std::size_t>(index)];
}

std::array<QString, 3> Quor_Colorpicker::ReadoutTexts() const
{
    const OLE_COLOR v = Color();
    const QString html = mCPUtils::ToHtmlText(v);
    return {mCPUtils::ToHexText(v), mCPUtils::HtmlToLongText(html), html};
}

void Quor_Colorpicker::showReadouts()
{
    const std::array<QString, 3> texts = ReadoutTexts();
    for (std::size_t i : {0, 2, 1}) {
        // One assignment shows its texts up to four times, mostly the same:
        // a text box is laid out again only for a new text.
        QLineEdit* box = m_txtInfo[i];
        if (box->text() != texts[i])
            box->setText(texts[i]);
    }
}

void Quor_Colorpicker::UpdateReadouts()
{
    showReadouts();
    emit Colorchanged();
}

void Quor_Colorpicker::cSlider_Change()
{
    setCurColor(m_cSlider->CurrentColor());
    UpdateReadouts();
}

// ---- hue bar and palette ---------------------------------------------------

void Quor_Colorpicker::DrawHueBar()
{
    QImage& bar = m_iHue->surface();
    for (int row = 0; row <= PaletteMax; ++row) {
        std::int32_t r, g, b;
        mCPUtils::HslToRgb(mCPUtils::HueOfRow(row), 1.0f, 0.5f, r, g, b);
        SurfaceDraw::Line(bar, 0, row, HueBarColumns, row, QColor(r, g, b));
    }
    m_iHue->changed();
    m_paletteBitmap.InitPaletteBitmap(PaletteBitmap::Side, PaletteBitmap::Side);
    DrawPalette(m_currentHue);
}

void Quor_Colorpicker::DrawPalette(float h)
{
    // Filled when it is shown or a cell of it is read: a drag along the hue
    // bar passes many rows a frame.
    m_iPal->drawLater([this, h](QImage& surface) {
        m_paletteBitmap.Fill(h);
        SurfaceDraw::SetDIBitsToDevice(surface, m_paletteBitmap.width(), m_paletteBitmap.height(), m_paletteBitmap.bits().data());
    });
    const double top = m_iHue->y() + mCPUtils::RowOfHue(h) - 1;
    m_iHuePos->move(m_iHue->x() - m_iHuePos->width(), RoundHalfEven(top));
}

void Quor_Colorpicker::PickHueRow(double row)
{
    row = qBound(0.0, row, double(PaletteMax));
    const float h = mCPUtils::HueOfRow(row);
    DrawPalette(h);
    m_currentHue = h;
    Accessibility::Changed(m_iHue);
    // Every column of a row has the row's colour.
    const OLE_COLOR pixel = m_iHue->GetPixel(HueBarColumns / 2, RoundHalfEven(row));
    m_cSlider->setcRedValue(RedOf(pixel));
    m_cSlider->setcGreenValue(GreenOf(pixel));
    m_cSlider->setcBlueValue(BlueOf(pixel));
}

void Quor_Colorpicker::StepHue(int rows)
{
    PickHueRow(RoundHalfEven(mCPUtils::RowOfHue(m_currentHue)) + rows);
}

void Quor_Colorpicker::iHue_MouseMove(int Button, int, double, double Y)
{
    // Dragged sideways off the bar, the pointer still means the held row.
    if (Button == 1)
        PickHueRow(Y);
}

void Quor_Colorpicker::PickPaletteCell(QPointF cell)
{
    const double x = qBound(0.0, cell.x(), double(PaletteMax));
    const double y = qBound(0.0, cell.y(), double(PaletteMax));
    const OLE_COLOR pixel = m_iPal->GetPixel(RoundHalfEven(x), RoundHalfEven(y));
    m_paletteCell = QPoint(RoundHalfEven(x), RoundHalfEven(y));
    Accessibility::Changed(m_iPal);
    setCurColor(LowRgbOf(pixel));
    m_cSlider->GetFromRamp(1, 0, x, y, *m_paletteSource);
    UpdateReadouts();
}

void Quor_Colorpicker::iPal_MouseDown(int, int, double X, double Y)
{
    PickPaletteCell({X, Y}); // any button picks
}

void Quor_Colorpicker::iPal_MouseMove(int Button, int, double X, double Y)
{
    if (Button == 1)
        PickPaletteCell({X, Y});
}

// ---- favourites, current colour, copy labels --------------------------------

void Quor_Colorpicker::LoadFavourite(int index)
{
    setColor(sColor(index + 1));
}

void Quor_Colorpicker::StoreFavourite(int index)
{
    setsColor(index + 1, Color());
}

void Quor_Colorpicker::SelectFavourite(int index)
{
    const QRect box = m_lblCol[static_cast<std::size_t>(index)]->geometry();
    m_shpSelect->setGeometry(box.left() - 1, box.top() - 1, box.width() + 2, box.height() + 2);
    if (m_keys && m_keys->favourites()->hasFocus()) // the keys walk the grid: a screen reader follows
        Accessibility::SetFocusedChild(m_lblCol[static_cast<std::size_t>(index)]);
}

void Quor_Colorpicker::lblCol_MouseDown(int Index, int Button)
{
    if (Button == 1)
        LoadFavourite(Index);
    else if (Button == 2)
        StoreFavourite(Index);
}

void Quor_Colorpicker::lblCol_Click(int Index)
{
    SelectFavourite(Index);
}

void Quor_Colorpicker::lblCurColor_Click()
{
    setColor(Color());
}

void Quor_Colorpicker::lblCopy_Click(int Index)
{
    // The read-out of the colour itself: text typed into the box and not
    // applied is not a colour the picker holds.
    Clipboard& clipboard = *platform().clipboard;
    clipboard.clear();
    clipboard.setText(ReadoutText(Index));
}

void Quor_Colorpicker::PasteColour()
{
    if (const auto colour = ColourText::Parse(platform().clipboard->text()))
        setColor(*colour);
}

void Quor_Colorpicker::lblCopy_MouseDown(int)
{
    m_shpCopySelect->setFillStyle(ShapeBox::Solid);
}

void Quor_Colorpicker::lblCopy_MouseMove(int Index)
{
    const QRect label = m_lblCopy[static_cast<std::size_t>(Index)]->geometry();
    m_shpCopySelect->setGeometry(label.left() - 1, label.top() - 1, label.width() + 3, label.height() + 3);
    m_shpCopySelect->raise();
}

void Quor_Colorpicker::lblCopy_MouseUp(int)
{
    m_shpCopySelect->setFillStyle(ShapeBox::Transparent);
}

// ---- standard colour dialog ---------------------------------------------------

void Quor_Colorpicker::cmdStandardColors_Click()
{
    OLE_COLOR c = Color();
    gCommonDialog dialog;
    if (dialog.VBChooseColor(c, true, false, false, this, 0, false, nullptr))
        setColor(c);
}
