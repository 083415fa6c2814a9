#include <QApplication>

int runEntryFramesTest(int argc, char** argv);
int runNip1EditorTest(int argc, char** argv);
int runEditorTableTest(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = runEntryFramesTest(argc, argv);
    failed += runNip1EditorTest(argc, argv);
    failed += runEditorTableTest(argc, argv);
    return failed;
}
