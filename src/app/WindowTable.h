#pragma once

namespace zt {

// Makes every window of the program known to the registry under its name.
void registerWindows();

} // namespace zt
