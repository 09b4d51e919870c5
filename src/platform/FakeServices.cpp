#include "platform/FakeServices.h"

namespace zorbiks {

namespace {

template <typename T, typename Seam> T *install(std::unique_ptr<Seam> &slot)
{
    auto fake = std::make_unique<T>();
    T *raw = fake.get();
    slot = std::move(fake);
    return raw;
}

} // namespace

FakeServices::FakeServices()
    : services(std::make_unique<Services>())
    , sounds(install<FakeSounds>(services->sounds))
    , keyboardLayout(install<FakeKeyboardLayout>(services->keyboardLayout))
    , settings(install<FakeSettingsStore>(services->settings))
    , clock(install<FakeClock>(services->clock))
    , random(install<ScriptedRandom>(services->random))
    , printer(install<FakePrinter>(services->printer))
    , pointer(install<FakePointerInput>(services->pointer))
    , lock(install<FakeTaskManagerLock>(services->lock))
{}

std::unique_ptr<Services> FakeServices::take()
{
    return std::move(services);
}

} // namespace zorbiks
