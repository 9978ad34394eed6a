#include "platform/system_path.h"

#include "core/utf8.h"

namespace platform {

std::string shownPath(const SystemPath& path) { return wellFormedUtf8(path.systemBytes()); }

}  // namespace platform
