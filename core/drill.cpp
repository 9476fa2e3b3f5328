#include "core/drill.h"
#include "core/answer_match.h"

#include <cstdio>

namespace {

constexpr std::size_t revealBufferSize = 100;

} // namespace

bool AtBoundary(bool forward, DrillWindow& owner) {
    if (charTable.count() == 0) {
        owner.showMessage(drill_text::emptyTable, drill_text::emptyTableCaption, informationBox);
        return true;
    }
    if (forward && current == charTable.end()) {
        owner.showMessage(drill_text::lastEntry, drill_text::lastEntryCaption, informationBox);
        return true;
    }
    if (!forward && current == charTable.first()) {
        owner.showMessage(drill_text::firstEntry, drill_text::firstEntryCaption, informationBox);
        return true;
    }
    return false;
}

void NextChar(DrillWindow& dialog) {
    if (AtBoundary(true, dialog))
        return;
    wrongAnswers = 0;
    current = CharTable::next(current);
    // Stepping off the last entry shows the notice while `current` is the end
    // marker; then the last entry comes back and is drawn again.
    if (AtBoundary(true, dialog))
        current = CharTable::previous(current);
    dialog.repaint();
}

void PrevChar(DrillWindow& dialog) {
    if (AtBoundary(false, dialog))
        return;
    wrongAnswers = 0;
    current = CharTable::previous(current);
    dialog.repaint();
}

void CheckAnswer(DrillWindow& dialog) {
    if (AtBoundary(true, dialog))
        return;
    char answer[answerBufferSize] = {};
    dialog.readAnswer(answer);
    answer[answerBufferSize - 1] = '\0';

    const CharEntry& entry = current->entry;
    bool advance = true;
    if (AnswerMatches(answer, entry.code, ActiveCodePage())) {
        dialog.showMessage(drill_text::rightAnswer, drill_text::rightAnswerCaption, plainBox);
    } else {
        wrongAnswers = (wrongAnswers + 1) % 3;
        if (wrongAnswers != 0) {
            dialog.showMessage(drill_text::tryAgain, drill_text::wrongAnswerCaption, plainBox);
            advance = false;
        } else {
            char reveal[revealBufferSize];
            std::snprintf(reveal, sizeof reveal, drill_text::revealFormat, entry.code,
                          entry.reason);
            dialog.showMessage(reveal, drill_text::wrongAnswerCaption, plainBox);
        }
    }
    dialog.clearAnswer();
    if (advance)
        NextChar(dialog);
}

LoadResult LoadDrillMaterial(const char* path) {
    LoadResult result = LoadPracticeFile(path, charTable, current, ActiveCodePage());
    if (result != LoadResult::notOpened)
        wrongAnswers = 0;
    return result;
}
