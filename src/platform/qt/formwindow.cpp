#include "platform/qt/formwindow.h"

#include <QCloseEvent>

FormWindow::FormWindow()
{
    // Designs are fixed: no maximise button, no resizing.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void FormWindow::setCloseHandler(std::function<void()> handler)
{
    closeHandler_ = std::move(handler);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (closeHandler_)
        closeHandler_();
}
