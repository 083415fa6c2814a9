#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/frames/EntryFrame.h"
#include "desktop/forms/controls/WordList.h"

#include <vector>

class MaskedEdit;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

// An address. Its five address boxes offer the shared word lists: entering
// the frame reloads them, leaving it adds what was typed that they lack.
class Tfr_adr : public EntryFrame {
    Q_OBJECT
public:
    explicit Tfr_adr(QWidget* parent);

    QLabel* e_ad_zam = nullptr; // section heading; TFr_adr1 has its group box's caption instead
    QComboBox* c_kraj;
    QComboBox* c_woj;
    QComboBox* c_pow;
    QComboBox* c_gmina;
    QLineEdit* z_ul;
    QLineEdit* z_nrd;
    QLineEdit* z_nrlok;
    QComboBox* c_miejsc;
    MaskedEdit* m_kodp;
    QLineEdit* z_poczta;
    QLineEdit* z_tel;
    QLineEdit* z_faks;

    // The frame bound to an address block (a postal block binds the members
    // it has: country to post office).
    BindingTable bindings(const Field& block) const;

    // An empty post office takes the locality.
    void c_miejscExit();

protected:
    // A frame inside a captioned group box instead of under a heading.
    Tfr_adr(QWidget* parent, const QString& boxCaption);
    void FrameEnter() override;
    void FrameExit() override;

    QGroupBox* box_ = nullptr;
    QGridLayout* grid_ = nullptr;

private:
    void build(QWidget* body);
    std::vector<WordList> wordLists_;
};
