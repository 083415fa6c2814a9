#include "desktop/widgets/modal_runner.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFontMetrics>
#include <QSpacerItem>

namespace {
ModalRunner& installed()
{
    static ModalRunner runner;
    return runner;
}

// What a title bar takes beside its caption: the window icon, the close
// button and the margins, with room to spare for themes drawing them larger.
constexpr int kTitleBarFrame = 120;

// A modal dialog is answered or closed, never minimised or maximised, and
// is wide enough for the title bar to show its whole caption (account and
// name before a form's caption make it long).
void prepareModal(QDialog& dialog)
{
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    const int captionWidth = QFontMetrics(titleFont).horizontalAdvance(dialog.windowTitle()) + kTitleBarFrame;
    // A column layout that fixes the dialog's size takes its width from its
    // items: a strut as wide as the caption widens it.
    auto* column = qobject_cast<QBoxLayout*>(dialog.layout());
    if (column && column->sizeConstraint() == QLayout::SetFixedSize &&
        (column->direction() == QBoxLayout::TopToBottom || column->direction() == QBoxLayout::BottomToTop)) {
        const QMargins margins = column->contentsMargins();
        column->addSpacerItem(new QSpacerItem(captionWidth - margins.left() - margins.right(), 0, QSizePolicy::Fixed,
                                              QSizePolicy::Fixed));
        return;
    }
    if (!dialog.testAttribute(Qt::WA_Resized))
        dialog.adjustSize();
    if (dialog.width() < captionWidth)
        dialog.resize(captionWidth, dialog.height());
}
} // namespace

int runModal(QDialog& dialog)
{
    prepareModal(dialog);
    return installed() ? installed()(dialog) : dialog.exec();
}

void setModalRunner(ModalRunner runner) { installed() = std::move(runner); }
