#include "EditorSkeleton.h"
#include "core/FileProblems.h"
#include "core/ProgramFolder.h"
#include "core/TextBlockFiles.h"
#include "platform/Colour.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include <optional>
#include <utility>
#include <vector>

namespace zt {

namespace {

const QString EditorPassword = QStringLiteral("Wolkenbruch");
const QString CrLf = QStringLiteral("\r\n");

QString inDaten(const QString& name) { return QStringLiteral("Daten\\") + name; }
} // namespace

TextBlockEditor::TextBlockEditor(const QString& name, EditorDesign design) : Form(name), design_(std::move(design)) {}

void TextBlockEditor::FillColourTable()
{
    const Colour layoutA[8] = {Colours::White,      Colours::LightGreen, Colours::PaleGreen, Colours::LightOrange,
                            Colours::LightRed,   Colours::Grey,       Colours::Red,       Colours::Yellow};
    for (int slot = 0; slot < 8; ++slot)
        ColourTable[slot] = QString::number(layoutA[slot].bgr());
}

Colour TextBlockEditor::TableColour(int slot) const { return ColourTable.at(slot).toInt(); }

bool TextBlockEditor::ConfirmEditStart()
{
    const int answer = MsgBox(QStringLiteral("Wenn Sie die Textbausteine ändern wollen, beachten Sie die Hinweise am Ende "
                                             "der Seite.")
                                  + CrLf + QStringLiteral(" Nutzen Sie für geschlechtsspezifische Einfügungen die Vorgaben!")
                                  + CrLf + QStringLiteral("Wollen Sie fortfahren ?"),
                              vbYesNo | vbExclamation | vbDefaultButton2);
    if (answer == vbYes)
        return true;
    WindowRegistry::instance().Unload(name());
    if (design_.refusedStartClosesInsertion)
        WindowRegistry::instance().Unload(WindowNames::Insertion);
    return false;
}

void TextBlockEditor::ConfirmOverwriteCurrent()
{
    OverwriteRefused = 0;
    if (MsgBox(design_.overwriteQuestion, vbYesNo | vbQuestion | vbDefaultButton2) == vbNo)
        OverwriteRefused = 1;
}

bool TextBlockEditor::AskSaveOnClose()
{
    if (design_.clearsClipboardOnLeaving)
        Clipboard::Clear();
    if (Saved != 0 || Loaded != 1)
        return false;
    return MsgBox(design_.unsavedQuestion, vbYesNo | vbQuestion | vbDefaultButton2) == vbYes;
}

bool TextBlockEditor::AskStandardOverwritePassword()
{
    const int answer = MsgBox(QStringLiteral("Die Standardformulierungen werden unwiederbringlich gelöscht und durch die "
                                             "aktuellen Formulierungen ersetzt. Wollen Sie das?"),
                              vbYesNoCancel | vbQuestion);
    if (answer != vbYes)
        return false;
    const QString typed = InputBox(QStringLiteral("Geben Sie das Passwort ein!"));
    if (typed == EditorPassword)
        return true;
    MsgBox(QStringLiteral("Das Passwort war falsch!"), vbCritical);
    return false;
}

void TextBlockEditor::OverwriteStandardBlocks()
{
    for (const QString& current : design_.currentFiles) {
        if (!Files::exists(inDaten(current))) {
            reportMissingFile(inDaten(current));
            return;
        }
    }
    // What each default held before, so that a failed copy can put the earlier ones back.
    std::vector<std::pair<QString, std::optional<QString>>> replaced;
    for (const QString& current : design_.currentFiles) {
        const QString from = inDaten(current);
        const QString to = inDaten(StandardFileName(current));
        std::optional<QString> before = Files::readText(to);
        if (Files::copy(from, to)) {
            replaced.emplace_back(to, std::move(before));
            continue;
        }
        reportCopyFailure(from, to);
        for (const auto& [target, old] : replaced) {
            if (old)
                Files::writeText(target, *old);
            else
                Files::remove(target);
        }
        return;
    }
}

void TextBlockEditor::UnloadEditor()
{
    WindowRegistry::instance().Unload(name());
    WindowRegistry::instance().Unload(WindowNames::Insertion);
}

} // namespace zt
