#include "support/TestMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace zorbiks::test {

namespace {

std::vector<TestFactory> &tests()
{
    static std::vector<TestFactory> all;
    return all;
}

} // namespace

int registerTest(TestFactory factory)
{
    tests().push_back(std::move(factory));
    return static_cast<int>(tests().size());
}

} // namespace zorbiks::test

int main(int argc, char *argv[])
{
    // Keep every test off the user's files: settings, data, log, sounds and
    // printouts all go to a temporary folder.
    QTemporaryDir home;
    const QString root = home.path();
    for (const char *folder : {"config", "xdg", "data", "runtime", "documents", "sounds"})
        QDir(root).mkpath(QString::fromLatin1(folder));
    QFile::setPermissions(root + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + "/config"));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root + "/xdg")); // the system-wide settings
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + "/data"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + "/runtime"));
    qputenv("ZORBIKS_DEFAULT_LOG", QFile::encodeName(root + "/data/Zorbiks.txt"));
    qputenv("ZORBIKS_SOUNDS", QFile::encodeName(root + "/sounds"));
    qputenv("ZORBIKS_PRINT_TO", QFile::encodeName(root + "/documents/page.pdf"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // ZORBIKS_TEST_CLASS=A,B runs only those test classes (then the usual
    // QtTest arguments, such as function names, apply to them).
    const QStringList only =
        qEnvironmentVariable("ZORBIKS_TEST_CLASS").split(QLatin1Char(','), Qt::SkipEmptyParts);

    QApplication application(argc, argv);
    int failures = 0;
    for (const auto &factory : zorbiks::test::tests()) {
        std::unique_ptr<QObject> test = factory();
        if (!only.isEmpty() && !only.contains(QLatin1String(test->metaObject()->className())))
            continue;
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
