#include "dialogs/about_dialog.h"
#include "dialogs/splash_window.h"

#include "dialog_test_support.h"
#include "support/temp_files.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

using namespace korvo;
using namespace korvo::test;

namespace {

class AboutAndSplash : public TTempFolderTest {
protected:
    // A picture file of the size, in one colour.
    QString Picture(QSize size)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QString path = Path(QStringLiteral("Splash.png"));
        EXPECT_TRUE(picture.save(path));
        return path;
    }
};

TEST_F(AboutAndSplash, AboutShowsTheBuildsVersionAndClosesWithOk)
{
    TAboutFrm about(Path(QStringLiteral("missing.png")));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    const QString version = Part<QLabel>(about, "VersionLabel")->text();
    EXPECT_EQ(version, QStringLiteral("version " KORVO_VERSION));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^version \\d+\\.\\d+\\.\\d+$")).match(version).hasMatch());
    EXPECT_TRUE(Part<QLabel>(about, "LicenceLabel")->text().contains(QStringLiteral("version 3 or later")));
    EXPECT_TRUE(Part<QLabel>(about, "Pic")->pixmap().isNull()) << "no picture file, no picture";
    WhenShown([](QWidget& dialog) { QTest::mouseClick(Part<QPushButton>(dialog, "SpTBXButton1"), Qt::LeftButton); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutAndSplash, AboutPictureHasWhiteBandsAndAGreyBottomRow)
{
    const QImage framed = FrameAboutPicture(QImage(Picture({ 400, 300 })));
    ASSERT_EQ(framed.size(), QSize(400, 300));
    const QRgb white = qRgb(255, 255, 255), grey = qRgb(127, 127, 127), red = qRgb(255, 0, 0);
    const struct {
        QPoint at;
        QRgb colour;
    } cases[] = {
        { { 0, 0 }, white },
        { { 9, 150 }, white },
        { { 10, 150 }, red },
        { { 389, 150 }, red },
        { { 390, 150 }, white },
        { { 200, 9 }, white },
        { { 200, 10 }, red },
        { { 200, 289 }, red },
        { { 200, 290 }, white },
        { { 200, 298 }, white },
        { { 0, 299 }, grey },
        { { 399, 299 }, grey },
    };
    for (const auto& c : cases)
        EXPECT_EQ(framed.pixel(c.at), c.colour) << c.at.x() << ", " << c.at.y();
}

TEST_F(AboutAndSplash, SplashTakesThePicturesSizeOrItsDesignSize)
{
    EXPECT_EQ(TSplashFrm(Path(QStringLiteral("missing.png"))).size(), QSize(394, 262));
    const TSplashFrm splash(Picture({ 400, 268 }));
    EXPECT_EQ(splash.size(), QSize(400, 268));
    EXPECT_FALSE(Part<QLabel>(splash, "SplashPic")->pixmap().isNull());
}

} // namespace
