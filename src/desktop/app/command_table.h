#pragma once
#include "desktop/app/command_families.h"
#include "desktop/app/image_list.h"
#include "core/forms/form_table.h"

#include <optional>
#include <span>

class QWidget;

// The main window's toolbars, from the top.
enum class Bar { None, tb_gl, tb_gl1, ToolBar1 };

using GeneralCommand = void (*)(QWidget& window);

// One command of the main window: its action and every place that offers
// it (menu bar, toolbar, pop-up menu). The main window builds all of them
// from these rows; adding a form's commands is adding its rows.
struct CommandRow {
    const char* name;     // the action's objectName
    const char* category; // "NIP-1"; empty where the command has none
    const char* caption;
    std::optional<Img> image = std::nullopt; // the menu bar's own items show their caption only
    int shortcut = 0;                        // a Qt::Key, 0 for none

    const char* menu = nullptr;   // its top-level menu; null: an item of the menu bar itself
    bool separatorBefore = false; // in its menu
    bool menuDefault = false;     // the menu's default entry, drawn in bold

    Bar bar = Bar::None;
    const char* toolCaption = nullptr;
    const char* hint = nullptr; // null: the button's caption
    // The button runs the command itself rather than through the action:
    // it keeps its own caption and hint whatever the action's.
    bool callsHandler = false;

    const char* popup = nullptr; // the entry in the pop-up menu `popm_gl`, null for none

    // A form command is its family's command for its form; any other runs `general`.
    std::optional<Family> family = std::nullopt;
    Form form = Form::Nip1;
    GeneralCommand general = nullptr;
};

// In the order of the menu bar.
std::span<const CommandRow> commandRows();
