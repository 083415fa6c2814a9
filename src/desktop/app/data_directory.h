#pragma once
#include "core/common/program_settings.h"

#include <QString>

#include <functional>
#include <optional>

class QSettings;
class QWidget;

// Asks the operator for the ledger system's directory, the question opening
// at `start`; an empty answer when the operator cancelled.
using DirectoryQuestion = std::function<QString(const QString& start)>;

// The program's own question: a directory dialog in Polish.
QString askForDataDirectory(QWidget* parent, const QString& start);

// Whether the directory already holds the ledger system's or the program's
// data files.
bool holdsDataFiles(const QString& dir);

// Where the program works when no directory is named on the command line:
// the current directory when it holds data files (a start in the office's
// directory); else the directory the operator chose before, while it exists;
// else the one the operator chooses now, remembered for the next start.
// Nullopt when the operator cancelled: nothing is created anywhere then.
std::optional<QString> dataDirectoryWithoutArgument(const QString& current, QSettings& settings,
                                                    const DirectoryQuestion& ask);

// The directory chosen before; empty when none was.
QString rememberedDataDirectory(QSettings& settings);
void rememberDataDirectory(QSettings& settings, const QString& dir);
