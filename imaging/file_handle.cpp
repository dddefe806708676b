#include "imaging/file_handle.h"

#include <sys/stat.h>

namespace tl {

int64_t FileLength(FILE* file) {
  struct stat st {};
  if (fstat(fileno(file), &st) != 0) return -1;
  return int64_t(st.st_size);
}

bool SeekTo(FILE* file, int64_t offset) { return offset >= 0 && fseeko(file, off_t(offset), SEEK_SET) == 0; }

}  // namespace tl
