#pragma once

#include "app/ScreenCapture.h"
#include "colour/OleColor.h"

#include <QPointer>
#include <QWidget>
#include <array>

class MouseLabel;
class PairVerdict;
class PictureButton;
class QPushButton;
class Quor_Colorpicker;
class fAbout;
class fHelp;
class zelFrames;

// The program's window: the foreground and background pickers in their
// frames, the sample strip showing one colour on the other, and its own
// title area (banner, menu, minimise and close buttons). Loading reads the
// settings into the pickers; closing writes them back and ends the program.
class fMain : public QWidget {
    Q_OBJECT
public:
    explicit fMain(QWidget* parent = nullptr);
    ~fMain() override;

    // Which picker a screen capture fills: true the foreground one.
    static bool CaptureForeground;

    void Form_Load();
    // Copies both pickers into the settings record and saves it, telling the
    // user (once) when the file cannot be written. Closing runs it; so does
    // the session manager before a logout.
    void SaveSettings();
    // The save of unload without the window: the display has gone, so no
    // message can be shown; the process ends right after. Nothing when the
    // window has unloaded already.
    void SaveAtDisplayLoss();
    // Opens the help window, or brings it forward.
    void ShowQuickHelp();

    Quor_Colorpicker* cpFore() const { return m_cpFore; }
    Quor_Colorpicker* cpBack() const { return m_cpBack; }
    zelFrames* frForeground() const { return m_frForeground; }
    zelFrames* frBackground() const { return m_frBackground; }
    PictureButton* btnForm(int i) const { return m_btnForm[static_cast<std::size_t>(i)]; }
    QPushButton* cmdScreen(int i) const { return m_cmdScreen[static_cast<std::size_t>(i)]; }
    MouseLabel* lblSample(int i) const { return m_lblSample[static_cast<std::size_t>(i)]; }
    MouseLabel* imBanner() const { return m_imBanner; }
    MouseLabel* lblLogo() const { return m_lblLogo; }
    fHelp* helpWindow() const;
    fAbout* aboutWindow() const;
    fScreen* captureWindow() const { return m_capture ? m_capture->captureWindow() : nullptr; }
    PairVerdict* verdict() const { return m_verdict; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void cpFore_Colorchanged();
    void cpBack_Colorchanged();
    void paintSampleStrip();
    void btnForm_Click(int Index);
    void cmdScreen_Click(int Index);
    void imBanner_Click();
    void lblSample_Click(int Index);
    void Form_MouseDown(Qt::MouseButton button, QPointF globalPress);
    void lblLogo_MouseDown(int Button, int Shift, double X, double Y);
    void Form_Resize();
    void Form_Unload();
    void StartScreenCapture();
    void ScreenCapture_finished(bool taken, OLE_COLOR colour, const QString& failure);
    // Brings the window back after a screen capture, in front.
    void ReturnFromCapture();
    void showOwned(QWidget* window);
    void makeTitleArea(qreal dpr);
    void makePickers();
    void makeSampleStrip(qreal dpr);

    MouseLabel* m_imBanner;
    MouseLabel* m_lblLogo;
    std::array<PictureButton*, 3> m_btnForm{};
    zelFrames* m_frForeground;
    zelFrames* m_frBackground;
    Quor_Colorpicker* m_cpFore;
    Quor_Colorpicker* m_cpBack;
    std::array<QPushButton*, 2> m_cmdScreen{};
    std::array<MouseLabel*, 5> m_lblSample{};
    QWidget* m_lbColor;
    PairVerdict* m_verdict = nullptr;
    QPointer<fHelp> m_help;
    QPointer<fAbout> m_about;
    QPointer<ScreenCapture> m_capture;
    bool m_unloaded = false;
    bool m_toldSaveFailed = false;
};
