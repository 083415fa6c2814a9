#include <QApplication>

int runPrintDialogTests(int argc, char* argv[]);
int runCalibrationDialogsTests(int argc, char* argv[]);

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int failed = runPrintDialogTests(argc, argv);
    return failed + runCalibrationDialogsTests(argc, argv);
}
