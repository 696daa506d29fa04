#include "platform/qt/applicationend.h"

#include <QCoreApplication>

void ApplicationEnd::End()
{
    QCoreApplication::exit(0);
}
