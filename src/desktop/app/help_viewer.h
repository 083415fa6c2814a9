#pragma once

class QWidget;

// Opens the help window for `window` at the window's topic: one help window
// per window, owned by it, so a help window opened from a modal dialog can
// be read, scrolled and closed while the dialog stays open, and goes with it.
void showHelpWindow(QWidget* window);
