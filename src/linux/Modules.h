#pragma once

// The program's own modules: shared libraries in lib/zorbiks/modules beside
// the program's bin folder (libzorbiks-sound.so, libzorbiks-print.so), each
// loaded the first time it is needed, so that the start-up does not wait for
// the libraries behind them (libcanberra, Qt Print Support).

#include <QFunctionPointer>
#include <QString>

namespace zorbiks {

// The folder the modules are loaded from.
QString moduleFolder();

// The named function of the module `name` in `folder`, loading the module
// first; nullptr when either cannot be found. A loaded module stays loaded.
QFunctionPointer moduleFunction(const QString &folder, const QString &name, const char *function);

} // namespace zorbiks
