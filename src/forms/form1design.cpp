#include "forms/form1design.h"

#include "platform/formdesign.h"

namespace {

constexpr quint32 White = 0x00FFFFFF;
constexpr quint32 Black = 0x00000000;
constexpr quint32 TitlePink = 0x00FFC0FF;

const FontDesign Button{9.75, false};
const FontDesign ValueFont{14.25, true};
const FontDesign CaptionFont{11.25, true};
const FontDesign RunButton{11.25, true};

ControlDesign button(const char *name, const char *caption, int left, int top, int width,
                     int height, FontDesign font, int tab, const char *role)
{
    ControlDesign c;
    c.kind = ControlKind::CommandButton;
    c.name = name;
    c.caption = QString::fromUtf8(caption);
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.font = font;
    c.tabIndex = tab;
    c.role = QString::fromUtf8(role);
    return c;
}

// A framed, centred label on white: every caption and value of the panel.
ControlDesign panelLabel(const char *name, const char *caption, int left, int top, int width,
                         int height, FontDesign font, int tab, const char *role)
{
    ControlDesign c;
    c.kind = ControlKind::Label;
    c.name = name;
    c.caption = QString::fromUtf8(caption);
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.font = font;
    c.framed = true;
    c.centred = true;
    c.backColor = White;
    c.tabIndex = tab;
    c.role = QString::fromUtf8(role);
    return c;
}

FormDesign makeDesign()
{
    FormDesign d;
    d.name = "Form1";
    d.caption = QStringLiteral(
        "Even those who shoot bad guns will hit it if they shoot a lot           Orvane 6.2022");
    d.clientWidth = 8205;
    d.clientHeight = 9300;
    d.font = FontDesign{8.25, false};
    d.iconResource = QStringLiteral(":/icons/shootalot-32.png");

    auto &c = d.controls;
    c.push_back(button("Command4", "Exit", 0, 0, 735, 375, Button, 12, "ends the program"));

    ControlDesign title = panelLabel("Label7", "Even those who shoot bad guns will hit it", 720, 0,
                                     6015, 375, ValueFont, 10, "title");
    title.backColor = TitlePink;
    c.push_back(title);

    c.push_back(button("Command6", "Help", 6720, 0, 735, 375, Button, 22, "opens the help window"));
    c.push_back(button("Command5", "Init", 7440, 0, 735, 375, Button, 13, "resets the experiment"));

    ControlDesign line;
    line.kind = ControlKind::Line;
    line.name = "Line1";
    line.left = 0;
    line.top = 360;
    line.width = 8160;
    line.height = 0;
    c.push_back(line);

    ControlDesign player;
    player.kind = ControlKind::Multimedia;
    player.name = "MMControl1";
    player.left = 1800;
    player.top = 360;
    player.width = 3660;
    player.height = 330;
    player.tabIndex = 14;
    player.visible = false;
    player.role = QStringLiteral("plays the sound cues");
    c.push_back(player);

    ControlDesign plot;
    plot.kind = ControlKind::PictureBox;
    plot.name = "Picture1";
    plot.left = 1080;
    plot.top = 600;
    plot.width = 6015;
    plot.height = 5655;
    plot.font = FontDesign{9, false};
    plot.tabIndex = 0;
    plot.scaleWidth = 500;
    plot.scaleHeight = 500;
    plot.role = QStringLiteral("Target plot");
    c.push_back(plot);

    ControlDesign subtitle;
    subtitle.kind = ControlKind::Label;
    subtitle.name = "Label8";
    subtitle.caption = QStringLiteral("A person who hits the gun skill once in 10 times shoots the gun");
    subtitle.left = 840;
    subtitle.top = 6360;
    subtitle.width = 6615;
    subtitle.height = 255;
    subtitle.font = FontDesign{12, false};
    subtitle.centred = true;
    subtitle.tabIndex = 11;
    subtitle.role = QStringLiteral("subtitle");
    c.push_back(subtitle);

    c.push_back(panelLabel("Label1", "Number of hits", 480, 6720, 1815, 375, CaptionFont, 2, "caption of the hits"));
    ControlDesign hits = panelLabel("Label2", "", 2280, 6720, 735, 375, ValueFont, 3, "hits in the current experiment");
    hits.foreColor = Black;
    c.push_back(hits);
    c.push_back(panelLabel("Label3", "Number of shots", 3240, 6720, 2055, 375, CaptionFont, 4, "caption of the shot number"));
    c.push_back(panelLabel("Label4", "", 5280, 6720, 735, 375, ValueFont, 5, "number of the current shot"));
    c.push_back(panelLabel("Label9", "", 6240, 6720, 1455, 375, ValueFont, 15, "verdict of the finished experiment"));
    c.push_back(panelLabel("Label12", "Number of successes", 480, 7200, 2535, 375, CaptionFont, 18, "caption of the successes"));
    c.push_back(panelLabel("Label13", "", 3000, 7200, 1095, 375, ValueFont, 19, "number of successful experiments"));
    c.push_back(panelLabel("Label6", "Success rate", 4200, 7440, 1695, 375, CaptionFont, 7, "caption of the success rate"));
    c.push_back(panelLabel("Label5", "", 5880, 7440, 1815, 375, ValueFont, 6, "experimental success rate"));
    c.push_back(panelLabel("Label10", "Number of experiments", 480, 7680, 2775, 375, CaptionFont, 16, "caption of the experiments"));
    c.push_back(panelLabel("Label11", "", 3240, 7680, 975, 375, ValueFont, 17, "number of judged experiments"));
    c.push_back(panelLabel("Label14", "Mathematical probability of hitting at least once", 4680, 7920, 3135, 615, CaptionFont, 20, "caption of the theoretical probability"));
    c.push_back(button("Command2", "AutoStart", 600, 8160, 1455, 495, RunButton, 8, "starts automatic firing"));
    c.push_back(button("Command1", "Firing", 2400, 8280, 1935, 735, FontDesign{18, true}, 1, "fires one shot"));
    c.push_back(panelLabel("Label15", "", 4920, 8520, 2655, 375, ValueFont, 21, "theoretical probability of at least one hit"));
    c.push_back(button("Command3", "AutoStop", 600, 8640, 1455, 495, RunButton, 9, "stops automatic firing"));

    ControlDesign timer;
    timer.kind = ControlKind::Timer;
    timer.name = "Timer1";
    timer.interval = 100;
    c.push_back(timer);
    return d;
}

} // namespace

const FormDesign &form1Design()
{
    static const FormDesign design = makeDesign();
    return design;
}
