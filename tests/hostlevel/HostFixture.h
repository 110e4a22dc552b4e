// Host-level tests load the built plug-in file (Kandrel.so, or Kandrel.dll under
// wine) through its exported entry point, exactly as a host does.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/PluginHost.h"

namespace kandrel::test {

// The plug-in file built beside the test program, loaded once per process.
const host::TPluginLibrary& KandrelLibrary();

// effGetChunk / effSetChunk index: 0 the bank, any other value the program.
constexpr int32_t kBank = 0, kProgram = 1;
// A copy of the bytes the plug-in hands over for effGetChunk (its pointer is
// only good until the next request); empty when it hands over nothing.
std::vector<uint8_t> GetChunkBytes(host::THostedPlugin& Plugin, int32_t Kind = kProgram);
// effSetChunk with the bytes; answers what the plug-in answers.
intptr_t SetChunkBytes(host::THostedPlugin& Plugin, int32_t Kind, const std::vector<uint8_t>& Chunk);

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
