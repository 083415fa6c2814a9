#pragma once
#include "core/common/field_layout.h"
#include "core/common/record_access.h"

#include <functional>
#include <vector>

class QObject;

// How a control's value and a record field convert into each other.
enum class Conv {
    Text,          // string cut to the field's width
    TextOrDefault, // as Text, but an empty field leaves the control's default
    TrimmedText,   // blanks at both ends dropped on saving
    Nip,           // digits only, at most 10; shown grouped for `formType`
    EuVat,         // VAT-EU number: country code and digits; shown with the code, the first ten digits grouped
    Postcode,      // trailing blanks dropped; a lone "-" (a blank "99-999") is stored empty
    Date,          // "dd-mm-yyyy" text; an invalid or blank date stored as zero
    PickerDate,    // date picker; shown only when the stored date is valid
    Choice,        // option index + 1, 0 for none
    Index,         // option index itself, 255 for none; a byte of no option loads as none
    Code,          // the option's own number (a group's index, a button's id), 0 for none
    Flag,          // 1 ticked, 0 not; only 1 loads as ticked
    ButtonFlag,    // button group of ids 0 (no) and 1 (yes); any non-zero loads as yes
    TriState,      // 1 ticked, 2 cleared, 0 greyed; other bytes leave the box
    TriStateFlag,  // loads 1 as ticked and anything else as cleared; saves as TriState
    Count,         // up-down number; a blank or negative text stores 0
    MemoLines,     // memo lines into a repeated string field, one line per item
    MemoFilledLines, // as MemoLines, but loading shows only the lines that hold text
    ComboChoice,   // the item of a drop-down's trimmed text, index + 1 (0: no item); a stored 0, or a byte
                   // of no item, leaves the box
    Year,          // a year edit into an i32; a stored year below 1 leaves the edit; a text that is no number stores 0
    CheckList,     // a check list into a repeated flag field, one flag per option
};

// What saving writes into a field whose binding does not apply.
enum class Otherwise { Keep, Zero };

// One control bound to one record field. The control is a QLineEdit (a
// masked edit included), QComboBox, Memo, RadioGroup, QButtonGroup,
// QCheckBox, UpDown, QDateEdit or CheckList, whichever the conversion reads.
struct Binding {
    QObject* control;
    Field field;
    Conv conv;
    int formType = 1; // NIP display: 1 and 3 group 3-3-2-2, 2 groups 3-2-2-3
    // A field the form keeps only in some states of other controls (a
    // period while its option says one applies): while `applies` says no,
    // loading leaves the control as it is and saving writes `otherwise`.
    // The controls it looks at come earlier in the table, so loading has
    // set them already.
    std::function<bool()> applies = {};
    Otherwise otherwise = Otherwise::Keep;
    // When set, loading asks this instead of `applies`: a value the form
    // shows in every state but stores only in some.
    std::function<bool()> loads = {};

    bool isApplied() const { return !applies || applies(); }
    bool isLoaded() const { return loads ? loads() : isApplied(); }
};

using BindingTable = std::vector<Binding>;

// Appends the bindings of `more` (a frame's share of the table).
BindingTable& operator+=(BindingTable& table, const BindingTable& more);

// True when the control is of a kind the binding's conversion reads and
// sets. Loading and saving pass over a binding that does not fit.
bool controlFitsConversion(const Binding& binding);

// Sets every control of the table from its field.
void LoadBindings(const BindingTable& table, ConstBytes record);
// Stores every control of the table into its field, in table order.
void SaveBindings(const BindingTable& table, Bytes record);

// `lines` string fields of equal width lying one after the other from
// `first` on, as one repeated field.
constexpr Field consecutiveLines(const Field& first, std::uint32_t lines)
{
    Field f = first;
    f.width = first.width * lines;
    f.count = lines;
    return f;
}
