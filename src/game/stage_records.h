#pragma once

// The best times of the stage just cleared, booked by the clear sequence in
// the records of the stage set in use: every clear counts but a demo
// playback's. A training run (a recording too) that sets the stage's best also
// keeps its path as the stage's ghost. True when a record was set, for the
// clear sequence's "New record!".
bool bookStageClear();
