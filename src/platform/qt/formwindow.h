#pragma once

#include <QWidget>

#include <functional>

// The top-level window of a form: fixed client area, no handlers of its own.
// Closing it through its frame is reported to the form, which unloads it.
class FormWindow final : public QWidget
{
    Q_OBJECT

public:
    FormWindow();

    void setCloseHandler(std::function<void()> handler);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<void()> closeHandler_;
};
