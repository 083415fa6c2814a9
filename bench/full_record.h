#pragma once
// A form's record buffer as full as its editor can make it, for the
// benchmarks that open or print forms at their heaviest.
#include "core/common/record_access.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/forms/editors/editor_factory.h"
#include "core/forms/form_table.h"
#include "core/records/cleared_record.h"
#include "core/records/nip_record.h"
#include "core/register/register_state.h"

#include <memory>
#include <string>

// A text of the field's full width.
inline std::string fullText(const Field& f, int n)
{
    std::string text;
    for (std::uint32_t i = 0; i < f.capacity(); ++i)
        text += static_cast<char>('A' + (n + i) % 26);
    return text;
}

// The form's buffer with every text the editor shows filled to its width
// and every flag set: what an editor loads for "popraw" at its fullest.
inline void fillRecord(const FormInfo& form)
{
    Bytes buffer = recordBuffer(form.recordKind);
    ClearRecordBytes(buffer);
    const std::unique_ptr<EditorDialog> probe = newEditor(form.form, nullptr);
    int n = 0;
    for (const Binding& b : probe->bindings()) {
        ++n;
        switch (b.conv) {
        case Conv::Text:
        case Conv::TextOrDefault:
        case Conv::TrimmedText:
            setStr(buffer, b.field, fullText(b.field, n));
            break;
        case Conv::MemoLines:
        case Conv::MemoFilledLines:
            for (std::uint32_t k = 0; k < b.field.count; ++k)
                setStr(buffer, b.field.item(k), fullText(b.field.item(k), n + static_cast<int>(k)));
            break;
        case Conv::Nip:
            setStr(buffer, b.field, std::to_string(1234567000 + n));
            break;
        case Conv::Postcode:
            setStr(buffer, b.field, "80-" + std::to_string(100 + n));
            break;
        case Conv::Date:
        case Conv::PickerDate:
            setDate(buffer, b.field, Date4{2020, 5, static_cast<std::uint8_t>(1 + n % 28)});
            break;
        case Conv::Flag:
        case Conv::ButtonFlag:
        case Conv::TriState:
        case Conv::TriStateFlag:
        case Conv::Choice:
            setU8(buffer, b.field, 1);
            break;
        default:
            break;
        }
    }
    setStr(buffer, nip::account_no, "7");
}
