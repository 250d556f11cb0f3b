#pragma once

// Plays each of the nine sound effects on demand; "Return" or back leaves.
// The extras menu switches effects on around it, so it is always heard.
void soundTest();
