#pragma once

#include "shell/levels/ExerciseForm.h"

#include <QList>
#include <QString>

#include <functional>

// An exercise window that stands in for a level's real one: shown modally, it
// does what the test asked at once and hides; shown modeless, it stays until
// the test unloads it. Every window made records what the dispatcher did to
// it, in the order the windows were made.
class ScriptedExercise final : public levels::ExerciseForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScriptedExercise)

public:
    enum class Outcome
    {
        Leave, // hides without passing
        Pass,  // stores the next level as an order test does, and presses its next-level button
        PassThenLeave, // stores the next level, then leaves without the next-level button
    };

    // What the dispatcher left on a window.
    struct Record
    {
        QString formName;
        QString caption;
        QString nextLevelCaption;
        int levelShown = 0; // the effective level while it showed
        bool modal = false;
        int numberStageAtLoad = -1;
        int maxWordsAtLoad = -1;
        bool unloaded = false;
        bool exitAtUnload = false;
        bool noMessageBoxAtUnload = false;
    };

    // Registers a factory for each form name of the level table; the outcome
    // of each showing is asked from `outcome` with the effective level.
    // Destroying the returned object forgets every factory and record.
    class Installation
    {
        Q_DISABLE_COPY_MOVE(Installation)

    public:
        explicit Installation(std::function<Outcome(int level)> outcome);
        ~Installation();
    };

    static QList<Record> &records();

    ScriptedExercise(const QString &formName, std::function<Outcome(int)> outcome);

    void setNextLevelCaption(const QString &caption) override;

protected:
    void Form_Load() override;
    void showEvent(QShowEvent *event) override;
    void Form_Unload(bool &Cancel) override;

private:
    Record &record();

    int m_index;
    std::function<Outcome(int)> m_outcome;
};
