#include <QApplication>

int runEntryFramesTest(int argc, char** argv);
int runNip1EditorTest(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = runEntryFramesTest(argc, argv);
    failed += runNip1EditorTest(argc, argv);
    return failed;
}
