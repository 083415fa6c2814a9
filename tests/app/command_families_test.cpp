// The four command families of every form from end to end, one row per form
// and family: the main window's action, its choosing dialog, the editor or
// the print dialog it opens (class and caption, in order), what the editor
// shows and what lands in the record file at the account's record.
#include "desktop/app/command_families.h"
#include "command_script.h"
#include "desktop/widgets/record_text.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "register/record_files.h"

#include <QLineEdit>
#include <QtTest>

#include <filesystem>
#include <optional>

namespace {

struct Stored {
    Field field;
    QString text;
};

struct FamilyCase {
    const char* name;
    const char* action;
    Family family;
    int kind;               // the record file
    std::uint8_t formType;  // stored in a NIP record; 0 in the other kinds
    const char* account;    // typed into the choosing dialog; "nowy": empty for the first free account
    int recordNo;           // the record the command works on
    std::vector<Stored> stored; // in the record before the command; kept by the editor's saving
    Field nameField;        // its box is read in the editor and, unless `typed` is empty, retyped
    QString typed;
    // What opened, in order (from a ledger: its beginning, a name follows).
    // An editor followed by the print dialog was left by "Drukuj i zapisz".
    QString seen;
    FormKind printKind = FormKind::Nip1; // of the print dialog, if one opened
    void (*alsoStored)(ConstBytes record) = nullptr;
};

// Account 18 of the sample ledger is a partnership of two.
void bringsItsTwoPartners(ConstBytes rec)
{
    for (std::uint32_t k = 0; k < 3; ++k)
        QCOMPARE(getU8(rec, nip::partners.item(k) / partner_entry::reason), std::uint8_t(k < 2 ? 3 : 0));
    QVERIFY(!getStr(rec, nip::partners.item(1) / partner_entry::name).empty());
    QCOMPARE(getU8(rec, nip::attach_d_count), std::uint8_t(1));
}

const QString kNipBCaption = "Tpdlg_nipb NIP-B     INFORMACJA O RACHUNKACH BANKOWYCH"; // kept in "nowy" and "aktualizacja"
const QString kLongSurname(30, 'S');

using F = Family;
const FamilyCase kCases[] = {
    {"NIP-1 z PKPiR keeps a stored NIP-1", "a_pkpir", F::FromLedger, KindRejfor, 1, "12", 12,
     {{nip::family_name, "RODOWE"}}, nip::surname, {},
     "Tf_szuk_pod Zgłoszenie NIP-1 na podstawie danych z systemu PKPiR | Tpdlg_nip1 NIP-1    012 "},
    {"NIP-2 z PKPiR brings its partners", "a_pkpir2", F::FromLedger, KindRejfor, 2, "18", 18, {}, nip::full_name, {},
     "Tf_szuk_pod Zgłoszenie NIP-2 na podstawie danych z systemu PKPiR | Tpdlg_nip2 NIP-2    018 ", {},
     bringsItsTwoPartners},
    {"NIP-B z PKPiR", "a_nipbkp", F::FromLedger, KindNipb, 0, "16", 16, {}, nipb::name, {},
     "Tf_szuk_pod Informacja NIP-B na podstawie danych z systemu PKPiR | Tpdlg_nipb NIP-B    016 "},
    {"VAT-R z PKPiR", "a_vatrpkp", F::FromLedger, KindVatr, 0, "12", 12, {}, vatr::name, {},
     "Tf_szuk_pod Zgłoszenie VAT-R na podstawie danych z systemu PKPiR | Tpdlg_vatr VAT-R    012 "},

    {"NIP-1 nowy", "a_nowy", F::NewRecord, KindRejfor, 1, "", 1, {}, nip::surname, "KOWALSKI",
     "Tf_nowy_nip Zgłoszenie NIP-1 | Tpdlg_nip1 NIP-1    001 nowe zgłoszenie"},
    {"NIP-2 nowy, printed", "a_nowy2", F::NewRecord, KindRejfor, 2, "", 1, {}, nip::full_name, "SPÓŁKA JAWNA",
     "Tf_nowy_nip Zgłoszenie NIP-2 | Tpdlg_nip2 NIP-2    001 nowe zgłoszenie | Tf_wydr Wydruk formularza NIP-2",
     FormKind::Nip2},
    {"NIP-3 nowy", "a_nip3n", F::NewRecord, KindRejfor, 3, "", 1, {}, nip::surname, "NOWAK",
     "Tf_nowy_nip Zgłoszenie NIP-3 | Tpdlg_nip3 NIP-3    001 nowe zgłoszenie"},
    {"NIP-B nowy keeps its own caption", "a_nipbn", F::NewRecord, KindNipb, 0, "", 1, {}, nipb::name, "PIEKARNIA",
     "Tf_nowy_nip Informacja NIP-B | " + kNipBCaption},
    {"VAT-R nowy", "a_vatrn", F::NewRecord, KindVatr, 0, "", 1, {}, vatr::name, "HURTOWNIA",
     "Tf_nowy_nip Zgłoszenie VAT-R | Tpdlg_vatr VAT-R    001 nowe zgłoszenie"},
    {"VAT-Z nowy", "a_vatzn", F::NewRecord, KindVatz, 0, "", 1, {}, vatz::name, "NOWAK ADAM",
     "Tf_nowy_nip Zgłoszeenie VAT-Z | Tpdlg_vatz VAT-Z    001 nowe zgłoszenie"},
    {"VAT-21 nowy past the end of the file grows it", "a_vat21n", F::NewRecord, KindVat21, 0, "7", 7, {},
     vat21::name, "PIEKARNIA", "Tf_nowy_nip Zawiadomienie VAT-21 | Tpdlg_vat21 VAT-21    007 nowe zawiadomienie"},

    {"NIP-1 aktualizacja names the full name", "a_aktualiz", F::Update, KindRejfor, 1, "2", 2,
     {{nip::full_name, "PIEKARNIA POD LIPĄ"}, {nip::surname, "KOWAL"}}, nip::surname, "KOWALSKI",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-1 | Tpdlg_nip1 NIP-1    002 PIEKARNIA POD LIPĄ"},
    {"NIP-2 aktualizacja", "a_aktualiz2", F::Update, KindRejfor, 2, "2", 2,
     {{nip::full_name, "PIEKARNIA SP. J."}, {nip::short_name, "PIEKARNIA"}}, nip::full_name, "PIEKARNIA SP. K.",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-2 | Tpdlg_nip2 NIP-2    002 PIEKARNIA SP. J."},
    {"NIP-3 aktualizacja cuts the name to forty", "a_nip3a", F::Update, KindRejfor, 3, "2", 2,
     {{nip::surname, kLongSurname}, {nip::first_name, "JANINA MARIA"}, {nip::nip3_agent_name, "POŚREDNIK"}},
     nip::first_name, "JANINA",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-3 | Tpdlg_nip3 NIP-3    002 " + kLongSurname + " JANINA MA"},
    {"NIP-B aktualizacja keeps its own caption", "a_nipba", F::Update, KindNipb, 0, "2", 2,
     {{nipb::name, "NOWAK"}}, nipb::name, "KOWALSKI",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-B | " + kNipBCaption},
    {"VAT-R aktualizacja, printed", "Aa_vatra", F::Update, KindVatr, 0, "2", 2, {{vatr::name, "HURTOWNIA ŁĄKA"}},
     vatr::name, "HURTOWNIA ŁĄKA SP. Z O.O.",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia VAT-R | Tpdlg_vatr VAT-R    002 HURTOWNIA ŁĄKA | "
     "Tf_wydr Wydruk formularza VAT-R",
     FormKind::VatR},
    {"VAT-Z aktualizacja, printed", "a_vatza", F::Update, KindVatz, 0, "2", 2, {{vatz::name, "KOWALSKI JAN ŁUKASZ"}},
     vatz::name, "NOWAK ADAM",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia VAT-Z | Tpdlg_vatz VAT-Z    002 KOWALSKI JAN ŁUKASZ | "
     "Tf_wydr Wydruk formularza VAT-Z",
     FormKind::VatZ},
    {"VAT-21 aktualizacja, printed", "a_vat21a", F::Update, KindVat21, 0, "2", 2,
     {{vat21::name, "KOWALSKI JAN ŁUKASZ"}}, vat21::name, "NOWAK ADAM",
     "Tf_szuk_nip Aktualizacja danych zawiadomienia VAT-21 | Tpdlg_vat21 VAT-21    002 KOWALSKI JAN ŁUKASZ | "
     "Tf_wydr Wydruk formularza VAT-21",
     FormKind::Vat21},

    {"NIP-1 wydruk without a full name", "a_wydr1", F::Print, KindRejfor, 1, "2", 2,
     {{nip::surname, "KOWAL"}, {nip::first_name, "JAN"}}, {}, {},
     "Tf_szuk_nip Wydruk zgłoszenia NIP-1 | Tf_wydr 002 KOWAL JAN Wydruk formularza NIP-1", FormKind::Nip1},
    {"NIP-2 wydruk", "a_wydr2", F::Print, KindRejfor, 2, "2", 2,
     {{nip::full_name, "PIEKARNIA SP. J."}, {nip::surname, "KOWAL"}}, {}, {},
     "Tf_szuk_nip Wydruk zgłoszenia NIP-2 | Tf_wydr 002 PIEKARNIA SP. J. Wydruk formularza NIP-2", FormKind::Nip2},
    {"NIP-3 wydruk", "a_nip3w", F::Print, KindRejfor, 3, "2", 2,
     {{nip::full_name, "PIEKARNIA"}, {nip::surname, "KOWAL"}, {nip::first_name, "JAN"}}, {}, {},
     "Tf_szuk_nip Wydruk zgłoszenia NIP-3 | Tf_wydr 002 KOWAL JAN Wydruk formularza NIP-3", FormKind::Nip3},
    {"NIP-B wydruk", "a_nipbw", F::Print, KindNipb, 0, "2", 2, {{nipb::name, "NOWAK"}, {nipb::first_name, "ADAM"}},
     {}, {}, "Tf_szuk_nip Wydruk informacji NIP-B | Tf_wydr 002 NOWAK ADAM Wydruk formularza NIP-B",
     FormKind::NipB},
    {"VAT-R wydruk", "a_vatrw", F::Print, KindVatr, 0, "2", 2, {{vatr::name, "HURTOWNIA"}}, {}, {},
     "Tf_szuk_nip Wydruk zgłoszenia VAT-R | Tf_wydr Wydruk formularza VAT-R", FormKind::VatR},
    {"VAT-Z wydruk", "a_vatzw", F::Print, KindVatz, 0, "2", 2, {{vatz::name, "NOWAK"}}, {}, {},
     "Tf_szuk_nip Wydruk zgłoszenia VAT-Z | Tf_wydr Wydruk formularza VAT-Z", FormKind::VatZ},
    {"VAT-21 wydruk", "a_vat21w", F::Print, KindVat21, 0, "2", 2, {{vat21::name, "NOWAK"}}, {}, {},
     "Tf_szuk_nip Wydruk zawiadomienia VAT-21 | Tf_wydr Wydruk formularza VAT-21", FormKind::Vat21},
};

std::string accountText(int n) { return QString("%1").arg(n, 3, 10, QChar('0')).toStdString(); }

std::vector<unsigned char> storedRecord(int kind, int n)
{
    const auto size = static_cast<std::ptrdiff_t>(kindAt(kind).recordSize);
    const auto bytes = fileBytes(dataFileName(std::string(kindAt(kind).baseName)));
    if (std::ssize(bytes) < (n + 1) * size)
        return {};
    return {bytes.begin() + n * size, bytes.begin() + (n + 1) * size};
}

// The box of the editor that shows `field`.
QLineEdit* boxFor(EditorDialog& editor, const Field& field)
{
    for (const Binding& b : editor.bindings())
        if (b.field.offset == field.offset)
            return qobject_cast<QLineEdit*>(b.control);
    return nullptr;
}

// The editor's opening mode in each family that opens one, in the order of Family.
constexpr int kModes[] = {EditorDialog::FromLedger, EditorDialog::NewRecord, EditorDialog::Update};

} // namespace

class CommandFamiliesTest : public QObject {
    Q_OBJECT
    std::optional<MainWindowFixture> fx;

private slots:
    void init() { fx.emplace(); }
    void cleanup() { fx.reset(); }

    void everyFormsCommandRunsItsFamily_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < std::size(kCases); ++i)
            QTest::newRow(kCases[i].name) << static_cast<int>(i);
    }
    void everyFormsCommandRunsItsFamily()
    {
        QFETCH(int, row);
        const FamilyCase& c = kCases[row];
        CommandScript& script = fx->script;
        if (!c.stored.empty()) {
            RecordFileBuilder file(c.kind, 4);
            Bytes rec = file.inUse(c.recordNo, accountText(c.recordNo), c.formType);
            for (const Stored& s : c.stored)
                setStr(rec, s.field, toRecordText(s.text));
            if (c.formType != 0) // another form of the register under account 3
                file.inUse(3, "003", static_cast<std::uint8_t>(c.formType % 3 + 1));
            file.save();
        }
        if (c.family == Family::Update && c.formType != 0) {
            script.account = "3";
            fx->run(c.action);
            QCOMPARE(fx->env.messages.texts(), std::vector<std::string>{"Brak konta"});
            QCOMPARE(script.seen(), c.seen.section(" | ", 0, 0));
            script.opened.clear();
        }

        script.account = c.account;
        const bool printAfterSaving = c.family != Family::Print && c.seen.contains("| Tf_wydr");
        QLineEdit* box = nullptr;
        QString shown;
        script.editorAction = [&](EditorDialog& editor) {
            if (!(box = boxFor(editor, c.nameField)))
                return;
            shown = box->text();
            if (!c.typed.isEmpty())
                box->setText(c.typed);
            printAfterSaving ? editor.kl_drukClick() : editor.kl_okClick();
        };
        fx->run(c.action);
        if (c.family == Family::FromLedger)
            QVERIFY2(script.seen().startsWith(c.seen) && script.seen().size() > c.seen.size(), qPrintable(script.seen()));
        else
            QCOMPARE(script.seen(), c.seen);
        if (c.seen.contains("Tf_wydr"))
            QCOMPARE(script.printKind, c.printKind);
        if (c.family == Family::Print)
            return;

        QCOMPARE(script.editorMode, kModes[static_cast<int>(c.family)]);
        QVERIFY2(box, "no box shows the name field");
        if (c.family != Family::Update) // a new record shows no name, one from the ledger the taxpayer's
            QCOMPARE(shown.isEmpty(), c.family == Family::NewRecord);
        const auto rec = storedRecord(c.kind, c.recordNo);
        QCOMPARE(rec.size(), std::size_t(kindAt(c.kind).recordSize));
        QCOMPARE(getStr(rec, nip::account_no), accountText(c.recordNo));
        if (c.formType != 0)
            QCOMPARE(getU8(rec, nip::form_type), c.formType);
        QCOMPARE(fromRecordText(getStr(rec, c.nameField)), c.typed.isEmpty() ? shown : c.typed);
        for (const Stored& s : c.stored) // the editor showed the stored record and kept it
            QCOMPARE(s.field.offset == c.nameField.offset ? shown : fromRecordText(getStr(rec, s.field)), s.text);
        if (c.alsoStored)
            c.alsoStored(rec);
    }

    void aFailingRecordFileEndsTheCommandWithTheErrorBox()
    {
        std::filesystem::remove("REJFOR.Rdx");
        std::filesystem::create_directory("REJFOR.Rdx"); // cannot be opened as a file
        fx->script.account = "3";
        fx->run("a_pkpir");
        QCOMPARE(fx->script.seen(), QString("Tf_szuk_pod Zgłoszenie NIP-1 na podstawie danych z systemu PKPiR"));
        QCOMPARE(fx->env.messages.shown.size(), std::size_t(1));
        QCOMPARE(fx->env.messages.shown[0].kind, std::string("error"));
    }
};

QTEST_MAIN(CommandFamiliesTest)
#include "command_families_test.moc"
