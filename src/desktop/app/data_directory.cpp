#include "desktop/app/data_directory.h"

#include "core/common/data_files.h"
#include "desktop/widgets/modal_runner.h"
#include "core/register/record_kind.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {

constexpr const char* kSettingsKey = "katalogDanych";

bool holdsFile(const QDir& dir, std::string_view baseName)
{
    return QFileInfo(dir.filePath(QString::fromStdString(dataFileName(baseName)))).isFile();
}

} // namespace

QString askForDataDirectory(QWidget* parent, const QString& start)
{
    // Qt's own dialog, in the Polish of the translation loaded at start.
    QFileDialog dialog(parent, "Wybierz katalog systemu księgowego", start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

bool holdsDataFiles(const QString& dir)
{
    const QDir d(dir);
    if (holdsFile(d, "konta200.") || holdsFile(d, "Bank."))
        return true;
    for (const RecordKind& kind : kRecordKinds)
        if (holdsFile(d, kind.baseName))
            return true;
    return false;
}

std::optional<QString> dataDirectoryWithoutArgument(const QString& current, QSettings& settings,
                                                    const DirectoryQuestion& ask)
{
    if (holdsDataFiles(current))
        return current;
    const QString remembered = rememberedDataDirectory(settings);
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    const QString chosen = ask(current);
    if (chosen.isEmpty())
        return std::nullopt;
    rememberDataDirectory(settings, chosen);
    return chosen;
}

QString rememberedDataDirectory(QSettings& settings) { return settings.value(kSettingsKey).toString(); }

void rememberDataDirectory(QSettings& settings, const QString& dir)
{
    settings.setValue(kSettingsKey, QDir(dir).absolutePath());
    settings.sync();
}
