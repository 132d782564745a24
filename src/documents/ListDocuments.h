#pragma once
#include <QString>
#include <optional>

namespace zt {

inline const QString ClassListDocument = QStringLiteral("KlListe.odt");
inline const QString TallyListDocument = QStringLiteral("StListe.odt");
inline const QString PhotoListDocument = QStringLiteral("BldListe.odt");

// Each list is made from the data files as they are now; the relative path of the document, or
// nothing when it could not be written (reported).
std::optional<QString> MakeClassList();
// One A4 page for a class of 33.
std::optional<QString> MakeTallyList();
std::optional<QString> MakePhotoList();

} // namespace zt
