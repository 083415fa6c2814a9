#include <QApplication>

int runEntryFramesTest(int argc, char** argv);
int runEditorTableTest(int argc, char** argv);
int runFrameBytesTest(int argc, char** argv);
int runEditorRulesTest(int argc, char** argv);
int runEditorFieldsTest(int argc, char** argv);
int runNipEditorsTest(int argc, char** argv);
int runVatEditorsTest(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    for (auto run : {runEntryFramesTest, runEditorTableTest, runFrameBytesTest, runEditorRulesTest, runEditorFieldsTest,
                     runNipEditorsTest, runVatEditorsTest})
        failed += run(argc, argv);
    return failed;
}
