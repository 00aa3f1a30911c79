#include "editor/picture_file_dialog.h"

#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

namespace korvo {

namespace {
    constexpr int PreviewSize = 200;
}

TPictureFileDialog::TPictureFileDialog(QWidget* parent)
    : QFileDialog(parent)
    , FPreview(new QLabel(this))
{
    // The preview pane needs Qt's own dialog; the desktop's native one cannot take extra widgets.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    FPreview->setObjectName(QStringLiteral("PicturePreview"));
    FPreview->setFixedSize(PreviewSize, PreviewSize);
    FPreview->setAlignment(Qt::AlignCenter);
    FPreview->setFrameShape(QFrame::StyledPanel);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(FPreview, 1, grid->columnCount(), grid->rowCount() - 1, 1);
    connect(this, &QFileDialog::currentChanged, this, &TPictureFileDialog::ShowPreview);
}

void TPictureFileDialog::ShowPreview(const QString& fileName)
{
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(PreviewSize, PreviewSize, Qt::KeepAspectRatio));
    const QImage picture = reader.read();
    FPreview->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
}

} // namespace korvo
