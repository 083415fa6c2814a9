#include "core/register/register_state.h"

#include "core/records/cleared_record.h"

RegisterState::RegisterState()
{
    for (const RecordKind& k : kRecordKinds) {
        buffers[k.index].assign(k.recordSize, 0);
        ClearRecordBytes(buffers[k.index]);
    }
}

RegisterState& registerState()
{
    static RegisterState state;
    return state;
}

Bytes recordBuffer(int kind) { return registerState().buffers[kindAt(kind).index]; }

void setCurrentAccount(const std::string& text, int number)
{
    registerState().currentAccount = text.substr(0, 8);
    registerState().currentAccountNo = number;
}
