#include "app/mStartup.h"

#include "app/fMain.h"

namespace mStartup {

void Main()
{
    auto* window = new fMain;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
}

} // namespace mStartup
