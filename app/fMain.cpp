#include "app/fMain.h"

#include "app/MainDesign.h"
#include "app/MainKeys.h"
#include "app/MainNames.h"
#include "app/MainLayout.h"
#include "app/PairVerdict.h"
#include "app/PickerSettings.h"
#include "app/PaletteTransfer.h"
#include "app/TitleMenu.h"
#include "app/HomePage.h"
#include "app/Util.h"
#include "app/fAbout.h"
#include "app/fHelp.h"
#include "app/ScreenCapture.h"
#include "app/Artwork.h"
#include "app/mSetup.h"
#include "picker/PickerNames.h"
#include "picker/Quor_Colorpicker.h"
#include "colour/mCPUtils.h"
#include "platform/Platform.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "widgets/Accessibility.h"
#include "widgets/ColourDragSource.h"
#include "widgets/DesignFonts.h"
#include "widgets/MouseLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/FramePacer.h"
#include "widgets/WindowGone.h"
#include "widgets/MouseArgs.h"
#include "widgets/Twips.h"
#include "widgets/zelFrames.h"
#include "platform/QtColour.h"

#include <QCloseEvent>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

bool fMain::CaptureForeground = true;

using namespace MainDesign;

fMain::fMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_imBanner(new MouseLabel(QString(), this))
    , m_lblLogo(new MouseLabel(QString(), this))
    , m_frForeground(new zelFrames(this))
    , m_frBackground(new zelFrames(this))
    , m_cpFore(new Quor_Colorpicker(m_frForeground))
    , m_cpBack(new Quor_Colorpicker(m_frBackground))
    , m_lbColor(new QWidget(this))
    , m_capture(new ScreenCapture(this))
{
    Accessibility::Install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    WindowGone::Prepare(this);
    setFont(DesignFonts::Font(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(ClientSize);
    setWindowIcon(Artwork::ProgramIcon());
    const qreal dpr = devicePixelRatioF();

    makeTitleArea(dpr);
    makePickers();
    makeSampleStrip(dpr);
    MainNames::Apply({this, {m_btnForm[0], m_btnForm[1], m_btnForm[2]}, m_lblLogo, {m_frForeground, m_frBackground},
                      {m_lblSample[1], m_lblSample[2], m_lblSample[3], m_lblSample[4]}});
    MainKeys::Install(this, {m_btnForm[0], m_btnForm[1], m_btnForm[2]}, [this] { ShowQuickHelp(); });

    // Holds the capture cross-hair; nothing shows of it.
    m_lbColor->setGeometry(ColorCursorRect);
    m_lbColor->setCursor(Artwork::CaptureCursor(dpr));
    m_lbColor->hide();
    connect(m_capture, &ScreenCapture::finished, this, &fMain::ScreenCapture_finished);

    MouseArgs::KeepMouseEventsInChildren(this);
}

void fMain::makeTitleArea(qreal dpr)
{
    m_imBanner->setGeometry(BannerRect);
    m_imBanner->setPixmap(QPixmap::fromImage(Artwork::Banner(dpr)));
    m_imBanner->setAccessibleName(QStringLiteral("Banner"));
    m_imBanner->setAccessibleDescription(QStringLiteral("opens the user guide"));
    connect(m_imBanner, &MouseLabel::Click, this, &fMain::imBanner_Click);
    m_lblLogo->setGeometry(LogoRect);
    connect(m_lblLogo, &MouseLabel::MouseDown, this, &fMain::lblLogo_MouseDown);

    for (int i = 0; i < 3; ++i) {
        auto* button = new PictureButton(this);
        button->move(Px(ButtonLefts[i]), Px(ButtonTop));
        button->resize(Px(ButtonSide), Px(ButtonSide));
        const QString kind = QLatin1String(ButtonKinds[i]);
        button->setPicture(Artwork::Button(kind, Artwork::ButtonState::Normal, dpr));
        button->setPictureHover(Artwork::Button(kind, Artwork::ButtonState::Hover, dpr));
        button->setPictureDown(Artwork::Button(kind, Artwork::ButtonState::Down, dpr));
        connect(button, &PictureButton::Click, this, [this, i] { btnForm_Click(i); });
        m_btnForm[static_cast<std::size_t>(i)] = button;
    }
}

void fMain::makePickers()
{
    const std::array<zelFrames*, 2> frames{m_frForeground, m_frBackground};
    const std::array<Quor_Colorpicker*, 2> pickers{m_cpFore, m_cpBack};
    for (std::size_t i = 0; i < 2; ++i) {
        frames[i]->setGeometry(FrameRects[i]);
        frames[i]->setAmbient({QString(), WindowBackColor, font()});
        frames[i]->UserControl_ReadProperties(FrameDesign(i == 0, WindowBackColor));
        pickers[i]->move(PickerPos);
        auto* screenButton = new QPushButton(QStringLiteral("From Screen"), frames[i]);
        screenButton->setGeometry(ScreenButtonRect);
        screenButton->setFont(DesignFonts::Font(QStringLiteral("Verdana"), 8));
        const int index = static_cast<int>(i);
        connect(screenButton, &QPushButton::clicked, this, [this, index] { cmdScreen_Click(index); });
        m_cmdScreen[i] = screenButton;
    }
    PickerNames::Apply(m_cpFore, QStringLiteral("Foreground"));
    PickerNames::Apply(m_cpBack, QStringLiteral("Background"));
    connect(m_cpFore, &Quor_Colorpicker::Colorchanged, this, &fMain::cpFore_Colorchanged);
    connect(m_cpBack, &Quor_Colorpicker::Colorchanged, this, &fMain::cpBack_Colorchanged);
}

void fMain::makeSampleStrip(qreal dpr)
{
    for (int i = 0; i < 5; ++i) {
        auto* label = new MouseLabel(QString(), this);
        label->setGeometry(SampleRects[i]);
        connect(label, &MouseLabel::Click, this, [this, i] { lblSample_Click(i); });
        if (i > 0) // the swatches: 2 and 4 show the foreground, 1 and 3 the background
            ColourDragSource::Enable(label, [this, i] { return (i % 2 == 0 ? m_cpFore : m_cpBack)->Color(); });
        m_lblSample[static_cast<std::size_t>(i)] = label;
    }
    QFont sampleFont = DesignFonts::Font(QStringLiteral("Arial"), font().pointSizeF());
    sampleFont.setBold(true);
    m_lblSample[0]->setFont(sampleFont);
    m_lblSample[0]->setAlignment(Qt::AlignCenter);
    m_lblSample[0]->setAccessibleName(QStringLiteral("Sample"));
    m_lblSample[0]->setAccessibleDescription(QStringLiteral("the foreground colour on the background colour; right click for simulations"));
    m_lblSample[0]->setCursor(Artwork::LinkCursor(dpr));
    m_verdict = new PairVerdict(m_imBanner, m_cpFore, m_cpBack, m_lblSample, [this] { paintSampleStrip(); });
    connect(FramePacer::Pace(this), &FramePacer::Frame, m_verdict, &PairVerdict::Frame);
    auto* swap = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")), this);
    connect(swap, &QShortcut::activated, m_verdict, &PairVerdict::SwapColors);
}

fMain::~fMain() = default;

fHelp* fMain::helpWindow() const
{
    return m_help;
}

fAbout* fMain::aboutWindow() const
{
    return m_about;
}

void fMain::Form_Load()
{
    QFont sampleFont = m_lblSample[0]->font();
    sampleFont.setPointSize(16);
    m_lblSample[0]->setFont(sampleFont);
    m_lblSample[0]->setText(QStringLiteral("Visit ") + QStringLiteral("Tolvex"));
    m_imBanner->setCursor(m_lblSample[0]->cursor());
    setWindowTitle(QStringLiteral("Tintaro") + QStringLiteral(" by ") + QStringLiteral("Tolvex"));

    PickerSettings::Load(m_cpFore, m_cpBack);

    // Open in the middle of the primary screen.
    const QRect screen = platform().screen->primaryGeometry();
    if (screen.isValid())
        move(screen.center() - rect().center());
}

// ---- sample strip --------------------------------------------------------------

void fMain::cpFore_Colorchanged()
{
    // The strip and the verdict show the last colour of a frame, whatever
    // came between: they are worked out once, when it is painted.
    m_verdict->RefreshLater();
}

void fMain::cpBack_Colorchanged()
{
    m_verdict->RefreshLater();
}

void fMain::paintSampleStrip()
{
    const OLE_COLOR fore = m_verdict->Shown(m_cpFore->Color());
    const OLE_COLOR back = m_verdict->Shown(m_cpBack->Color());
    m_lblSample[0]->setForeColor(fore);
    m_lblSample[2]->setBackColor(fore);
    m_lblSample[4]->setBackColor(fore);
    m_lblSample[0]->setBackColor(back);
    m_lblSample[1]->setBackColor(back);
    m_lblSample[3]->setBackColor(back);
}

// ---- title area ----------------------------------------------------------------

void fMain::btnForm_Click(int Index)
{
    if (Index == 0) {
        const TitleMenu::Choice chosen = TitleMenu::Open(m_btnForm[0]);
        if (chosen == TitleMenu::About) {
            if (!m_about)
                m_about = new fAbout(this);
            showOwned(m_about);
        } else if (chosen == TitleMenu::QuickHelp) {
            ShowQuickHelp();
        } else if (chosen == TitleMenu::ExportPalette) {
            PaletteTransfer::Export(m_cpFore, m_cpBack);
        } else if (chosen == TitleMenu::ImportPalette) {
            PaletteTransfer::Import(m_cpFore, m_cpBack);
        }
    } else if (Index == 1) {
        if (!isMinimized())
            showMinimized();
    } else if (Index == 2) {
        close();
    }
}

void fMain::ShowQuickHelp()
{
    if (!m_help)
        m_help = new fHelp(this);
    showOwned(m_help);
}

void fMain::showOwned(QWidget* window)
{
    // A second choice brings the open window forward rather than a copy.
    window->show();
    window->raise();
    window->activateWindow();
}

void fMain::imBanner_Click()
{
    Util::OpenWebPage(HomePage());
}

void fMain::lblSample_Click(int)
{
    Util::OpenWebPage(HomePage());
}

void fMain::Form_MouseDown(Qt::MouseButton button, QPointF globalPress)
{
    Util::DragWindow(this, button, globalPress);
}

void fMain::lblLogo_MouseDown(int Button, int, double X, double Y)
{
    Util::DragWindow(this, MouseArgs::PressedButton(Button), m_lblLogo->mapToGlobal(QPointF(X, Y)));
}

void fMain::mousePressEvent(QMouseEvent* event)
{
    // Only presses on the bare background arrive here: every child keeps
    // its own.
    Form_MouseDown(event->button(), event->globalPosition());
}

// ---- layout ---------------------------------------------------------------------

void fMain::Form_Resize()
{
    // The pickers' shadows would fall only where their frames cover the
    // window, so none is drawn: the window stays one colour, painted without
    // a window-sized picture of it.
    std::array<QSizeF, 5> samples;
    for (std::size_t i = 0; i < 5; ++i)
        samples[i] = m_lblSample[i]->size();
    const MainLayout l = MainLayout::Compute(width(), m_lblLogo->size(), m_imBanner->size(), samples, m_lblSample[0]->y());
    // Half pixels go to the even neighbour, as every rounding here does.
    const auto place = [](QWidget* w, const QRectF& r) {
        using mCPUtils::RoundHalfEven;
        w->setGeometry(RoundHalfEven(r.x()), RoundHalfEven(r.y()), RoundHalfEven(r.width()), RoundHalfEven(r.height()));
    };
    place(m_lblLogo, l.lblLogo);
    place(m_imBanner, l.imBanner);
    for (std::size_t i = 0; i < 5; ++i)
        place(m_lblSample[i], l.lblSample[i]);
}

void fMain::resizeEvent(QResizeEvent*)
{
    Form_Resize();
}

void fMain::showEvent(QShowEvent*)
{
    Form_Resize();
}

void fMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize(); // restored
    QWidget::changeEvent(event);
}

void fMain::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(event->rect(), ToQColor(WindowBackColor));
}

// ---- screen capture --------------------------------------------------------------

void fMain::cmdScreen_Click(int Index)
{
    if (Index != 0 && Index != 1)
        return;
    CaptureForeground = Index == 0;
    StartScreenCapture();
}

void fMain::StartScreenCapture()
{
    m_capture->Start(CaptureForeground ? m_cpFore : m_cpBack, m_lbColor->cursor());
}

void fMain::ScreenCapture_finished(bool, OLE_COLOR, const QString& failure)
{
    if (!failure.isEmpty())
        platform().messages->exclamation(QStringLiteral("Tintaro"), failure);
    ReturnFromCapture();
}

void fMain::ReturnFromCapture()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        showNormal();
    show();
    raise();
    activateWindow();
}

// ---- closing ----------------------------------------------------------------------

bool fMain::focusNextPrevChild(bool next)
{
    // The window's own walk: Qt's chain of children follows the order in
    // which they were made, which is not the order they are read in.
    const QList<QWidget*> order = m_cpFore->tabOrder() + QList<QWidget*>{m_cmdScreen[0]} + m_cpBack->tabOrder()
        + QList<QWidget*>{m_cmdScreen[1], m_btnForm[0], m_btnForm[1], m_btnForm[2]};
    return MainKeys::FocusStep(order, next) || QWidget::focusNextPrevChild(next);
}

void fMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void fMain::SaveAtDisplayLoss()
{
    if (std::exchange(m_unloaded, true))
        return; // saved at unload already
    PickerSettings::Save(m_cpFore, m_cpBack);
}

void fMain::SaveSettings()
{
    if (PickerSettings::Save(m_cpFore, m_cpBack) || m_toldSaveFailed)
        return;
    // The old file is still whole; the user should know this run's colours
    // are not in it, once.
    m_toldSaveFailed = true;
    platform().messages->exclamation(QStringLiteral("Tintaro"), QStringLiteral("Your colours and favourites could not be saved in\r\n")
                                                                    + QDir::toNativeSeparators(mSetup::SavedPath())
                                                                    + QStringLiteral("\r\nThe file there was left as it was."));
}

void fMain::Form_Unload()
{
    if (m_unloaded)
        return; // one save, whichever way the window was closed
    m_unloaded = true;
    SaveSettings();

    // Every other window goes with this one, without events of its own.
    delete m_help;
    delete m_about;
    delete m_capture;
    platform().shell->quit();
}
