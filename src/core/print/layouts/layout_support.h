#pragma once
#include "core/common/field_layout.h"
#include "core/common/record_access.h"
#include "core/print/page_writer.h"

#include <initializer_list>
#include <optional>
#include <string>

// Rows and helpers that several forms' pages share.
namespace page_layout {

// The NIP groupings the layouts name, given as the form type whose grouping
// they are.
inline constexpr int kGrouping3322 = 1;
inline constexpr int kGrouping3223 = 2;

// One option of a multiple-choice box: the stored value that selects it and
// where its cross goes (`belowMm` under the line, the line not moved).
struct Option {
    int value;
    int col;
    int belowMm = 0;
};

// Crosses the option that `value` selects; nothing when none does.
void choiceCross(PageWriter& w, int value, std::initializer_list<Option> options);

// Crosses item k of a repeated flag field at cols[k] when its flag is 1.
void flagCrosses(PageWriter& w, ConstBytes rec, const Field& flags, std::initializer_list<int> cols);

// Whether any item of a repeated flag field is 1 (a ticked box).
bool anyFlag(ConstBytes rec, const Field& flags);

// The NIP field with dashes in `grouping`, spaced.
void groupedNip(PageWriter& w, ConstBytes rec, const Field& nip, int col, int grouping, bool withPrefix);

// A date in date form, only when its month is not 0.
void dateIfSet(PageWriter& w, int col, ConstBytes rec, const Field& date);

// A number below 100 as two digits with a leading zero.
std::string twoDigits(int n);

// A period of a declaration: the quarter or month as two spaced digits, a
// dash and the year without spacing ("0 5-2004").
std::string periodText(int period, int year);

// The period and its year, only when a period is stored.
void periodIfSet(PageWriter& w, int col, ConstBytes rec, const Field& period, const Field& year);

// The office-change box of part A: the cross for "changed" or, when the form
// has a box for it, for "unchanged"; a line step; then the previous office
// when the change moved the competent office.
void officeChange(PageWriter& w, ConstBytes rec, const Field& changed, const Field& prevOffice, int changedCol,
                  std::optional<int> unchangedCol);

// One bank account, as the pages laid out here print it: bank name; +9 mm;
// number; +9 mm; holder and the closing cross. A full number beside a full
// bank name or holder would run off the sheet.
void bankAccount(PageWriter& w, ConstBytes rec, const Field& account);
// One bank account row of the NIP-B sheet: bank name and number; +9 mm;
// holder and the closing cross.
void nipBBankAccount(PageWriter& w, ConstBytes rec, const Field& account);

using BankAccountRows = void (*)(PageWriter& w, ConstBytes rec, const Field& account);
// Several accounts, +9 mm between two of them.
void bankAccounts(PageWriter& w, ConstBytes rec, std::initializer_list<Field> accounts,
                  BankAccountRows rows = bankAccount);

struct DeclarantFields {
    Field firstName;
    Field surname;
    Field fillDate;
};
struct DeclarantColumns {
    int surnameCol;
    int dateStepMm;
    int dateCol;
};
// The NIP-D sheet's columns; the other NIP pages are laid out here, with
// room for a full surname.
inline constexpr DeclarantColumns kNipDDeclarant{110, 17, 40};
inline constexpr DeclarantColumns kNipDeclarant{100, 17, 40};
inline constexpr DeclarantColumns kVatDeclarant{100, 9, 45};

// The person who signs: first name and surname; the fill date below them.
void declarant(PageWriter& w, ConstBytes rec, const DeclarantFields& fields, const DeclarantColumns& cols);

} // namespace page_layout
