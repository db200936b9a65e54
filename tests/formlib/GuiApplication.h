#pragma once

// Fonts need a QGuiApplication. The first call makes one (on the offscreen platform unless
// another is chosen) that lives until the tests end.
void EnsureGuiApplication();
