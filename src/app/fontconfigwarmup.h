#pragma once

// Starts reading the desktop's font configuration (fontconfig's settings and
// its caches of every installed face) on a thread of its own, before the
// application object is made: Qt reads it on the window's thread when the
// first caption needs a font, by which time it is ready. Nothing waits for
// the thread; if Qt comes first, it reads the configuration itself, as it
// would have anyway. Call once, first thing in main(). Where the program is
// built without fontconfig (Windows, macOS), it does nothing.
void startReadingFontConfiguration();
