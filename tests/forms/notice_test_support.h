#pragma once
// What the VAT-21 and VAT-Z editor tests share: their record file, the
// editor shown as the active window, the controls in tab order.
#include "common/data_files.h"
#include "common/record_access.h"
#include "forms/EditorDialog.h"
#include "forms/nip1_test_support.h"
#include "records/vat_records.h"
#include "register/record_kind.h"
#include "register/register_state.h"

#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

using Record = std::vector<unsigned char>;

inline std::string noticeFileName(int kind) { return dataFileName(std::string(kindAt(kind).baseName)); }

// The file of `kind`: records 0 to `last`, each `each` under its own
// account; `buffer` in the record buffer.
inline void makeNoticeFile(int kind, const Record& each, const Record& buffer, int last)
{
    Record file;
    for (int n = 0; n <= last; ++n) {
        Record rec = each;
        setStr(rec, vat_head::account_no, std::to_string(n));
        file.insert(file.end(), rec.begin(), rec.end());
    }
    writeBytes(noticeFileName(kind), file);
    std::copy(buffer.begin(), buffer.end(), recordBuffer(kind).begin());
}

inline Record storedNotice(int kind, int n)
{
    const std::size_t size = kindAt(kind).recordSize;
    const Record file = fileBytes(noticeFileName(kind));
    const auto at = file.begin() + static_cast<std::ptrdiff_t>(n * size);
    return {at, at + static_cast<std::ptrdiff_t>(size)};
}

template <class Editor> std::unique_ptr<Editor> openNotice(const char* account, int mode)
{
    auto d = std::make_unique<Editor>();
    d->prepare(account, "", "", mode);
    QTest::qVerify(showActive(d.get()), "showActive", "the editor is the active window", __FILE__, __LINE__);
    return d;
}

// The named controls in tab order, each as "frame.control" when it lies in
// an entry frame; Qt's inner parts and the page control's tabs left out.
inline QStringList tabChain(QWidget& window)
{
    QStringList chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty() || w->objectName().startsWith("qt_") ||
            qobject_cast<QTabWidget*>(w) || qobject_cast<QTabBar*>(w->parentWidget()))
            continue;
        QString name = w->objectName();
        for (QWidget* up = w->parentWidget(); up; up = up->parentWidget())
            if (up->objectName().startsWith("fr_", Qt::CaseInsensitive))
                name = up->objectName() + "." + name;
        chain << name;
    }
    return chain;
}

// The tab order of page "A-B.2" up to the address frame `address`.
inline QStringList identificationChain(const QString& address, const QStringList& extraBoxes = {})
{
    QStringList chain = {"m_nip", "c_urzsk", "z_nazwisko", "m_dur"};
    for (const QString& box : QStringList{"c_kraj", "c_woj", "c_pow", "c_gmina", "z_ul", "z_nrd", "z_nrlok",
                                          "c_miejsc", "m_kodp", "z_poczta", "z_tel", "z_faks"} + extraBoxes)
        chain << address + "." + box;
    return chain;
}

inline const QStringList kDeclarantAndButtons = {"fr_osw1.z_osw_im", "fr_osw1.z_osw_nazw", "fr_osw1.m_dwyp",
                                                 "kl_ok", "kl_druk", "kl_anuluj", "kl_pomoc"};
