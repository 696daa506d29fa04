#pragma once

#include <QIcon>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// A window design as data: what each control is, where it sits (in twips)
// and how it looks when the window is created. ControlFactory turns it into
// widgets.

enum class ControlKind { CommandButton, Label, PictureBox, Line, Timer, Multimedia };

struct FontDesign
{
    double points = 0;
    bool bold = false;
};

struct ControlDesign
{
    ControlKind kind = ControlKind::Label;
    const char *name = "";
    QString caption;
    // Left, Top, Width and Height in twips; a line runs from (left, top) to
    // (left + width, top + height).
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::optional<FontDesign> font; // none: the window's font
    bool framed = false;            // single-line border
    bool centred = false;           // caption centred horizontally
    std::optional<quint32> backColor; // 0x00BBGGRR; none: the kind's default
    std::optional<quint32> foreColor;
    int tabIndex = -1;  // -1: not in the tab order
    int scaleWidth = 0; // a picture box's user scale; 0: twips
    int scaleHeight = 0;
    int interval = 0;   // a timer's interval in milliseconds
    bool visible = true;
    QString role; // what the control is for, offered to assistive technology
    const char *labelledBy = nullptr; // the label that captions this value, for screen readers
    // A button that the program disables while it holds the focus hands the
    // focus on to this one, so that the keyboard stays on the work at hand
    // (or to this one's successor, when this one is disabled too).
    const char *focusPassesTo = nullptr;
};

struct FormDesign
{
    const char *name = "";
    QString caption;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    std::optional<FontDesign> font; // none: the platform's default font
    // Made once with the design and given to every window made from it: a
    // new icon at each load would fill Qt's pixmap cache with copies.
    QIcon icon; // none: the program's icon
    std::vector<ControlDesign> controls;
    // Whether the window's frame offers a close button of its own. A close
    // the window manager asks for (Alt+F4) is honoured either way.
    bool frameCloseButton = true;
};
