#pragma once

#include <QStringList>

class QWidget;

// The keys (Alt and a letter) that more than one control of the window
// answers to, each with the words that share it: a second control with the
// same letter only takes the focus in turn, and never acts. Buttons, labels
// with a buddy, and tabs.
QStringList sharedMnemonics(const QWidget &window);
