#include "core/print/layouts/layout_support.h"

#include "core/common/text_routines.h"
#include "core/records/bank_block.h"

#include <string>

namespace page_layout {

void choiceCross(PageWriter& w, int value, std::initializer_list<Option> options)
{
    for (const Option& o : options)
        if (o.value == value)
            w.cross(o.col, o.belowMm);
}

void flagCrosses(PageWriter& w, ConstBytes rec, const Field& flags, std::initializer_list<int> cols)
{
    std::uint32_t k = 0;
    for (const int col : cols) {
        if (getU8(rec, flags.item(k)) == 1)
            w.cross(col);
        ++k;
    }
}

bool anyFlag(ConstBytes rec, const Field& flags)
{
    for (std::uint32_t k = 0; k < flags.count; ++k)
        if (getU8(rec, flags.item(k)) == 1)
            return true;
    return false;
}

void groupedNip(PageWriter& w, ConstBytes rec, const Field& nip, int col, int grouping, bool withPrefix)
{
    w.nip(col, getStr(rec, nip), grouping, withPrefix);
}

void dateIfSet(PageWriter& w, int col, ConstBytes rec, const Field& date)
{
    if (getDate(rec, date).month != 0)
        w.date(col, rec, date);
}

std::string twoDigits(int n) { return PadLeft(std::to_string(n), '0', 2); }

std::string periodText(int period, int year) { return SpacedCapitals(twoDigits(period)) + "-" + std::to_string(year); }

void periodIfSet(PageWriter& w, int col, ConstBytes rec, const Field& period, const Field& year)
{
    if (const int p = getU8(rec, period); p != 0)
        w.plain(col, periodText(p, getI32(rec, year)));
}

void officeChange(PageWriter& w, ConstBytes rec, const Field& changed, const Field& prevOffice, int changedCol,
                  std::optional<int> unchangedCol)
{
    const int value = getU8(rec, changed);
    if (value != 0)
        w.cross(changedCol);
    else if (unchangedCol)
        w.cross(*unchangedCol);
    w.lineStep();
    if (value == 1)
        w.plain(30, rec, prevOffice);
}

namespace {

void holderAndClosing(PageWriter& w, ConstBytes rec, const Field& account)
{
    w.plain(50, rec, account / bank_block::holder);
    if (getU8(rec, account / bank_block::closed) == 1)
        w.cross(190);
}

} // namespace

void bankAccount(PageWriter& w, ConstBytes rec, const Field& account)
{
    w.plain(30, rec, account / bank_block::bank_name);
    w.step(9);
    w.plain(50, rec, account / bank_block::number);
    w.step(9);
    holderAndClosing(w, rec, account);
}

void nipBBankAccount(PageWriter& w, ConstBytes rec, const Field& account)
{
    w.plain(30, rec, account / bank_block::bank_name);
    w.plain(133, rec, account / bank_block::number);
    w.step(9);
    holderAndClosing(w, rec, account);
}

void bankAccounts(PageWriter& w, ConstBytes rec, std::initializer_list<Field> accounts, BankAccountRows rows)
{
    bool first = true;
    for (const Field& account : accounts) {
        if (!first)
            w.step(9);
        rows(w, rec, account);
        first = false;
    }
}

void declarant(PageWriter& w, ConstBytes rec, const DeclarantFields& fields, const DeclarantColumns& cols)
{
    w.plain(30, rec, fields.firstName);
    w.plain(cols.surnameCol, rec, fields.surname);
    w.step(cols.dateStepMm);
    w.date(cols.dateCol, rec, fields.fillDate);
}

} // namespace page_layout
