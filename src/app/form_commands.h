#pragma once
#include "common/record_access.h"

#include <cstddef>
#include <cstdint>
#include <string>

class EditorDialog;
class QWidget;

// What the four command families ("z PKPiR", "nowy", "aktualizacja",
// "wydruk") need to know of one form. The families themselves are written
// once, in the main window.
struct FormCommand {
    const char* label;           // caption head, "NIP-1    "
    int recordKind;              // KindIndex
    std::uint8_t formType;       // NIP form type of kind REJFOR, 0 elsewhere
    const char* searchTitle;     // "z PKPiR": title of the taxpayer search
    const char* newCaption;      // "nowy": caption of the new-record dialog; null keeps its own
    const char* newWords;        // "nowe zgłoszenie"
    const char* updateTitle;     // "aktualizacja": title of the record list
    const char* printTitle;      // "wydruk": title of the record list
    std::uint8_t printKind;      // form kind of the print dialog
    std::size_t nameWidth;       // the name handed to the editor is cut to this
    bool editorKeepsCaption;     // "nowy" and "aktualizacja" leave the editor's own caption
    std::string (*updateName)(ConstBytes record); // "aktualizacja": name from the record
    std::string (*printName)(ConstBytes record);  // "wydruk": name in the print caption
    EditorDialog* (*makeEditor)(QWidget* parent);
};

extern const FormCommand kNip1Command;
