#include "runtime/playcue.h"

#include "runtime/controls.h"

void PlayCue(MultimediaControl &control, const QString &file, CueKind kind)
{
    if (kind == CueKind::Full) {
        control.setCommand(QStringLiteral("Stop"));
        control.setCommand(QStringLiteral("Close"));
    } else {
        // The verdict chimes have always been sent in lower case; the
        // control does not care.
        control.setCommand(QStringLiteral("close"));
    }
    control.setFileName(file);
    control.setCommand(QStringLiteral("Open"));
    control.setCommand(QStringLiteral("Sound"));
}
