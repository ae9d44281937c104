#include "progress_bar.h"

#include <cstdio>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

bool standardErrorIsTerminal() {
#if defined(_WIN32)
  return _isatty(2) != 0;
#else
  return ::isatty(2) != 0;
#endif
}

constexpr int kBarWidth = 30;

}  // namespace

ProgressBar startProgress(std::int64_t total) {
  ProgressBar bar;
  bar.terminal = standardErrorIsTerminal();
  bar.total = total;
  bar.started = std::chrono::steady_clock::now();
  return bar;
}

void showProgress(ProgressBar& bar, std::int64_t done) {
  if (!bar.terminal || bar.total <= 0 || done <= 0) return;
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - bar.started).count();
  // Too early to tell the rate; a run expected under a second shows nothing.
  if (elapsed < 0.2) return;
  const double rate = static_cast<double>(done) / elapsed;
  const double left = static_cast<double>(bar.total - done) / rate;
  if (!bar.drawn && elapsed + left <= 1.0) return;
  const int filled = static_cast<int>(kBarWidth * done / bar.total);
  char line[kBarWidth + 1];
  for (int i = 0; i < kBarWidth; ++i) line[i] = i < filled ? '#' : '.';
  line[kBarWidth] = '\0';
  std::fprintf(stderr, "\r[%s] %lld/%lld battles  %.0f/s  %.0f s left ", line, static_cast<long long>(done),
               static_cast<long long>(bar.total), rate, left);
  std::fflush(stderr);
  bar.drawn = true;
}

void endProgress(ProgressBar& bar) {
  if (!bar.drawn) return;
  std::fprintf(stderr, "\r\033[K");
  std::fflush(stderr);
  bar.drawn = false;
}
