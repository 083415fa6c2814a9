#pragma once

class QWidget;

// Places a window in the middle of its screen's available area.
void CentreOnScreen(QWidget* window);
