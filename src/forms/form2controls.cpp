#include "forms/form2controls.h"

#include "formkit/controllookup.h"
#include "formkit/picturebox.h"

#include <QPushButton>

Form2Controls Form2Controls::bind(const ControlLookup &lookup)
{
    return {
        .Command1 = lookup.get<QPushButton>("Command1"),
        .Picture1 = lookup.get<PictureBox>("Picture1"),
        .Line1 = lookup.get<QFrame>("Line1"),
    };
}
