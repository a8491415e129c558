// Writes the example class file: fictional students with personal data and
// partly filled certificates and grade sheets, stored by the program's store.
#include "Session.h"
#include "datafile/StudentStore.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

using namespace krevol;

namespace {

struct Student
{
    const char *surname;
    const char *firstName;
    const char *gender;
    const char *birthDay;
    const char *birthYear;
    const char *town;
    const char *voivodeship;
    const char *pesel;
    const char *behaviour;
    const char *religion;
    bool classTwo; // the class II certificate is filled too
};

const Student kStudents[] = {
    {"Kowalska", "Zuzanna", "kobieta", "12 marca", "2008", "Łódź", "łódzkie", "08231204567",
     "Zachowanie wzorowe, uczennica koleżeńska\ni chętna do pomocy innym.", "bardzo dobry", true},
    {"Wiśniewski", "Jakub", "mężczyzna", "3 lipca", "2008", "Zgierz", "łódzkie", "08270309876",
     "Zachowanie dobre.", "dobry", true},
    {"Łukaszewicz", "Ola", "kobieta", "28 listopada", "2007", "Pabianice", "łódzkie", "07312805432",
     "Uczennica sumienna i punktualna.", "nie uczęszczała", false},
    {"Lis", "Michał", "mężczyzna", "5 stycznia", "2008", "Łódź", "łódzkie", "08210501234",
     "Zachowanie poprawne; uczeń wymaga przypominania\no obowiązkach.", "dostateczny", false},
    {"Zając", "Wiktoria", "kobieta", "17 maja", "2008", "Kutno", "łódzkie", "08251707654",
     "Zachowanie bardzo dobre.", "celujący", true},
    {"Nowak", "Szymon", "mężczyzna", "9 września", "2007", "Sieradz", "łódzkie", "07290911223",
     "Zachowanie dobre, uczeń aktywny na zajęciach.", "dobry", false},
    {"Dąbrowska", "Maja", "kobieta", "30 czerwca", "2008", "Piotrków Trybunalski", "łódzkie", "08263003344",
     "", "", false},
    {"Woźniak", "Filip", "mężczyzna", "14 lutego", "2008", "Łódź", "łódzkie", "08221405566",
     "Zachowanie poprawne.", "dopuszczający", false},
    {"Kamińska", "Natalia", "kobieta", "21 października", "2007", "Skierniewice", "łódzkie", "07302107788",
     "Zachowanie wzorowe.", "bardzo dobry", true},
    {"Górski", "Ignacy", "mężczyzna", "2 grudnia", "2007", "Radomsko", "łódzkie", "07320209900",
     "", "", false},
};

void setSchool(DocumentModel &certificate, bool completion)
{
    const struct { const char *item; const char *value; } school[] = {
        {"ZMIENNA_RokSzkolny1_STR1_DATA_EDIT", "2024"},
        {"ZMIENNA_RokSzkolny2_STR1_DATA_EDIT", "2025"},
        {"ZMIENNA_Klasa_STR1_DATA_EDIT", "I"},
        {"ZMIENNA_SzkolaZawodowa1_STR1_DATA_EDIT", "Zasadnicza Szkoła Zawodowa Przysposabiająca do Pracy"},
        {"ZMIENNA_SzkolaZawodowa2_STR1_DATA_EDIT", "w Zespole Szkół Specjalnych"},
        {"ZMIENNA_NrSzkoly_STR1_DATA_EDIT", "3"},
        {"ZMIENNA_ImieSzkoly1_STR1_DATA_EDIT", "Marii Grzegorzewskiej"},
        {"ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT", "Łodzi"},
        {"ZMIENNA_SzkolaWE_STR1_DATA_EDIT", ""},
        {"ZMIENNA_SzkolaWoj_STR1_DATA_EDIT", "łódzkie"},
        {"ZMIENNA_PromocjaKlasa_STR1_DATA_EDIT", "II"},
        {"ZMIENNA_Miejscowosc_STR1_DATA_EDIT", "Łódź"},
        {"ZMIENNA_MiejscowoscDnia_STR1_DATA_EDIT", "27 czerwca"},
        {"ZMIENNA_MiejscowoscRok_STR1_DATA_EDIT", "2025"},
        {"ZMIENNA_PromocjiE_STR1_DATA_EDIT", "ę"},
    };
    for (const auto &entry : school)
        certificate.setText(QString::fromUtf8(entry.item), QString::fromUtf8(entry.value));
    if (completion)
        certificate.setText(QStringLiteral("ZMIENNA_Klasa_STR1_DATA_EDIT"), QString());
}

void setResults(DocumentModel &certificate, const Student &s)
{
    certificate.setText(QStringLiteral("ZMIENNA_Zachowanie_STR2_DATA_MEMO"), QString::fromUtf8(s.behaviour));
    certificate.setText(QStringLiteral("ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX"), QString::fromUtf8(s.religion));
    if (!*s.behaviour)
        return;
    certificate.setText(QStringLiteral("ZMIENNA_FunkcjonowanieSpoleczne_STR2_DATA_MEMO"),
                        QStringLiteral("Samodzielnie wykonuje czynności samoobsługowe,\nchętnie współpracuje w grupie."));
    certificate.setText(QStringLiteral("ZMIENNA_WychowanieFizyczne_STR2_DATA_MEMO"),
                        QStringLiteral("Aktywnie uczestniczy w zajęciach ruchowych."));
    certificate.setText(QStringLiteral("ZMIENNA_PrzysposobienieDoPracy_STR2_DATA_MEMO"),
                        QStringLiteral("Wykonuje proste prace ogrodnicze i porządkowe.\nPrzestrzega zasad BHP.\n"
                                       "Dba o powierzone narzędzia."));
}

void setGradeSheet(Session &session, const Student &s)
{
    DocumentModel &page1 = session.document(5);
    page1.setText(QStringLiteral("ZMIENNA_NazwaSzkoly1_DATA_EDIT"), QStringLiteral("Zespół Szkół Specjalnych nr 3"));
    page1.setText(QStringLiteral("ZMIENNA_NazwaSzkoly2_DATA_EDIT"), QStringLiteral("ul. Szkolna 1"));
    page1.setText(QStringLiteral("ZMIENNA_NazwaSzkoly3_DATA_EDIT"), QStringLiteral("90-001 Łódź"));
    page1.setText(QStringLiteral("ZMIENNA_RokSzkolny1_DATA_EDIT"), QStringLiteral("2024"));
    page1.setText(QStringLiteral("ZMIENNA_RokSzkolny2_DATA_EDIT"), QStringLiteral("2025"));
    page1.setText(QStringLiteral("ZMIENNA_DoKlasyNaSemestr_DATA_EDIT"), QStringLiteral("pierwszej"));
    page1.setText(QStringLiteral("ZMIENNA_AdresZamieszkaniaUcznia_DATA_EDIT"),
                  QString::fromUtf8(s.town) + QStringLiteral(", ul. Kwiatowa 5"));
    page1.setDerivedItems();
    DocumentModel &page2 = session.document(6);
    page2.setText(QStringLiteral("ZMIENNA_Rok1_DATA_EDIT"), QStringLiteral("2024/2025"));
    page2.setText(QStringLiteral("ZMIENNA_Klasa1_DATA_EDIT"), QStringLiteral("pierwsza"));
    page2.setText(QStringLiteral("ZMIENNA_Zachowanie1_DATA_MEMO"), QString::fromUtf8(s.behaviour));
    page2.setText(QStringLiteral("ZMIENNA_ReligiaOcn1_DATA_COMBOBOX"), QString::fromUtf8(s.religion));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_example_class OUT.kbrp\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QFile::remove(out);
    Session session;
    session.setWorkingCopyPath(out);
    StudentStore store(session);
    for (const Student &s : kStudents) {
        session.clearForms(StudentStore::formLoadOrder());
        StudentModel &data = session.student();
        data.setText(student::kSurname, QString::fromUtf8(s.surname));
        data.setText(student::kFirstName, QString::fromUtf8(s.firstName));
        data.setText(student::kGender, QString::fromUtf8(s.gender));
        data.setText(student::kBirthDay, QString::fromUtf8(s.birthDay));
        data.setText(student::kBirthYear, QString::fromUtf8(s.birthYear));
        data.setText(student::kBirthTown, QString::fromUtf8(s.town));
        data.setText(student::kBirthVoivodeship, QString::fromUtf8(s.voivodeship));
        data.setText(student::kPesel, QString::fromUtf8(s.pesel));
        data.setText(student::kRegisterNumber, QString::number(&s - kStudents + 1));
        data.currentKey = data.composedKey();
        setSchool(session.document(0), false);
        setResults(session.document(0), s);
        if (s.classTwo) {
            setSchool(session.document(1), false);
            session.document(1).setText(QStringLiteral("ZMIENNA_Klasa_STR1_DATA_EDIT"), QStringLiteral("II"));
            session.document(1).setText(QStringLiteral("ZMIENNA_PromocjaKlasa_STR1_DATA_EDIT"), QStringLiteral("III"));
            setResults(session.document(1), s);
        }
        setGradeSheet(session, s);
        for (int d = 0; d < session.documentCount(); ++d)
            session.document(d).setDerivedItems();
        if (!store.bFunDopiszUcznia(data.currentKey))
            return 1;
    }
    std::printf("%s: %d students\n", qPrintable(out), int(std::size(kStudents)));
    return 0;
}
