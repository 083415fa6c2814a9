#pragma once
#include "core/common/messages.h"

// The start-up routine: reads the ledger parameter record, checks the
// ledger's rates file, prepares the Polish-letter conversion and the office
// identity, and creates every missing data file. Runs at start and again on
// every activation of the application. An input/output error while creating
// a file, or a short parameter record, abandons the rest of the run and is
// thrown as IoError; a rates repair that cannot be written, and files that a
// read-only directory or medium cannot take, are reported once per run and
// the run goes on, so that the operator can read and print.
void inic(Messenger& messages);

// What start-up has already told the operator in this run of the program:
// a lasting condition of the rates file is reported once, not at every
// activation.
struct StartupNotices {
    bool ratesMissing = false;     // "no rates file" shown
    bool ratesUnrepaired = false;  // damaged rates whose repair could not be written, reported
    bool filesNotCreated = false;  // files a read-only directory could not take, reported
};
StartupNotices& startupNotices();
