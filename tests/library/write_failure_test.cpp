// Every writer on a disk that fills up half way: the old file stays, nothing half written is left,
// and the message names the system's cause.

#include "document/drawing.h"
#include "document/page_export.h"
#include "document/shared_settings.h"
#include "geometry/units.h"
#include "library/library_test_support.h"
#include "support/temp_files.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

using namespace korvo;
using namespace korvo::test;

namespace {

const QString SamplesDir = QStringLiteral(KORVO_SAMPLES_DIR);

class WriteFailure : public TTempFolderTest {
protected:
    void SetUp() override
    {
        TTempFolderTest::SetUp();
        drawing.SetScale(BaseScale);
        drawing.LoadFile(SamplesDir + QStringLiteral("/all-kinds.kv"));
        drawing.SelectAll();
    }

    // The message of the EFileError a writer throws; empty when it throws none.
    template <class F> static QString Thrown(F write)
    {
        try {
            write();
        } catch (const EFileError& e) {
            return e.Message();
        }
        return {};
    }

    TDrawing drawing;
    TRecordingReporter reporter;
    TPolyLib library { reporter };
};

TEST_F(WriteFailure, EveryWriterKeepsTheOldFileAndNamesTheCause)
{
    const QByteArray old = ReadAll(SamplesDir + QStringLiteral("/sample-library.kvl"));
    // What the limit makes the kernel say, worded by the system, not by us.
    const QString cause = QString::fromLocal8Bit(std::strerror(EFBIG));
    const struct {
        const char* name;
        const char* file;
        std::function<QString(const QString&)> write;
    } writers[] = {
        { "drawing", "old.kv",
            [this](const QString& f) {
                DocState = dsChanged;
                const QString message = Thrown([&] { drawing.SaveFile(f); });
                EXPECT_EQ(DocState, dsChanged) << "still unsaved";
                return message;
            } },
        { "library", "old.kvl",
            [this](const QString& f) {
                EXPECT_TRUE(library.LoadFile(SamplesDir + QStringLiteral("/sample-library.kvl")));
                library.SaveFile(f);
                return reporter.Messages.value(0);
            } },
        { "library change", "own.kvl",
            [this, &old](const QString& f) {
                EXPECT_TRUE(library.LoadFile(f));
                const auto failure = library.EditAndSave(f, [this] { library.AddPage("Optics"); });
                EXPECT_EQ(EncodeLibrary(library.Pages(), library.Entries()), old) << "the change is taken back";
                return failure ? failure->Message.section(QLatin1Char('\r'), 0, 0) : QString();
            } },
        { "selection as metafile", "sel.emf",
            [this](const QString& f) { return Thrown([&] { drawing.ExportMetafile(f); }); } },
        { "selection as SVG", "sel.svg",
            [this](const QString& f) { return Thrown([&] { drawing.ExportMetafile(f); }); } },
        { "selection as PDF", "sel.pdf",
            [this](const QString& f) { return Thrown([&] { drawing.ExportMetafile(f); }); } },
        { "selection as PNG", "sel.png",
            [this](const QString& f) { return Thrown([&] { drawing.ExportMetafile(f); }); } },
        { "page as SVG", "page.svg",
            [this](const QString& f) { return Thrown([&] { ExportPageSvg(drawing.Shapes(), f); }); } },
        { "page as PNG", "page.png",
            [this](const QString& f) { return Thrown([&] { ExportPagePng(drawing.Shapes(), f, 1); }); } },
        { "page as PDF", "page.pdf",
            [this](const QString& f) { return Thrown([&] { ExportPagePicture(drawing.Shapes(), f); }); } },
    };
    for (const auto& w : writers) {
        const QString file = Fixture(QLatin1String(w.file), old);
        reporter.Messages.clear();
        QString message;
        {
            const TFileSizeLimit limit(64);
            message = w.write(file);
        }
        EXPECT_TRUE(message.endsWith(cause + QLatin1Char('.'))) << w.name << ": " << qPrintable(message);
        EXPECT_TRUE(message.contains(file)) << w.name << ": " << qPrintable(message);
        EXPECT_EQ(ReadAll(file), old) << w.name;
        EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files), QStringList { QLatin1String(w.file) })
            << w.name << ": nothing half written is left";
        QFile::remove(file);
    }
}

} // namespace
