#pragma once

// The view onto the map: 320 by 240 pixels, following the ball (which then
// stands 160 pixels from the left and 120 from the top) unless the player has
// locked it, and always kept inside the map.

// Once per tick after the bodies moved, and at once after a teleport or a
// respawn: the camera, then the block and treasure animations and the
// particles.
void updateMap();
// Locking holds both axes where they are; unlocking lets the camera follow.
void lockCamera();
void unlockCamera();
// Moves the camera by whole pixels (the player scrolling a locked view); the
// next update keeps it inside the map.
void scrollCamera(int dx, int dy);
