#include "common/modal_runner.h"

#include <QDialog>

namespace {
ModalRunner& installed()
{
    static ModalRunner runner;
    return runner;
}
} // namespace

int runModal(QDialog& dialog) { return installed() ? installed()(dialog) : dialog.exec(); }

void setModalRunner(ModalRunner runner) { installed() = std::move(runner); }
