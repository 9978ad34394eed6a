#include "platform/program_arguments.h"

namespace platform {

std::vector<std::string> programArguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

void useParentConsole() {}

}  // namespace platform
