// Loaded with LD_PRELOAD into a Qt program, reports when its first top-level
// window has been painted and ends the program at once. The time printed is
// the wall clock in nanoseconds since the epoch, for the caller to subtract
// its own start time from. Two marks before it split the time: "application"
// when the QApplication is made, "shown" when the main window is shown.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Written straight to the descriptor: the program ends without flushing.
void stamp(const char *what)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
    char line[64];
    const int length = snprintf(line, sizeof line, "%s %lld\n", what, ns);
    if (write(STDERR_FILENO, line, size_t(length)) < 0)
        _exit(3);
}

// The processor time spent so far, user and system, in microseconds: unlike
// the wall clock it hardly depends on what else the machine is doing.
void reportProcessorTime()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const long long us = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL
        + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    char line[64];
    const int length = snprintf(line, sizeof line, "cpu %lld\n", us);
    if (write(STDERR_FILENO, line, size_t(length)) < 0)
        _exit(3);
}

void report()
{
    reportProcessorTime();
    stamp("painted");
    _exit(0);
}

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The first paint of a shown top-level window; the whole window is
        // painted and put on the screen within the same round of events, so
        // the report waits for the next round.
        if (!m_shown && event->type() == QEvent::Show) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow() && widget->windowType() == Qt::Window) {
                m_shown = true;
                stamp("shown");
            }
        }
        if (!m_seen && event->type() == QEvent::Paint) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->window()->isVisible()
                && widget->window()->windowType() == Qt::Window) {
                m_seen = true;
                QTimer::singleShot(0, report);
            }
        }
        return false;
    }

private:
    bool m_shown = false;
    bool m_seen = false;
};

void install()
{
    stamp("application");
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

// Runs when the program's QApplication is made.
const bool installed = (qAddPreRoutine(install), true);

} // namespace
