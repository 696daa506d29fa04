#include "formkit/controllookup.h"

#include <QWidget>

#include <cstdio>
#include <cstdlib>

void stopOnWiringFault(const QString &what)
{
    std::fprintf(stderr, "shootalot: %s\n", qPrintable(what));
    std::fflush(stderr);
    std::_Exit(70);
}

ControlLookup::ControlLookup(const QWidget &window, QString windowName)
    : window_(window), windowName_(std::move(windowName))
{
}

QObject *ControlLookup::child(const char *name) const
{
    return window_.findChild<QObject *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void ControlLookup::fault(const char *name, const char *kind, const QObject *found) const
{
    if (!found)
        stopOnWiringFault(QStringLiteral("the window %1 has no control %2 (a %3)")
                              .arg(windowName_, QLatin1String(name), QLatin1String(kind)));
    stopOnWiringFault(QStringLiteral("the control %2 of the window %1 is a %3, not a %4")
                          .arg(windowName_, QLatin1String(name),
                               QLatin1String(found->metaObject()->className()),
                               QLatin1String(kind)));
}
