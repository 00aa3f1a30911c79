#pragma once

// What a Korvo killed after keeping its drawing for recovery leaves behind.

#include "document/recovery_store.h"

#include "support/temp_files.h"

#include <QDir>
#include <QSysInfo>

namespace korvo::test {

// Its drawing and description, and a lock naming a process id beyond any the kernel hands out.
inline void LeaveCrashedInstance(
    const QString& folder, const QString& instance, const TShapeList& shapes, const TRecoveryInfo& info)
{
    TRecoveryStore(folder, instance).Write(shapes, info);
    ASSERT_TRUE(WriteAll(QDir(folder).filePath(instance + QStringLiteral(".lock")),
        "4194305\nkorvo\n" + QSysInfo::machineHostName().toUtf8() + "\n"));
}

} // namespace korvo::test
