#include "core/register/record_kind.h"

#include "core/common/cp1250.h"

const RecordKind& kindByName(std::string_view name)
{
    const std::string upper = cp1250::upper(name);
    for (const RecordKind& k : kRecordKinds)
        if (k.name == upper)
            return k;
    return kRecordKinds[0];
}

const RecordKind& kindAt(int index)
{
    return (index >= 0 && index < 5) ? kRecordKinds[index] : kRecordKinds[0];
}
