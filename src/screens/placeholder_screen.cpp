#include "screens/placeholder_screen.h"

#include "platform/display.h"
#include "platform/input.h"
#include "text/font.h"

#include <allegro.h>

int placeholderScreen() {
    clear_to_color(backBuffer, makecol(24, 20, 48));
    gameFont.drawTextCentered("TUMBLO", 60, backBuffer);
    gameFont.drawTextCentered("$C $D $A $B $E $F $G", 90, backBuffer);
    gameFont.drawTextCentered("The title menu is on its way.", 130, backBuffer);
    gameFont.drawTextCentered("Press ENTER, ESC or F2 to exit", 160, backBuffer);
    waitForButtonPress();
    return 5;
}
