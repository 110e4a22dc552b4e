// Handing a plug-in's state over as opaque bytes (effGetChunk / effSetChunk).
// Plug-ins that keep their state in chunks say so with effFlagsProgramChunks;
// a plug-in without it, or one that answers with nothing, ends the command
// with TCliError(kExitLoad) naming the plug-in file.
#pragma once

#include <cstdint>
#include <string>

#include "host/CommandSupport.h"

namespace kandrel::host {

// The request's index: which state the bytes stand for.
enum class TChunkKind : int32_t { Bank = 0, Program = 1 };

void RequireChunkSupport(TLoadedPlugin& Loaded);
// A copy of the bytes the plug-in hands over (its pointer is only good until
// the next request).
std::string GetChunk(TLoadedPlugin& Loaded, TChunkKind Kind);
// What the plug-in answers is not checked: hosts ignore it, and plug-ins
// answer 0 and 1 alike on success.
void SetChunk(TLoadedPlugin& Loaded, TChunkKind Kind, std::string Bytes);

}  // namespace kandrel::host
