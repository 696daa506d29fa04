#include "runtime/firstwindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace {

// Watches the program's windows until one is exposed, then runs the work.
class FirstWindowWatch final : public QObject
{
public:
    FirstWindowWatch(QObject *context, std::chrono::milliseconds latest, std::function<void()> work)
        : QObject(context), work_(std::move(work))
    {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(latest, this, &FirstWindowWatch::run);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // After the window's own handling of the event: it is painted first.
        if (event->type() == QEvent::Expose && watched->isWindowType()
            && static_cast<QWindow *>(watched)->isExposed())
            QTimer::singleShot(0, this, &FirstWindowWatch::run);
        return false;
    }

private:
    void run()
    {
        if (!work_)
            return;
        QCoreApplication::instance()->removeEventFilter(this);
        const std::function<void()> work = std::exchange(work_, nullptr);
        deleteLater();
        work();
    }

    std::function<void()> work_;
};

} // namespace

void whenFirstWindowShown(QObject *context, std::chrono::milliseconds latest, std::function<void()> work)
{
    for (const QWindow *window : QGuiApplication::topLevelWindows())
        if (window->isExposed()) {
            QTimer::singleShot(0, context, std::move(work));
            return;
        }
    new FirstWindowWatch(context, latest, std::move(work)); // owned by context
}
