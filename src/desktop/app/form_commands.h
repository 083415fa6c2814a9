#pragma once
#include "core/common/record_access.h"
#include "core/forms/form_table.h"

#include <cstddef>
#include <string>

// What the four command families ("z PKPiR", "nowy", "aktualizacja",
// "wydruk") need to know of one form beyond the form table: the titles of
// their dialogs and where the taxpayer's name comes from. The families
// themselves are written once.
struct FormCommand {
    Form form;
    const char* searchTitle;   // "z PKPiR": title of the taxpayer search; null where the form has none
    const char* newCaption;    // "nowy": caption of the new-record dialog; null keeps its own
    const char* newWords;      // "nowe zgłoszenie": the editor's caption after the account
    const char* updateTitle;   // "aktualizacja": title of the record list
    const char* printTitle;    // "wydruk": title of the record list
    std::size_t nameWidth;     // the name handed to the editor is cut to this
    bool editorKeepsCaption;   // "nowy" and "aktualizacja" leave the editor's own caption
    std::string (*updateName)(ConstBytes record); // "aktualizacja": the name in the editor's caption
    std::string (*printName)(ConstBytes record);  // "wydruk": the name in the print dialog's caption

    const FormInfo& info() const { return formInfo(form); }
};

const FormCommand& formCommand(Form form);
