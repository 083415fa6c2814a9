#pragma once
#include "core/common/record_access.h"
#include "core/print/page_writer.h"

// One renderer per printed page. Each starts at the page's margins and
// reads the record of its form. The layouts the official sheets come with
// step from section to section by the calibrated spacing alone; the pages
// laid out here by a line and the spacing on top (PageWriter::sectionLine),
// so that they print readably before anyone calibrates them.
namespace page_layout {

void nip1Page1(PageWriter& w, ConstBytes rec);
void nip1Page2(PageWriter& w, ConstBytes rec);
void nip1Page3(PageWriter& w, ConstBytes rec);
void nip1Page4(PageWriter& w, ConstBytes rec);

void nip2Page1(PageWriter& w, ConstBytes rec);
void nip2Page2(PageWriter& w, ConstBytes rec);
void nip2Page3(PageWriter& w, ConstBytes rec);
void nip2Page4(PageWriter& w, ConstBytes rec);

// NIP-D sheet 1 holds partners 1 to 3, sheet 2 partners 4 to 6.
void nipDPage1(PageWriter& w, ConstBytes rec, int sheet);
void nipDPage2(PageWriter& w, ConstBytes rec, int sheet);

void nip3Page1(PageWriter& w, ConstBytes rec);
void nip3Page2(PageWriter& w, ConstBytes rec);

void nipBPage1(PageWriter& w, ConstBytes rec);
void nipBPage2(PageWriter& w, ConstBytes rec);

void vatRPage1(PageWriter& w, ConstBytes rec);
void vatRPage2(PageWriter& w, ConstBytes rec);
void vatRUePage(PageWriter& w, ConstBytes rec);

void vatZPage(PageWriter& w, ConstBytes rec);

void vat21Page1(PageWriter& w, ConstBytes rec);
void vat21Page2(PageWriter& w, ConstBytes rec);

} // namespace page_layout
