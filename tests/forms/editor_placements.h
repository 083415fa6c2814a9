#pragma once
#include "core/common/field_layout.h"

#include <QString>

#include <map>
#include <vector>

// For each editor: its controls (or the frames around them) and the record
// fields the form puts them in: the form's own binding table, written out
// once more, so that a control bound to the wrong field fails a test.
using Placement = std::map<QString, std::vector<Field>>;

Placement personalPlacement();
Placement nip1Placement();
Placement nipbPlacement();
Placement nip3Placement();
Placement nip2Placement();
Placement vatrPlacement();
Placement vat21Placement();
Placement vatzPlacement();
