#pragma once
#include "masterdata/GsBasis.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"
#include <QDir>
#include <map>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zt::test {

inline const QString EditQuestion = QStringLiteral("Wenn Sie Änderungen an den Schülerdaten vornehmen");
inline const QString SchoolQuestion = QStringLiteral("Wenn Sie Änderungen an den Schuldaten vornehmen");
inline const QString LeaveQuestion = QStringLiteral("Sie haben Änderungen eventuell noch nicht gespeichert");
inline const QString WriteFailed = QStringLiteral("konnte nicht gespeichert werden");
inline const QString ListMacro = QStringLiteral("Winword.exe ZeugnislisteNeu.doc /mZeugnislisteNeu");

// The master-data window on the shipped folder, cut to the first five pupils of class 3a, Becker Lea
// to Hoffmann Mia, and the first five clubs.
class GsBasisTest : public TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
        writeFile(QStringLiteral("Daten/Namen.Txt"),
                  QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"w\",\"05.03.2018\",\"Chor\",\"Tanz-AG\",\"\",\"\",\"Musterstadt\"\r\n"
                                 "2,\"3a\",\"Yilmaz\",\"Emir\",\"m\",\"14.11.2017\",\"Fußball-AG\",\"\",\"\",\"\",\"Dortmund\"\r\n"
                                 "3,\"3a\",\"Schmidt\",\"Jonas\",\"m\",\"22.07.2018\",\"\",\"\",\"\",\"\",\"Musterstadt\"\r\n"
                                 "4,\"3a\",\"Nowak\",\"Zofia\",\"w\",\"09.01.2018\",\"Kunst-AG\",\"\",\"\",\"\",\"Breslau\"\r\n"
                                 "5,\"3a\",\"Hoffmann\",\"Mia\",\"w\",\"30.09.2017\",\"\",\"\",\"\",\"\",\"Essen\"\r\n"));
        writeFile(QStringLiteral("Daten/AGListe.txt"),
                  QStringLiteral("\"Chor\"\r\n\"Fußball-AG\"\r\n\"Schach-AG\"\r\n\"Theater-AG\"\r\n\"Kunst-AG\"\r\n"));
    }

    GsBasis& open() { return *static_cast<GsBasis*>(registry.Show(WindowNames::MasterData)); }

    GsBasis& openForEditing()
    {
        GsBasis& w = open();
        messages->expect(EditQuestion, vbYes);
        User::click(w.Command5);
        return w;
    }

    // A class of pupils Name1 Kind1, Name2 Kind2, ...
    void writeClass(const QString& className, int count)
    {
        QString names;
        for (int n = 1; n <= count; ++n)
            names += QStringLiteral("%1,\"%2\",\"Name%1\",\"Kind%1\",\"w\",\"01.02.2018\",\"\",\"\",\"\",\"\",\"Ort\"\r\n")
                         .arg(n)
                         .arg(className);
        writeFile(QStringLiteral("Daten/Namen.Txt"), names);
    }

    // Types at the end of the box's text.
    static void append(TextBox& box, const QString& text)
    {
        User::focus(box);
        box.setSelection(box.text().size(), 0);
        User::typeText(box, text);
    }

    // Every file of Daten and Daten\Sicherheit with its bytes.
    std::map<QString, QByteArray> dataFiles() const
    {
        std::map<QString, QByteArray> files;
        for (const QString& folder : {QStringLiteral("Daten"), QStringLiteral("Daten/Sicherheit")})
            for (const QString& name : QDir(path(folder)).entryList(QDir::Files | QDir::Hidden))
                files[folder + QLatin1Char('/') + name] = readBytes(folder + QLatin1Char('/') + name);
        return files;
    }

    // The six stores hold one record per key ("1,\"3a\",\"Becker\",\"Lea\"") with empty values.
    void expectEmptyStores(const QStringList& keys)
    {
        const std::pair<const char*, QString> stores[] = {
            {"AVSVspeicher", QStringLiteral("\"\",\"\"")},
            {"AVSVWahl", QStringLiteral("0,0,0,0,0,0,0,0,0,0,0,0,0,0,0")},
            {"12Speicher", QStringLiteral("\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"")},
            {"12Sperre", QStringLiteral("0,0,0,0,0,0,0,0")},
            {"34Speicher", QStringLiteral("\"\",\"\",\"\"")},
            {"34Sperre", QStringLiteral("0,0,0")},
        };
        for (const auto& [stem, values] : stores) {
            QString expected;
            for (const QString& key : keys)
                expected += key + QLatin1Char(',') + values + QStringLiteral("\r\n");
            EXPECT_EQ(readFile(QStringLiteral("Daten/%1.txt").arg(QLatin1String(stem))), expected) << stem;
        }
    }

    WindowRegistry& registry = WindowRegistry::instance();
};

} // namespace zt::test
