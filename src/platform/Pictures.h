#pragma once
#include <QIcon>

namespace zt::Pictures {

// The pictures of the help and document buttons, made once: the style draws them anew on every
// request, and every window has a help button.
const QIcon& Help();
const QIcon& Document();

} // namespace zt::Pictures
