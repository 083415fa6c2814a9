#pragma once
#include <QCursor>

// The list dialogs' cursor, read from "sort.cur" in the working directory.
// Loads it when present; without the file the cursor is simply not there.
void LoadSortCursor();
const QCursor* SortCursor();
