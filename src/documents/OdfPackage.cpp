#include "OdfPackage.h"
#include <QBuffer>
#include <QXmlStreamWriter>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace zt {

namespace {
const QString MimetypeEntry = QStringLiteral("mimetype");
const QString ManifestEntry = QStringLiteral("META-INF/manifest.xml");

QString mediaTypeOf(const QString& name)
{
    if (name.endsWith(QLatin1String(".xml")))
        return QStringLiteral("text/xml");
    if (name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return QStringLiteral("image/png");
    if (name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) || name.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive))
        return QStringLiteral("image/jpeg");
    if (name.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return QStringLiteral("image/svg+xml");
    return QStringLiteral("application/octet-stream");
}

QByteArray manifest(const QString& mediaType, const QList<PackageEntry>& entries)
{
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    const QString ns = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
    w.writeStartDocument();
    w.writeNamespace(ns, QStringLiteral("manifest"));
    w.writeStartElement(ns, QStringLiteral("manifest"));
    w.writeAttribute(ns, QStringLiteral("version"), QStringLiteral("1.3"));
    auto entry = [&](const QString& path, const QString& type) {
        w.writeEmptyElement(ns, QStringLiteral("file-entry"));
        w.writeAttribute(ns, QStringLiteral("full-path"), path);
        w.writeAttribute(ns, QStringLiteral("media-type"), type);
    };
    entry(QStringLiteral("/"), mediaType);
    for (const PackageEntry& e : entries)
        entry(e.name, mediaTypeOf(e.name));
    w.writeEndElement();
    w.writeEndDocument();
    return xml;
}

bool addEntry(QuaZip& zip, const QString& name, const QByteArray& data, bool stored)
{
    QuaZipNewInfo info(name);
    // A fixed time: the same document gives the same bytes.
    info.dateTime = QDateTime(QDate(1980, 1, 1), QTime(0, 0));
    info.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, stored ? 0 : Z_DEFLATED, stored ? 0 : Z_DEFAULT_COMPRESSION))
        return false;
    const bool written = file.write(data) == data.size();
    file.close();
    return written && file.getZipError() == UNZ_OK;
}
} // namespace

QByteArray odfPackage(const QString& mediaType, const QList<PackageEntry>& entries)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    {
        QuaZip zip(&buffer);
        // The "mimetype" entry must begin at a fixed offset, without a descriptor after it.
        zip.setDataDescriptorWritingEnabled(false);
        zip.setUtf8Enabled(true);
        if (!zip.open(QuaZip::mdCreate))
            return QByteArray();
        bool ok = addEntry(zip, MimetypeEntry, mediaType.toUtf8(), true);
        ok = ok && addEntry(zip, ManifestEntry, manifest(mediaType, entries), false);
        for (const PackageEntry& e : entries)
            ok = ok && addEntry(zip, e.name, e.data, false);
        zip.close();
        if (!ok || zip.getZipError() != UNZ_OK)
            return QByteArray();
    }
    return buffer.data();
}

std::optional<QList<PackageEntry>> readOdfPackage(const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip))
        return std::nullopt;
    QList<PackageEntry> entries;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString name = zip.getCurrentFileName();
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        const QByteArray data = file.readAll();
        file.close();
        if (file.getZipError() != UNZ_OK)
            return std::nullopt;
        if (name != MimetypeEntry && name != ManifestEntry)
            entries.append({name, data});
    }
    if (zip.getZipError() != UNZ_OK)
        return std::nullopt;
    return entries;
}

} // namespace zt
