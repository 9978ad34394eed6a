#include "platform/path_form.h"

namespace platform {

bool isAbsolutePath(const SystemPath& path) { return !path.empty() && path.front() == '/'; }

}  // namespace platform
