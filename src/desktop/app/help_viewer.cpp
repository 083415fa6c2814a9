#include "desktop/app/help_viewer.h"

#include "desktop/app/Tf_pomoc.h"

#include <QWidget>

namespace {

// The topic (an anchor of the help file) of each kind of window; the main
// window and the form editors are not named and get the contents.
struct HelpTopic {
    const char* windowClass; // the class or a base class of the window
    const char* anchor;
};
constexpr HelpTopic kTopics[] = {
    {"Tf_szuk_pod", "pkpir"},
    {"Tf_szuk_nip", "lista"},
    {"Tf_nowy_nip", "nowy"},
    {"Tf_wydr", "wydruk"},
    {"CalibrationDialog", "ustawienia"},
    {"Tform_info", "biuro"},
    {"Tf_dane_biura", "biuro"},
};

QString topicOf(const QWidget* window)
{
    for (const HelpTopic& topic : kTopics)
        if (window->inherits(topic.windowClass))
            return topic.anchor;
    return {};
}

} // namespace

void showHelpWindow(QWidget* window)
{
    // F1 in the help window itself only brings it forward.
    auto* help = qobject_cast<Tf_pomoc*>(window);
    if (!help) {
        help = window->findChild<Tf_pomoc*>(QString(), Qt::FindDirectChildrenOnly);
        if (!help)
            help = new Tf_pomoc(window);
        help->show(); // laid out, so that it can scroll to the topic
        help->showTopic(topicOf(window));
    }
    help->raise();
    help->activateWindow();
}
