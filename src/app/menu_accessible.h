// The menu bar's captions are padded with spaces that space its items as the
// game lays them out; a screen reader hears each caption without the padding.
#pragma once

class QMenuBar;

namespace morvello {

// Gives the menu bar's padded items and menus their captions without padding,
// for assistive technologies only; the captions on screen stay as they are.
void speakMenuCaptionsTrimmed(QMenuBar& menuBar);

}  // namespace morvello
