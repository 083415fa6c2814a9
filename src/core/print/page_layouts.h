#pragma once
#include "core/common/record_access.h"
#include "core/print/page_ids.h"
#include "core/print/page_writer.h"

// Renders one page from its record. The writer starts at the page's margins
// (origin_x, pen_y); `sheet` is the NIP-D sheet (1 or 2), 1 elsewhere.
void renderPage(PageId page, PageWriter& writer, ConstBytes record, int sheet);
