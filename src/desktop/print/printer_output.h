#pragma once
#include <functional>

class BlankFormSet;
class QtPrinterDevice;

// Runs a job on the chosen printer (PrinterSetup). A PDF file is written
// beside its place and put there only when whole, for the painter does not
// tell of writes that failed. A printer that cannot start or finish the job
// is told to the operator; an IoError of the PDF file passes on. The job
// returns whether it drew anything. True when the job ran to its end.
// With blanks (plain paper) every page gets its blank form under the data;
// into a PDF file a PDF blank goes in as the file's own vector content.
bool printOnChosenPrinter(const std::function<bool(QtPrinterDevice&)>& job, BlankFormSet* blanks = nullptr);
