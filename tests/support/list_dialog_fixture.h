#pragma once
#include "desktop/widgets/StringGrid.h"
#include "core/register/register_state.h"
#include "support/ui_test_environment.h"

#include <string>
#include <vector>

// What every test of a choosing dialog starts from: the user-interface test
// environment and no current account, so that a dialog that fails to set
// one cannot pass on what an earlier test left.
struct ListDialogEnvironment : UiTestEnvironment<> {
    ListDialogEnvironment() { setCurrentAccount("", 0); }
};

// One column of a grid's data rows, top to bottom.
inline std::vector<std::string> gridColumn(const StringGrid& grid, int column)
{
    std::vector<std::string> out;
    for (int row = 1; row < grid.rowCount(); ++row)
        out.push_back(grid.cell(row, column));
    return out;
}
