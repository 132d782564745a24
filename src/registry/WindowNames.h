#pragma once
#include <QString>

namespace zt::WindowNames {
inline const QString Start = QStringLiteral("GsStart");
inline const QString Behaviour = QStringLiteral("GsArbeitsverhalten");
inline const QString Competences = QStringLiteral("Kompetenzen");
inline const QString SupportClubs = QStringLiteral("GSAGFI");
inline const QString Review = QStringLiteral("GsAnzeige");
inline const QString BehaviourEditor = QStringLiteral("GSAVSVÄnderung");
inline const QString Grade12Editor = QStringLiteral("GSÄnderung12");
inline const QString Grade34Editor = QStringLiteral("GSÄnderung34");
inline const QString MasterData = QStringLiteral("GsBasis");
inline const QString Insertion = QStringLiteral("Einfügungen");
inline const QString Lists = QStringLiteral("Listen");
} // namespace zt::WindowNames
