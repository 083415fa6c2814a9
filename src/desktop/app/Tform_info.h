#pragma once
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// "O programie": the program's name and version, its picture "nip.bmp"
// when present, and the office identity lines, which the operator may change.
class Tform_info : public QDialog {
    Q_OBJECT
public:
    explicit Tform_info(QWidget* parent = nullptr);

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QPlainTextEdit* mem_wl = nullptr;
    QPushButton* kl_biuro = nullptr;
    QPushButton* kl_ok = nullptr;

    void kl_biuroClick();

private:
    void showOfficeLines();
};
