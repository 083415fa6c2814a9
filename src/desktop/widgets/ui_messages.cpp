#include "desktop/widgets/ui_messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {
Messenger* g_installed = nullptr;

// What a title bar takes beside its caption: icon, close button, margins.
constexpr int kTitleBarFrame = 120;

QString programTitle() { return QApplication::applicationDisplayName(); }

// A message box as wide as its caption needs (the print prompts are
// captioned with the form's title): a strut across its grid widens it.
int showBox(QMessageBox::Icon icon, const QString& caption, const std::string& text,
            QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, QString::fromStdString(text), buttons, QApplication::activeWindow());
    // In Polish whether or not Qt's translation is there.
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText("&Tak");
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText("&Nie");
    QFont titleFont = box.font();
    titleFont.setBold(true);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(QFontMetrics(titleFont).horizontalAdvance(caption) + kTitleBarFrame, 0,
                                      QSizePolicy::Fixed, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box.exec();
}
} // namespace

void UiMessages::inform(const std::string& text)
{
    showBox(QMessageBox::Information, programTitle(), text, QMessageBox::Ok);
}

bool UiMessages::confirm(const std::string& text, const std::string& caption)
{
    // The page prompts carry the exclamation icon.
    return showBox(QMessageBox::Warning, QString::fromStdString(caption), text,
                   QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool UiMessages::question(const std::string& text, const std::string& caption)
{
    return showBox(QMessageBox::Question, QString::fromStdString(caption), text,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void UiMessages::error(const std::string& text)
{
    showBox(QMessageBox::Critical, programTitle(), text, QMessageBox::Ok);
}

Messenger& UiMessages::current()
{
    static UiMessages real;
    return g_installed ? *g_installed : real;
}

void UiMessages::install(Messenger* messenger) { g_installed = messenger; }
