// What only the VAT-R, VAT-21 or VAT-Z editor does.
#include "desktop/forms/editors/Tpdlg_vat21.h"
#include "desktop/forms/editors/Tpdlg_vatr.h"
#include "desktop/forms/editors/Tpdlg_vatz.h"
#include "desktop/forms/frames/TFr_adr1.h"
#include "desktop/forms/frames/Tfr_wyb_kr.h"
#include "forms/editor_test_support.h"

namespace {

bool attachmentShown(const Tpdlg_vatr& d) { return d.pages->isTabVisible(d.pages->indexOf(d.ts_vatrue)); }

// The names of the VAT-21 date pickers shown in any row.
QStringList shownDates(const Tpdlg_vat21& d)
{
    QStringList shown;
    for (int k = 1; k <= 24; ++k)
        for (const DatePicker* p : d.fr_wyb_kr(k)->findChildren<DatePicker*>())
            if (!p->isHidden() && !shown.contains(p->objectName()))
                shown << p->objectName();
    return shown;
}

} // namespace

class VatEditorsTest : public EditorTest {
    Q_OBJECT

private slots:
    // A period and its year show and are stored only with an option that takes them (else zeros); a
    // first declaration of none stored keeps the current period.
    void vatrPeriodsAreShownAndStoredOnlyWhereTheirOptionTakesThem()
    {
        const Record loaded = {1, 5, 0xD4, 0x07, 0, 0, 1, 3, 0xCF, 0x07, 0, 0, 2, 7, 0xD3, 0x07, 0, 0}; // 30, 32, 34
        std::copy(loaded.begin(), loaded.end(), bufferOf(Form::VatR).begin() + 738);
        auto d = openEditor<Tpdlg_vatr>(EditorDialog::Update);
        QVERIFY(d->rb_kas1->isChecked() && d->rb_kw1->isChecked() && d->RB_proc2->isChecked());
        QCOMPARE((QStringList{d->cb_dt2_m->currentText(), d->m_dt2_rok->text(), d->cb_dt3_m->currentText(),
                              d->m_dt3_rok->text(), d->cb_dt4_m->currentText(), d->m_dt4_rok->text(),
                              d->cb_dt5_m->currentText(), d->m_dt5_rok->text()}),
                 (QStringList{"5", "2004", "4", "2005", "7", "2003", "12", "2005"})); // 32's option 1 takes no quarter

        const std::pair<QRadioButton*, bool> options[] = {
            {d->rb_kas1, true},   {d->rb_kas2, true},   {d->rb_kas3, true},  {d->rb_kas0, false}, {d->rb_kw1, false},
            {d->rb_kw2, true},    {d->rb_kw3, true},    {d->rb_kw0, false},  {d->rb_proc1, true}, {d->RB_proc2, true},
            {d->rb_proc3, false}, {d->rb_proc4, false}, {d->rb_proc0, false}};
        for (const auto& [option, withPeriod] : options) {
            option->click();
            QWidget* group = option->parentWidget();
            const QComboBox* period = group == d->G_30 ? d->cb_dt2_m : group == d->g_32 ? d->cb_dt3_m : d->cb_dt4_m;
            QVERIFY2(period->isVisibleTo(group) == withPeriod, qPrintable(option->objectName()));
        }
        d->rb_kas0->click();
        d->rb_kw2->click();
        d->cb_dt3_m->setCurrentIndex(1);
        d->rb_proc3->click();
        d->kl_okClick();
        QCOMPARE(bytesAt(storedRecord(Form::VatR), 738, 18),
                 (Record{0, 0, 0, 0, 0, 0, 2, 2, 0xD5, 0x07, 0, 0, 3, 0, 0, 0, 0, 0}));
    }

    // Unticked, the attachment's page goes and its bytes stay; ticked again, it stores what it shows.
    void vatrTheAttachmentFollowsItsTickAndUntickedKeepsItsBytes()
    {
        const Record attachment = {1, 0, 0, 0, 0x5A, 0, 0, 0, 0xD4, 0x07, 5, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
        Bytes buffer = bufferOf(Form::VatR);
        buffer[762] = 1;
        std::copy(attachment.begin(), attachment.end(), buffer.begin() + 886);
        auto d = openEditor<Tpdlg_vatr>(EditorDialog::Update);
        QVERIFY(attachmentShown(*d));
        d->Ch_usl->setChecked(true);
        d->ch_zalue->click();
        QVERIFY(!attachmentShown(*d));
        d->kl_okClick();
        QCOMPARE(storedRecord(Form::VatR)[762], std::uint8_t(0));
        QCOMPARE(bytesAt(storedRecord(Form::VatR), 886, 21), attachment);

        d = openEditor<Tpdlg_vatr>(EditorDialog::Update);
        QVERIFY(!d->ch_zalue->isChecked() && !attachmentShown(*d) && !d->ch_wdt->isChecked());
        d->ch_zalue->click();
        QVERIFY(attachmentShown(*d));
        d->Ch_wnt->setChecked(true);
        d->kl_okClick();
        QCOMPARE(storedRecord(Form::VatR)[762], std::uint8_t(1)); // the kinds, the reserved bytes kept, dates of
        QCOMPARE(bytesAt(storedRecord(Form::VatR), 886, 21),       // today, no end kinds, no deposit
                 (Record{0, 1, 0, 0, 0x5A, 0, 0, 0, 0xD5, 0x07, 12, 7, 0, 0, 0, 0, 0xD5, 0x07, 12, 7, 0}));
    }

    void vatrTheEndDateShowsOnlyWithoutARegistrationKind()
    {
        auto d = openEditor<Tpdlg_vatr>(EditorDialog::NewRecord);
        for (QCheckBox* kind : {d->ch_wdt, d->Ch_wnt, d->ch_wnt1, d->Ch_usl}) {
            QVERIFY(!d->dt_zak->isHidden() && !d->e_dzak->isHidden());
            kind->click();
            QVERIFY2(d->dt_zak->isHidden() && d->e_dzak->isHidden(), qPrintable(kind->objectName()));
            kind->click();
        }
    }

    // The purpose shows its own dates in every row; a resignation stores no planned supply, a row
    // with no country nothing.
    void vat21ThePurposeDecidesTheDatesOfEachRow()
    {
        auto d = openEditor<Tpdlg_vat21>(EditorDialog::NewRecord);
        QCOMPARE(shownDates(*d), QStringList{"dt_pld"});
        d->R_CEL->button(1)->click();
        QCOMPARE(shownDates(*d), (QStringList{"dt_dost", "dt_zgl", "dt_dost_po_rez"}));
        d->fr_wyb_kr(3)->c_kraj->setEditText("Francja");
        d->fr_wyb_kr(3)->dt_pld->setDate(QDate(2005, 1, 2));
        d->fr_wyb_kr(7)->dt_dost->setDate(QDate(2005, 1, 3));
        d->kl_okClick();
        const Record saved = storedRecord(Form::Vat21);
        for (std::uint32_t k = 1; k <= 24; ++k) // entry k at 400 + 47 (k - 1)
            QVERIFY2(k == 3 || bytesAt(saved, 400 + 47 * (k - 1), 47) == Record(47, 0), qPrintable(QString::number(k)));
        QCOMPARE(bytesAt(saved, 400 + 47 * 2 + 31, 4), Record(4, 0)); // row 3 named, yet no planned supply
        d->R_CEL->button(0)->click();
        QCOMPARE(shownDates(*d), QStringList{"dt_pld"});
    }

    // Only a person shows and stores a birth date; a company's notice keeps what it holds.
    void vatzOnlyAPersonHasABirthDate()
    {
        Bytes rec = bufferOf(Form::VatZ);
        rec[84] = 1; // a person
        setDate(rec, vatz::birth_date, Date4{1970, 3, 15});
        auto d = openEditor<Tpdlg_vatz>(EditorDialog::Update);
        QCOMPARE(d->m_dur->text() + " " + d->Fr_adr_s->g_adr->title(), QString("15-03-1970 B.2. ADRES ZAMIESZKANIA"));
        rec[84] = 0;
        rec[159] = 13; // no month 13, as no company's birth date
        d = openEditor<Tpdlg_vatz>(EditorDialog::Update);
        QVERIFY(d->m_dur->isHidden());
        QCOMPARE(d->Fr_adr_s->g_adr->title(), QString("B.2. ADRES SIEDZIBY"));
        d->r_rodzpod->button(1)->click();
        QVERIFY(d->m_dur->isBlank()); // not loaded for a company
        d->r_rodzpod->button(0)->click();
        QCOMPARE(bytesAt(savedRecord(*d), 157, 4), (Record{0xB2, 0x07, 13, 15}));
    }
};

int runVatEditorsTest(int argc, char** argv) { return runTest<VatEditorsTest>(argc, argv); }

#include "vat_editors_test.moc"
