#pragma once
#include <QFont>
#include <QString>
#include <QStringList>

// The printing font: fixed pitch with the Polish letters, 12 points.
// "Arial CE" when installed, else Liberation Mono (the metric twin of the
// usual fixed-pitch printer font), else DejaVu Sans Mono.
QString printFontFamily(const QStringList& installedFamilies);
QFont printFont();
