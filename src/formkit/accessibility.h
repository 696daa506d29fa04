#pragma once

// What assistive technology sees of the forms: each form's window is a
// frame (without its invisible controls), a picture box that prints text is
// read-only text offering its lines, one that plots is a graphic, and the
// announcer is a notification. Installed once, before any window is made.
void installAccessibility();
