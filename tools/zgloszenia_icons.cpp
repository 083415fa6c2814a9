// zgloszenia-icons DIR
// Writes the program's icon as DIR/SIZExSIZE/apps/zgloszenia.png for the
// sizes of the desktop's icon theme. Run by the build.
#include "desktop/app/program_info.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "Użycie: zgloszenia-icons KATALOG\n");
        return 2;
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QString("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(dir) || !programIconImage(size).save(dir + "/zgloszenia.png", "PNG")) {
            std::fprintf(stderr, "Nie można zapisać ikony w %s\n", qPrintable(dir));
            return 4;
        }
    }
    return 0;
}
