#include "host/ChunkTransfer.h"

namespace kandrel::host {

namespace {

std::string RequestName(TChunkKind Kind) {
    return Kind == TChunkKind::Bank ? "the bank chunk request" : "the program chunk request";
}

}  // namespace

void RequireChunkSupport(TLoadedPlugin& Loaded) {
    if ((Loaded.Plugin->Effect()->flags & vst2::effFlagsProgramChunks) != 0) return;
    throw TCliError(kExitLoad, Loaded.Library->Path() +
                                   ": the plug-in does not accept chunks (its flag effFlagsProgramChunks, 0x20, "
                                   "is not set)");
}

std::string GetChunk(TLoadedPlugin& Loaded, TChunkKind Kind) {
    RequireChunkSupport(Loaded);
    void* data = nullptr;
    const intptr_t size = Loaded.Plugin->Dispatch(vst2::effGetChunk, static_cast<int32_t>(Kind), 0, &data);
    const std::string prefix = Loaded.Library->Path() + ": the plug-in answered " + RequestName(Kind);
    if (size <= 0) throw TCliError(kExitLoad, prefix + " with " + std::to_string(size) + " bytes");
    if (data == nullptr)
        throw TCliError(kExitLoad, prefix + " with " + std::to_string(size) + " bytes but no data (a null pointer)");
    return std::string(static_cast<const char*>(data), static_cast<size_t>(size));
}

void SetChunk(TLoadedPlugin& Loaded, TChunkKind Kind, std::string Bytes) {
    RequireChunkSupport(Loaded);
    Loaded.Plugin->Dispatch(vst2::effSetChunk, static_cast<int32_t>(Kind), static_cast<intptr_t>(Bytes.size()),
                            Bytes.data());
}

}  // namespace kandrel::host
