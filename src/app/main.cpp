#include "app/Tf_rejfor_gl.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Zgłoszenia NIP/VAT");
    QTranslator qtPolish;
    if (qtPolish.load(QLocale(QLocale::Polish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtPolish);

    Tf_rejfor_gl f_rejfor_gl;
    f_rejfor_gl.show();
    return app.exec();
}
