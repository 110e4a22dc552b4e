#include <iostream>
#include <string>
#include <vector>

#include "host/HostCommands.h"

#if defined(_WIN32)
#include <windows.h>
#include <shellapi.h>

#include "common/win32/WideText.h"
#endif

namespace {

// The host works in UTF-8; Windows hands the arguments over in UTF-16 to keep
// file names outside the ANSI code page intact.
std::vector<std::string> Arguments(int argc, char** argv) {
#if defined(_WIN32)
    (void)argc;
    (void)argv;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide != nullptr && i < count; ++i) args.push_back(kandrel::win32::Narrow(wide[i]));
    LocalFree(wide);
    return args;
#else
    return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

}  // namespace

int main(int argc, char** argv) {
    return kandrel::host::RunKandrelHost(Arguments(argc, argv), std::cin, std::cout, std::cerr);
}
