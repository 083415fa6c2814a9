#pragma once
#include <functional>

class QDialog;

// Every modal dialog a command opens is run through here: exec() in the
// program, a scripted hand in tests, so that no test waits on a real
// modal loop.
using ModalRunner = std::function<int(QDialog&)>;

int runModal(QDialog& dialog);
// Installs a runner; an empty one restores exec().
void setModalRunner(ModalRunner runner);
