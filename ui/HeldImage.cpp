#include "ui/HeldImage.h"

#include <cstdint>

#include "ui/ImageHotZone.h"
#include "ui/clsImgRepeat.h"

namespace corvell::ui {

void WireHeldImage(ImageHotZone& image, clsImgRepeat& repeater, QObject* context,
                   ImageDownHandler onDown) {
    auto i16 = [](int v) { return static_cast<int16_t>(v); };
    QObject::connect(&image, &ImageHotZone::mouseDown, context, std::move(onDown));
    QObject::connect(&image, &ImageHotZone::mouseMove, context,
                     [&repeater, i16](int i, int b, int s, float x, float y) {
                         repeater.MouseMove(i16(i), i16(b), i16(s), x, y);
                     });
    QObject::connect(&image, &ImageHotZone::mouseUp, context,
                     [&repeater, i16](int i, int b, int s, float x, float y) {
                         repeater.MouseUp(i16(i), i16(b), i16(s), x, y);
                     });
    QObject::connect(&image, &ImageHotZone::dblClick, context,
                     [&repeater, i16](int i) { repeater.DblClick(i16(i)); });
}

}  // namespace corvell::ui
