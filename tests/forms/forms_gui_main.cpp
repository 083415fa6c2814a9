#include <QApplication>

int runEntryFramesTest(int argc, char** argv);
int runEditorTableTest(int argc, char** argv);
int runEditorRulesTest(int argc, char** argv);
int runNip1EditorTest(int argc, char** argv);
int runNip2EditorTest(int argc, char** argv);
int runNip3EditorTest(int argc, char** argv);
int runNipBEditorTest(int argc, char** argv);
int runVatrEditorTest(int argc, char** argv);
int runVat21EditorTest(int argc, char** argv);
int runVatzEditorTest(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    for (auto run : {runEntryFramesTest, runEditorTableTest, runEditorRulesTest, runNip1EditorTest, runNip2EditorTest,
                     runNip3EditorTest, runNipBEditorTest, runVatrEditorTest, runVat21EditorTest, runVatzEditorTest})
        failed += run(argc, argv);
    return failed;
}
