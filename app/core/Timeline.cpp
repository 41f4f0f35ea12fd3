#include "app/core/Timeline.h"

// Whole milliseconds compare as the built-in rules' single-precision quotients do: those come to
// the same as the integer forms for every elapsed value. Only the scroll position keeps the
// quotient, since it is drawn, not compared.
SceneDrawing timelineDrawing(const Timeline& timeline, int32_t scene, uint32_t elapsed) {
    if (scene < 0 || static_cast<size_t>(scene) >= timeline.scenes.size()) {
        return {};
    }
    const TimelineScene& rules = timeline.scenes[static_cast<size_t>(scene)];
    SceneDrawing drawing{rules.image};
    for (const ImageChange& change : rules.changes) {
        if (change.inclusive ? elapsed <= change.time : elapsed < change.time) {
            break;
        }
        drawing.image = change.image;
    }
    if (rules.flipBook) {
        uint32_t k = elapsed / rules.flipBook->pace;
        drawing.image =
            k < rules.flipBook->frames.size() ? rules.flipBook->frames[k] : rules.flipBook->after;
    }
    if (rules.scroller) {
        drawing.scroller = true;
        drawing.scrollPosition = elapsedQuotient(elapsed, rules.scroller->pace);
        drawing.text = rules.scroller->text;
    }
    return drawing;
}
