#pragma once

// The studio picture shown once after loading: half a second still, then the
// jingle and the ball's little act in the picture's window, then a fade. It
// cannot be skipped; it returns when it has ended (or on a quit request).
void titleLogoAnimation();
