#include "sliders/RampStyleMenu.h"

namespace {

constexpr const char* MakeWebSafe = "Make Ramp Web Safe";
constexpr const char* ShowNonWebSafe = "Show non-Web Safe Ramp";

} // namespace

RampStyleMenu::RampStyleMenu()
    : m_items{{{QStringLiteral("RGB Spectrum")}, {QStringLiteral("Greyscale Ramp")}, {QStringLiteral("-")}, {QLatin1String(MakeWebSafe)}}}
{
}

int RampStyleMenu::Load(int rampStyle)
{
    // No picture or menu item stands for other values: take the spectrum.
    m_rampStyle = rampStyle < 0 || rampStyle > 3 ? 0 : rampStyle;
    m_items[static_cast<std::size_t>(m_rampStyle)].checked = true;
    return m_rampStyle;
}

void RampStyleMenu::Choose(int index, const std::function<void(int)>& show, const std::function<void()>& snapToWebSafe)
{
    const bool webSafe = WebSafe();
    if (index == 0) {
        show(webSafe ? 2 : 0);
        m_rampStyle = 0;
        m_items[1].checked = false;
        m_items[0].checked = true;
    } else if (index == 1) {
        show(webSafe ? 3 : 1);
        m_rampStyle = 1;
        m_items[0].checked = false;
        m_items[1].checked = true;
    } else if (index == 3) {
        if (m_rampStyle == 0) {
            show(webSafe ? 0 : 2);
            m_items[0].checked = true;
            m_items[1].checked = false;
        } else if (m_rampStyle == 1) {
            show(webSafe ? 1 : 3);
            m_items[0].checked = false;
            m_items[1].checked = true;
        }
        snapToWebSafe();
        m_items[3].checked = !m_items[3].checked;
    }
    m_items[3].caption = QLatin1String(WebSafe() ? ShowNonWebSafe : MakeWebSafe);
}
