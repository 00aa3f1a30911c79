#pragma once

// File helpers for tests that read and write real files in a temporary folder.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace korvo::test {

inline QByteArray ReadAll(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A test with a fresh temporary folder for its files.
class TTempFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FDir.isValid()); }
    QString Path(const QString& name) const { return FDir.filePath(name); }
    // Writes the bytes to a file of the folder and returns its path.
    QString Fixture(const QString& name, const QByteArray& bytes) const
    {
        const QString path = Path(name);
        EXPECT_TRUE(WriteAll(path, bytes));
        return path;
    }

    QTemporaryDir FDir;
};

// While alive, no file of this process can grow beyond the given size. Tests run as root, which
// folder permissions do not stop, so this is how a save is made to fail half way through.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &FPrevious);
        // The kernel would otherwise end the process instead of failing the write.
        FPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { bytes, FPrevious.rlim_max };
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &FPrevious);
        std::signal(SIGXFSZ, FPreviousHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit FPrevious {};
    void (*FPreviousHandler)(int) = SIG_DFL;
};

} // namespace korvo::test
