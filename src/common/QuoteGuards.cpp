#include "QuoteGuards.h"
#include "platform/Controls.h"
#include "platform/Services.h"

namespace zt {

namespace {
constexpr int Quote = 34;
constexpr int Apostrophe = 39;
} // namespace

void RefuseQuoteKey(int& key)
{
    if (key != Quote)
        return;
    key = Apostrophe;
    MsgBox(QStringLiteral("Doppelte Anführungszeichen werden zur Programmsteuerung benötigt. Nutzen Sie die "
                          "einfachen Anführungszeichen und diese bei Bedarf doppelt!"),
           vbExclamation, QStringLiteral("Hinweis"));
}

void ReplaceQuotesOnChange(TextBox& box)
{
    const QString text = box.text();
    if (!text.contains(QLatin1Char('"')))
        return;
    box.setText(WithoutQuotes(text));
    MsgBox(QStringLiteral("Anführungszeichen, die Sie einfügen wollen, werden zur Programmsteuerung benötigt. "
                          "Sie werden in einfache Zeichen umgewandelt. Benutzen Sie diese doppelt, wenn sie "
                          "unbedingt benötigt werden."),
           vbExclamation, QStringLiteral("Hinweis"));
}

} // namespace zt
