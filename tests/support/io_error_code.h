#pragma once
#include "core/common/io_error.h"

// The number of the input/output error `operation` raises; 0 when it raises none.
template <class Operation>
int ioErrorCode(Operation&& operation)
{
    try {
        operation();
    } catch (const IoError& e) {
        return e.code();
    }
    return 0;
}
