#pragma once
#include "core/common/field_layout.h"

#include <QString>
#include <QStringList>

class MaskedEdit;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class QWidget;
class RadioGroup;

// Controls as the entry frames and editors make them: named (tests and
// editors find them by name), with their length limits (0 = none).
//
// A length limit bounds what the operator types or pastes, nothing else:
// text the program puts into a box (loading a record, pre-fill, a frame's
// rule) is shown whole, and only the record field's width cuts it on
// saving. A box holding more than its limit can be shortened but not
// lengthened.

QLineEdit* newEdit(QWidget* parent, const char* name, int maxLength = 0);
// An editable drop-down list that also takes free text; typing never adds
// to the list by itself.
QComboBox* newCombo(QWidget* parent, const char* name, int maxLength, const QStringList& items = {},
                    const QString& text = {});
// The limit of a box whose text is stored in `field`: what the field holds.
constexpr int storedLength(const Field& field) { return static_cast<int>(field.capacity()); }

// Sets the limit on what the operator types into the edit (0 = none).
void limitTyping(QLineEdit* edit, int maxLength);
// The edit's limit on typing; 0 when it has none.
int typingLimit(const QLineEdit* edit);
// The mask of a day-month-year field; blank it shows "__-__-____".
inline constexpr const char* kDateMask = "99/99/9999;1;_";

MaskedEdit* newMasked(QWidget* parent, const char* name, const char* mask);
// A REGON box for a field of 15 characters: nine digits, or fourteen for a
// local unit. Until a tenth digit is typed it shows and reads back nine
// positions, so a nine-digit REGON is stored as nine characters.
MaskedEdit* newRegonField(QWidget* parent, const char* name);
// A VAT number box: an EU country code, the NIP grouped 3-3-2-2 and room for
// the digits after the tenth of a longer foreign number, so that every
// character the record keeps shows.
MaskedEdit* newVatNumberField(QWidget* parent, const char* name);
// Makes a box that takes another number by turns a REGON box as above,
// keeping its text as far as the REGON's positions take it.
void setRegonMask(MaskedEdit* edit);
// The mask of a REGON box.
inline constexpr const char* kRegonMask = "99999999999999;1;_";
// A day-month-year field ("__-__-____") refusing, on leaving it, a text that
// is no date ("Niepoprawna data").
MaskedEdit* newDateField(QWidget* parent, const char* name);

// The caption of a control: a label whose "&" accelerator moves the focus
// into the control.
QLabel* newCaption(QWidget* parent, const QString& caption, QWidget* control, const char* name = nullptr);
// The caption label made for a control, or null.
QLabel* captionOf(const QWidget* control);
// A bold section heading.
QLabel* newHeading(QWidget* parent, const QString& text, const char* name = nullptr);

// Puts a caption in grid row `row` and its control in the row below.
void placeBelowCaption(QGridLayout* grid, int row, int column, QLabel* caption, QWidget* control, int columnSpan = 1);
// The small numbered panel an editor puts beside a frame: the position of
// the entry on the form ("1", "2", ...).
QWidget* withPositionPanel(QWidget* parent, const QString& number, QWidget* frame);

QGroupBox* newGroup(QWidget* parent, const char* name, const QString& caption);
QCheckBox* newCheckBox(QWidget* parent, const char* name, const QString& caption);
// Options in `columns` columns; `index` chosen (-1: none).
RadioGroup* newRadioGroup(QWidget* parent, const char* name, const QString& caption, const QStringList& items,
                          int columns, int index = -1);
// A top-down layout for the widget's contents.
QVBoxLayout* newColumn(QWidget* w);

// An entry frame instance under its own name.
template <class Frame>
Frame* newFrame(QWidget* parent, const char* name)
{
    auto* f = new Frame(parent);
    f->setObjectName(name);
    return f;
}
