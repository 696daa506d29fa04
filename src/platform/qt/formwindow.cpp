#include "platform/qt/formwindow.h"

#include "platform/qt/announcer.h"

#include <QCloseEvent>

FormWindow::FormWindow()
    : announcer_(new Announcer(this))
{
}

void FormWindow::setCloseHandler(std::function<void()> handler)
{
    closeHandler_ = std::move(handler);
}

void FormWindow::announce(const QString &message)
{
    announcer_->announce(message);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (closeHandler_)
        closeHandler_();
}
