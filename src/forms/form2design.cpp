#include "forms/form2design.h"

#include "platform/formdesign.h"

namespace {

FormDesign makeDesign()
{
    FormDesign d;
    d.name = "Form2";
    d.caption = QStringLiteral(
        " Even those who shoot bad guns \uFF3FHelp\uFF08Question and Operation method\uFF09   Orvane 6.2022");
    d.clientWidth = 9255;
    d.clientHeight = 7545;

    ControlDesign close;
    close.kind = ControlKind::CommandButton;
    close.name = "Command1";
    close.caption = QStringLiteral("Close");
    close.left = 8400;
    close.top = 0;
    close.width = 735;
    close.height = 375;
    close.tabIndex = 0;
    close.role = QStringLiteral("returns to the main window");
    d.controls.push_back(close);

    ControlDesign line;
    line.kind = ControlKind::Line;
    line.name = "Line1";
    line.left = 9120;
    line.top = 360;
    line.width = 120 - 9120; // drawn from right to left
    line.height = 0;
    d.controls.push_back(line);

    ControlDesign text;
    text.kind = ControlKind::PictureBox;
    text.name = "Picture1";
    text.left = 120;
    text.top = 480;
    text.width = 9015;
    text.height = 6975;
    text.font = FontDesign{11.25, false};
    text.backColor = 0x00FFFFFF;
    text.tabIndex = 1;
    text.role = QStringLiteral("Help text");
    d.controls.push_back(text);
    return d;
}

} // namespace

const FormDesign &form2Design()
{
    static const FormDesign design = makeDesign();
    return design;
}
