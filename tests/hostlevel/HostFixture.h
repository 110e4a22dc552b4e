// Host-level tests load the built plug-in file (Kandrel.so, or Kandrel.dll under
// wine) through its exported entry point, exactly as a host does.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/PluginHost.h"
#include "tests/support/ChunkBytes.h"
#include "tests/support/KandrelLibrary.h"

namespace kandrel::test {

// The chunk helpers for a hosted plug-in.
inline std::vector<uint8_t> GetChunkBytes(host::THostedPlugin& Plugin, int32_t Kind = kProgram) {
    return GetChunkBytes(Plugin.Effect(), Kind);
}
inline intptr_t SetChunkBytes(host::THostedPlugin& Plugin, int32_t Kind, const std::vector<uint8_t>& Chunk) {
    return SetChunkBytes(Plugin.Effect(), Kind, Chunk);
}

class HostLevel : public ::testing::Test {
protected:
    HostLevel() : Plugin(KandrelLibrary()) {}

    // Sets a parameter from its plain value through the host interface.
    void SetPlain(int32_t Index, float Plain, float Min, float Max) {
        Plugin.SetParameter(Index, (Plain - Min) / (Max - Min));
    }
    // Sends the messages, runs one processing call and answers what came back.
    std::vector<host::TMidiMessage> RunBlock(const std::vector<host::TMidiMessage>& In, int32_t Frames = 64) {
        Plugin.ProcessEvents(In);
        Plugin.Process(Frames);
        return Plugin.TakeReceivedEvents();
    }

    host::THostedPlugin Plugin;
};

using host::MidiMessage;

}  // namespace kandrel::test
