#include "host/ByteFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "common/FileIO.h"
#include "host/CommandSupport.h"
#include "host/Utf8Path.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
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
    try {
        WriteFileReplacing(Path, reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size());
    } catch (const EFileError&) {
        Fail(Path, "cannot write the " + std::string(What) + " file");
    }
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
