#pragma once

#include "platform/forms/Form.h"
#include "shell/levels/LevelTable.h"

namespace levels {

// What the level dispatcher sets on the window of a level's exercise, besides
// its Caption, and reads back from its Tag. Every exercise window is one.
class ExerciseForm : public forms::Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExerciseForm)

public:
    using forms::Form::Form;

    // Set before the dispatcher unloads a modal window: what its closing
    // handler does, and that it asks no confirmation.
    bool mblnExit = false;
    bool mblnDoNotDisplayMsgBox = false;
    // Set, in this order, before the window loads; its load work reads them.
    int NumberStage = 0;
    int MAX_WORDS = 0;
    // Set by the load work when what the window needs cannot be read or
    // makes no sense, with the report in the pending message: the
    // dispatcher then unloads the window unseen and shows the report over
    // the home screen.
    bool cannotOpen = false;
    // The row of the level the window serves, set by the dispatcher before
    // the window loads.
    const LevelRow *levelRow = nullptr;

    // levelRow; for a window made without one, the row of the learner's
    // effective level (the last level once the course is done).
    const LevelRow &servedLevel() const;

    // The caption of an order test's next-level button; other windows have
    // none.
    virtual void setNextLevelCaption(const QString &) {}
};

} // namespace levels
