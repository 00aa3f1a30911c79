#include "dialogs/about_dialog.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace korvo {

namespace {

    constexpr int BandWidth = 10;
    const QColor BottomRowGrey(127, 127, 127);

    QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, QPoint at)
    {
        auto* label = new QLabel(text, parent);
        label->setObjectName(QLatin1String(name));
        label->move(at);
        label->adjustSize();
        return label;
    }

    void AddPicture(QWidget* parent, const QString& pictureFile)
    {
        auto* pic = new QLabel(parent);
        pic->setObjectName(QStringLiteral("Pic"));
        pic->setGeometry(0, 0, 505, 336);
        pic->setAlignment(Qt::AlignCenter);
        const QImage picture(pictureFile);
        if (QFileInfo::exists(pictureFile) && !picture.isNull())
            pic->setPixmap(QPixmap::fromImage(FrameAboutPicture(picture)));
    }

    void AddLink(QWidget* parent)
    {
        const QString text
            = QStringLiteral("<a href=\"%1\" style=\"color: blue;\">%2</a>")
                  .arg(QStringLiteral(KORVO_HOMEPAGE), TAboutFrm::tr("Korvo on the web").toHtmlEscaped());
        QLabel* link = NewLabel(parent, "Label1", text, { 9, 343 });
        link->setCursor(Qt::PointingHandCursor);
        link->setOpenExternalLinks(true);
    }

} // namespace

QString ProgramVersion() { return QStringLiteral(KORVO_VERSION); }

QImage FrameAboutPicture(const QImage& picture)
{
    QImage framed = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = framed.width();
    const int h = framed.height();
    QPainter painter(&framed);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& band : { QRect(0, 0, w, BandWidth), QRect(0, 0, BandWidth, h),
             QRect(0, h - BandWidth, w, BandWidth), QRect(w - BandWidth, 0, BandWidth, h) })
        painter.fillRect(band, Qt::white);
    painter.fillRect(QRect(0, h - 1, w, 1), BottomRowGrey);
    return framed;
}

TAboutFrm::TAboutFrm(const QString& pictureFile, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutFrm"));
    setWindowTitle(tr("About"));
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    setFixedSize(504, 428);
    AddPicture(this, pictureFile);
    AddLink(this);
    NewLabel(this, "Label4",
        tr("Drawing for school science teaching.\n"
           "Tell us what you think on the web page."),
        { 8, 365 });
    NewLabel(this, "LicenceLabel", tr("Free software under the GNU General Public License, version 3 or later."),
        { 8, 404 });
    NewLabel(this, "VersionLabel", tr("version %1").arg(ProgramVersion()), { 395, 342 });
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("SpTBXButton1"));
    ok->setGeometry(395, 364, 89, 33);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace korvo
