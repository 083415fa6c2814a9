#pragma once

// The modal results with which the choosing dialogs close.
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;
