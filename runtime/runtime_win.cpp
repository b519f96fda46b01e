#include "runtime.h"

#include "system.h"

namespace runtime {

void initRuntime() { enterRunDirectory(); }

}  // namespace runtime
