#pragma once

// False while nobody looks at play (the tool's replays, the solver, the
// benchmarks). Sprites, tile animations and particles then stand still and no
// particle is made (nor its random numbers drawn): the rules never read them,
// so play runs the same either way.
extern bool playShown;
