#pragma once
#include "DocumentBuilder.h"
#include "core/ClassData.h"

namespace zt {

// The school, and below the title the class, the school year and the half-year, as every list of
// the class begins.
void AddClassHeading(DocumentBuilder& document, const ClassData& data, const QString& title);

} // namespace zt
