// Wires an image hot zone of a drawn panel to the panel's press-and-hold widget: the press goes
// to the panel's own handler (which sets the repeat times and calls MouseDown), the cursor
// moves, the release and the double click go straight to the widget.
// Thread contract: user-interface thread only.
#pragma once

#include <functional>

class QObject;

namespace corvell::ui {

class ImageHotZone;
class clsImgRepeat;

using ImageDownHandler = std::function<void(int index, int button, int shift, float x, float y)>;

// `context` ends the connections when it is destroyed (the panel).
void WireHeldImage(ImageHotZone& image, clsImgRepeat& repeater, QObject* context,
                   ImageDownHandler onDown);

}  // namespace corvell::ui
