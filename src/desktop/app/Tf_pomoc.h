#pragma once
#include <QDialog>

class QTextBrowser;
class QPushButton;

// The help window. It shows the help file "Rejfor.hlp" of the working
// directory when there is one, else the copy built into the program.
class Tf_pomoc : public QDialog {
    Q_OBJECT
public:
    explicit Tf_pomoc(QWidget* parent = nullptr);

    QTextBrowser* tb_tekst = nullptr;
    QPushButton* kl_zamknij = nullptr;

    // Scrolls to the topic's anchor in the help file; an empty topic is
    // the contents at its top.
    void showTopic(const QString& topic);

    // Which file is shown: the operator's own or the built-in one.
    static QString helpFile();
};
