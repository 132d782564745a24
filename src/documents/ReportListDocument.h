#pragma once
#include <QDate>
#include <QString>
#include <optional>

namespace zt {

// The class's report list, made anew after every save of the school data, in the document that
// "Zeugnisliste aufrufen" opens; the previous list, which the teacher may have filled in, is kept
// as the copy of the day. Its path relative to the program folder, or nothing when it could not be
// written (reported).
std::optional<QString> MakeReportList(const QDate& today);

} // namespace zt
