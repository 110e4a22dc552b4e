// The dial and switch strips: their PNG headers, and the look the editor's
// controls rely on, measured in the decoded pixels (pointer direction per
// frame, where the value arc is lit, which switch frame is on).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "ResourceFiles.h"

namespace kandrel::tests {
namespace {

constexpr int32_t DialSize = 48;
constexpr int32_t DialFrames = 101;
constexpr double RimRadius = 20.6;

// Clockwise degrees from twelve o'clock of a dial frame's pointer, as the
// frames are meant to be: seven o'clock at frame 0, five at frame 100.
double ExpectedAngle(int32_t Frame) { return -150.0 + 300.0 * Frame / (DialFrames - 1); }

TRgba DialPixel(const TRgbaImage& Strip, int32_t Frame, double Degrees, double Radius) {
    const double A = Degrees * std::numbers::pi / 180.0;
    const auto X = static_cast<int32_t>(std::floor(DialSize / 2.0 + Radius * std::sin(A)));
    const auto Y = static_cast<int32_t>(std::floor(DialSize / 2.0 - Radius * std::cos(A)));
    return Strip.At(X, Frame * DialSize + Y);
}

bool IsAccent(TRgba P) { return P.A > 200 && P.R > 200 && P.R - P.B > 90; }
int Luma(TRgba P) { return (P.R * 299 + P.G * 587 + P.B * 114) / 1000; }

// The direction in which the brightest spoke between radius 6 and 12 points.
double MeasuredPointerAngle(const TRgbaImage& Strip, int32_t Frame) {
    double Best = 0, BestSum = -1;
    for (int32_t Degrees = -180; Degrees < 180; ++Degrees) {
        double Sum = 0;
        for (double R = 6; R <= 12; R += 0.5) Sum += Luma(DialPixel(Strip, Frame, Degrees, R));
        if (Sum > BestSum) BestSum = Sum, Best = Degrees;
    }
    return Best;
}

int32_t AccentPixels(const TRgbaImage& Strip, int32_t Frame, bool LeftHalf) {
    int32_t Count = 0;
    for (int32_t Y = 0; Y < DialSize; ++Y)
        for (int32_t X = LeftHalf ? 0 : DialSize / 2; X < (LeftHalf ? DialSize / 2 : DialSize); ++X)
            Count += IsAccent(Strip.At(X, Frame * DialSize + Y));
    return Count;
}

// Lit rim between From and To (degrees, clockwise from twelve), dark groove
// elsewhere on the travel; 8 degrees around each end are left to the caps.
void ExpectArc(const TRgbaImage& Strip, int32_t Frame, double From, double To) {
    for (double Degrees = -140; Degrees <= 140; Degrees += 5) {
        const bool Lit = IsAccent(DialPixel(Strip, Frame, Degrees, RimRadius));
        if (Degrees > From + 8 && Degrees < To - 8) {
            EXPECT_TRUE(Lit) << "frame " << Frame << ": rim unlit at " << Degrees << " degrees";
        } else if (Degrees < From - 8 || Degrees > To + 8) {
            EXPECT_FALSE(Lit) << "frame " << Frame << ": rim lit at " << Degrees << " degrees";
        }
    }
}

TEST(StripResources, HeadersGiveTheStripSizesAsEightBitRgba) {
    struct TCase {
        const char* File;
        uint32_t Width, Height;
    };
    for (const TCase& C : {TCase{"Dial100.png", 48, 4848}, TCase{"Dial100_Center.png", 48, 4848},
                           TCase{"Switch.png", 24, 48}}) {
        SCOPED_TRACE(C.File);
        const TPngHeader H = ReadPngHeader(ReadResourceFile(C.File));
        EXPECT_EQ(H.Width, C.Width);
        EXPECT_EQ(H.Height, C.Height);
        EXPECT_EQ(H.BitDepth, 8);
        EXPECT_EQ(H.ColorType, 6) << "RGBA";
    }
}

TEST(StripResources, EveryDialFrameIsAnOpaqueKnobOnATransparentSquare) {
    // Frames drawn over the panel need clear corners; a knob shifted by a frame
    // offset would leave its neighbour's pixels there.
    for (const char* File : {"Dial100.png", "Dial100_Center.png"}) {
        SCOPED_TRACE(File);
        const TRgbaImage Strip = DecodePngRgba(ReadResourceFile(File));
        ASSERT_EQ(Strip.Height, DialSize * DialFrames);
        for (int32_t Frame = 0; Frame < DialFrames; ++Frame) {
            const int32_t Top = Frame * DialSize;
            for (auto [X, Y] : {std::pair{0, 0}, {47, 0}, {0, 47}, {47, 47}})
                EXPECT_EQ(Strip.At(X, Top + Y).A, 0) << "frame " << Frame << " corner " << X << "," << Y;
            EXPECT_EQ(Strip.At(24, Top + 24).A, 255) << "frame " << Frame;
        }
    }
}

TEST(StripResources, DialPointersTurnClockwiseFromSevenThroughTwelveToFive) {
    for (const char* File : {"Dial100.png", "Dial100_Center.png"}) {
        SCOPED_TRACE(File);
        const TRgbaImage Strip = DecodePngRgba(ReadResourceFile(File));
        ASSERT_EQ(Strip.Height, DialSize * DialFrames);
        for (int32_t Frame : {0, 10, 25, 50, 75, 90, 100})
            EXPECT_NEAR(MeasuredPointerAngle(Strip, Frame), ExpectedAngle(Frame), 4.0) << "frame " << Frame;
    }
}

TEST(StripResources, Dial100ArcGrowsFromTheStartToThePointer) {
    const TRgbaImage Strip = DecodePngRgba(ReadResourceFile("Dial100.png"));
    ASSERT_EQ(Strip.Height, DialSize * DialFrames);
    EXPECT_EQ(AccentPixels(Strip, 0, true) + AccentPixels(Strip, 0, false), 0) << "no arc at the start";
    for (int32_t Frame : {10, 25, 50, 75, 100}) ExpectArc(Strip, Frame, -150, ExpectedAngle(Frame));
}

TEST(StripResources, CentredDialArcRunsFromTwelveToThePointer) {
    const TRgbaImage Strip = DecodePngRgba(ReadResourceFile("Dial100_Center.png"));
    ASSERT_EQ(Strip.Height, DialSize * DialFrames);
    EXPECT_EQ(AccentPixels(Strip, 50, true) + AccentPixels(Strip, 50, false), 0) << "no arc at the centre";
    EXPECT_GT(AccentPixels(Strip, 49, true), AccentPixels(Strip, 49, false)) << "just below: left of twelve";
    EXPECT_GT(AccentPixels(Strip, 51, false), AccentPixels(Strip, 51, true)) << "just above: right of twelve";
    for (int32_t Frame : {0, 25, 40, 60, 75, 100}) {
        const double Pointer = ExpectedAngle(Frame);
        ExpectArc(Strip, Frame, std::min(Pointer, 0.0), std::max(Pointer, 0.0));
    }
}

TEST(StripResources, SwitchIsAGreyPowerButtonOffAndABrightOneOn) {
    const TRgbaImage Strip = DecodePngRgba(ReadResourceFile("Switch.png"));
    ASSERT_EQ(Strip.Width, 24);
    ASSERT_EQ(Strip.Height, 48);
    const auto Face = [&](int32_t Frame) { return Strip.At(4, Frame * 24 + 17); };
    const auto Symbol = [&](int32_t Frame) { return Strip.At(12, Frame * 24 + 8); };  // the power stroke
    for (int32_t Frame : {0, 1}) {
        EXPECT_EQ(Strip.At(0, Frame * 24).A, 0) << "rounded corner, frame " << Frame;
        EXPECT_EQ(Face(Frame).A, 255);
        EXPECT_GT(std::abs(Luma(Symbol(Frame)) - Luma(Face(Frame))), 60) << "symbol shows, frame " << Frame;
    }
    const auto Chroma = [](TRgba P) { return std::max({P.R, P.G, P.B}) - std::min({P.R, P.G, P.B}); };
    EXPECT_LT(Chroma(Face(0)), 16) << "off is grey";
    EXPECT_GT(Chroma(Face(1)), 100) << "on is a vivid colour";
    EXPECT_GT(Luma(Face(1)), Luma(Face(0))) << "on is brighter";
}

}  // namespace
}  // namespace kandrel::tests
