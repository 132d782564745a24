#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace zt {

// One file inside an OpenDocument package: "content.xml", "Pictures/logo.png".
struct PackageEntry {
    QString name;
    QByteArray data;
};

inline const QString OdfTextMediaType = QStringLiteral("application/vnd.oasis.opendocument.text");
inline const QString OdfTemplateMediaType = QStringLiteral("application/vnd.oasis.opendocument.text-template");

// The package as the format requires it: "mimetype" first and stored, then the manifest, then the
// entries in the order given, compressed. Every entry carries one fixed time, so that the same entries
// give the same bytes.
QByteArray odfPackage(const QString& mediaType, const QList<PackageEntry>& entries);

// Every entry of a package but "mimetype" and the manifest, in the order stored; nothing when the bytes
// are no readable zip file.
std::optional<QList<PackageEntry>> readOdfPackage(const QByteArray& bytes);

} // namespace zt
