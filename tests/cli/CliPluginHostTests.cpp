// The host side of the interface, against the echo fixture: callback routing
// (also during creation), what the host answers, what it records, and the
// event lists and buffers it hands over.

#include <gtest/gtest.h>

#include "host/PluginHost.h"
#include "tests/cli/CliTestSupport.h"

namespace {

using namespace kandrel::host;
using kandrel::clitest::EchoFixturePath;

TEST(CliPluginHost, AnswersTheRightInstanceWhileItIsBeingCreated) {
    TPluginLibrary library(EchoFixturePath());
    THostedPlugin plugin(library, 2412);
    // The fixture asked with a user field the host had not set yet.
    EXPECT_EQ(plugin.Dispatch(vst2::effGetVendorVersion), 2412);
    EXPECT_EQ(plugin.StringRequest(vst2::effGetVendorString), "kandrel-host");
    const std::vector<THostRequest> requests = plugin.TakeRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Opcode, vst2::audioMasterVersion);
    EXPECT_EQ(requests[1].Opcode, vst2::audioMasterGetProductString);
    EXPECT_TRUE(plugin.TakeRequests().empty());
}

TEST(CliPluginHost, VersionZeroLetsThePluginRefuse) {
    TPluginLibrary library(EchoFixturePath());
    try {
        THostedPlugin plugin(library, 0);
        ADD_FAILURE() << "created";
    } catch (const THostError& error) {
        EXPECT_EQ(std::string(error.what()), EchoFixturePath() + ": entry point returned no plug-in");
    }
}

TEST(CliPluginHost, EventsTravelBothWaysAndOnlyMidiIsKept) {
    TPluginLibrary library(EchoFixturePath());
    THostedPlugin plugin(library);
    std::vector<TMidiMessage> sent;
    for (int32_t i = 0; i < 40; ++i) {
        const uint8_t kinds[] = {0x90, 0x80, 0xB3, 0xC5, 0xDF, 0xE0, 0xA1};
        const uint8_t status = kinds[i % 7];
        const bool oneDataByte = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0;
        sent.push_back(oneDataByte ? MidiMessage(i, status, static_cast<uint8_t>(i), 0, 2)
                                   : MidiMessage(i, status, static_cast<uint8_t>(i), static_cast<uint8_t>(127 - i)));
    }
    plugin.ProcessEvents(sent);
    plugin.Process(64);
    // The fixture slipped a system-exclusive record in after the first event.
    EXPECT_EQ(plugin.TakeReceivedEvents(), sent);
    EXPECT_EQ(plugin.ProcessEventsRequests(), 1);
    EXPECT_TRUE(plugin.TakeReceivedEvents().empty());

    plugin.ProcessEvents({});
    plugin.Process(64);
    EXPECT_TRUE(plugin.TakeReceivedEvents().empty());
    EXPECT_EQ(plugin.ProcessEventsRequests(), 2);
}

TEST(CliPluginHost, RecordsAutomationAndEveryRequest) {
    TPluginLibrary library(EchoFixturePath());
    THostedPlugin plugin(library);
    plugin.TakeRequests();
    plugin.SetParameter(0, 0.3f);
    EXPECT_FLOAT_EQ(plugin.GetParameter(0), 0.3f);
    const std::vector<TAutomation> automation = plugin.TakeAutomation();
    ASSERT_EQ(automation.size(), 1u);
    EXPECT_EQ(automation[0].Index, 0);
    EXPECT_FLOAT_EQ(automation[0].Value, 0.3f);
    const std::vector<THostRequest> requests = plugin.TakeRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Opcode, vst2::audioMasterAutomate);
    EXPECT_FLOAT_EQ(requests[0].Opt, 0.3f);
}

TEST(CliPluginHost, InstancesKeepTheirOwnRecords) {
    TPluginLibrary library(EchoFixturePath());
    THostedPlugin first(library);
    THostedPlugin second(library);
    first.ProcessEvents({MidiMessage(0, 0x90, 0x3C, 0x64)});
    first.Process(32);
    second.Process(32);
    EXPECT_EQ(first.TakeReceivedEvents().size(), 1u);
    EXPECT_TRUE(second.TakeReceivedEvents().empty());
}

TEST(CliPluginHost, OutputsArePrefilledSoUnwrittenSamplesShow) {
    TPluginLibrary library(EchoFixturePath());
    THostedPlugin plugin(library);
    plugin.Process(100);
    for (int32_t channel = 0; channel < 2; ++channel) {
        const std::vector<float>& out = plugin.Output(channel);
        ASSERT_EQ(out.size(), 100u);
        for (int32_t i = 0; i < 100; ++i) {
            EXPECT_NE(out[static_cast<size_t>(i)], 0.0f);
            EXPECT_EQ(out[static_cast<size_t>(i)], THostedPlugin::PrefillSample(i));
        }
    }
    // The fixture has no double-precision processing; the host says so instead of calling null.
    EXPECT_THROW(plugin.Process(16, THostedPlugin::TProcessKind::DoubleReplacing), THostError);
}

}  // namespace
