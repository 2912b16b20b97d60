#pragma once

#include "CoefTable.h"
#include "Form1.h"

namespace dct::ui {

// Empties the window as its Reset button does.
void ClearWindow(Form1& window);

// Enters a table into the window as a user would: Reset, each coefficient
// that is not 0 typed into its box, then F(0,0) selected, as at start-up.
// Only the window's own handlers run, so every rule of the window holds.
void EnterTable(Form1& window, const CoefTable& table);

}  // namespace dct::ui
