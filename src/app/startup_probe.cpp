#include "app/startup_probe.h"

#include "editor/drawing_surface_widget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace korvo {

namespace {

    // Started by the first call, made first thing in main().
    QElapsedTimer& SinceStart()
    {
        static QElapsedTimer timer = [] {
            QElapsedTimer t;
            t.start();
            return t;
        }();
        return timer;
    }

    class TFirstPaintWatch : public QObject {
    public:
        explicit TFirstPaintWatch(TSurfaceWidget& surface)
            : QObject(&surface)
            , FSurface(surface)
        {
        }

    protected:
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() != QEvent::Paint || FSurface.Image().isNull())
                return false;
            FSurface.removeEventFilter(this);
            // Reported once the paint under way has finished.
            QTimer::singleShot(0, [] {
                std::printf("korvo: first page painted after %lld ms\n", SinceStart().elapsed());
                std::fflush(stdout);
                // Leaves without closing the window, which would ask whether to exit.
                QCoreApplication::exit(0);
            });
            return false;
        }

    private:
        TSurfaceWidget& FSurface;
    };

} // namespace

void StartStartupClock() { SinceStart(); }

void QuitAfterFirstPaintIfAsked(TSurfaceWidget& surface)
{
    if (qEnvironmentVariableIsSet("KORVO_QUIT_AFTER_FIRST_PAINT"))
        surface.installEventFilter(new TFirstPaintWatch(surface));
}

} // namespace korvo
