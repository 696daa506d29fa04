#include "forms/form2design.h"

#include "formkit/formdesign.h"

#include <QCoreApplication>

namespace {

FormDesign makeDesign()
{
    return {
        .name = "Form2",
        .caption = QStringLiteral(" Even those who shoot bad guns \uFF3FHelp\uFF08Question and "
                                  "Operation method\uFF09   Orvane 6.2022"),
        .clientWidth = 9255,
        .clientHeight = 7545,
        .controls = {
            {.kind = ControlKind::CommandButton, .name = "Command1",
             .caption = QStringLiteral("Close"), .left = 8400, .top = 0, .width = 735,
             .height = 375, .tabIndex = 0, .role = QStringLiteral(QT_TRANSLATE_NOOP("ControlRole", "returns to the main window"))},
            // Drawn from right to left.
            {.kind = ControlKind::Line, .name = "Line1", .left = 9120, .top = 360,
             .width = 120 - 9120},
            {.kind = ControlKind::PictureBox, .name = "Picture1", .left = 120, .top = 480,
             .width = 9015, .height = 6975, .font = FontDesign{11.25, false},
             .backColor = 0x00FFFFFF, .tabIndex = 1, .role = QStringLiteral(QT_TRANSLATE_NOOP("ControlRole", "Help text"))},
        },
        // Close stands where a student looks for a way back; a close button
        // of the frame's own beside it would end the whole program.
        .frameCloseButton = false,
    };
}

} // namespace

const FormDesign &form2Design()
{
    static const FormDesign design = makeDesign();
    return design;
}
