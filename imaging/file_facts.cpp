#include "imaging/file_facts.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace tl {

bool ReadFileFacts(const std::string& path, FileFacts& facts) {
  struct statx st {};
  if (statx(AT_FDCWD, path.c_str(), 0, STATX_SIZE | STATX_MTIME | STATX_BTIME, &st) != 0) return false;
  facts.Size = st.stx_size;
  facts.LastWriteTime = st.stx_mtime.tv_sec;
  facts.CreationTime = (st.stx_mask & STATX_BTIME) ? int64_t(st.stx_btime.tv_sec) : facts.LastWriteTime;
  return true;
}

}  // namespace tl
