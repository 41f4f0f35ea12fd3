#include "rules/Layer.h"

LayerDrawing Layer::at(uint32_t elapsed) const {
    LayerDrawing drawing{kind, image, fit, colour, text, font};
    drawing.size = static_cast<float>(size.at(elapsed));
    for (size_t n = 0; n < box.size(); ++n) {
        drawing.box[n] = static_cast<float>(box[n].at(elapsed));
    }
    drawing.alpha = static_cast<float>(alpha.at(elapsed));
    return drawing;
}
