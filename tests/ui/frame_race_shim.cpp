// Preloaded into close_stress: holds Qt's Wayland event thread for 2 ms whenever it destroys a
// proxy. A frame callback is destroyed by that thread when its "done" event arrives, so the pause
// widens the moment in which a window that hides destroys the same callback on the main thread:
// a fault that shows about once in 10,000 closes shows within a few dozen.
#include <dlfcn.h>
#include <pthread.h>
#include <time.h>

#include <cstring>

struct wl_proxy;

extern "C" void wl_proxy_destroy(wl_proxy* proxy) {
  using Destroy = void (*)(wl_proxy*);
  // Qt's Wayland plugin loads libwayland-client privately, out of RTLD_NEXT's reach.
  static const auto real = reinterpret_cast<Destroy>(
      dlsym(dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_NOLOAD), "wl_proxy_destroy"));
  char name[16] = {};
  pthread_getname_np(pthread_self(), name, sizeof name);
  if (std::strncmp(name, "WaylandEventThr", 15) == 0) {
    const timespec pause{0, 2'000'000};
    nanosleep(&pause, nullptr);
  }
  real(proxy);
}
