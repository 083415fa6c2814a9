#include "desktop/print/print_font.h"

#include <QFontDatabase>

#include <iterator>

namespace {
const char* const kPreferredFamilies[] = {"Arial CE", "Liberation Mono", "DejaVu Sans Mono"};
}

QString printFontFamily(const QStringList& installedFamilies)
{
    for (const char* family : kPreferredFamilies)
        if (installedFamilies.contains(QString::fromLatin1(family), Qt::CaseInsensitive))
            return QString::fromLatin1(family);
    // None installed: let the font matching find the nearest fixed-pitch one.
    return QString::fromLatin1(kPreferredFamilies[std::size(kPreferredFamilies) - 1]);
}

QFont printFont()
{
    QFont font(printFontFamily(QFontDatabase::families()));
    font.setPointSize(12);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}
