#pragma once

class QProgressBar;
class QWidget;
struct FormCommand;

// The four command families every form's commands belong to.
enum class Family {
    FromLedger, // "z PKPiR": taxpayer search, then the editor on ledger data
    NewRecord,  // "nowy": new-record dialog, then the editor on a new record
    Update,     // "aktualizacja": record list, then the editor on the stored record
    Print,      // "wydruk": record list, then the print dialog
};

// Runs one family's command for a form: its choosing dialog, then the
// editor or the print dialog, all owned by `owner` and shown modally. The
// lists show their progress on `progress`. Input/output errors end the
// command in the standard error box.
void runFormCommand(Family family, const FormCommand& form, QWidget* owner, QProgressBar* progress);
