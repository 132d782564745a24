#pragma once

namespace zt {

// Makes every file problem that the readers and writers meet a German message box naming the file.
void installFileMessages();

} // namespace zt
