#include "platform/qt/displayoptions.h"

#include <QByteArray>

void chooseDisplayOptions()
{
    // On X11, Qt hands each repaint to the server in shared memory, and
    // before it paints the same pixels again it waits for the server to have
    // read them: a round trip to the server, and two threads woken, at every
    // automatic shot, which repaints a counter and a mark ten times a second
    // (a third of the program's CPU while it fires). This program's changes
    // are a few hundred pixels, sent in the request itself. The price is
    // paid when a whole window is repainted: 3.5 ms rather than 1.6 for the
    // main window zoomed to 1641 x 1860, 13 ms rather than 5 for a whole
    // 4K screen.
    qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
}
