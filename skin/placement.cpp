#include "skin/placement.h"

#include "runtime/values.h"

namespace skin {

Size fitSize(std::int32_t iw, std::int32_t ih, std::int32_t bw, std::int32_t bh) {
  Size size{iw, ih};
  if (iw > bw) size = {bw, runtime::truncToInt32(double(ih) * bw / iw)};
  if (size.height > bh) size = {runtime::truncToInt32(double(size.width) * bh / size.height), bh};
  return size;
}

}  // namespace skin
