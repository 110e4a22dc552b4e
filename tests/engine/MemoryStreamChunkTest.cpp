// The "mmst" container around a preset stream, in memory and in files.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "common/FileIO.h"
#include "host/Utf8Path.h"
#include "plugin/MemoryStreamChunk.h"
#include "plugin/PresetStreamFormat.h"

namespace kandrel::test {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(MemoryStreamChunk, SerialisedAsNameLengthPayload) {
    TMemoryStreamChunk chunk;
    chunk.Stream = {'T', 'P', 'F', '0', 0x01};
    Bytes bytes = {0xEE};  // appended to what is there
    chunk.SaveToBytes(bytes);
    EXPECT_EQ(bytes, (Bytes{0xEE, 'm', 'm', 's', 't', 5, 0, 0, 0, 'T', 'P', 'F', '0', 0x01}));
}

TEST(MemoryStreamChunk, LoadingChecksNameAndLength) {
    struct Case {
        const char* What;
        Bytes Input;
        const char* Error;  // null: loads
        Bytes Payload;
    };
    const Case cases[] = {
        {"exact", {'m', 'm', 's', 't', 2, 0, 0, 0, 'a', 'b'}, nullptr, {'a', 'b'}},
        {"bytes after the payload", {'m', 'm', 's', 't', 1, 0, 0, 0, 'a', 'b', 'c'}, nullptr, {'a'}},
        {"empty payload", {'m', 'm', 's', 't', 0, 0, 0, 0}, nullptr, {}},
        {"other name", {'m', 'm', 's', 'T', 1, 0, 0, 0, 'a'}, kInvalidStreamFormat, {}},
        {"length one beyond", {'m', 'm', 's', 't', 3, 0, 0, 0, 'a', 'b'}, kStreamReadError, {}},
        // Refused before anything is allocated.
        {"length 0xFFFFFFFF", {'m', 'm', 's', 't', 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         kStreamReadError, {}},
        {"header cut short", {'m', 'm', 's', 't', 0, 0, 0}, kStreamReadError, {}},
        {"nothing", {}, kStreamReadError, {}},
    };
    for (const Case& c : cases) {
        TMemoryStreamChunk chunk;
        chunk.Stream = {'o', 'l', 'd'};
        chunk.Position = 2;
        try {
            chunk.LoadFromBytes(c.Input.data(), c.Input.size());
            EXPECT_EQ(c.Error, nullptr) << c.What;
            EXPECT_EQ(chunk.Stream, c.Payload) << c.What;
            EXPECT_EQ(chunk.Position, 0u) << c.What;
        } catch (const EPresetStreamError& error) {
            ASSERT_NE(c.Error, nullptr) << c.What << ": " << error.what();
            EXPECT_STREQ(error.what(), c.Error) << c.What;
            EXPECT_EQ(chunk.Stream, (Bytes{'o', 'l', 'd'})) << c.What << ": a failed load changes nothing";
        }
    }
    EXPECT_THROW(TMemoryStreamChunk().LoadFromBytes(nullptr, 8), EPresetStreamError);
}

TEST(MemoryStreamChunk, FilesHoldTheSerialisedContainer) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("kandrel-chunk-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    const std::string path = host::Utf8FromPath(folder / host::PathFromUtf8("B\xC3\xA4nd.ostrik88p"));

    TMemoryStreamChunk saved;
    saved.Stream = {'T', 'P', 'F', '0', 0x01, 0x00};
    saved.SaveToFile(path);
    saved.SaveToFile(path);  // replacing an existing preset
    Bytes expected;
    saved.SaveToBytes(expected);
    EXPECT_EQ(ReadFileBytes(path, 1000), expected);

    TMemoryStreamChunk loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.Stream, saved.Stream);

    fs::resize_file(host::PathFromUtf8(path), TMemoryStreamChunk::MaxFileSize + 1);
    EXPECT_THROW(loaded.LoadFromFile(path), EFileError);
    EXPECT_THROW(loaded.LoadFromFile(path + "x"), EFileError);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace kandrel::test
