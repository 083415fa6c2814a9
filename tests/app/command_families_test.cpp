// The four command families of every form from end to end, each command by its
// keys in the menus: the choosing dialog, the editor or the print dialog it opens
// (class and caption), what the editor shows and what lands in the record file.
#include "command_script.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "desktop/app/command_families.h"
#include "desktop/forms/editors/Tpdlg_nip2.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/Tfr_wsp.h"
#include "desktop/widgets/record_text.h"
#include "register/record_files.h"

#include <QLineEdit>
#include <QRadioButton>

#include <filesystem>
#include <optional>

namespace {

struct FamilyCase {
    const char* keys;
    Family family;
    int kind;              // the record file
    std::uint8_t formType; // stored in a NIP record; 0 in the other kinds
    const char* account;   // typed into the choosing dialog; empty: the first free one, 1
    std::vector<std::pair<Field, QString>> stored; // in the record before the command; kept by the editor's saving
    Field nameField; // its box is read in the editor and, unless `typed` is empty, retyped
    QString typed;
    // What opened, in order; an editor followed by the print dialog was left
    // by "Drukuj i zapisz". From the ledger the name is the sample ledger's.
    QString seen;
};

const QString kNipB = "Tpdlg_nipb NIP-B     INFORMACJA O RACHUNKACH BANKOWYCH"; // its own caption
const QString kLongSurname(30, 'S');

using F = Family;
const FamilyCase kCases[] = {
    // NIP-1 from the ledger keeps the stored NIP-1.
    {"Alt+1 P", F::FromLedger, KindRejfor, 1, "12", {{nip::family_name, "RODOWE"}}, nip::surname, {},
     "Tf_szuk_pod Zgłoszenie NIP-1 na podstawie danych z systemu PKPiR | Tpdlg_nip1 NIP-1    012 Gąsior Tomasz"},
    {"Alt+B P", F::FromLedger, KindNipb, 0, "16", {}, nipb::name, {},
     "Tf_szuk_pod Informacja NIP-B na podstawie danych z systemu PKPiR | Tpdlg_nipb NIP-B    016 Zakład \"Mazurek\" "},
    {"Alt+R P", F::FromLedger, KindVatr, 0, "12", {}, vatr::name, {},
     "Tf_szuk_pod Zgłoszenie VAT-R na podstawie danych z systemu PKPiR | Tpdlg_vatr VAT-R    012 Gąsior Tomasz"},

    {"Alt+1 N", F::NewRecord, KindRejfor, 1, "", {}, nip::surname, "KOWALSKI",
     "Tf_nowy_nip Zgłoszenie NIP-1 | Tpdlg_nip1 NIP-1    001 nowe zgłoszenie"},
    {"Alt+2 N", F::NewRecord, KindRejfor, 2, "", {}, nip::full_name, "SPÓŁKA JAWNA",
     "Tf_nowy_nip Zgłoszenie NIP-2 | Tpdlg_nip2 NIP-2    001 nowe zgłoszenie | Tf_wydr Wydruk formularza NIP-2"},
    {"Alt+3 N", F::NewRecord, KindRejfor, 3, "", {}, nip::surname, "NOWAK",
     "Tf_nowy_nip Zgłoszenie NIP-3 | Tpdlg_nip3 NIP-3    001 nowe zgłoszenie"},
    {"Alt+B N", F::NewRecord, KindNipb, 0, "", {}, nipb::name, "PIEKARNIA", "Tf_nowy_nip Informacja NIP-B | " + kNipB},
    {"Alt+R N", F::NewRecord, KindVatr, 0, "", {}, vatr::name, "HURTOWNIA",
     "Tf_nowy_nip Zgłoszenie VAT-R | Tpdlg_vatr VAT-R    001 nowe zgłoszenie"},
    {"Alt+Z N", F::NewRecord, KindVatz, 0, "", {}, vatz::name, "NOWAK ADAM",
     "Tf_nowy_nip Zgłoszeenie VAT-Z | Tpdlg_vatz VAT-Z    001 nowe zgłoszenie"},
    // Past the end of the file: it grows.
    {"Alt+T N", F::NewRecord, KindVat21, 0, "7", {}, vat21::name, "PIEKARNIA",
     "Tf_nowy_nip Zawiadomienie VAT-21 | Tpdlg_vat21 VAT-21    007 nowe zawiadomienie"},

    // The caption names the full name; that of NIP-3 is cut to forty.
    {"Alt+1 A", F::Update, KindRejfor, 1, "2", {{nip::full_name, "PIEKARNIA POD LIPĄ"}, {nip::surname, "KOWAL"}},
     nip::surname, "KOWALSKI",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-1 | Tpdlg_nip1 NIP-1    002 PIEKARNIA POD LIPĄ"},
    {"Alt+2 A", F::Update, KindRejfor, 2, "2", {{nip::full_name, "PIEKARNIA SP. J."}, {nip::short_name, "PIEKARNIA"}},
     nip::full_name, "PIEKARNIA SP. K.",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-2 | Tpdlg_nip2 NIP-2    002 PIEKARNIA SP. J."},
    {"Alt+3 A", F::Update, KindRejfor, 3, "2",
     {{nip::surname, kLongSurname}, {nip::first_name, "JANINA MARIA"}, {nip::nip3_agent_name, "POŚREDNIK"}},
     nip::first_name, "JANINA",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-3 | Tpdlg_nip3 NIP-3    002 " + kLongSurname + " JANINA MA"},
    {"Alt+B A", F::Update, KindNipb, 0, "2", {{nipb::name, "NOWAK"}}, nipb::name, "KOWALSKI",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-B | " + kNipB},
    {"Alt+R A", F::Update, KindVatr, 0, "2", {{vatr::name, "HURTOWNIA ŁĄKA"}}, vatr::name, "HURTOWNIA ŁĄKA SP. Z O.O.",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia VAT-R | Tpdlg_vatr VAT-R    002 HURTOWNIA ŁĄKA | "
     "Tf_wydr Wydruk formularza VAT-R"},
    {"Alt+Z A", F::Update, KindVatz, 0, "2", {{vatz::name, "KOWALSKI JAN ŁUKASZ"}}, vatz::name, "NOWAK ADAM",
     "Tf_szuk_nip Aktualizacja danych zgłoszenia VAT-Z | Tpdlg_vatz VAT-Z    002 KOWALSKI JAN ŁUKASZ | "
     "Tf_wydr Wydruk formularza VAT-Z"},
    {"Alt+T A", F::Update, KindVat21, 0, "2", {{vat21::name, "KOWALSKI JAN ŁUKASZ"}}, vat21::name, "NOWAK ADAM",
     "Tf_szuk_nip Aktualizacja danych zawiadomienia VAT-21 | Tpdlg_vat21 VAT-21    002 KOWALSKI JAN ŁUKASZ | "
     "Tf_wydr Wydruk formularza VAT-21"},

    // A NIP-1 without a full name is printed under the person's name.
    {"Alt+1 W", F::Print, KindRejfor, 1, "2", {{nip::surname, "KOWAL"}, {nip::first_name, "JAN"}}, {}, {},
     "Tf_szuk_nip Wydruk zgłoszenia NIP-1 | Tf_wydr 002 KOWAL JAN Wydruk formularza NIP-1"},
    {"Alt+2 W", F::Print, KindRejfor, 2, "2", {{nip::full_name, "PIEKARNIA SP. J."}, {nip::surname, "KOWAL"}}, {}, {},
     "Tf_szuk_nip Wydruk zgłoszenia NIP-2 | Tf_wydr 002 PIEKARNIA SP. J. Wydruk formularza NIP-2"},
    {"Alt+3 W", F::Print, KindRejfor, 3, "2",
     {{nip::full_name, "PIEKARNIA"}, {nip::surname, "KOWAL"}, {nip::first_name, "JAN"}}, {}, {},
     "Tf_szuk_nip Wydruk zgłoszenia NIP-3 | Tf_wydr 002 KOWAL JAN Wydruk formularza NIP-3"},
    {"Alt+B W", F::Print, KindNipb, 0, "2", {{nipb::name, "NOWAK"}, {nipb::first_name, "ADAM"}}, {}, {},
     "Tf_szuk_nip Wydruk informacji NIP-B | Tf_wydr 002 NOWAK ADAM Wydruk formularza NIP-B"},
    {"Alt+R W", F::Print, KindVatr, 0, "2", {{vatr::name, "HURTOWNIA"}}, {}, {},
     "Tf_szuk_nip Wydruk zgłoszenia VAT-R | Tf_wydr Wydruk formularza VAT-R"},
    {"Alt+Z W", F::Print, KindVatz, 0, "2", {{vatz::name, "NOWAK"}}, {}, {},
     "Tf_szuk_nip Wydruk zgłoszenia VAT-Z | Tf_wydr Wydruk formularza VAT-Z"},
    {"Alt+T W", F::Print, KindVat21, 0, "2", {{vat21::name, "NOWAK"}}, {}, {},
     "Tf_szuk_nip Wydruk zawiadomienia VAT-21 | Tf_wydr Wydruk formularza VAT-21"},
};

std::string accountText(int n) { return QString("%1").arg(n, 3, 10, QChar('0')).toStdString(); }

// Record n of the kind's file; empty when the file ends before it.
std::vector<unsigned char> storedRecord(int kind, int n)
{
    const std::size_t size = kindAt(kind).recordSize;
    const auto bytes = fileBytes(dataFileName(std::string(kindAt(kind).baseName)));
    if (bytes.size() < (n + 1) * size)
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

QString chosen(const RadioGroup* g) { return g->itemIndex() < 0 ? "" : g->button(g->itemIndex())->text(); }

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
            QTest::newRow(kCases[i].keys) << static_cast<int>(i);
    }
    void everyFormsCommandRunsItsFamily()
    {
        QFETCH(int, row);
        const FamilyCase& c = kCases[row];
        const int recordNo = *c.account ? std::atoi(c.account) : 1;
        CommandScript& script = fx->script;
        if (!c.stored.empty()) {
            RecordFileBuilder file(c.kind, 4);
            Bytes rec = file.inUse(recordNo, accountText(recordNo), c.formType);
            for (const auto& [field, text] : c.stored)
                setStr(rec, field, toRecordText(text));
            if (c.formType != 0) // another form of the register under account 3
                file.inUse(3, "003", static_cast<std::uint8_t>(c.formType % 3 + 1));
            file.save();
        }
        if (c.family == Family::Update && c.formType != 0) {
            script.account = "3";
            fx->press(c.keys);
            QCOMPARE(fx->env.messages.texts(), std::vector<std::string>{"Brak konta"});
            QCOMPARE(script.seen(), c.seen.section(" | ", 0, 0));
            script.opened.clear();
        }

        script.account = c.account;
        const bool printAfterSaving = c.family != Family::Print && c.seen.contains("| Tf_wydr");
        QLineEdit* box = nullptr;
        QString shown;
        int mode = -1;
        script.editorAction = [&](EditorDialog& editor) {
            mode = editor.mode();
            if (!(box = boxFor(editor, c.nameField)))
                return;
            shown = box->text();
            if (!c.typed.isEmpty())
                box->setText(c.typed);
            printAfterSaving ? editor.kl_drukClick() : editor.kl_okClick();
        };
        fx->press(c.keys);
        QCOMPARE(script.seen(), c.seen);
        if (c.family == Family::Print)
            return;

        QCOMPARE(mode, static_cast<int>(c.family)); // 0 from the ledger, 1 new, 2 update
        QVERIFY2(box, "no box shows the name field");
        if (c.family != Family::Update) // a new record shows no name, one from the ledger the taxpayer's
            QCOMPARE(shown.isEmpty(), c.family == Family::NewRecord);
        const auto rec = storedRecord(c.kind, recordNo);
        QCOMPARE(rec.size(), std::size_t(kindAt(c.kind).recordSize));
        QCOMPARE(getStr(rec, nip::account_no), accountText(recordNo));
        if (c.formType != 0)
            QCOMPARE(getU8(rec, nip::form_type), c.formType);
        QCOMPARE(fromRecordText(getStr(rec, c.nameField)), c.typed.isEmpty() ? shown : c.typed);
        for (const auto& [field, text] : c.stored) // the editor showed the stored record and kept it
            QCOMPARE(field.offset == c.nameField.offset ? shown : fromRecordText(getStr(rec, field)), text);
    }

    // Account 18 of the sample ledger is a partnership of two persons: the editor shows them as changed
    // data of natural persons and saves them so, entry k at 2926 + 322 (k - 1), reason at 0, kind at 6.
    void aPartnershipFromTheLedgerBringsItsPartners()
    {
        QStringList partners;
        fx->script.account = "18";
        fx->script.editorAction = [&](EditorDialog& editor) {
            for (int k = 1; k <= 3; ++k) {
                const Tfr_wsp* frame = static_cast<Tpdlg_nip2&>(editor).partnerFrame(k);
                partners << QString(frame->z_naz_pel->text().isEmpty() ? "" : "named, ") + chosen(frame->r_pow_zl) +
                                "/" + chosen(frame->r_rodz_podm);
            }
            editor.kl_okClick();
        };
        fx->press("Alt+2 P");
        QCOMPARE(partners, (QStringList{"named, zmiana danych/osoba fizyczna", "named, zmiana danych/osoba fizyczna",
                                        "zgłoszenie przystąpienia do spółki/grupy/osoba fizyczna"}));
        const auto rec = storedRecord(KindRejfor, 18);
        QCOMPARE(rec.size(), std::size_t(4858)); // then reason and kind of partners 1 to 3, and one NIP-D attachment
        QCOMPARE((QList<int>{rec[2926], rec[2932], rec[3248], rec[3254], rec[3570], rec[3576], rec[2298]}),
                 (QList<int>{3, 2, 3, 2, 0, 0, 1}));
    }

    void aFailingRecordFileEndsTheCommandWithTheErrorBox()
    {
        std::filesystem::remove("REJFOR.Rdx");
        std::filesystem::create_directory("REJFOR.Rdx"); // cannot be opened as a file
        fx->script.account = "3";
        fx->press("Alt+1 P");
        QCOMPARE(fx->script.opened.size(), 1); // the taxpayer search, no editor
        QCOMPARE(fx->env.messages.shown.back().kind, std::string("error"));
    }
};

QTEST_MAIN(CommandFamiliesTest)
#include "command_families_test.moc"
