#pragma once

#include <QFileDialog>

class QLabel;

namespace korvo {

// The file dialog for background pictures, with a preview of the picture under the cursor.
class TPictureFileDialog : public QFileDialog {
public:
    explicit TPictureFileDialog(QWidget* parent);

private:
    void ShowPreview(const QString& fileName);

    QLabel* FPreview;
};

} // namespace korvo
