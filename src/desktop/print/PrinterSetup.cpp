#include "desktop/print/PrinterSetup.h"

#include "desktop/print/QtPrinterSetup.h"

namespace {
PrinterSetup* g_installed = nullptr;
}

PrinterSetup& PrinterSetup::current()
{
    if (g_installed)
        return *g_installed;
    // Made on first use and never destroyed: the printing plugins are gone
    // by the time static objects are.
    static QtPrinterSetup* system = new QtPrinterSetup;
    return *system;
}

void PrinterSetup::install(PrinterSetup* setup) { g_installed = setup; }
