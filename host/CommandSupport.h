// What the kandrel-host commands share: exit codes, the error that ends a
// command with one line on standard error, argument reading, and opening a
// plug-in the way a host prepares it for processing.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/PluginHost.h"

namespace kandrel::host {

enum TExitCode : int {
    kExitOk = 0,
    kExitFailure = 1,  // anything unforeseen
    kExitUsage = 2,    // bad command line
    kExitLoad = 3,     // the plug-in could not be loaded, or cannot do what the command needs (chunks)
    kExitInput = 4,    // unreadable, empty or malformed input; an output file that cannot be written
};

// Ends the command: Message goes to standard error after "kandrel-host: ".
class TCliError : public std::runtime_error {
public:
    TCliError(TExitCode Code, const std::string& Message) : std::runtime_error(Message), FCode(Code) {}
    TExitCode Code() const noexcept { return FCode; }

private:
    TExitCode FCode;
};

// Walks a command's arguments: options ("--name VALUE" or "--name=VALUE") and
// positional arguments in any order.
class TArgReader {
public:
    explicit TArgReader(const std::vector<std::string>& Args) : FArgs(Args) {}

    bool AtEnd() const noexcept { return FNext >= FArgs.size(); }
    // The next argument is option Name; its value is taken along.
    std::optional<std::string> Option(std::string_view Name);
    // The next argument is the switch Name (no value); it is taken.
    bool Flag(std::string_view Name);
    // The next argument, whatever it is.
    std::string Take() { return FArgs[FNext++]; }
    // The next argument looks like an option ("-x", "--x"); "-" alone is a file name.
    bool AtOption() const;

private:
    const std::vector<std::string>& FArgs;
    size_t FNext = 0;
};

// Decimal integer in [Min, Max]; nullopt for anything else.
std::optional<int64_t> ParseInteger(std::string_view Text, int64_t Min, int64_t Max);
// Decimal number ("0.75", "1", ".5", "1e-3"), locale-independent; nullopt for anything else.
std::optional<double> ParseNumber(std::string_view Text);

// A loaded plug-in and one instance of it; load failures become TCliError(kExitLoad).
struct TLoadedPlugin {
    std::unique_ptr<TPluginLibrary> Library;
    std::unique_ptr<THostedPlugin> Plugin;  // declared last: closed before the library goes
    explicit TLoadedPlugin(const std::string& Path);
    ~TLoadedPlugin();
};

}  // namespace kandrel::host
