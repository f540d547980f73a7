#include "app/mStartup.h"

#include "app/PlaceholderWindow.h"

namespace mStartup {

void Main()
{
    auto* window = new PlaceholderWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
}

} // namespace mStartup
