#include "dialogs/splash_window.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>

namespace korvo {

TSplashFrm::TSplashFrm(const QString& pictureFile)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashFrm"));
    resize(394, 262);
    auto* pic = new QLabel(this);
    pic->setObjectName(QStringLiteral("SplashPic"));
    const QPixmap picture(pictureFile);
    if (QFileInfo::exists(pictureFile) && !picture.isNull()) {
        pic->setPixmap(picture);
        pic->resize(picture.size());
        resize(picture.size());
    }
}

void TSplashFrm::ShowNow()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    qApp->installEventFilter(this);
    show();
    repaint();
    QApplication::processEvents();
}

bool TSplashFrm::eventFilter(QObject* watched, QEvent* event)
{
    // A window shows on its show event before it reaches the screen, so the splash is gone first.
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog)) {
            qApp->removeEventFilter(this);
            close();
        }
    }
    return false;
}

} // namespace korvo
