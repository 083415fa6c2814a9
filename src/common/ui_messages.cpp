#include "common/ui_messages.h"

#include "common/cp1250.h"
#include "common/io_error.h"

#include <QApplication>
#include <QMessageBox>

namespace {
Messenger* g_installed = nullptr;

QWidget* parentWindow() { return QApplication::activeWindow(); }
QString title() { return QApplication::applicationDisplayName(); }
} // namespace

void UiMessages::inform(const std::string& text)
{
    QMessageBox::information(parentWindow(), title(), QString::fromStdString(text));
}

bool UiMessages::confirm(const std::string& text, const std::string& caption)
{
    // The page prompts carry the exclamation icon.
    return QMessageBox::warning(parentWindow(), QString::fromStdString(caption), QString::fromStdString(text),
                                QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

void UiMessages::error(const std::string& text)
{
    QMessageBox::critical(parentWindow(), title(), QString::fromStdString(text));
}

Messenger& UiMessages::current()
{
    static UiMessages real;
    return g_installed ? *g_installed : real;
}

void UiMessages::install(Messenger* messenger) { g_installed = messenger; }

QString fromRecordText(const std::string& cp1250) { return QString::fromStdString(cp1250::toUtf8(cp1250)); }

std::string toRecordText(const QString& text) { return cp1250::fromUtf8(text.toStdString()); }

bool runGuarded(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const IoError& e) {
        UiMessages::current().error(e.what());
        return false;
    }
}
