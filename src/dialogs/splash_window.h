#pragma once

#include <QWidget>

namespace korvo {

// The program's picture, shown without a frame above every window while the program starts. It
// closes itself as soon as another window of the program shows: the main window once it is ready,
// or a message box that start-up puts up before that, which the splash would otherwise hide.
class TSplashFrm : public QWidget {
public:
    // Without the picture file the window is a blank rectangle of its design size.
    explicit TSplashFrm(const QString& pictureFile);

    // Shows the window centred on the screen and paints it before returning.
    void ShowNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace korvo
