// Chunk and preset files: raw bytes in, raw bytes out. Failures end the
// command with TCliError(kExitInput) naming the file; What ("chunk", "preset")
// says in the message what the bytes were meant to be.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace kandrel::host {

// Every byte of the file Path (UTF-8); an empty file is an error.
std::string ReadByteFile(const std::string& Path, std::string_view What);
// Every byte of In, named Source in messages; no bytes at all is an error.
std::string ReadByteStream(std::istream& In, const std::string& Source, std::string_view What);

// Replaces Path with Bytes in one step: a temporary file in the same folder,
// renamed over Path once complete, so readers never see half a file and a
// failure leaves any previous file as it was.
void WriteByteFileAtomically(const std::string& Path, const std::string& Bytes, std::string_view What);

// Standard input or output carries raw bytes from here on: Windows would
// otherwise turn line feeds into CR LF (and stop reading at a 0x1A byte).
// Other streams, and other systems, are left alone.
void UseBinaryMode(std::ios& Stream);

}  // namespace kandrel::host
