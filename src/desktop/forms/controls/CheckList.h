#pragma once
#include <QListWidget>
#include <QStringList>

// Options with a tick each, in one box that is one stop of the tab order:
// the arrow keys move between the options, Space or a click ticks one.
class CheckList : public QListWidget {
    Q_OBJECT
public:
    CheckList(QWidget* parent, const char* name, const QStringList& items);

    bool isChecked(int item) const;
    void setChecked(int item, bool checked);
};
