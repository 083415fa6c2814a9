#pragma once
#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

// Edits the office identity: the office's name on lines 1 and 2, its
// address on lines 3 and 4, kept in "biuro.Rdx".
class Tf_dane_biura : public QDialog {
    Q_OBJECT
public:
    explicit Tf_dane_biura(QWidget* parent = nullptr);

    std::array<QLineEdit*, 4> z_wiersz{};
    QPushButton* kl_ok = nullptr;
    QPushButton* kl_anuluj = nullptr;

    // Saves the lines and puts them in force; stays open when the file
    // cannot be written.
    void kl_okClick();
};
