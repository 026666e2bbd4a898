#include "link/line_state.h"

namespace quillon {

void LineState::Opened(bool linesKnown, bool cts, bool dsr) {
    linesKnown_.set(linesKnown ? 1 : 0);
    cts_.set(linesKnown && cts ? 1 : 0);
    dsr_.set(linesKnown && dsr ? 1 : 0);
    answers_.set(0);
    answersSeen_.set(0);
}

int32_t LineState::Cts() {
    if (LinesKnown()) return cts_.get();
    const uint32_t answers = answers_.get();
    return answersSeen_.exchange(answers) != answers ? 1 : 0;
}

}  // namespace quillon
