#include "GameWindow.h"

// Music loop: once a second, past the stage's loop point the tune starts over.
void GameWindow::MusicTimer_Timer()
{
    if (host_.MusicPosition() >= f.MusicLoop)
        host_.RewindMusic();
}
