// Test shim, preloaded into lwall: an iconv_open without the CP932
// converter, as on a system whose module for it is missing or fails to load.
// Every other conversion goes to the C library's iconv_open.
#include <dlfcn.h>
#include <iconv.h>
#include <strings.h>

#include <cerrno>

extern "C" iconv_t iconv_open(const char* to, const char* from) {
  if (strcasecmp(to, "CP932") == 0 || strcasecmp(from, "CP932") == 0) {
    errno = EINVAL;
    return reinterpret_cast<iconv_t>(-1);
  }
  using Open = iconv_t (*)(const char*, const char*);
  const auto open = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "iconv_open"));
  return open(to, from);
}
