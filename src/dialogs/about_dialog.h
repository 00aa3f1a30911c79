#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QImage>

namespace korvo {

// "About": the program's picture, its version, its licence and the way to its web page.
class TAboutFrm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(korvo::TAboutFrm)

public:
    // The picture file need not exist; the box then shows no picture.
    explicit TAboutFrm(const QString& pictureFile, QWidget* parent = nullptr);
};

// The version of this build, three numbers with dots between them.
QString ProgramVersion();

// The picture as the box shows it: white bands 10 pixels wide along its four edges and a grey bottom
// row, all opaque, over the picture's own pixels.
QImage FrameAboutPicture(const QImage& picture);

} // namespace korvo
