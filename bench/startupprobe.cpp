// Loaded with LD_PRELOAD into a Qt program, reports when its first top-level
// window has been painted and when its event loop has gone idle after that,
// then ends the program at once. The times printed are the wall clock in
// nanoseconds since the epoch, for the caller to subtract its own start time
// from. Two marks before them split the time: "application" when the
// QApplication is made, "shown" when the main window is shown.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {

long long nowNs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Written straight to the descriptor: the program ends without flushing.
void stamp(const char *what, long long ns = nowNs())
{
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

long long threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The event loop is idle once a timer of no interval fires again and again
// with nothing between: more than kBusyGapNs of the thread's processor time
// between two firings is work the program did (a longer gap on the clock
// alone is the machine running something else). Idle is reported as the
// start of the first quiet stretch of kQuietNs, or after kGiveUpNs whatever
// the program still does.
class IdleWatch : public QObject
{
public:
    static constexpr long long kBusyGapNs = 2'000'000;
    static constexpr long long kQuietNs = 50'000'000;
    static constexpr long long kGiveUpNs = 5'000'000'000;

    IdleWatch()
    {
        m_start = m_quietSince = nowNs();
        m_lastCpu = threadCpuNs();
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start();
    }

private:
    void tick()
    {
        const long long now = nowNs();
        const long long cpu = threadCpuNs();
        if (cpu - m_lastCpu > kBusyGapNs)
            m_quietSince = now;
        m_lastCpu = cpu;
        if (now - m_quietSince >= kQuietNs || now - m_start >= kGiveUpNs) {
            stamp("idle", m_quietSince);
            _exit(0);
        }
    }

    QTimer m_timer;
    long long m_start = 0;
    long long m_lastCpu = 0;
    long long m_quietSince = 0;
};

void report()
{
    reportProcessorTime();
    stamp("painted");
    new IdleWatch;
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
