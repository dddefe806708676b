// Owning handles for the libcups objects the printing layer keeps.
#pragma once

#include <cups/cups.h>

#include <memory>

namespace tl {

struct CupsDestDeleter {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct CupsDestInfoDeleter {
  void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
struct HttpDeleter {
  void operator()(http_t* http) const { httpClose(http); }
};
struct IppDeleter {
  void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};

using CupsDestPtr = std::unique_ptr<cups_dest_t, CupsDestDeleter>;
using CupsDestInfoPtr = std::unique_ptr<cups_dinfo_t, CupsDestInfoDeleter>;
using HttpPtr = std::unique_ptr<http_t, HttpDeleter>;
using IppPtr = std::unique_ptr<ipp_t, IppDeleter>;

// The options of one job or setting block, freed with it.
class CupsOptions {
 public:
  CupsOptions() = default;
  ~CupsOptions() { cupsFreeOptions(count_, options_); }
  CupsOptions(const CupsOptions&) = delete;
  CupsOptions& operator=(const CupsOptions&) = delete;

  void Set(const char* name, const char* value) { count_ = cupsAddOption(name, value, count_, &options_); }
  const char* Get(const char* name) const { return cupsGetOption(name, count_, options_); }
  int Count() const { return count_; }
  cups_option_t* Data() const { return options_; }

 private:
  int count_ = 0;
  cups_option_t* options_ = nullptr;
};

}  // namespace tl
