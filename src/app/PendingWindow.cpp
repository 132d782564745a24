#include "PendingWindow.h"

namespace zt {

PendingWindow::PendingWindow(const QString& name, const QString& caption) : Form(name)
{
    setCaption(caption);
    resize(6000, 2000);
}

} // namespace zt
