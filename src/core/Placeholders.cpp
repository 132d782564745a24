#include "Placeholders.h"
#include <utility>
#include <vector>

namespace zt {

namespace {

using Replacement = std::pair<QLatin1String, QString>;

std::vector<Replacement> replacementsFor(PlaceholderSet set, const PlaceholderValues& v)
{
    const bool male = v.gender == QLatin1String("m");
    auto form = [male](const char* m, const char* f) { return QString::fromLatin1(male ? m : f); };
    if (set == PlaceholderSet::Reduced) {
        return {
            {QLatin1String("<sie/er>"), form("er", "sie")},
            {QLatin1String("<ihr/ihm>"), form("ihm", "ihr")},
            {QLatin1String("<ihr/sein>"), form("sein", "ihr")},
            {QLatin1String("<Er/Sie>"), form("Er", "Sie")},
            {QLatin1String("<Vorname>"), v.firstName},
            {QLatin1String("<in>"), form("", "in")},
        };
    }
    return {
        {QLatin1String("<sie/er>"), form("er", "sie")},
        {QLatin1String("<Er/Sie>"), form("Er", "Sie")},
        {QLatin1String("<ihr/ihm>"), form("ihm", "ihr")},
        {QLatin1String("<Ihm/Ihr>"), form("Ihm", "Ihr")},
        {QLatin1String("<ihr/sein>"), form("sein", "ihr")},
        {QLatin1String("<Sein/Ihr>"), form("Sein", "Ihr")},
        {QLatin1String("<Vorname>"), v.firstName},
        {QLatin1String("<in>"), form("", "in")},
        {QLatin1String("<Schuljahr>"), v.schoolYear},
        {QLatin1String("<Nextschj>"), v.nextSchoolYear},
        {QLatin1String("<Konferenz>"), v.conferenceDate},
    };
}

// Searching on behind the inserted value keeps a pass from replacing what it has just inserted
// (and from looping); the next pass finds a placeholder that a value holds or that a replacement
// forms with its neighbours.
bool replaceEvery(QString& text, QLatin1String placeholder, const QString& value)
{
    bool replaced = false;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(placeholder, from); at >= 0; at = text.indexOf(placeholder, from)) {
        text.replace(at, placeholder.size(), value);
        from = at + value.size();
        replaced = true;
    }
    return replaced;
}

int passesOf(PlaceholderSet set) { return set == PlaceholderSet::Reduced ? 3 : 10; }

} // namespace

QString SubstitutePlaceholders(const QString& text, PlaceholderSet set, const PlaceholderValues& values)
{
    QString result = text;
    const std::vector<Replacement> replacements = replacementsFor(set, values);
    for (int pass = 0; pass < passesOf(set); ++pass) {
        bool replaced = false;
        for (const auto& [placeholder, value] : replacements)
            replaced = replaceEvery(result, placeholder, value) || replaced;
        // A pass that finds nothing leaves nothing for the next one.
        if (!replaced)
            break;
    }

    // Every round that changes something shortens the text, so this ends.
    for (QString before; before != result;) {
        before = result;
        result.replace(QLatin1String(".."), QLatin1String("."));
        result.replace(QLatin1String("  "), QLatin1String(" "));
        result.replace(QLatin1String(" ."), QLatin1String("."));
    }
    return result;
}

} // namespace zt
