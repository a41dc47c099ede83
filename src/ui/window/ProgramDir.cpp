#include "ProgramDir.h"

#include <QDir>
#include <QFileInfo>

QString ProgramDir::find(const QString& executableDir)
{
    const QString fromEnvironment = qEnvironmentVariable("QUINTEL_ASSET_DIR");
    if (!fromEnvironment.isEmpty() && QFileInfo(fromEnvironment).isDir()) return QDir(fromEnvironment).absolutePath();
    const QString installed = QDir(executableDir).absoluteFilePath(QStringLiteral(QUINTEL_INSTALLED_ASSET_DIR));
    if (QFileInfo(installed).isDir()) return QDir(installed).absolutePath();
    return QDir(executableDir).absoluteFilePath(QStringLiteral("assets"));
}
