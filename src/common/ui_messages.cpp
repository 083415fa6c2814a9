#include "common/ui_messages.h"


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
