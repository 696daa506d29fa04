#pragma once

class ControlLookup;
class PictureBox;
class QFrame;
class QPushButton;

// The help window's controls under their design names.
struct Form2Controls
{
    QPushButton &Command1; // Close
    PictureBox &Picture1;  // the help text
    QFrame &Line1;

    static Form2Controls bind(const ControlLookup &lookup);
};
