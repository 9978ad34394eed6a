#pragma once

#include <string>
#include <vector>

namespace platform {

// The arguments the program was started with, after its own name, in the
// form the system's paths take (UTF-8; WTF-8 on Windows, whose `argv` holds
// them in the ANSI code page and loses every letter outside it).
std::vector<std::string> programArguments(int argc, char** argv);

// Makes the standard output and error streams that lead nowhere write to
// the console of the program that started this one, when it has one. A
// windowed program on Windows gets no console of its own, so its text
// output would be lost; elsewhere the streams are already the terminal's.
void useParentConsole();

}  // namespace platform
