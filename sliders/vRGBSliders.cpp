#include "sliders/vRGBSliders.h"

#include "colour/mCPUtils.h"
#include "platform/Platform.h"
#include "platform/PopupMenu.h"
#include "sliders/RampSource.h"
#include "sliders/mRampPictures.h"
#include "sliders/mSliderRules.h"
#include "widgets/DesignFonts.h"
#include "widgets/PropertyBag.h"
#include "widgets/SurfaceBox.h"
#include "widgets/mMouse.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

using mCPUtils::RoundHalfEven;
using namespace mSliderRules;

namespace {

constexpr int RedrawDelayMs = 25;
constexpr const char* ChannelKeys[3] = {"cRedValue", "cGreenValue", "cBlueValue"};
constexpr const char* ChannelCaptions[3] = {"R", "G", "B"};
constexpr int LabelTops[3] = {0, 24, 48};
constexpr QRect PicRampGeometry{4, 80, 202, 19};
constexpr int ImgRampTops[4] = {116, 136, 156, 176};
constexpr const char* MakeWebSafe = "Make Ramp Web Safe";
constexpr const char* ShowNonWebSafe = "Show non-Web Safe Ramp";

bool fitsIn16Bits(int v)
{
    return v >= -32768 && v <= 32767;
}

} // namespace

vRGBSliders::vRGBSliders(QWidget* parent)
    : QWidget(parent)
    , m_menu{{{QStringLiteral("RGB Spectrum")}, {QStringLiteral("Greyscale Ramp")}, {QStringLiteral("-")}, {QLatin1String(MakeWebSafe)}}}
    , m_picRGB(new SurfaceBox(this, SurfaceBox::SunkenBorder))
    , m_picRamp(new SurfaceBox(this, SurfaceBox::SunkenBorder))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFont(DesignFonts::Font(QStringLiteral("MS Sans Serif"), 8));

    tmrDraw.setSingleShot(true);
    tmrDraw.setInterval(RedrawDelayMs);
    connect(&tmrDraw, &QTimer::timeout, this, &vRGBSliders::tmrDraw_Timer);

    for (int k = 0; k < 3; ++k) {
        auto* label = new QLabel(QLatin1String(ChannelCaptions[k]), this);
        label->setGeometry(0, LabelTops[k], 9, 13);
        m_lblColor[static_cast<std::size_t>(k)] = label;

        auto* box = new QLineEdit(QStringLiteral("0"), this);
        box->setMaxLength(3);
        box->resize(SliderGeometry::TxtColorSize);
        box->setTextMargins(0, 0, 0, 0);
        QPalette pal = box->palette();
        pal.setColor(QPalette::Base, QColor(240, 244, 200));
        box->setPalette(pal);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, k] { txtColor_Change(k); });
        m_txtColor[static_cast<std::size_t>(k)] = box;
    }
    setTabOrder(m_txtColor[0], m_txtColor[1]);
    setTabOrder(m_txtColor[1], m_txtColor[2]);

    m_picRGB->resize(SliderGeometry::PicRGBSize);
    m_picRamp->setGeometry(PicRampGeometry);
    m_picRamp->setPicture(mRampPictures::RampPicture(0));
    m_picRamp->setCursor(mRampPictures::RampCursor());
    for (int i = 0; i < 4; ++i) {
        auto* img = new QLabel(this);
        img->setPixmap(QPixmap::fromImage(mRampPictures::RampPicture(i)));
        img->setGeometry(4, ImgRampTops[i], mRampPictures::Width, mRampPictures::Height);
        m_imgRamp[static_cast<std::size_t>(i)] = img;
    }
    mMouse::KeepMouseEventsInChildren(this);
    UserControl_Resize();
}

vRGBSliders::~vRGBSliders() = default;

// ---- properties -----------------------------------------------------------

void vRGBSliders::setChannel(int k, int v)
{
    m_channel[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(qBound(0, v, 255));
    emit PropertyChanged(QLatin1String(ChannelKeys[k]));
    setBoxText(k, QString::number(m_channel[static_cast<std::size_t>(k)]));
}

bool vRGBSliders::setBorderStyle(int v)
{
    if (!fitsIn16Bits(v))
        return false;
    m_borderStyle = static_cast<std::int16_t>(v);
    emit PropertyChanged(QStringLiteral("BorderStyle"));
    startRedraw();
    DrawMarkers();
    return true;
}

bool vRGBSliders::setcRampStyle(int v)
{
    if (!fitsIn16Bits(v))
        return false;
    m_rampStyle = static_cast<std::int16_t>(v);
    emit PropertyChanged(QStringLiteral("cRampStyle"));
    mnuRamp_Click(v);
    return true;
}

QString vRGBSliders::HTMLColor() const
{
    return HtmlOfChannels(m_channel[0], m_channel[1], m_channel[2]);
}

// ---- entry boxes ----------------------------------------------------------

void vRGBSliders::setBoxText(int k, const QString& text)
{
    QLineEdit* box = m_txtColor[static_cast<std::size_t>(k)];
    if (box->text() != text)
        box->setText(text); // textChanged runs txtColor_Change before this returns
}

int vRGBSliders::boxValue(int k) const
{
    return LeadingNumber(m_txtColor[static_cast<std::size_t>(k)]->text());
}

void vRGBSliders::txtColor_Change(int index)
{
    QLineEdit* box = m_txtColor[static_cast<std::size_t>(index)];
    if (box->text().isEmpty()) {
        setBoxText(index, QStringLiteral("0"));
        box->setSelection(0, static_cast<int>(box->text().size()));
    }
    const int n = LeadingNumber(box->text());
    if (n < 0)
        setBoxText(index, QStringLiteral("0"));
    else if (n > 255)
        setBoxText(index, QStringLiteral("255"));
    else if (!IsPlainDigits(box->text()))
        // Pasted text such as "12ab" or " 7": keep the number it starts with,
        // so the box always shows the value the channel holds.
        setBoxText(index, QString::number(n));

    for (int k = 0; k < 3; ++k)
        m_channel[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(qBound(0, boxValue(k), 255));
    m_currentColor = RGB(m_channel[0], m_channel[1], m_channel[2]);
    startRedraw();
    PlaceMarkers();
    emit Change();
}

bool vRGBSliders::eventFilter(QObject* watched, QEvent* event)
{
    const auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || std::find(m_txtColor.begin(), m_txtColor.end(), box) == m_txtColor.end())
        return QWidget::eventFilter(watched, event);

    if (event->type() == QEvent::FocusIn) {
        // After Qt's own focus handling, which may place the cursor.
        QMetaObject::invokeMethod(const_cast<QLineEdit*>(box), &QLineEdit::selectAll, Qt::QueuedConnection);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int k = static_cast<int>(std::find(m_txtColor.begin(), m_txtColor.end(), box) - m_txtColor.begin());
        const int step = ArrowStep(key->key());
        if (step != 0 && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            setBoxText(k, QString::number(qBound(0, boxValue(k) + step, 255)));
            return true;
        }
        // Printable characters other than digits never reach the box. Editing
        // keys and shortcuts carry control characters (Delete sends 0x7F,
        // Ctrl+V 0x16) or none, and work as in any line edit; what they paste
        // goes through the same rules as typing.
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && !IsAcceptedKeyText(key->text()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- taking a colour from elsewhere ---------------------------------------

void vRGBSliders::GetFromRamp(int Button, int Shift, double x, double y, const RampSource& iSrc)
{
    Q_UNUSED(Shift);
    if (Button == 1) {
        if (m_rampStyle != 0 && m_rampStyle != 1)
            return;
        const Channels c = ChannelsOf(iSrc.GetPixel(RoundHalfEven(x), RoundHalfEven(y)));
        if (m_rampStyle == 0 && !WebSafe()) {
            setBoxText(0, QString::number(c.red));
            setBoxText(1, QString::number(c.green));
            setBoxText(2, QString::number(c.blue));
            return;
        }
        if (m_rampStyle == 0) {
            setBoxText(0, QString::number(WebSafeLevel(c.red)));
            setBoxText(1, QString::number(WebSafeLevel(c.green)));
            setBoxText(2, QString::number(WebSafeLevel(c.blue)));
        } else {
            const QString grey = QString::number(GreyLevel(c.red, c.green, c.blue));
            for (int k = 0; k < 3; ++k)
                setBoxText(k, grey);
        }
        startRedraw();
        PlaceMarkers();
    } else if (Button == 2) {
        QList<PopupMenu::Item> items;
        for (int i = 0; i < 4; ++i)
            items.append({i, m_menu[static_cast<std::size_t>(i)].caption, m_menu[static_cast<std::size_t>(i)].checked});
        const int chosen = platform().menus->popup(items, mapToGlobal(QPoint(RoundHalfEven(x), iSrc.Top())));
        if (chosen >= 0)
            mnuRamp_Click(chosen);
    }
}

// ---- ramp style menu ------------------------------------------------------

void vRGBSliders::showRampPicture(int index)
{
    m_picRamp->setPicture(mRampPictures::RampPicture(index));
}

void vRGBSliders::mnuRamp_Click(int index)
{
    const bool webSafe = WebSafe();
    if (index == 0) {
        showRampPicture(webSafe ? 2 : 0);
        m_rampStyle = 0;
        m_menu[1].checked = false;
        m_menu[0].checked = true;
    } else if (index == 1) {
        showRampPicture(webSafe ? 3 : 1);
        m_rampStyle = 1;
        m_menu[0].checked = false;
        m_menu[1].checked = true;
    } else if (index == 3) {
        if (m_rampStyle == 0) {
            showRampPicture(webSafe ? 0 : 2);
            m_menu[0].checked = true;
            m_menu[1].checked = false;
        } else if (m_rampStyle == 1) {
            showRampPicture(webSafe ? 1 : 3);
            m_menu[0].checked = false;
            m_menu[1].checked = true;
        }
        for (int k = 0; k < 3; ++k)
            setBoxText(k, QString::number(WebSafeLevel(boxValue(k))));
        m_menu[3].checked = !m_menu[3].checked;
    }
    m_menu[3].caption = QLatin1String(WebSafe() ? ShowNonWebSafe : MakeWebSafe);
    mDraw::FillInclusive(m_picRamp->surface(), 190, 0, 198, 6, Qt::white);
    m_picRamp->changed();
    startRedraw();
    DrawMarkers();
}

// ---- persistence ----------------------------------------------------------

void vRGBSliders::UserControl_InitProperties()
{
    m_rampStyle = 0;
    m_currentColor = 0;
    m_borderStyle = 0;
    m_channel = {0, 0, 0};
}

void vRGBSliders::UserControl_ReadProperties(const PropertyBag& bag)
{
    const auto read16 = [&](const char* key) {
        return static_cast<std::int16_t>(bag.ReadProperty(QLatin1String(key), QVariant::fromValue<qint16>(0)).toInt());
    };
    for (int k = 0; k < 3; ++k)
        m_channel[static_cast<std::size_t>(k)] = read16(ChannelKeys[k]);
    m_borderStyle = read16("BorderStyle");
    m_currentColor = bag.ReadProperty(QStringLiteral("CurrentColor"), QVariant::fromValue<qint32>(0)).toInt();
    m_rampStyle = read16("cRampStyle");
    if (m_rampStyle < 0 || m_rampStyle > 3) {
        // No picture or menu item stands for it: take the spectrum, web-safe off.
        m_rampStyle = 0;
    }
    showRampPicture(m_rampStyle);
    m_menu[static_cast<std::size_t>(m_rampStyle)].checked = true;
}

void vRGBSliders::UserControl_WriteProperties(PropertyBag& bag) const
{
    const QVariant zero16 = QVariant::fromValue<qint16>(0);
    for (int k = 0; k < 3; ++k)
        bag.WriteProperty(QLatin1String(ChannelKeys[k]), QVariant::fromValue<qint16>(m_channel[static_cast<std::size_t>(k)]), zero16);
    bag.WriteProperty(QStringLiteral("BorderStyle"), QVariant::fromValue<qint16>(m_borderStyle), zero16);
    bag.WriteProperty(QStringLiteral("CurrentColor"), QVariant::fromValue<qint32>(m_currentColor), QVariant::fromValue<qint32>(0));
    bag.WriteProperty(QStringLiteral("cRampStyle"), QVariant::fromValue<qint16>(m_rampStyle), zero16);
}

// ---- drawing --------------------------------------------------------------

void vRGBSliders::startRedraw()
{
    // A running timer is left alone: a steady drag still redraws every 25 ms.
    if (!tmrDraw.isActive())
        tmrDraw.start();
}

void vRGBSliders::tmrDraw_Timer()
{
    tmrDraw.stop();
    DrawRamps();
}

void vRGBSliders::DrawGradient(const mDraw::Rect& r, const std::array<int, 3>& from, const std::array<int, 3>& to)
{
    const int n = r.right - r.left - 2;
    if (n < 0)
        return;
    // A two-pixel band has n = 0: its one step is the left colour (and no
    // division by zero).
    const int steps = std::max(n, 1);
    for (int i = 0; i <= n; ++i) {
        const QColor c(GradientComponent(from[0], to[0], i, steps), GradientComponent(from[1], to[1], i, steps),
                       GradientComponent(from[2], to[2], i, steps));
        mDraw::FillInclusive(m_surface, r.left + i, r.top, r.left + i + 1, r.bottom - 1, c);
    }
}

void vRGBSliders::followSize()
{
    if (m_laidOutSize != size())
        UserControl_Resize();
}

void vRGBSliders::DrawRamps()
{
    followSize();
    ++m_rampRedraws;
    const int r = qBound(0, boxValue(0), 255), g = qBound(0, boxValue(1), 255), b = qBound(0, boxValue(2), 255);
    const std::array<std::array<int, 3>, 3> from{{{0, g, b}, {r, 0, b}, {r, g, 0}}};
    const std::array<std::array<int, 3>, 3> to{{{255, g, b}, {r, 255, b}, {r, g, 255}}};
    const auto colours = mDraw::EdgeColours::FromPalette(palette());
    for (std::size_t k = 0; k < 3; ++k) {
        DrawGradient(m_geometry.RampRect[k], from[k], to[k]);
        mDraw::DrawEdge(m_surface, m_geometry.RampRect[k], mDraw::BDR_SUNKENINNER, mDraw::BF_LEFT | mDraw::BF_TOP, colours);
        mDraw::DrawEdge(m_surface, m_geometry.RampRect[k], mDraw::BDR_SUNKENOUTER, mDraw::BF_RIGHT | mDraw::BF_BOTTOM, colours);
    }
    static constexpr unsigned borderEdges[6] = {0, mDraw::EDGE_SUNKEN, mDraw::EDGE_RAISED, mDraw::EDGE_ETCHED,
                                                mDraw::EDGE_BUMP, mDraw::BDR_SUNKENOUTER};
    if (m_borderStyle >= 1 && m_borderStyle <= 5)
        mDraw::DrawEdge(m_surface, m_geometry.ClientRect, borderEdges[m_borderStyle], mDraw::BF_RECT, colours);
    update();
}

void vRGBSliders::eraseMarkerStrips()
{
    const QColor background = palette().color(QPalette::Window);
    for (const mDraw::Rect& ramp : m_geometry.RampRect)
        mDraw::FillInclusive(m_surface, ramp.left - 10, ramp.bottom, ramp.right + 10, ramp.bottom + 10, background);
}

void vRGBSliders::drawTriangles()
{
    const QColor foreground = palette().color(QPalette::WindowText);
    for (const mDraw::Rect& m : m_markerRect) {
        mDraw::Line(m_surface, m.left + 5, m.top, m.left, m.bottom, foreground);
        mDraw::Line(m_surface, m.left, m.bottom, m.right, m.bottom, foreground);
        mDraw::Line(m_surface, m.right, m.bottom, m.left + 5, m.top, foreground);
    }
    update();
}

void vRGBSliders::PlaceMarkers()
{
    followSize();
    std::array<float, 3> x{};
    for (int k = 0; k < 3; ++k)
        x[static_cast<std::size_t>(k)] = m_geometry.MarkerLeftFor(boxValue(k));
    eraseMarkerStrips();
    for (std::size_t k = 0; k < 3; ++k) {
        m_markerRect[k].left = RoundHalfEven(x[k]);
        m_markerRect[k].right = RoundHalfEven(x[k] + 10.0f);
    }
    drawTriangles();
}

void vRGBSliders::DrawMarkers()
{
    followSize();
    eraseMarkerStrips();
    drawTriangles();
}

// ---- layout and display ---------------------------------------------------

void vRGBSliders::UserControl_Resize()
{
    m_laidOutSize = size();
    m_geometry = SliderGeometry::ForSize(width(), height());
    for (int k = 0; k < 3; ++k)
        m_markerRect[static_cast<std::size_t>(k)] = m_geometry.ZeroMarker(k);
    m_picRGB->move(m_geometry.PicRGBPos);
    for (std::size_t k = 0; k < 3; ++k)
        m_txtColor[k]->move(m_geometry.TxtColorPos[k]);

    // The surface keeps what was drawn; only new area starts blank.
    if (m_surface.size() != size()) {
        QImage grown(size(), QImage::Format_RGB32);
        grown.fill(palette().color(QPalette::Window));
        if (!m_surface.isNull() && !grown.isNull())
            QPainter(&grown).drawImage(0, 0, m_surface);
        m_surface = grown;
    }
    startRedraw();
    DrawMarkers();
}

void vRGBSliders::resizeEvent(QResizeEvent*)
{
    UserControl_Resize();
}

void vRGBSliders::UserControl_Show()
{
    startRedraw();
    if (m_shown) {
        DrawMarkers();
    } else {
        // The size a hidden control was given arrives just before its first
        // show and lays the markers out at zero; the values set meanwhile
        // are in the boxes, so the markers go there.
        m_shown = true;
        PlaceMarkers();
    }
    mDraw::FillInclusive(m_picRamp->surface(), 190, 0, 198, 6, Qt::white);
    m_picRamp->changed();
}

void vRGBSliders::showEvent(QShowEvent*)
{
    UserControl_Show();
}

void vRGBSliders::paintEvent(QPaintEvent* event)
{
    QPainter(this).drawImage(event->rect(), m_surface, event->rect());
}

// ---- mouse ----------------------------------------------------------------

void vRGBSliders::UserControl_MouseMove(int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    followSize();
    X = m_geometry.ClampX(X);
    if (Button == 1) {
        const int k = m_geometry.HitChannel(Y);
        if (k >= 0) {
            auto& marker = m_markerRect[static_cast<std::size_t>(k)];
            if (WebSafe()) {
                const int p = WebSafeSnap(X - SliderGeometry::RampLeft);
                marker = m_geometry.MarkerAt(k, p);
                setBoxText(k, QString::number(WebSafeLevel(RoundHalfEven(p * static_cast<double>(m_geometry.SliderScale)))));
            } else {
                marker = m_geometry.MarkerAt(k, RoundHalfEven(X - 5));
                setBoxText(k, QString::number(m_geometry.ValueAt(X)));
            }
        }
        emit Change();
    }
    DrawMarkers();
}

void vRGBSliders::mousePressEvent(QMouseEvent* event)
{
    const mMouse::Args a = mMouse::Translate(event);
    UserControl_MouseMove(a.Button, a.Shift, a.X, a.Y);
}

void vRGBSliders::mouseMoveEvent(QMouseEvent* event)
{
    const mMouse::Args a = mMouse::Translate(event);
    UserControl_MouseMove(a.Button, a.Shift, a.X, a.Y);
}

void vRGBSliders::mouseReleaseEvent(QMouseEvent* event)
{
    const mMouse::Args a = mMouse::Translate(event);
    UserControl_MouseMove(a.Button, a.Shift, a.X, a.Y);
}
