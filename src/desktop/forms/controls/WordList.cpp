#include "desktop/forms/controls/WordList.h"

#include "core/common/data_files.h"
#include "core/common/dictionary.h"
#include "core/common/polish_order.h"
#include "desktop/widgets/record_text.h"
#include "desktop/widgets/guarded_command.h"

#include <QComboBox>

#include <algorithm>

WordList::WordList(QComboBox* box, const char* baseName, bool sorted)
    : box_(box), fileName_(dataFileName(baseName)), sorted_(sorted)
{
}

std::vector<std::string> WordList::entries() const
{
    std::vector<std::string> list;
    for (int i = 0; i < box_->count(); ++i)
        list.push_back(toRecordText(box_->itemText(i)));
    return list;
}

void WordList::show(const std::vector<std::string>& list)
{
    const QString text = box_->currentText();
    box_->clear();
    for (const std::string& entry : list)
        box_->addItem(fromRecordText(entry));
    box_->setEditText(text);
}

void WordList::load()
{
    std::vector<std::string> list = entries();
    LoadDictionary(list, fileName_);
    if (sorted_)
        std::ranges::stable_sort(list, PolishLess);
    show(list);
}

void WordList::learn()
{
    const std::string text = toRecordText(box_->currentText());
    std::vector<std::string> list = entries();
    if (text.empty() || std::ranges::find(list, text) != list.end())
        return;
    runGuarded([&] { AddToDictionary(list, text, fileName_, sorted_); });
    show(list);
}
