#pragma once

#include <QString>

class MultimediaControl;

enum class CueKind {
    Full,  // stops and closes whatever the control holds first (commands)
    Short, // the verdict chimes: only closes it
};

void PlayCue(MultimediaControl &control, const QString &file, CueKind kind);
