#include "core/print/layouts/nip_sections.h"

#include "core/records/nip_record.h"

namespace page_layout {

const DeclarantFields kNipRecordDeclarant{nip::declarant_first_name, nip::declarant_surname, nip::fill_date};

void personalData(PageWriter& w, ConstBytes rec)
{
    w.spaced(27, rec, nip::pesel);
    w.plain(130, rec, nip::surname);
    w.lineStep();
    w.plain(45, rec, nip::first_name);
    w.plain(140, rec, nip::second_name);
    w.lineStep();
    w.plain(45, rec, nip::father_name);
    w.plain(140, rec, nip::mother_name);
    w.step(10);
    w.date(38, rec, nip::birth_date);
    w.plain(140, rec, nip::birth_place);
    w.step(10);
    w.cross(getU8(rec, nip::sex) != 0 ? 60 : 32);
    w.plain(120, rec, nip::family_name);
    w.step(9);
    w.plain(30, rec, nip::id_doc_kind);
    w.plain(140, rec, nip::id_doc_no);
    w.step(9);
    w.plain(50, rec, nip::citizenship);
}

namespace {

void foreignIdRow(PageWriter& w, ConstBytes rec, const Field& country, const Field& purpose, const Field& number,
                  int firstPurposeCol)
{
    const int p = getU8(rec, purpose);
    if (p == 0)
        return;
    w.plain(20, rec, country);
    w.cross(p == 1 ? firstPurposeCol : 95);
    w.plain(140, rec, number);
}

} // namespace

void foreignIdRows(PageWriter& w, ConstBytes rec, int firstPurposeCol)
{
    foreignIdRow(w, rec, nip::foreign_id1_country, nip::foreign_id1_purpose, nip::foreign_id1_number,
                 firstPurposeCol);
    w.lineStep();
    foreignIdRow(w, rec, nip::foreign_id2_country, nip::foreign_id2_purpose, nip::foreign_id2_number,
                 firstPurposeCol);
}

void fullAndShortName(PageWriter& w, ConstBytes rec, const Field& fullName, const Field& shortName)
{
    w.plain(40, rec, fullName);
    w.step(9);
    w.plain(60, rec, shortName);
}

void registerBlock(PageWriter& w, ConstBytes rec, const RegisterFields& fields)
{
    w.plain(40, rec, fields.organName);
    w.step(9);
    w.plain(40, rec, fields.registerName);
    w.step(9);
    dateIfSet(w, 64, rec, fields.date);
    w.spaced(151, rec, fields.number);
}

void activityDate(PageWriter& w, ConstBytes rec, std::initializer_list<Option> kinds)
{
    choiceCross(w, getU8(rec, nip::activity_date_kind), kinds);
    w.step(9);
    dateIfSet(w, 60, rec, nip::activity_date);
}

void activityDescription(PageWriter& w, ConstBytes rec)
{
    w.plain(30, rec, nip::activity_desc_1);
    w.lineStep();
    w.plain(30, rec, nip::activity_desc_2);
    w.lineStep();
    w.plain(30, rec, nip::activity_desc_3);
    w.step(9);
    w.spaced(50, rec, nip::pkd_code);
    w.spaced(130, rec, nip::ekd_code);
}

void businessAccounts(PageWriter& w, ConstBytes rec, std::initializer_list<Field> accounts)
{
    if (getU8(rec, nip::refund_to_account1) == 1)
        w.cross(190);
    w.step(9);
    bankAccounts(w, rec, accounts);
}

void accountingKind(PageWriter& w, ConstBytes rec)
{
    choiceCross(w, getU8(rec, nip::accounting_kind), {{1, 25}, {2, 70}, {3, 115}, {4, 160}});
}

void accountingKeeper(PageWriter& w, ConstBytes rec)
{
    choiceCross(w, getU8(rec, nip::accounting_keeper), {{1, 40}, {2, 120}});
}

void nipAndName(PageWriter& w, ConstBytes rec, const Field& nip, const Field& name)
{
    w.spaced(30, rec, nip);
    w.step(9);
    w.plain(30, rec, name);
}

void correspondenceAddress(PageWriter& w, ConstBytes rec, const Field& flag, const Field& addr)
{
    if (getU8(rec, flag) == 1)
        w.cross(190);
    w.step(9);
    w.address(rec, addr, PageWriter::AddressVariant::Nip);
}

void businessSites(PageWriter& w, ConstBytes rec, std::initializer_list<SiteFields> sites)
{
    bool first = true;
    for (const SiteFields& site : sites) {
        if (!first)
            w.step(9);
        choiceCross(w, getU8(rec, site.reason), {{1, 60}, {2, 130}});
        w.step(9);
        w.address(rec, site.addr, PageWriter::AddressVariant::Nip);
        first = false;
    }
}

void attachmentCounts(PageWriter& w, ConstBytes rec, std::initializer_list<CountColumn> counts)
{
    for (const CountColumn& c : counts)
        if (const int n = getU8(rec, c.count); n != 0)
            w.spaced(c.col, twoDigits(n));
}

} // namespace page_layout
