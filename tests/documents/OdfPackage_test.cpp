#include "documents/OdfPackage.h"
#include <gtest/gtest.h>

namespace zt {

namespace {
const QList<PackageEntry> Parts = {{QStringLiteral("content.xml"), QByteArray("<a>Zeugnis für Łukasz</a>")},
                                   {QStringLiteral("Pictures/logo.png"), QByteArray(300, 'x')}};
} // namespace

TEST(OdfPackageTest, TheMimetypeComesFirstStoredAtItsFixedPlace)
{
    const QByteArray bytes = odfPackage(OdfTextMediaType, Parts);
    // A local header of 30 bytes, the name, then the media type as it stands: what the format's
    // readers look for at offset 38.
    ASSERT_GT(bytes.size(), 100);
    EXPECT_EQ(bytes.left(4), QByteArray("PK\x03\x04"));
    EXPECT_EQ(bytes.mid(8, 2), QByteArray(2, '\0')) << "stored, not compressed";
    EXPECT_EQ(bytes.mid(28, 2), QByteArray(2, '\0')) << "no extra field";
    EXPECT_EQ(bytes.mid(30, 8), QByteArray("mimetype"));
    EXPECT_EQ(bytes.mid(38, OdfTextMediaType.size()), OdfTextMediaType.toLatin1());
}

TEST(OdfPackageTest, TheSameEntriesGiveTheSameBytesAndReadBackWhole)
{
    const QByteArray first = odfPackage(OdfTextMediaType, Parts);
    EXPECT_EQ(first, odfPackage(OdfTextMediaType, Parts));
    const std::optional<QList<PackageEntry>> read = readOdfPackage(first);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 2);
    EXPECT_EQ((*read)[0].name, Parts[0].name);
    EXPECT_EQ((*read)[0].data, Parts[0].data);
    EXPECT_EQ((*read)[1].data, Parts[1].data);
}

TEST(OdfPackageTest, BytesThatAreNoPackageReadAsNothing)
{
    EXPECT_FALSE(readOdfPackage(QByteArray("no zip at all")));
    EXPECT_FALSE(readOdfPackage(odfPackage(OdfTextMediaType, Parts).left(60)));
}

} // namespace zt
