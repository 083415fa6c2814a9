#pragma once
#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;

// Exclusive options under a caption, laid out in columns, with an item index
// (-1 when no option is chosen).
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

    int itemIndex() const;
    // -1, or any index of no option, clears the choice.
    void setItemIndex(int index);
    QRadioButton* button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(buttons_.size()); }

signals:
    // The chosen option changed, by the operator or by the program.
    void itemIndexChanged(int index);
    // The operator clicked an option.
    void itemClicked(int index);

private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
};

// Sets the checked button of an exclusive button group by id; -1 (or an id
// no button has) leaves every button unchecked.
void checkButtonId(QButtonGroup* group, int id);
