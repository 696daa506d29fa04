#pragma once

// How the program talks to the display server: set before the application
// object is made, by main() and by whatever measures the program as it runs.
void chooseDisplayOptions();
