// Where the windows get the plug-in file's own resources from: the Win32
// backend reads the module's resources, tests read the files of resources/.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kandrel::ui {

class IResourceProvider {
public:
    virtual ~IResourceProvider() = default;
    // The bytes of the bitmap resource Name ("EditorBackground", "menu16"):
    // a BMP file's bytes, with or without the 14-byte file header. Empty when
    // there is no such resource.
    virtual std::vector<uint8_t> BitmapBytes(const std::string& Name) = 0;
    // The bytes of the PNG resource Name ("Dial100", "Dial100_Center",
    // "Switch"). Empty when there is no such resource.
    virtual std::vector<uint8_t> PngBytes(const std::string& Name) = 0;
};

}  // namespace kandrel::ui
