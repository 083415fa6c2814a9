#pragma once
#include <functional>

class QWidget;

// Help for the window the operator is in. The help window belongs to the
// application, above the dialogs that ask for it, so the application
// installs the viewer and the dialogs only say where they are.
//
// With a viewer installed, F1 in any window of the program shows help for
// that window; "&Pomoc" buttons call showHelp themselves.
using HelpViewer = std::function<void(QWidget* window)>;

// Installs the viewer and the application-wide F1; an empty viewer
// removes both.
void installHelpViewer(HelpViewer viewer);

// Shows help for the window `from` lies in (for a pop-up list, the window
// that opened it). Does nothing while no viewer is installed.
void showHelp(QWidget* from);
