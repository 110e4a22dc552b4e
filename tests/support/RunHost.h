// Runs kandrel-host's command line in-process, as `kandrel-host ARGS...` with
// Input on standard input, and answers its exit code and what it wrote.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "host/HostCommands.h"

namespace kandrel::test {

struct TRunResult {
    int Code;
    std::string Out;
    std::string Err;
};

inline TRunResult RunHost(const std::vector<std::string>& Args, const std::string& Input = "") {
    std::istringstream in(Input);
    std::ostringstream out, err;
    const int code = host::RunKandrelHost(Args, in, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace kandrel::test
