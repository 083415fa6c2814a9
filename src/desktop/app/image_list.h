#pragma once
#include <QIcon>

// The one image list of the main window, shared by the menu, the toolbars
// and the pop-up menu. The pictures are drawn by the program itself.
enum class Img { Nowy, Pkpir, Aktualizacja, Wydruk, Marginesy, Odstepy };

const QIcon& imageListIcon(Img img);
