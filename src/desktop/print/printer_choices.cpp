#include "desktop/print/printer_choices.h"

#include "core/common/program_settings.h"

#include <QSettings>
#include <QString>

namespace {

constexpr const char* kPlainPaperKey = "czystyPapier";
constexpr const char* kExactScaleKey = "dokladnaSkala";

// A printer's group; "/" and "\" in its name escaped, for they divide groups.
QString printerGroup(QString printerName)
{
    return "drukarki/" + printerName.replace('%', "%25").replace('/', "%2F").replace('\\', "%5C");
}

} // namespace

PrintOptions rememberedPrintOptions(const QString& printerName)
{
    QSettings settings(kSettingsName, kSettingsName);
    settings.beginGroup(printerGroup(printerName));
    return {settings.value(kPlainPaperKey, false).toBool(), settings.value(kExactScaleKey, false).toBool()};
}

void rememberPrintOptions(const QString& printerName, const PrintOptions& options)
{
    QSettings settings(kSettingsName, kSettingsName);
    settings.beginGroup(printerGroup(printerName));
    settings.setValue(kPlainPaperKey, options.plainPaper);
    settings.setValue(kExactScaleKey, options.exactScale);
}
