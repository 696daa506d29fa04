#pragma once

#include "formkit/formdesign.h"
#include "formkit/formwindow.h"

#include <memory>

class SoundPlayer;

// Makes a window and its controls from a design table: every control gets
// its name as objectName, its geometry in pixels, its font, colours, frame
// and alignment, and the focusable ones their tab order.
class ControlFactory
{
public:
    // sound plays for the design's multimedia control, if it has one.
    explicit ControlFactory(SoundPlayer *sound);

    std::unique_ptr<FormWindow> createWindow(const FormDesign &design) const;

private:
    void createControl(FormWindow &window, const ControlDesign &control) const;

    SoundPlayer *sound_;
};
