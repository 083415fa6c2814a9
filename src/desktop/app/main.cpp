// zgloszenia [DATA_DIR]
// Works in DATA_DIR; without it, in the directory data_directory.h chooses.
#include "desktop/app/Tf_rejfor_gl.h"
#include "desktop/app/data_directory.h"
#include "desktop/app/program_info.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <cstdio>
#include <optional>

namespace {

// The directory named on the command line, else the one data_directory.h
// finds or asks for; nullopt when the operator cancelled.
std::optional<QString> chosenDataDirectory(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return arguments.front();
    QSettings settings(kSettingsName, kSettingsName);
    return dataDirectoryWithoutArgument(QDir::currentPath(), settings,
                                        [](const QString& start) { return askForDataDirectory(nullptr, start); });
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The name captions boxes that have none; no display name is set, so
    // that no window's own caption gets the program's name appended.
    QApplication::setApplicationName(QString::fromUtf8(kProgramName));
    QApplication::setDesktopFileName("pl.zgloszenia.Zgloszenia");
    QTranslator qtPolish;
    if (qtPolish.load(QLocale(QLocale::Polish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtPolish);

    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() > 1) {
        std::fprintf(stderr, "Użycie: zgloszenia [KATALOG_DANYCH]\n");
        return 2;
    }
    const std::optional<QString> dataDir = chosenDataDirectory(arguments);
    if (!dataDir)
        return 0;
    if (!QDir::setCurrent(*dataDir)) {
        std::fprintf(stderr, "Nie można otworzyć katalogu danych %s\n", qPrintable(QDir::toNativeSeparators(*dataDir)));
        return 2;
    }

    Tf_rejfor_gl f_rejfor_gl;
    f_rejfor_gl.show();
    return app.exec();
}
