#include "platform/headless.h"

bool headlessMode = false;

namespace {
Hook frameHook;
Hook tickHook;
} // namespace

void setFrameHook(Hook hook) {
    frameHook = std::move(hook);
}
void setTickHook(Hook hook) {
    tickHook = std::move(hook);
}
void runFrameHook() {
    if (frameHook) frameHook();
}
void runTickHook() {
    if (tickHook) tickHook();
}
