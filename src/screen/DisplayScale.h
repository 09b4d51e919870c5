#pragma once

// The display scale: how many pixels of this screen stand for one pixel of
// the designed stage. The whole stage keeps the proportions it has on a
// 1024 × 768 screen: on a larger screen every window, font and drawing grows
// by min(W / 1024, H / 768); at 1366 × 768 and below nothing changes. The
// stage sets it once, when it takes its screen, before any screen is built
// (the administrator's `[Display] scale` setting can fix it); ScreenMetrics
// turns twips into pixels with it, arialFont() sizes fonts with it, and the
// pieces drawn in pixels ask px().

#include <QMargins>
#include <QSize>

namespace zorbiks::DisplayScale {

// The scale that keeps the stage's proportions on a screen of this size.
double forScreen(const QSize &screen);

double factor();
void set(double factor);

// Designed pixels (at 1024 × 768) in pixels of this screen.
int px(double designed);
QMargins margins(int left, int top, int right, int bottom);

} // namespace zorbiks::DisplayScale
