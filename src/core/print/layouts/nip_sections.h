#pragma once
#include "core/common/field_layout.h"
#include "core/common/record_access.h"
#include "core/print/layouts/layout_support.h"
#include "core/print/page_writer.h"

#include <initializer_list>

// Sections of the NIP record that more than one NIP form prints.
namespace page_layout {

// The declarant of every NIP-1, NIP-2, NIP-D and NIP-3 page.
extern const DeclarantFields kNipRecordDeclarant;

// Personal data (PESEL to citizenship), seven lines.
void personalData(PageWriter& w, ConstBytes rec);

// The two rows of numbers obtained abroad, a line step between them; a row
// whose purpose is 0 prints nothing.
void foreignIdRows(PageWriter& w, ConstBytes rec, int firstPurposeCol);

// Full name; +9 mm; short name.
void fullAndShortName(PageWriter& w, ConstBytes rec, const Field& fullName, const Field& shortName);

struct RegisterFields {
    Field organName;
    Field registerName;
    Field date;
    Field number;
};
// Registering body, register, then its date and number.
void registerBlock(PageWriter& w, ConstBytes rec, const RegisterFields& fields);

// The kind of the activity date as a cross; +9 mm; the date.
void activityDate(PageWriter& w, ConstBytes rec, std::initializer_list<Option> kinds);

// The three lines of the activity description; +9 mm; PKD and EKD codes.
void activityDescription(PageWriter& w, ConstBytes rec);

// The refund cross for account 1; +9 mm; the business bank accounts.
void businessAccounts(PageWriter& w, ConstBytes rec, std::initializer_list<Field> accounts);

// Kind of accounting records, and who keeps them.
void accountingKind(PageWriter& w, ConstBytes rec);
void accountingKeeper(PageWriter& w, ConstBytes rec);

// A NIP as entered, spaced; +9 mm; a full name (accounting office, agent).
void nipAndName(PageWriter& w, ConstBytes rec, const Field& nip, const Field& name);

// The "send letters here" cross; +9 mm; the address.
void correspondenceAddress(PageWriter& w, ConstBytes rec, const Field& flag, const Field& addr);

struct SiteFields {
    Field reason;
    Field addr;
};
// Places of business: the reason's cross; +9 mm; the address; +9 mm
// between two places.
void businessSites(PageWriter& w, ConstBytes rec, std::initializer_list<SiteFields> sites);

struct CountColumn {
    Field count;
    int col;
};
// Attachment counts as two spaced digits, those that are not 0.
void attachmentCounts(PageWriter& w, ConstBytes rec, std::initializer_list<CountColumn> counts);

} // namespace page_layout
