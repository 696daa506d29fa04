#pragma once

#include "experiment/experimentoperations.h"

class ControlLookup;
class FormLabel;
class MciControl;
class PictureBox;
class QFrame;
class QPushButton;
class QTimer;

// The main window's controls under their design names, bound once each
// time the window is made.
struct Form1Controls
{
    QPushButton &Command1; // Firing
    QPushButton &Command2; // AutoStart
    QPushButton &Command3; // AutoStop
    QPushButton &Command4; // Exit
    QPushButton &Command5; // Init
    QPushButton &Command6; // Help
    FormLabel &Label1;     // caption of the hits
    FormLabel &Label2;     // hits in the current experiment
    FormLabel &Label3;     // caption of the shot number
    FormLabel &Label4;     // shot number
    FormLabel &Label5;     // experimental success rate
    FormLabel &Label6;     // caption of the success rate
    FormLabel &Label7;     // title
    FormLabel &Label8;     // subtitle
    FormLabel &Label9;     // verdict
    FormLabel &Label10;    // caption of the experiments
    FormLabel &Label11;    // experiments judged
    FormLabel &Label12;    // caption of the successes
    FormLabel &Label13;    // successes
    FormLabel &Label14;    // caption of the theoretical probability
    FormLabel &Label15;    // theoretical probability
    PictureBox &Picture1;  // the target plot
    QTimer &Timer1;        // automatic firing
    MciControl &MMControl1; // plays the cues
    QFrame &Line1;

    static Form1Controls bind(const ControlLookup &lookup);

    // What the experiment writes to.
    ExperimentControls experiment() const;
};
