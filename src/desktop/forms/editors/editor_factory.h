#pragma once
#include "core/forms/form_table.h"

#include <memory>

class EditorDialog;
class QWidget;

// The editor of a form.
std::unique_ptr<EditorDialog> newEditor(Form form, QWidget* parent);
