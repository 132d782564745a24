#pragma once

namespace zt {

// Qt's own dialogs and standard buttons speak German, whatever language the machine is set to;
// false when Qt's German texts are not installed, and then they stay English.
bool loadGermanQtTexts();

} // namespace zt
