#include "linux/Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace zorbiks {

QString moduleFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../" ZORBIKS_MODULE_DIR));
}

QFunctionPointer moduleFunction(const QString &folder, const QString &name, const char *function)
{
    QLibrary library(folder + QStringLiteral("/lib") + name + QStringLiteral(".so"));
    if (!library.load())
        return nullptr;
    return library.resolve(function);
}

} // namespace zorbiks
