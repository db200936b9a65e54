#pragma once

// cellix32 is built with hidden visibility; only what carries CELLIX32_API is exported.
#define CELLIX32_API __attribute__((visibility("default")))
