#include <QApplication>

int runTf_nowy_nipTests(int argc, char** argv);
int runTf_szuk_nipTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return runTf_nowy_nipTests(argc, argv) + runTf_szuk_nipTests(argc, argv);
}
