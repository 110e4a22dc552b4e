#include "host/ByteFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>

#include "host/CommandSupport.h"
#include "host/Utf8Path.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace kandrel::host {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& Source, const std::string& Problem) {
    throw TCliError(kExitInput, Source + ": " + Problem);
}

std::string ReadAll(std::istream& In, const std::string& Source, std::string_view What) {
    std::string bytes{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    if (In.bad()) Fail(Source, "cannot read the " + std::string(What));
    if (bytes.empty()) Fail(Source, "the " + std::string(What) + " is empty (0 bytes)");
    return bytes;
}

// A name no other writer picks: the target's own name, so a leftover is
// recognisable, and a random part.
fs::path TemporaryBeside(const fs::path& Target) {
    std::random_device device;
    const uint64_t random = (static_cast<uint64_t>(device()) << 32) ^ device();
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%016llx.part", static_cast<unsigned long long>(random));
    fs::path temporary = Target;
    temporary += PathFromUtf8(suffix);
    return temporary;
}

bool ReplaceWith(const fs::path& From, const fs::path& To) {
#if defined(_WIN32)
    // Spelled out: whether the runtime's rename replaces an existing file has varied.
    return MoveFileExW(From.c_str(), To.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    std::error_code ec;
    fs::rename(From, To, ec);
    return !ec;
#endif
}

}  // namespace

std::string ReadByteFile(const std::string& Path, std::string_view What) {
    const std::string cannotOpen = "cannot open the " + std::string(What) + " file";
    fs::path file;
    try {
        file = PathFromUtf8(Path);
    } catch (const std::exception&) {
        Fail(Path, cannotOpen);
    }
    std::error_code ec;
    // A folder opens on some systems and then reads as nothing.
    if (Path.empty() || fs::is_directory(file, ec)) Fail(Path, cannotOpen);
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) Fail(Path, cannotOpen);
    return ReadAll(in, Path, What);
}

std::string ReadByteStream(std::istream& In, const std::string& Source, std::string_view What) {
    UseBinaryMode(In);
    return ReadAll(In, Source, What);
}

void WriteByteFileAtomically(const std::string& Path, const std::string& Bytes, std::string_view What) {
    const std::string cannotWrite = "cannot write the " + std::string(What) + " file";
    fs::path target;
    try {
        target = PathFromUtf8(Path);
    } catch (const std::exception&) {
        Fail(Path, cannotWrite);
    }
    if (Path.empty()) Fail(Path, cannotWrite);
    const fs::path temporary = TemporaryBeside(target);
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out.is_open()) {
            out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
            out.close();
            written = !out.fail();
        }
    }
    if (written && ReplaceWith(temporary, target)) return;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    Fail(Path, cannotWrite);
}

void UseBinaryMode(std::ios& Stream) {
#if defined(_WIN32)
    if (&Stream == &std::cout) {
        std::cout.flush();
        std::fflush(stdout);
        _setmode(_fileno(stdout), _O_BINARY);
    } else if (&Stream == &std::cin) {
        _setmode(_fileno(stdin), _O_BINARY);
    }
#else
    (void)Stream;
#endif
}

}  // namespace kandrel::host
