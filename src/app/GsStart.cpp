#include "GsStart.h"
#include "common/WordLauncher.h"
#include "core/ActiveForm.h"
#include "core/ProgramFolder.h"
#include "core/WordCommandLine.h"
#include "platform/Colour.h"
#include "platform/Pictures.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"

namespace zt {

namespace {
const QString FirstFrame = QStringLiteral("ZeugnKOPF.jpg");
const QString SecondFrame = QStringLiteral("ZeugnKOPF1.jpg");
const QString FallbackTeacherPhoto = QStringLiteral("Lehrwartel.jpg");
const QString AnimationTip = QStringLiteral("Klicken, um Turnstunde zu starten. Doppelklick: Ende");
const QString Hint = QStringLiteral("Hinweis");
const QString InfoCaptions[3] = {QStringLiteral("Klasse"), QStringLiteral("Schuljahr"), QStringLiteral("Halbjahr")};

// Windows that a main-menu entry unloads before it opens its own, in this order.
const QStringList UnloadedByWorkEntries = {
    WindowNames::Behaviour,     WindowNames::BehaviourEditor, WindowNames::Competences,
    WindowNames::Review,        WindowNames::SupportClubs,    WindowNames::Grade12Editor,
    WindowNames::Grade34Editor, WindowNames::MasterData,      WindowNames::Insertion};
const QStringList UnloadedByBehaviourEditor = {
    WindowNames::Behaviour,     WindowNames::Competences,     WindowNames::BehaviourEditor,
    WindowNames::Review,        WindowNames::SupportClubs,    WindowNames::Grade12Editor,
    WindowNames::Grade34Editor, WindowNames::MasterData,      WindowNames::Insertion};
const QStringList UnloadedByGradeEditor = {
    WindowNames::Behaviour, WindowNames::BehaviourEditor, WindowNames::Competences, WindowNames::Review,
    WindowNames::SupportClubs, WindowNames::MasterData, WindowNames::Insertion};
const QStringList UnloadedByMasterData = {
    WindowNames::Behaviour,     WindowNames::BehaviourEditor, WindowNames::Competences,
    WindowNames::Review,        WindowNames::SupportClubs,    WindowNames::Grade12Editor,
    WindowNames::Grade34Editor, WindowNames::Insertion};

std::array<std::optional<QByteArray>, 2> readClassSource()
{
    return {Files::readData(BaseDataFile), Files::readData(StudentsFile)};
}

void unloadAll(const QStringList& names)
{
    for (const QString& name : names)
        WindowRegistry::instance().Unload(name);
}

QStringList unloadedBy(int index)
{
    switch (index) {
    case BehaviourEntry:
    case CompetencesEntry:
    case SupportClubsEntry:
    case ReviewEntries:
        return UnloadedByWorkEntries;
    case BehaviourBlocksEditor:
        return UnloadedByBehaviourEditor;
    case GradeBlocksEditor:
        return UnloadedByGradeEditor;
    case MasterData:
        return UnloadedByMasterData;
    default:
        return WindowRegistry::instance().loadedNames();
    }
}
} // namespace

GsStart::GsStart() : Form(WindowNames::Start)
{
    setCaption(QStringLiteral("Startseite"));
    resize(12600, 7500);
    createControls();
}

void GsStart::createControls()
{
    struct Entry { QString caption; QString tip; Colour colour; };
    const Entry entries[8] = {
        {QStringLiteral("Arbeits- und Sozialverhalten erstellen"), QStringLiteral("Texte für jeden Schüler erstellen"), 0xFFFF00},
        {QStringLiteral("Interessen, Kompetenzen und Bemerkungen erstellen"), QStringLiteral("Texte für jeden Schüler erstellen "), 0x80FF80},
        {QStringLiteral("Förderteilnahme, AG, Interessen und Bemerkungen erstellen"), QStringLiteral("Texte für jeden Schüler erstellen"), 0x80FFFF},
        {QStringLiteral("Bisherige Texte auf Bildschirm oder Drucker ausgeben"), QStringLiteral("Bisher eingegebene Texte ansehen oder ausdrucken"), 0x80C0FF},
        {QStringLiteral("Textbausteine zum Arbeits- und Sozialverhalten ändern"), QStringLiteral("Textvorgaben selbst ändern und anpassen"), 0xFFFF00},
        {QString(), QStringLiteral("Textvorgaben selbst ändern und anpassen"), 0x80FF80},
        {QStringLiteral("Stammdaten prüfen und ggf. ändern"), QStringLiteral("Basisdaten des Gesamtprogrammes eingeben oder ändern"), 0x80C0FF},
        {QStringLiteral("Programm beenden"), QStringLiteral("Das Programm schließen"), 0x8080FF},
    };
    const int menuTops[8] = {2900, 3500, 4100, 4700, 2900, 3500, 4100, 5900};
    for (int i = 0; i < 8; ++i) {
        CommandButton& b = Command1.add(i, *this, entries[i].caption);
        b.setToolTip(entries[i].tip);
        b.setBackColor(entries[i].colour);
        b.move(240, menuTops[i], 6000, 500);
    }
    Command1.Click = [this](int i) { Command1_Click(i); };

    Command2.setCaption(QStringLiteral("Die Hilfsprogramme der Werkzeugkiste aufrufen"));
    Command2.setToolTip(QStringLiteral("Hilfsprogramme zur Änderung von Grundeinstellungen und Textbausteinen starten"));
    Command2.setBackColor(0xC0C0FF);
    Command2.move(240, 5300, 6000, 500);
    Command2.Click = [this] { Command2_Click(); };

    Command3.setCaption(QStringLiteral("zurück zum Start"));
    Command3.setToolTip(QStringLiteral("Hier geht es zurück zum Hauptmenü"));
    Command3.setBackColor(0x8080FF);
    Command3.move(Command1(3).left(), Command1(3).top(), Command1(3).width(), Command1(3).height());
    Command3.Click = [this] { Command3_Click(); };

    const QIcon& document = Pictures::Document();
    const QIcon& help = Pictures::Help();
    Command4.setCaption(QStringLiteral("Zeugnisse mit  WinWord®  schreiben"));
    Command4.setToolTip(QStringLiteral("Die Zeugnisse werden mit den bisherigen Eingaben erstellt"));
    Command4.setPicture(document);
    Command4.move(6600, 2900, 4800, 600);
    Command4.Click = [this] { Command4_Click(); };
    Command5.setCaption(QStringLiteral("Zeugnisliste aufrufen"));
    Command5.setToolTip(QStringLiteral("Liste ausdrucken oder in die Liste eintragen"));
    Command5.setPicture(document);
    Command5.move(6600, 3600, 4800, 600);
    Command5.Click = [this] { Command5_Click(); };
    Command6.setCaption(QStringLiteral("Erstellte Zeugnisse bearbeiten und drucken"));
    Command6.setToolTip(QStringLiteral("Zeugnisse zum Ändern oder Drucken aufrufen"));
    Command6.move(6600, 4300, 4800, 600);
    Command6.Click = [this] { Command6_Click(); };
    Command7.setCaption(QStringLiteral("Listen und Formulare erstellen und drucken"));
    Command7.setToolTip(QStringLiteral("Diverse Listen und Formulare erstellen und drucken"));
    Command7.move(6600, 5000, 4800, 600);
    Command7.Click = [this] { Command7_Click(); };
    Command8.setPicture(help);
    Command8.move(11760, 60, 600, 600);
    Command8.Click = [this] { Command8_Click(); };
    // Beside Command5, Command4, Command6 and Command7, in this order.
    const int helpTops[4] = {3650, 2950, 4350, 5050};
    for (int i = 0; i < 4; ++i) {
        CommandButton& b = Command9.add(i, *this);
        b.setPicture(help);
        b.move(11520, helpTops[i], 500, 500);
    }
    Command9.Click = [this](int i) { Command9_Click(i); };

    for (int i = 0; i < 3; ++i) {
        Label& l = Label1.add(i, *this, InfoCaptions[i]);
        l.move(2900, 760 + i * 420, 4300, 380);
        l.setFontBold(true);
        l.setFontSize(11);
    }
    Label2.setCaption(QStringLiteral("Was wollen Sie tun? Klicken Sie auf die zutreffende Taste!"));
    Label2.move(240, 2420, 9000, 400);
    Label2.setFontBold(true);
    Label3.setCaption(QStringLiteral("    WinWord® ist ein eingetragenes Waren- zeichen der Microsoft Corporation, Redmond"));
    Label3.move(240, 6700, 11000, 360);
    Label3.setFontSize(7);
    Label4.setCaption(QStringLiteral("Klassenleitung:"));
    Label4.move(7400, 760, 2600, 380);
    Label5.move(7400, 1180, 2600, 380);
    Label5.setFontBold(true);
    Label6.setCaption(QStringLiteral("Zeugnistexte für die Grundschule"));
    Label6.move(2900, 120, 8700, 500);
    Label6.setFontBold(true);
    Label6.setFontSize(14);

    Picture2.move(10200, 760, 1800, 1560);
    Picture1.move(240, 240, 2400, 1800);
    Picture1.setToolTip(AnimationTip);
    Picture1.Click = [this] { Picture1_Click(); };
    Picture1.DblClick = [this] { Picture1_DblClick(); };
    Timer1.setInterval(500);
    Timer1.setEnabled(false);
    Timer1.Tick = [this] { Timer1_Timer(); };
    // The built-in start picture until the first animation step.
    Picture1.loadPicture(Files::resolve(QStringLiteral("Bild\\") + FirstFrame));

    for (int i = 4; i <= 6; ++i)
        Command1(i).setVisible(false);
    Command3.setVisible(false);
}

void GsStart::Form_Load()
{
    currentFrame_ = FirstFrame;
    LoadStartData();
}

// The class, grade and half-year with all that shows them, from the files as they are now.
void GsStart::LoadStartData()
{
    classData_ = LoadClassData();
    ShowTeacherPhoto();
    const BaseDataRecord& baseData = classData_.BaseData;
    Label1(0).setCaption(InfoCaptions[0] + QLatin1Char(' ') + classData_.ClassName);
    Label1(1).setCaption(InfoCaptions[1] + QLatin1Char(' ') + baseData.SchoolYear);
    Label1(2).setCaption(baseData.HalfYear + QStringLiteral(". ") + InfoCaptions[2]);
    checkClassAndHalfYear();
    if (classData_.HalfYear != baseData.HalfYear) {
        classData_.BaseData.HalfYear = classData_.HalfYear;
        saveBaseData(classData_.BaseData);
    }
    Label5.setCaption(baseData.ClassTeacher);
    ShowGradeEntries();
    classSource_ = readClassSource();
}

// Another window may have changed the class or the school data: the captions, the entries and the
// documents' names follow the files at once.
void GsStart::TakeChangedStartData()
{
    if (readClassSource() != classSource_)
        LoadStartData();
}

void GsStart::Form_Activate() { TakeChangedStartData(); }

void GsStart::ShowGradeEntries()
{
    const int grade = classData_.Grade;
    // Without a valid grade only the entries that need none stay usable.
    Command1(1).setEnabled(grade == 1 || grade == 2);
    Command1(2).setEnabled(grade >= 3);
    Command1(5).setEnabled(grade != 0);
    if (grade >= 3)
        Command1(5).setCaption(QStringLiteral("Textbausteine für Förder und AG, Interessen und Bemerkungen ändern"));
    else if (grade >= 1)
        Command1(5).setCaption(QStringLiteral("Textbausteine für Interessen, Kompetenzen und Bemerkungen ändern"));
    else
        Command1(5).setCaption(QStringLiteral("Textbausteine für die Klassenstufe ändern"));
    Command5.setCaption(grade == 1 || grade == 2 ? QStringLiteral("Versäumnisliste aufrufen")
                                                 : QStringLiteral("Zeugnisliste aufrufen"));
}

void GsStart::checkClassAndHalfYear()
{
    if (classData_.Grade == 0)
        MsgBox(QStringLiteral("Die Klasse '%1' in der Datei Daten\\Namen.Txt beginnt nicht mit einer der Ziffern "
                              "1 bis 4. Bitte tragen Sie unter 'Stammdaten prüfen und ggf. ändern' die Klasse ein. "
                              "Bis dahin sind die Einträge gesperrt, die von der Klassenstufe abhängen.")
                   .arg(classData_.ClassName),
               vbExclamation, Hint);
    // A missing school record was told already; its empty half-year needs no second message.
    bool number = false;
    classData_.BaseData.HalfYear.trimmed().toInt(&number);
    if (classData_.BaseDataFound && !number)
        MsgBox(QStringLiteral("Das Halbjahr '%1' in der Datei Daten\\Basisdaten.txt ist keine Zahl. Bitte tragen "
                              "Sie unter 'Stammdaten prüfen und ggf. ändern' das Halbjahr 1 oder 2 ein.")
                   .arg(classData_.BaseData.HalfYear),
               vbExclamation, Hint);
}

// The documents are named from the class values: with one that no file name can hold, nothing is
// made or opened.
bool GsStart::ClassValuesUsable()
{
    const std::optional<QString> problem =
        classValueProblem(classData_.BaseData.SchoolYear, classData_.HalfYear, classData_.ClassName);
    if (!problem)
        return true;
    MsgBox(*problem + QStringLiteral(" Bis dahin werden keine Zeugnisse und Listen erstellt oder geöffnet."),
           vbOKOnly | vbExclamation, Hint);
    return false;
}

void GsStart::ShowTeacherPhoto()
{
    teacherPhotoName_ = classData_.BaseData.ClassTeacher + QStringLiteral(".jpg");
    if (!Picture2.loadPicture(Files::resolve(QStringLiteral("Bild\\") + teacherPhotoName_))
        && !Picture2.loadPicture(Files::resolve(QStringLiteral("Bild\\") + FallbackTeacherPhoto)))
        Picture2.clearPicture();
}

void GsStart::AnimateStep()
{
    if (!Picture1.loadPicture(Files::resolve(QStringLiteral("Bild\\") + currentFrame_)))
        Picture1.clearPicture();
    currentFrame_ = currentFrame_ == FirstFrame ? SecondFrame : FirstFrame;
}

void GsStart::Command1_Click(int index)
{
    // A window that keeps its unsaved input when asked stops the whole entry, the note of the
    // chosen entry included.
    if (!WindowRegistry::instance().QueryUnload(unloadedBy(index)))
        return;
    writeActiveForm(index);
    // A window asked may have saved the class just now; the grade chooses the grade editor.
    if (index != Quit)
        TakeChangedStartData();
    showWindowsOf(index);
}

void GsStart::showWindowsOf(int index)
{
    WindowRegistry& r = WindowRegistry::instance();
    switch (index) {
    case BehaviourEntry:
    case CompetencesEntry:
    case SupportClubsEntry: {
        const QString target[3] = {WindowNames::Behaviour, WindowNames::Competences, WindowNames::SupportClubs};
        unloadAll(UnloadedByWorkEntries);
        r.Show(target[index]);
        r.Load(WindowNames::Insertion);
        break;
    }
    case ReviewEntries:
        unloadAll(UnloadedByWorkEntries);
        r.Show(WindowNames::Review);
        break;
    case BehaviourBlocksEditor:
        unloadAll(UnloadedByBehaviourEditor);
        r.Show(WindowNames::BehaviourEditor);
        break;
    case GradeBlocksEditor:
        unloadAll(UnloadedByGradeEditor);
        r.Show(classData_.Grade < 3 ? WindowNames::Grade12Editor : WindowNames::Grade34Editor);
        r.Load(WindowNames::Insertion);
        break;
    case MasterData:
        unloadAll(UnloadedByMasterData);
        r.Show(WindowNames::MasterData);
        break;
    case Quit:
        r.Unload(WindowNames::Lists);
        r.Terminate();
        break;
    default:
        break;
    }
}

void GsStart::Command2_Click()
{
    for (Control* c : std::initializer_list<Control*>{&Command2, &Command4, &Command5, &Command6, &Command7, &Label3})
        c->setVisible(false);
    for (int i = 0; i <= 3; ++i)
        Command1(i).setVisible(false);
    for (int i = 4; i <= 6; ++i)
        Command1(i).setVisible(true);
    Command3.setVisible(true);
    for (int i = 0; i <= 3; ++i)
        Command9(i).setVisible(false);
    currentFrame_ = FirstFrame;
    for (int i = 0; i <= 2; ++i)
        Label1(i).setVisible(false);
    for (Control* c : std::initializer_list<Control*>{&Label2, &Label4, &Label5, &Picture2})
        c->setVisible(false);
    Picture1.setTop(400);
    Picture1.setToolTip(QString());
    Picture1.setEnabled(false);
    Timer1.setEnabled(false);
    AnimateStep();
}

void GsStart::Command3_Click()
{
    Command2.setVisible(true);
    for (int i = 0; i <= 3; ++i)
        Command1(i).setVisible(true);
    for (Control* c : std::initializer_list<Control*>{&Command4, &Command5, &Command6, &Command7, &Label3})
        c->setVisible(true);
    Command3.setVisible(false);
    for (int i = 4; i <= 6; ++i)
        Command1(i).setVisible(false);
    for (int i = 0; i <= 3; ++i)
        Command9(i).setVisible(true);
    currentFrame_ = FirstFrame;
    for (int i = 0; i <= 2; ++i)
        Label1(i).setVisible(true);
    for (Control* c : std::initializer_list<Control*>{&Label2, &Label4, &Label5, &Picture2})
        c->setVisible(true);
    Picture1.setTop(240);
    Picture1.setToolTip(AnimationTip);
    Picture1.setEnabled(true);
    AnimateStep();
    ShowTeacherPhoto();
}

void GsStart::Command4_Click()
{
    if (!ClassValuesUsable())
        return;
    const int answer = MsgBox(
        QStringLiteral("Die Zeugnisse werden mit dem Programm 'Word' neu erstellt. Eventuelle Änderungen die Sie "
                       "bereits in den endgültigen Zeugnissen vorgenommen haben, gehen damit verloren. Die "
                       "Eintragungen mit diesem Programm bleiben erhalten. Wollen Sie das?"),
        vbYesNo | vbQuestion);
    if (answer == vbNo)
        return;
    RunWordCommand(QStringLiteral("Winword.exe ZeugnisseSchreiben.doc /mZeugnisseSchreiben"));
}

void GsStart::Command5_Click()
{
    if (ClassValuesUsable())
        RunWordCommand(QStringLiteral("Winword.exe ")
                       + ClassReportListDocument(classData_.ClassName, classData_.Grade, classData_.HalfYear));
}

void GsStart::Command6_Click()
{
    if (!ClassValuesUsable())
        return;
    MsgBox(QStringLiteral("Vergessen Sie nicht, die Änderungen in Word zu speichern, bevor Sie Winword wieder "
                          "verlassen. Die Änderungen gehen sonst verloren !"),
           vbOKOnly);
    RunWordCommand(QStringLiteral("Winword.exe ")
                   + ClassReportsDocument(classData_.ClassName, classData_.Grade, classData_.HalfYear));
}

void GsStart::Command7_Click() { WindowRegistry::instance().Show(WindowNames::Lists); }

void GsStart::Command8_Click() { RunWordCommand(QStringLiteral("Winword.exe Texte\\Hilfe1.doc")); }

void GsStart::Command9_Click(int index)
{
    RunWordCommand(QStringLiteral("Winword.exe Texte\\Hilfe%1.doc").arg(10 + index));
}

void GsStart::Picture1_Click() { Timer1.setEnabled(true); }
void GsStart::Picture1_DblClick() { Timer1.setEnabled(false); }
void GsStart::Timer1_Timer() { AnimateStep(); }

// Closing the start page ends the program, as "Programm beenden" does.
void GsStart::LeaveByOwnButton() { Command1_Click(Quit); }

} // namespace zt
