#include "desktop/forms/controls/CheckList.h"

CheckList::CheckList(QWidget* parent, const char* name, const QStringList& items) : QListWidget(parent)
{
    setObjectName(name);
    setWordWrap(true);
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    // Every option in sight without scrolling.
    if (count() > 0)
        setMinimumHeight(sizeHintForRow(0) * count() + 2 * frameWidth());
}

bool CheckList::isChecked(int i) const { return item(i)->checkState() == Qt::Checked; }

void CheckList::setChecked(int i, bool checked) { item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked); }
