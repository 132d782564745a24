#pragma once
#include "platform/Form.h"

namespace zt {

// A window whose content is not built yet: it opens under its name and caption and closes again.
class PendingWindow : public Form {
public:
    PendingWindow(const QString& name, const QString& caption);
};

} // namespace zt
