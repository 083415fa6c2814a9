// What only the NIP-2, NIP-3 or NIP-B editor does.
#include "desktop/forms/editors/Tpdlg_nip2.h"
#include "desktop/forms/editors/Tpdlg_nip3.h"
#include "desktop/forms/editors/Tpdlg_nipb.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "desktop/forms/frames/Tfr_nrrach.h"
#include "desktop/forms/frames/Tfr_org_rej.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "desktop/forms/frames/Tfr_wsp.h"
#include "forms/editor_test_support.h"
#include "ledger/ledger_test_files.h"

namespace {

constexpr std::uint32_t kPartners = 2926, kPartnerSize = 322; // six entries of the NIP-2's partners

// What NIP-B page "A-B" shows of the taxpayer's kind.
QString lookOf(const Tpdlg_nipb& d)
{
    QStringList shown;
    for (const QWidget* w : std::initializer_list<const QWidget*>{d.e_imie, d.z_imie, d.e_dur, d.m_dur})
        if (!w->isHidden())
            shown << w->objectName();
    return QString("%1 at %2, %3 %4, shown: %5")
        .arg(d.e_nazwisko->text())
        .arg(d.z_nazwisko->x())
        .arg(d.e_pesel->text(), d.m_pesel->editText(), shown.join(' '));
}

} // namespace

class NipEditorsTest : public EditorTest {
    Q_OBJECT

private slots:
    // The accounting office's boxes show for books kept by an office
    // (byte 1274: 1 "w biurze rachunkowym", 2 "we własnym zakresie").
    void nip1TheOfficeBoxesShowOnlyForBooksKeptByAnOffice()
    {
        for (const std::uint8_t keeper : {1, 2}) {
            Record rec = newRecord(Form::Nip1);
            rec[1274] = keeper;
            writeRecordFile(Form::Nip1, rec, rec);
            auto d = openEditor(Form::Nip1, EditorDialog::Update);
            QCOMPARE(control(*d, "fr_dok_rach1/g_brach")->isHidden(), keeper == 2);
            QCOMPARE(d->kl_druk->text(), QString("&Drukuj i zapisz"));
        }
    }

    // An internal unit shows its parent (C), not its registration (B.2); hidden, it is still saved.
    void nip2AnInternalUnitShowsItsParentInsteadOfItsRegistration()
    {
        auto d = openEditor<Tpdlg_nip2>(EditorDialog::NewRecord);
        const auto shown = [&d] {
            return QList<bool>{!d->e_org_rej->isHidden(), !d->fr_org_rej1->isHidden(), !d->g_jedn_mac->isHidden(),
                               !d->fr_adr_siedz->isHidden()};
        };
        const QList<bool> all{true, true, true, true}, unit{false, false, true, true}, other{true, true, false, false};
        QCOMPARE(shown(), all);
        d->fr_org_rej1->z_naz_org_rej->setText("SĄD REJONOWY");
        d->r_for_org->button(1)->click();
        QCOMPARE(shown(), unit);
        d->r_for_org->button(3)->click();
        QCOMPARE(shown(), other);
        d->r_for_org->button(1)->click();
        QCOMPARE(getStr(savedRecord(*d), nip::reg_organ_name), cp("SĄD REJONOWY"));
        for (const auto& [stored, expected] :
             std::vector<std::pair<int, QList<bool>>>{{2, unit}, {3, all}, {0, other}, {5, other}}) {
            bufferOf(Form::Nip2)[2417] = static_cast<std::uint8_t>(stored);
            d = openEditor<Tpdlg_nip2>(EditorDialog::Update);
            QVERIFY2(shown() == expected, qPrintable(QString("stored form %1").arg(stored)));
        }
    }

    // A partner is stored only with a reason and a name; an entry lacking either loads as a new one.
    void nip2OnlyPartnersInUseAreStoredEachInItsOwnEntry()
    {
        auto d = openEditor<Tpdlg_nip2>(EditorDialog::NewRecord);
        d->partnerFrame(1)->z_naz_pel->setText("SPÓŁKA A");
        d->partnerFrame(2)->r_pow_zl->button(2)->click(); // "zmiana danych", no name
        d->partnerFrame(3)->z_naz_pel->setText("HURT SA");
        d->partnerFrame(3)->m_d_przyst->setText("31-02-2005"); // no check of its own: stored as no date
        const Record record = savedRecord(*d);
        const Field first = nip::partners.item(0), third = nip::partners.item(2);
        QCOMPARE(getStr(record, first / partner_entry::name), cp("SPÓŁKA A"));
        QCOMPARE(record[first.offset], std::uint8_t(1));                           // joining, the default reason
        QCOMPARE(record[(first / partner_entry::kind).offset], std::uint8_t(2)); // a person, the default kind
        QCOMPARE(getStr(record, third / partner_entry::name), std::string("HURT SA"));
        QVERIFY(getDate(record, third / partner_entry::date).isZero());
        QCOMPARE(bytesAt(record, kPartners + kPartnerSize, kPartnerSize), Record(kPartnerSize, 0));

        Bytes buffer = bufferOf(Form::Nip2);
        buffer[kPartners + 4 * kPartnerSize] = 3; // a reason, no name
        setStr(buffer, nip::partners.item(5) / partner_entry::name, "BEZ POWODU");
        auto reopened = openEditor<Tpdlg_nip2>(EditorDialog::Update);
        QCOMPARE(reopened->partnerFrame(3)->z_naz_pel->text(), QString("HURT SA"));
        for (int k : {2, 5, 6}) {
            const Tfr_wsp* p = reopened->partnerFrame(k);
            QVERIFY(p->r_pow_zl->itemIndex() == 0 && p->r_rodz_podm->itemIndex() == 1);
            QVERIFY(p->z_naz_pel->text().isEmpty());
        }
    }

    // The date beside an address is stored once it has a voivodeship, a street or a locality.
    void nip3ADateIsStoredOnlyWithAnAddressThatNamesAPlace()
    {
        const std::tuple<bool, const char*, bool, bool> rows[] = { // residence (B.5), box, date picked, stored
            {false, "c_woj", true, true},  {false, "z_ul", true, true},   {false, "c_miejsc", false, true},
            {false, "c_pow", true, false}, {false, "z_nrd", true, false}, {true, "c_miejsc", true, true},
            {true, "z_ul", false, true},   {true, "c_gmina", true, false}, {true, "z_tel", true, false}};
        for (const auto& [residence, box, picked, stored] : rows) {
            writeRecordFile(Form::Nip3);
            auto d = openEditor<Tpdlg_nip3>(EditorDialog::NewRecord);
            QWidget* place = (residence ? d->fr_adr1 : d->fr_adr_zameld)->findChild<QWidget*>(box);
            place->metaObject()->userProperty().write(place, "GDAŃSK");
            if (picked)
                (residence ? d->dt_zamiesz : d->dt_zameld)->setDate(QDate(2001, 2, 3));
            const Record record = savedRecord(*d);
            const Record date = !stored ? Record(4, 0) : picked ? Record{0xD1, 0x07, 2, 3} : Record{0xD5, 0x07, 12, 7};
            QVERIFY2(bytesAt(record, residence ? 2369 : 2365, 4) == date, box);
            QVERIFY2(bytesAt(record, residence ? 2365 : 2369, 4) == Record(4, 0), box);
        }
    }

    // A company's captions and nine-digit REGON; a person's, names, birth date and PESEL; only 1 is a person.
    void nipbTheTaxpayerKindSetsCaptionsPlaceAndMask()
    {
        const QString company = "N&azwa pełna at 280, R&EGON %1, shown: ";
        const QString person = "N&azwisko at 265, P&ESEL %1, shown: e_imie z_imie e_dur m_dur";
        auto d = openEditor<Tpdlg_nipb>(EditorDialog::NewRecord);
        QCOMPARE(lookOf(*d), company.arg("_________"));
        QVERIFY(d->e_nazwisko->geometry().right() < d->z_nazwisko->x());
        d->Ch_os->click();
        QCOMPARE(lookOf(*d), person.arg("___________"));
        d->m_pesel->setText("80010112345");
        d->Ch_os->click();
        QCOMPARE(lookOf(*d), company.arg("800101123"));
        for (const std::uint8_t kind : {1, 2}) {
            bufferOf(Form::NipB)[23] = kind;
            setStr(bufferOf(Form::NipB), nipb::id_no, "70031512345");
            QCOMPARE(lookOf(*openEditor<Tpdlg_nipb>(EditorDialog::Update)),
                     kind == 1 ? person.arg("70031512345") : company.arg("700315123"));
        }
    }

    // The frames' texts too are stored trimmed; a company keeps no first name or birth date.
    void nipbTextsAreStoredTrimmedAndACompanyHasNoFirstName()
    {
        auto d = openEditor<Tpdlg_nipb>(EditorDialog::NewRecord);
        d->Ch_os->click();
        d->z_imie->setText("JAN");
        d->m_dur->setText("15-03-1970");
        d->fr_nrrach4->c_naz_ban->setEditText(" BANK ");
        d->fr_osw1->z_osw_nazw->setText(" NOWAK ");
        const Record person = savedRecord(*d);
        QCOMPARE(bytesAt(person, 112 + 3 * 119, 5), (Record{4, 'B', 'A', 'N', 'K'})); // the fourth bank's name
        QCOMPARE(bytesAt(person, 847, 6), (Record{5, 'N', 'O', 'W', 'A', 'K'}));     // the declarant's surname
        d = openEditor<Tpdlg_nipb>(EditorDialog::Update);
        d->Ch_os->click();
        const Record company = savedRecord(*d);
        QCOMPARE(company[75], std::uint8_t(0)); // no first name, no birth date
        QCOMPARE(bytesAt(company, 96, 4), Record(4, 0));
    }

    // Leaving a person's names fills an empty declarant, leaving group A an empty holder of account 1.
    void nipbLeavingTheNamesFillsWhatIsStillEmpty()
    {
        auto d = openEditor<Tpdlg_nipb>(EditorDialog::NewRecord);
        Tfr_osw& declarant = *d->fr_osw1;
        QLineEdit* holder = d->fr_nrrach1->z_pos_rach;
        d->Ch_os->click();
        focusOn(d->z_nazwisko);
        d->z_nazwisko->setText("NOWAK");
        declarant.z_osw_im->setText("   ");
        moveFocus(d->z_imie);
        d->z_imie->setText("ADAM");
        moveFocus(d->m_dur);
        QCOMPARE(declarant.z_osw_nazw->text() + " " + declarant.z_osw_im->text(), QString("NOWAK ADAM"));
        QCOMPARE(holder->text(), QString()); // still in the group
        moveFocus(d->fr_nrrach1->c_naz_ban);
        QCOMPARE(holder->text(), QString("ADAM NOWAK"));

        d->z_nazwisko->setText("KOWAL");
        d->z_imie->setText("JAN");
        focusOn(d->z_nazwisko);
        moveFocus(d->z_imie);
        moveFocus(d->fr_nrrach1->c_naz_ban);
        QCOMPARE(declarant.z_osw_nazw->text() + " " + declarant.z_osw_im->text() + ", " + holder->text(),
                 QString("NOWAK ADAM, ADAM NOWAK"));

        d->Ch_os->click(); // a company's name is no declarant's, and its holder is the name alone
        declarant.z_osw_nazw->clear();
        holder->setText("  ");
        d->z_nazwisko->setText("PIEKARNIA");
        focusOn(d->z_nazwisko);
        moveFocus(declarant.z_osw_im);
        QCOMPARE(declarant.z_osw_nazw->text() + ", " + holder->text(), QString(", PIEKARNIA"));
    }
};

int runNipEditorsTest(int argc, char** argv) { return runTest<NipEditorsTest>(argc, argv); }

#include "nip_editors_test.moc"
