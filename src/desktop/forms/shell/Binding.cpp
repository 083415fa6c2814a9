#include "desktop/forms/shell/Binding.h"

#include "desktop/widgets/MaskedEdit.h"
#include "core/common/date_text.h"
#include "core/common/text_routines.h"
#include "desktop/widgets/record_text.h"
#include "desktop/forms/controls/CheckList.h"
#include "desktop/forms/controls/Memo.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/controls/UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>

#include <cassert>
#include <utility>

namespace {

// The text of a text control, as the record keeps it.
std::string textOf(const QObject* control)
{
    if (auto* m = qobject_cast<const MaskedEdit*>(control))
        return toRecordText(m->text());
    if (auto* e = qobject_cast<const QLineEdit*>(control))
        return toRecordText(e->text());
    if (auto* c = qobject_cast<const QComboBox*>(control))
        return toRecordText(c->currentText());
    assert(!"not a text control");
    return {};
}

void setTextOf(QObject* control, const std::string& recordText)
{
    const QString text = fromRecordText(recordText);
    if (auto* m = qobject_cast<MaskedEdit*>(control))
        m->setText(text);
    else if (auto* e = qobject_cast<QLineEdit*>(control))
        e->setText(text);
    else if (auto* c = qobject_cast<QComboBox*>(control))
        c->setEditText(text);
    else
        assert(!"not a text control");
}

int indexOf(const QObject* control)
{
    if (auto* r = qobject_cast<const RadioGroup*>(control))
        return r->itemIndex();
    if (auto* g = qobject_cast<const QButtonGroup*>(control))
        return g->checkedId();
    assert(!"not an option control");
    return -1;
}

void setIndexOf(QObject* control, int index)
{
    if (auto* r = qobject_cast<RadioGroup*>(control))
        r->setItemIndex(index);
    else if (auto* g = qobject_cast<QButtonGroup*>(control))
        checkButtonId(g, index);
    else
        assert(!"not an option control");
}

QCheckBox* box(QObject* control)
{
    auto* b = qobject_cast<QCheckBox*>(control);
    assert(b);
    return b;
}

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A stored line as a memo line: a line break inside it (a damaged record)
// shows as a blank, so that the line stays one line.
QString memoLine(const std::string& stored)
{
    QString line = fromRecordText(stored);
    line.replace(QChar('\n'), QChar(' ')).replace(QChar('\r'), QChar(' '));
    return line;
}

// An option index byte: 255 when no option is chosen.
constexpr std::uint8_t kNoIndex = 255;

constexpr std::uint8_t kTicked = 1;
constexpr std::uint8_t kCleared = 2;
constexpr std::uint8_t kNotStated = 0;

std::uint8_t triStateByte(Qt::CheckState s)
{
    switch (s) {
    case Qt::Checked:
        return kTicked;
    case Qt::Unchecked:
        return kCleared;
    case Qt::PartiallyChecked:
        break;
    }
    return kNotStated;
}

void load(const Binding& b, ConstBytes rec)
{
    QObject* c = b.control;
    const Field& f = b.field;
    switch (b.conv) {
    case Conv::Text:
    case Conv::TrimmedText:
    case Conv::Postcode:
        setTextOf(c, getStr(rec, f));
        break;
    case Conv::TextOrDefault:
        if (const std::string s = getStr(rec, f); !s.empty())
            setTextOf(c, s);
        break;
    case Conv::Nip:
        if (const std::string s = getStr(rec, f); !s.empty())
            setTextOf(c, NipText(s, b.formType));
        break;
    case Conv::EuVat:
        if (const std::string s = getStr(rec, f); !s.empty())
            setTextOf(c, NipTextWithPrefix(s, b.formType));
        break;
    case Conv::Date:
        setTextOf(c, DateText(getDate(rec, f)));
        break;
    case Conv::PickerDate: {
        const Date4 d = getDate(rec, f);
        if (const QDate date(d.year, d.month, d.day); date.isValid())
            qobject_cast<QDateEdit*>(c)->setDate(date);
        break;
    }
    case Conv::Choice:
        setIndexOf(c, getU8(rec, f) - 1);
        break;
    case Conv::Index:
    case Conv::Code:
        setIndexOf(c, getU8(rec, f));
        break;
    case Conv::ButtonFlag:
        setIndexOf(c, getU8(rec, f) != 0 ? 1 : 0);
        break;
    case Conv::Flag:
    case Conv::TriStateFlag:
        box(c)->setCheckState(getU8(rec, f) == kTicked ? Qt::Checked : Qt::Unchecked);
        break;
    case Conv::TriState:
        switch (getU8(rec, f)) {
        case kTicked:
            box(c)->setCheckState(Qt::Checked);
            break;
        case kCleared:
            box(c)->setCheckState(Qt::Unchecked);
            break;
        case kNotStated:
            box(c)->setCheckState(Qt::PartiallyChecked);
            break;
        }
        break;
    case Conv::Count:
        qobject_cast<UpDown*>(c)->setPosition(getU8(rec, f));
        break;
    case Conv::MemoLines:
    case Conv::MemoFilledLines: {
        QStringList lines;
        for (std::uint32_t k = 0; k < f.count; ++k)
            if (const std::string line = getStr(rec, f.item(k)); b.conv == Conv::MemoLines || !line.empty())
                lines << memoLine(line);
        qobject_cast<Memo*>(c)->setLines(lines);
        break;
    }
    case Conv::ComboChoice: {
        auto* combo = qobject_cast<QComboBox*>(c);
        if (const int item = getU8(rec, f); item > 0 && item <= combo->count())
            combo->setCurrentIndex(item - 1);
        break;
    }
    case Conv::Year:
        if (const std::int32_t year = getI32(rec, f); year > 0)
            setTextOf(c, std::to_string(year));
        break;
    case Conv::CheckList: {
        auto* list = qobject_cast<CheckList*>(c);
        for (std::uint32_t k = 0; k < f.count && k < static_cast<std::uint32_t>(list->count()); ++k)
            list->setChecked(static_cast<int>(k), getU8(rec, f.item(k)) == kTicked);
        break;
    }
    }
}

void save(const Binding& b, Bytes rec)
{
    QObject* c = b.control;
    const Field& f = b.field;
    switch (b.conv) {
    case Conv::Text:
    case Conv::TextOrDefault:
        setStr(rec, f, textOf(c));
        break;
    case Conv::TrimmedText:
        setStr(rec, f, trimmed(textOf(c)));
        break;
    case Conv::Postcode: {
        // Blanks before the code stay: each character reads back into the
        // position it came from.
        const std::string code = textOf(c);
        setStr(rec, f, trimmed(code) == "-" ? std::string() : code.substr(0, code.find_last_not_of(' ') + 1));
        break;
    }
    case Conv::Nip:
        setStr(rec, f, DigitsOnly(textOf(c)).substr(0, 10));
        break;
    case Conv::EuVat:
        setStr(rec, f, EuVatNumber(textOf(c)));
        break;
    case Conv::Date:
        setDate(rec, f, TextToDate(textOf(c)));
        break;
    case Conv::PickerDate: {
        const QDate d = qobject_cast<QDateEdit*>(c)->date();
        setDate(rec, f,
                Date4{static_cast<std::uint16_t>(d.year()), static_cast<std::uint8_t>(d.month()),
                      static_cast<std::uint8_t>(d.day())});
        break;
    }
    case Conv::Choice:
        setU8(rec, f, static_cast<std::uint8_t>(indexOf(c) + 1));
        break;
    case Conv::Index:
        setU8(rec, f, indexOf(c) < 0 ? kNoIndex : static_cast<std::uint8_t>(indexOf(c)));
        break;
    case Conv::Code:
        setU8(rec, f, static_cast<std::uint8_t>(std::max(indexOf(c), 0)));
        break;
    case Conv::ButtonFlag:
        setU8(rec, f, indexOf(c) == 1 ? 1 : 0);
        break;
    case Conv::Flag:
        setU8(rec, f, box(c)->isChecked() ? 1 : 0);
        break;
    case Conv::TriState:
    case Conv::TriStateFlag:
        setU8(rec, f, triStateByte(box(c)->checkState()));
        break;
    case Conv::Count: {
        bool isNumber = false;
        const int n = qobject_cast<UpDown*>(c)->associate()->text().trimmed().toInt(&isNumber);
        setU8(rec, f, static_cast<std::uint8_t>(isNumber && n > 0 ? std::min(n, 255) : 0));
        break;
    }
    case Conv::MemoLines:
    case Conv::MemoFilledLines: {
        clearField(rec, f);
        const QStringList lines = qobject_cast<Memo*>(c)->lines();
        for (std::uint32_t k = 0; k < f.count && k < static_cast<std::uint32_t>(lines.size()); ++k)
            setStr(rec, f.item(k), toRecordText(lines[static_cast<int>(k)]));
        break;
    }
    case Conv::ComboChoice: {
        const auto* combo = qobject_cast<QComboBox*>(c);
        setU8(rec, f, static_cast<std::uint8_t>(combo->findText(combo->currentText().trimmed()) + 1));
        break;
    }
    case Conv::Year: {
        bool isNumber = false;
        const int year = fromRecordText(trimmed(textOf(c))).toInt(&isNumber);
        setI32(rec, f, isNumber ? year : 0);
        break;
    }
    case Conv::CheckList: {
        const auto* list = qobject_cast<CheckList*>(c);
        clearField(rec, f);
        for (std::uint32_t k = 0; k < f.count && k < static_cast<std::uint32_t>(list->count()); ++k)
            setU8(rec, f.item(k), list->isChecked(static_cast<int>(k)) ? kTicked : 0);
        break;
    }
    }
}

template <class... Kinds> bool isOneOf(const QObject* control)
{
    return (qobject_cast<const Kinds*>(control) || ...);
}

} // namespace

bool controlFitsConversion(const Binding& b)
{
    switch (b.conv) {
    case Conv::Text:
    case Conv::TextOrDefault:
    case Conv::TrimmedText:
    case Conv::Nip:
    case Conv::EuVat:
    case Conv::Postcode:
    case Conv::Date:
        return isOneOf<QLineEdit, QComboBox>(b.control);
    case Conv::ComboChoice:
        return isOneOf<QComboBox>(b.control);
    case Conv::Year:
        return isOneOf<QLineEdit>(b.control);
    case Conv::CheckList:
        return isOneOf<CheckList>(b.control);
    case Conv::PickerDate:
        return isOneOf<QDateEdit>(b.control);
    case Conv::Choice:
    case Conv::Index:
    case Conv::Code:
    case Conv::ButtonFlag:
        return isOneOf<RadioGroup, QButtonGroup>(b.control);
    case Conv::Flag:
    case Conv::TriState:
    case Conv::TriStateFlag:
        return isOneOf<QCheckBox>(b.control);
    case Conv::Count:
        return isOneOf<UpDown>(b.control);
    case Conv::MemoLines:
    case Conv::MemoFilledLines:
        return isOneOf<Memo>(b.control);
    }
    return false;
}

BindingTable& operator+=(BindingTable& table, const BindingTable& more)
{
    table.insert(table.end(), more.begin(), more.end());
    return table;
}

void LoadBindings(const BindingTable& table, ConstBytes record)
{
    for (const Binding& b : table)
        if (controlFitsConversion(b) && b.isLoaded())
            load(b, record);
}

void SaveBindings(const BindingTable& table, Bytes record)
{
    for (const Binding& b : table) {
        if (!controlFitsConversion(b))
            continue;
        if (b.isApplied())
            save(b, record);
        else if (b.otherwise == Otherwise::Zero)
            clearField(record, b.field);
    }
}
