#pragma once

// Several QtTest classes in one executable: each test file registers its
// class with ZORBIKS_TEST, and the shared main() runs them all.

#include <QObject>

#include <functional>
#include <memory>

namespace zorbiks::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
int registerTest(TestFactory factory);

} // namespace zorbiks::test

#define ZORBIKS_TEST(Class)                                                                        \
    static const int registered##Class =                                                           \
        zorbiks::test::registerTest([] { return std::make_unique<Class>(); });
