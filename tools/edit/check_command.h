#pragma once

// tumblo-edit --check STAGE.txt [--budget SECONDS]: the live check's verdict
// without a window. Exit status 0 clears, 1 no clear found, 2 broken (or a
// source that cannot be read).
int runCheckCommand(const char* stagePath, double budgetSeconds);
