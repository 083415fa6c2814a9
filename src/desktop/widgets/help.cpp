#include "desktop/widgets/help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <memory>

namespace {

// F1 reaches the application before any widget: a modal dialog blocks the
// main window's shortcut, and grids and masked edits handle keys themselves.
class HelpKey : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        showHelp(widget);
        return true;
    }
};

struct Installed {
    HelpViewer viewer;
    std::unique_ptr<HelpKey> key;
};

Installed& installed()
{
    static Installed state;
    return state;
}

QWidget* windowOf(QWidget* from)
{
    QWidget* window = from->window();
    while (window->windowType() == Qt::Popup && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

} // namespace

void installHelpViewer(HelpViewer viewer)
{
    Installed& state = installed();
    state.viewer = std::move(viewer);
    if (state.viewer && !state.key) {
        state.key = std::make_unique<HelpKey>();
        qApp->installEventFilter(state.key.get());
    } else if (!state.viewer) {
        state.key.reset();
    }
}

void showHelp(QWidget* from)
{
    if (installed().viewer && from)
        installed().viewer(windowOf(from));
}
