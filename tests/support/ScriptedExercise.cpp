#include "tests/support/ScriptedExercise.h"

#include "shell/levels/ExerciseWindows.h"
#include "shell/levels/LevelTable.h"
#include "shell/modMain.h"

#include <QTimer>

ScriptedExercise::Installation::Installation(std::function<Outcome(int)> outcome)
{
    records().clear();
    for (const levels::LevelRow &row : levels::Table) {
        const QString name = QString::fromLatin1(row.form);
        levels::registerWindow(
            name, [name, outcome] { return std::make_unique<ScriptedExercise>(name, outcome); });
    }
}

ScriptedExercise::Installation::~Installation()
{
    levels::clearWindows();
    records().clear();
}

QList<ScriptedExercise::Record> &ScriptedExercise::records()
{
    static QList<Record> made;
    return made;
}

ScriptedExercise::ScriptedExercise(const QString &formName, std::function<Outcome(int)> outcome)
    : levels::ExerciseForm(formName)
    , m_index(int(records().size()))
    , m_outcome(std::move(outcome))
{
    records().append(Record{});
    record().formName = formName;
}

ScriptedExercise::Record &ScriptedExercise::record()
{
    return records()[m_index];
}

void ScriptedExercise::setNextLevelCaption(const QString &caption)
{
    record().nextLevelCaption = caption;
}

void ScriptedExercise::Form_Load()
{
    record().numberStageAtLoad = NumberStage;
    record().maxWordsAtLoad = MAX_WORDS;
}

void ScriptedExercise::showEvent(QShowEvent *event)
{
    levels::ExerciseForm::showEvent(event);
    Record &shown = record();
    shown.caption = Caption();
    shown.levelShown = modMain::GetUserLevel(modMain::gUserName, false);
    shown.modal = isModal();
    if (!shown.modal)
        return;
    // From the modal loop, as a learner's clicks would come.
    QTimer::singleShot(0, this, [this] {
        const Outcome outcome = m_outcome(record().levelShown);
        if (outcome != Outcome::Leave)
            modMain::AdvanceUserLevel(modMain::gUserName, record().levelShown + 1);
        if (outcome == Outcome::Pass)
            setTag(QStringLiteral("Next Level"));
        Hide();
    });
}

void ScriptedExercise::Form_Unload(bool &)
{
    Record &gone = record();
    gone.unloaded = true;
    gone.exitAtUnload = mblnExit;
    gone.noMessageBoxAtUnload = mblnDoNotDisplayMsgBox;
}
