// Walking the marker segments of a JPEG file from its start to the scan,
// for the readers that look into a few segments without decoding: each
// segment's marker code and where its data lies. The walk ends at the
// start of scan, at the end of the image, at the end of the data and at
// a segment that does not read.
#pragma once

#include <cstdint>
#include <functional>

namespace tl {

class ByteSource;

// Calls `visit` with each segment's code and data (offset, size) until it
// returns false. False when the data does not start with FF D8.
bool ForEachJpegSegment(const ByteSource& file,
                        const std::function<bool(uint8_t code, uint64_t data, uint64_t size)>& visit);

}  // namespace tl
