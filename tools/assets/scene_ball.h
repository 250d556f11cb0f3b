#pragma once

#include "assets/image.h"
#include "assets/scene_canvas.h"

// Tumblo as a figure in pictures: the title animation and the logo's "O".
struct BallLook {
    Rgb body, shade, shine, outline, eye, pupil;
};

struct BallPose {
    double x = 0, bottom = 0; // centre column and the row it stands on
    double radius = 8;
    double squash = 1; // height scale; below 1 it flattens and widens
    double look = 0;   // -1 left .. 1 right
    int wink = 0;      // 0 eyes open, 1 right eye shut, 2 both shut
};

// The palette's usual ball colours, overridable by a layer's keys.
BallLook defaultBallLook();
void paintBall(Canvas& canvas, const BallPose& pose, const BallLook& look);
