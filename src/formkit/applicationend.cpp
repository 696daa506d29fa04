#include "formkit/applicationend.h"

#include <QCoreApplication>

void ApplicationEnd::End()
{
    QCoreApplication::exit(0);
}
