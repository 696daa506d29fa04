#include "forms/form1design.h"

#include "look/designlook.h"
#include "formkit/formdesign.h"

#include <QCoreApplication>

namespace {

constexpr quint32 White = 0x00FFFFFF;
constexpr quint32 Black = 0x00000000;
constexpr quint32 TitlePink = 0x00FFC0FF;

constexpr FontDesign SmallButton{9.75, false};
constexpr FontDesign RunButton{11.25, true};
constexpr FontDesign CaptionFont{11.25, true};
constexpr FontDesign ValueFont{14.25, true};

// The panel's captions and values: framed, centred, on white.
ControlDesign panelLabel(const char *name, const char *caption, int left, int top, int width,
                         int height, FontDesign font, int tab, const char *role)
{
    return {.kind = ControlKind::Label, .name = name, .caption = QString::fromUtf8(caption),
            .left = left, .top = top, .width = width, .height = height, .font = font,
            .framed = true, .centred = true, .backColor = White, .tabIndex = tab,
            .role = QString::fromUtf8(role)};
}

// A value display, with the label whose caption names it.
ControlDesign captionedBy(ControlDesign value, const char *caption)
{
    value.labelledBy = caption;
    return value;
}

// passesTo: where the focus goes when the program disables this button
// under it. The run controls hand it to each other and Init to Firing, so
// that a key pressed next carries the experiment on and never lands on
// Help or Exit, which would end it.
ControlDesign button(const char *name, const char *caption, int left, int top, int width,
                     int height, FontDesign font, int tab, const char *role, const char *passesTo)
{
    return {.kind = ControlKind::CommandButton, .name = name, .caption = QString::fromUtf8(caption),
            .left = left, .top = top, .width = width, .height = height, .font = font,
            .tabIndex = tab, .role = QString::fromUtf8(role), .focusPassesTo = passesTo};
}

FormDesign makeDesign()
{
    ControlDesign title = panelLabel("Label7", "Even those who shoot bad guns will hit it",
                                     720, 0, 6015, 375, ValueFont, 10, "title");
    title.backColor = TitlePink;
    ControlDesign hits = panelLabel("Label2", "", 2280, 6720, 735, 375, ValueFont, 3,
                                    "hits in the current experiment");
    hits.foreColor = Black;
    hits.labelledBy = "Label1";

    return {
        .name = "Form1",
        .caption = QStringLiteral("Even those who shoot bad guns will hit it if they shoot a lot"
                                  "           Orvane 6.2022"),
        .clientWidth = 8205,
        .clientHeight = 9300,
        .font = FontDesign{8.25, false},
        .icon = design::programIcon(),
        .controls = {
            button("Command4", "Exit", 0, 0, 735, 375, SmallButton, 12, "ends the program", "Command3"),
            title,
            button("Command6", "Help", 6720, 0, 735, 375, SmallButton, 22, "opens the help window", "Command3"),
            button("Command5", "Init", 7440, 0, 735, 375, SmallButton, 13, "resets the experiment", "Command1"),
            {.kind = ControlKind::Line, .name = "Line1", .left = 0, .top = 360, .width = 8160},
            {.kind = ControlKind::Multimedia, .name = "MMControl1", .left = 1800, .top = 360,
             .width = 3660, .height = 330, .tabIndex = 14, .visible = false,
             .role = QStringLiteral(QT_TRANSLATE_NOOP("ControlRole", "plays the sound cues"))},
            {.kind = ControlKind::PictureBox, .name = "Picture1", .left = 1080, .top = 600,
             .width = 6015, .height = 5655, .font = FontDesign{9, false}, .tabIndex = 0,
             .scaleWidth = 500, .scaleHeight = 500, .role = QStringLiteral(QT_TRANSLATE_NOOP("ControlRole", "Target plot"))},
            {.kind = ControlKind::Label, .name = "Label8",
             .caption = QStringLiteral("A person who hits the gun skill once in 10 times shoots the gun"),
             .left = 840, .top = 6360, .width = 6615, .height = 255, .font = FontDesign{12, false},
             .centred = true, .tabIndex = 11, .role = QStringLiteral("subtitle")},
            panelLabel("Label1", "Number of hits", 480, 6720, 1815, 375, CaptionFont, 2, "caption of the hits"),
            hits,
            panelLabel("Label3", "Number of shots", 3240, 6720, 2055, 375, CaptionFont, 4, "caption of the shot number"),
            captionedBy(panelLabel("Label4", "", 5280, 6720, 735, 375, ValueFont, 5, "number of the current shot"), "Label3"),
            panelLabel("Label9", "", 6240, 6720, 1455, 375, ValueFont, 15, "verdict of the finished experiment"),
            panelLabel("Label12", "Number of successes", 480, 7200, 2535, 375, CaptionFont, 18, "caption of the successes"),
            captionedBy(panelLabel("Label13", "", 3000, 7200, 1095, 375, ValueFont, 19, "number of successful experiments"), "Label12"),
            panelLabel("Label6", "Success rate", 4200, 7440, 1695, 375, CaptionFont, 7, "caption of the success rate"),
            captionedBy(panelLabel("Label5", "", 5880, 7440, 1815, 375, ValueFont, 6, "experimental success rate"), "Label6"),
            panelLabel("Label10", "Number of experiments", 480, 7680, 2775, 375, CaptionFont, 16, "caption of the experiments"),
            captionedBy(panelLabel("Label11", "", 3240, 7680, 975, 375, ValueFont, 17, "number of judged experiments"), "Label10"),
            panelLabel("Label14", "Mathematical probability of hitting at least once", 4680, 7920, 3135, 615, CaptionFont, 20, "caption of the theoretical probability"),
            button("Command2", "AutoStart", 600, 8160, 1455, 495, RunButton, 8, "starts automatic firing", "Command3"),
            button("Command1", "Firing", 2400, 8280, 1935, 735, FontDesign{18, true}, 1, "fires one shot", "Command3"),
            captionedBy(panelLabel("Label15", "", 4920, 8520, 2655, 375, ValueFont, 21, "theoretical probability of at least one hit"), "Label14"),
            button("Command3", "AutoStop", 600, 8640, 1455, 495, RunButton, 9, "stops automatic firing", "Command2"),
            {.kind = ControlKind::Timer, .name = "Timer1", .interval = 100},
        },
    };
}

} // namespace

const FormDesign &form1Design()
{
    static const FormDesign design = makeDesign();
    return design;
}
