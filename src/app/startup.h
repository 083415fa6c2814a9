#pragma once
#include "common/messages.h"

// The start-up routine: reads the ledger parameter record, checks the
// ledger's rates file, prepares the Polish-letter conversion and the office
// identity, and creates every missing data file. Runs at start and again on
// every activation of the application. An input/output error while creating
// or writing a file, or a short parameter record, abandons the rest of the
// run and is thrown as IoError.
void inic(Messenger& messages);
