#include "screens/frame_counter.h"

#include "platform/clock.h"
#include "progress/settings.h"
#include "text/font.h"
#include "text/text_pool.h"

void drawFrameCounter(Picture& page) {
    if (!settings.showFps) return;
    // The rate of the last measured second plus one, truncated.
    gameFont.drawTextRight(textWithNumber("FPS: ", (int)(fpsCounter.fps + 1.0f)), 1, page);
}
