// Skips, on Windows, a test that stands on what only POSIX systems give (symbolic links any
// user may make, permission bits, /proc), saying why; elsewhere it does nothing.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#define POLVAREDA_SOLO_POSIX(motivo) GTEST_SKIP() << motivo
#else
#define POLVAREDA_SOLO_POSIX(motivo) static_cast<void>(0)
#endif
