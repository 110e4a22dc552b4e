#include "ui/Image.h"

#include "ui/Bitmap.h"
#include "ui/PngImage.h"

namespace kandrel::ui {

const TBitmap* TImage::AsBitmap() const {
    return Kind() == TKind::Bitmap ? static_cast<const TBitmap*>(this) : nullptr;
}

const TPngImage* TImage::AsPng() const {
    return Kind() == TKind::Png ? static_cast<const TPngImage*>(this) : nullptr;
}

}  // namespace kandrel::ui
