#include "ResourceFiles.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace kandrel::tests {
namespace {

uint32_t Le16(const std::vector<uint8_t>& B, size_t At) { return B[At] | (B[At + 1] << 8); }
uint32_t Le32(const std::vector<uint8_t>& B, size_t At) {
    return B[At] | (B[At + 1] << 8) | (B[At + 2] << 16) | (static_cast<uint32_t>(B[At + 3]) << 24);
}
uint32_t Be32(const uint8_t* P) {
    return (static_cast<uint32_t>(P[0]) << 24) | (P[1] << 16) | (P[2] << 8) | P[3];
}

const uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct TChunk {
    std::string Type;
    const uint8_t* Data;
    uint32_t Length;
};

// Walks the chunks; false (with a test failure) on a bad signature, a chunk
// running past the end or a CRC mismatch.
bool ReadChunks(const std::vector<uint8_t>& File, std::vector<TChunk>& Chunks) {
    if (File.size() < 8 || !std::equal(std::begin(PngSignature), std::end(PngSignature), File.begin())) {
        ADD_FAILURE() << "no PNG signature";
        return false;
    }
    size_t At = 8;
    while (At + 12 <= File.size()) {
        const uint32_t Length = Be32(&File[At]);
        if (Length > File.size() - At - 12) {
            ADD_FAILURE() << "chunk at " << At << " runs past the end";
            return false;
        }
        const uint8_t* TypeAndData = &File[At + 4];
        const uint32_t Crc = Be32(TypeAndData + 4 + Length);
        if (crc32(0, TypeAndData, 4 + Length) != Crc) {
            ADD_FAILURE() << "CRC mismatch in chunk at " << At;
            return false;
        }
        Chunks.push_back({std::string(reinterpret_cast<const char*>(TypeAndData), 4), TypeAndData + 4, Length});
        At += 12 + Length;
    }
    if (At != File.size()) {
        ADD_FAILURE() << "trailing bytes after the last chunk";
        return false;
    }
    return true;
}

uint8_t Paeth(int A, int B, int C) {
    const int P = A + B - C;
    const int PA = std::abs(P - A), PB = std::abs(P - B), PC = std::abs(P - C);
    if (PA <= PB && PA <= PC) return static_cast<uint8_t>(A);
    return static_cast<uint8_t>(PB <= PC ? B : C);
}

}  // namespace

std::vector<uint8_t> ReadResourceFile(const std::string& FileName) {
    const std::string Path = std::string(KANDREL_RESOURCES_DIR) + "/" + FileName;
    std::ifstream In(Path, std::ios::binary);
    if (!In) {
        ADD_FAILURE() << "cannot open " << Path;
        return {};
    }
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

TBitmap24 DecodeBitmap24(const std::vector<uint8_t>& File) {
    if (File.size() < 54 || File[0] != 'B' || File[1] != 'M') {
        ADD_FAILURE() << "not a bitmap file";
        return {};
    }
    const uint32_t Offset = Le32(File, 10);
    const uint32_t HeaderSize = Le32(File, 14);
    const int32_t Width = static_cast<int32_t>(Le32(File, 18));
    const int32_t RawHeight = static_cast<int32_t>(Le32(File, 22));
    const uint32_t Planes = Le16(File, 26), Bits = Le16(File, 28), Compression = Le32(File, 30);
    EXPECT_EQ(Le32(File, 2), File.size()) << "file size field";
    if (HeaderSize < 40 || Planes != 1 || Bits != 24 || Compression != 0 || Width <= 0 || RawHeight == 0 ||
        Offset < 14 + HeaderSize) {
        ADD_FAILURE() << "not an uncompressed 24-bit bitmap (header " << HeaderSize << ", bits " << Bits
                      << ", compression " << Compression << ")";
        return {};
    }
    const bool BottomUp = RawHeight > 0;
    const int32_t Height = BottomUp ? RawHeight : -RawHeight;
    const size_t RowSize = (static_cast<size_t>(Width) * 3 + 3) & ~size_t{3};
    if (Offset + RowSize * Height > File.size()) {
        ADD_FAILURE() << "pixel rows cut short";
        return {};
    }
    TBitmap24 Result{Width, Height, {}};
    Result.Pixels.reserve(static_cast<size_t>(Width) * Height);
    for (int32_t Y = 0; Y < Height; ++Y) {
        const size_t Row = Offset + RowSize * static_cast<size_t>(BottomUp ? Height - 1 - Y : Y);
        for (int32_t X = 0; X < Width; ++X) {
            const size_t P = Row + static_cast<size_t>(X) * 3;
            Result.Pixels.push_back({File[P + 2], File[P + 1], File[P]});
        }
    }
    return Result;
}

TPngHeader ReadPngHeader(const std::vector<uint8_t>& File) {
    std::vector<TChunk> Chunks;
    if (!ReadChunks(File, Chunks)) return {};
    if (Chunks.empty() || Chunks.front().Type != "IHDR" || Chunks.front().Length != 13) {
        ADD_FAILURE() << "the first chunk is not a 13-byte IHDR";
        return {};
    }
    const uint8_t* D = Chunks.front().Data;
    return {Be32(D), Be32(D + 4), D[8], D[9], D[12]};
}

TRgbaImage DecodePngRgba(const std::vector<uint8_t>& File) {
    std::vector<TChunk> Chunks;
    if (!ReadChunks(File, Chunks)) return {};
    const TPngHeader H = ReadPngHeader(File);
    if (H.BitDepth != 8 || H.ColorType != 6 || H.Interlace != 0 || H.Width == 0 || H.Height == 0 ||
        H.Width > 4096 || H.Height > 16384) {
        ADD_FAILURE() << "not a non-interlaced 8-bit RGBA PNG of a sane size";
        return {};
    }
    if (Chunks.back().Type != "IEND") {
        ADD_FAILURE() << "no IEND chunk at the end";
        return {};
    }
    std::vector<uint8_t> Compressed;
    for (const TChunk& C : Chunks)
        if (C.Type == "IDAT") Compressed.insert(Compressed.end(), C.Data, C.Data + C.Length);

    const size_t Stride = static_cast<size_t>(H.Width) * 4;
    std::vector<uint8_t> Raw((Stride + 1) * H.Height);
    uLongf RawSize = Raw.size();
    if (uncompress(Raw.data(), &RawSize, Compressed.data(), Compressed.size()) != Z_OK || RawSize != Raw.size()) {
        ADD_FAILURE() << "image data does not inflate to " << Raw.size() << " bytes";
        return {};
    }

    std::vector<uint8_t> Bytes(Stride * H.Height);
    for (size_t Y = 0; Y < H.Height; ++Y) {
        const uint8_t Filter = Raw[Y * (Stride + 1)];
        const uint8_t* In = &Raw[Y * (Stride + 1) + 1];
        uint8_t* Out = &Bytes[Y * Stride];
        const uint8_t* Prev = Y > 0 ? Out - Stride : nullptr;
        for (size_t I = 0; I < Stride; ++I) {
            const int A = I >= 4 ? Out[I - 4] : 0;
            const int B = Prev ? Prev[I] : 0;
            const int C = (Prev && I >= 4) ? Prev[I - 4] : 0;
            int Predicted = 0;
            switch (Filter) {
                case 0: Predicted = 0; break;
                case 1: Predicted = A; break;
                case 2: Predicted = B; break;
                case 3: Predicted = (A + B) / 2; break;
                case 4: Predicted = Paeth(A, B, C); break;
                default: ADD_FAILURE() << "unknown row filter " << int{Filter}; return {};
            }
            Out[I] = static_cast<uint8_t>(In[I] + Predicted);
        }
    }
    TRgbaImage Result{static_cast<int32_t>(H.Width), static_cast<int32_t>(H.Height), {}};
    Result.Pixels.reserve(Bytes.size() / 4);
    for (size_t I = 0; I < Bytes.size(); I += 4) Result.Pixels.push_back({Bytes[I], Bytes[I + 1], Bytes[I + 2], Bytes[I + 3]});
    return Result;
}

}  // namespace kandrel::tests
