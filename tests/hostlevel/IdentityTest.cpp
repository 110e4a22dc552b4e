// What a host learns of Kandrel before it plays a note: identity, names, program, capabilities.
#include <array>
#include <string>

#include "tests/hostlevel/HostFixture.h"

namespace kandrel::test {
namespace {

using namespace vst2;

TEST_F(HostLevel, IdentityAnswers) {
    const AEffect& e = *Plugin.Effect();
    EXPECT_EQ(e.magic, kEffectMagic);
    EXPECT_EQ(e.uniqueID, 0x717A3036);  // "qz06", 'q' most significant
    EXPECT_EQ(e.version, 1000);
    EXPECT_EQ(e.numPrograms, 1);
    EXPECT_EQ(e.numParams, 36);
    EXPECT_EQ(e.numInputs, 0);
    EXPECT_EQ(e.numOutputs, 2);
    // Replacing, program chunks, synth; the Windows library also has the editor.
#if defined(_WIN32)
    EXPECT_EQ(e.flags, 0x131);
#else
    EXPECT_EQ(e.flags, 0x130);
#endif
    EXPECT_EQ(e.ioRatio, 1.0f);
    EXPECT_EQ(e.initialDelay, 0);

    EXPECT_EQ(Plugin.StringRequest(effGetEffectName), "Kandrel");
    EXPECT_EQ(Plugin.StringRequest(effGetVendorString), "Ostrik88");
    EXPECT_EQ(Plugin.StringRequest(effGetProductString), "Kandrel");
    struct Answer {
        int32_t Opcode;
        intptr_t Expected;
    };
    for (const Answer& a : {Answer{effGetVendorVersion, 1000}, Answer{effGetPlugCategory, 2},
                            Answer{effGetVstVersion, 2400}, Answer{effKeysRequired, 1}, Answer{effGetTailSize, 0},
                            Answer{effGetParameterProperties, 0}, Answer{effOpen, 0}, Answer{effGetProgram, 0},
                            Answer{effEditGetRect, 0}, Answer{effEditOpen, 0}})
        EXPECT_EQ(Plugin.Dispatch(a.Opcode), a.Expected) << "request " << a.Opcode;
    EXPECT_EQ(Plugin.Dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f), 1);
    for (int32_t index : {0, 35, 36, -1}) EXPECT_EQ(Plugin.Dispatch(effCanBeAutomated, index), 1);
}

TEST_F(HostLevel, EveryParameterNameInFull) {
    const std::array<const char*, 7> fields = {" Active",       " Range From",     " Range To",    " Velocity Min",
                                               " Velocity Max", " Velocity Scale", " Scale Random"};
    EXPECT_EQ(Plugin.ParameterName(0), "Filter Type");
    for (int32_t band = 1; band <= 5; ++band)
        for (int32_t field = 0; field < 7; ++field) {
            const int32_t index = 1 + 7 * (band - 1) + field;
            EXPECT_EQ(Plugin.ParameterName(index), "Band" + std::to_string(band) + fields[field]) << index;
            EXPECT_EQ(Plugin.ParameterLabel(index), "");
        }
    EXPECT_EQ(Plugin.ParameterName(13), "Band2 Velocity Scale");
}

TEST_F(HostLevel, CanDoTable) {
    for (const char* name : {"sendVstEvents", "sendVstMidiEvent", "receiveVstMidiEvent", "2in2out"})
        EXPECT_EQ(Plugin.CanDo(name), 1) << name;
    for (const char* name :
         {"receiveVstEvents", "receiveVstTimeInfo", "sendVstTimeInfo", "offline", "plugAsChannelInsert", "plugAsSend",
          "mixDryWet", "noRealTime", "multipass", "metapass", "1in1out", "1in2out", "2in1out", "2in4out", "4in2out",
          "4in4out", "4in8out", "8in4out", "8in8out", "midiProgramNames", "conformsToWindowRules",
          "LiveWithoutToolbar", "bypass", "ChainPluginAPI"})
        EXPECT_EQ(Plugin.CanDo(name), -1) << name;
    for (const char* name : {"hasCockosExtensions", "", "SENDVSTEVENTS", "sendVstEventsX"})
        EXPECT_EQ(Plugin.CanDo(name), 0) << name;
    EXPECT_EQ(Plugin.Dispatch(effCanDo, 0, 0, nullptr), 0);
}

TEST_F(HostLevel, TheOneProgram) {
    EXPECT_EQ(Plugin.StringRequest(effGetProgramName), "Default");
    char name[64] = {};
    EXPECT_EQ(Plugin.Dispatch(effGetProgramNameIndexed, 0, 0, name), 1);
    EXPECT_STREQ(name, "Default");
    char untouched[64] = {};
    EXPECT_EQ(Plugin.Dispatch(effGetProgramNameIndexed, 1, 0, untouched), 0);
    EXPECT_STREQ(untouched, "");

    char newName[] = "Live Set";
    Plugin.Dispatch(effSetProgramName, 0, 0, newName);
    EXPECT_EQ(Plugin.StringRequest(effGetProgramName), "Live Set");
    Plugin.Dispatch(effSetProgram, 0, 3);
    EXPECT_EQ(Plugin.Dispatch(effGetProgram), 0);
}

TEST(HostLevelCreation, HostAnsweringVersionZeroGetsNoPlugin) {
    EXPECT_THROW(host::THostedPlugin(KandrelLibrary(), 0), host::THostError);
    host::THostedPlugin fine(KandrelLibrary());  // the library is still usable
    EXPECT_EQ(fine.Effect()->numParams, 36);
}

TEST(HostLevelCreation, CloseAnswersOneAndLeavesAnInertRecord) {
    host::THostedPlugin plugin(KandrelLibrary());
    EXPECT_EQ(plugin.Dispatch(effClose), 1);
    // A host that keeps calling a closed record must not crash.
    EXPECT_EQ(plugin.Dispatch(effGetVendorVersion), 0);
    EXPECT_EQ(plugin.GetParameter(0), 0.0f);
    plugin.SetParameter(0, 1.0f);
    plugin.Process(16);
}

}  // namespace
}  // namespace kandrel::test
