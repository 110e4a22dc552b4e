// Whole-file reads and all-or-nothing writes. Paths are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kandrel {

class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's bytes. Throws EFileError when it cannot be opened or read, or when
// it holds more than MaxBytes (checked before anything is allocated).
std::vector<uint8_t> ReadFileBytes(const std::string& Path, uint64_t MaxBytes);

// Writes the bytes to a new temporary file in Path's folder and renames it over
// Path, so Path holds either its old content or all of the new one, never a
// part. Throws EFileError; no temporary file stays behind.
void WriteFileReplacing(const std::string& Path, const uint8_t* Data, size_t Size);

}  // namespace kandrel
