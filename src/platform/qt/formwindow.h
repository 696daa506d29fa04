#pragma once

#include <QWidget>

#include <functional>

class Announcer;

// The top-level window of a form: fixed client area, no handlers of its own.
// Closing it through its frame is reported to the form, which unloads it.
class FormWindow final : public QWidget
{
    Q_OBJECT

public:
    FormWindow();

    void setCloseHandler(std::function<void()> handler);
    // Tells a screen reader, without moving the focus.
    void announce(const QString &message);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<void()> closeHandler_;
    Announcer *announcer_; // a child: the window owns it
};
