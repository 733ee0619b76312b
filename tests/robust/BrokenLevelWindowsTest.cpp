#include "exercises/keyboard/RegisterWindows.h"
#include "exercises/letters/RegisterWindows.h"
#include "platform/forms/Forms.h"
#include "platform/services/MessageBox.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/levels/ExerciseForm.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/levels/LevelTable.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/support/FileContents.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/ProgramEndCatcher.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScreenSizeDouble.h"

#include <QFile>
#include <QTest>

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>

namespace {

// Answers every box, Yes where it asks, and keeps its text.
class AnyBoxAnswered final
{
public:
    AnyBoxAnswered()
        : m_previous(
              services::setMessageBoxHandler([this](QWidget *, const QString &text, int style) {
                  shown << QStringLiteral("%1:%2").arg(style).arg(text);
                  return (style & 0xF) == services::MessageBoxStyle::YesNo
                             ? int(services::MessageBoxAnswer::Yes)
                             : int(services::MessageBoxAnswer::Ok);
              }))
    {}
    ~AnyBoxAnswered() { services::setMessageBoxHandler(m_previous); }
    Q_DISABLE_COPY_MOVE(AnyBoxAnswered)

    QStringList shown;

private:
    services::MessageBoxHandler m_previous;
};

enum class Spoiled
{
    Missing,
    Garbage,
    Empty, // opens, but holds no tables
};

std::string nameOf(Spoiled spoiled)
{
    switch (spoiled) {
    case Spoiled::Missing:
        return "Missing";
    case Spoiled::Garbage:
        return "Garbage";
    case Spoiled::Empty:
        return "Empty";
    }
    return {};
}

void PrintTo(Spoiled spoiled, std::ostream *os)
{
    *os << nameOf(spoiled);
}

// The windows that check what they need at load and refuse to open without it
// (the order and listening tests end the program first here: an unreadable
// level database leaves them no letters).
bool refusesToOpen(const char *form)
{
    for (const char *refusing :
         {"frmLevel10", "frmLevel12", "frmLevel20", "frmLevel25", "frmTest8", "frmTest10",
          "frmTest12", "frmTest16", "frmTest18", "frmTest34", "frmLevel9", "frmLevel19"}) {
        if (std::strcmp(form, refusing) == 0)
            return true;
    }
    return false;
}

// The window of every level opened on a level database that cannot be
// read, as the dispatcher opens it: the learner sees the course's message
// for missing level data (the letters it needs are not there) and the
// program ends, or the window opens with the error report pending and
// nothing shown, or it refuses to open with the report pending, for the
// dispatcher to show. Nothing crashes or waits for ever, and the users
// database is left as it was.
class BrokenLevelWindow : public MainWindowFixture,
                          public ::testing::WithParamInterface<std::tuple<int, Spoiled>>
{
protected:
    BrokenLevelWindow()
    {
        exercises::letters::registerWindows();
        exercises::keyboard::registerWindows();
        main.Load();
    }

    frmMain main;
    ScreenSizeDouble screen{1024, 768};
    ModalWatchdog watchdog{20000};
};

TEST_P(BrokenLevelWindow, EndsWithTheMissingDataMessageOrOpensWithTheReportPending)
{
    const auto [level, spoiled] = GetParam();
    const levels::LevelRow *row = levels::row(level);
    ASSERT_NE(row, nullptr);
    storeLevel(level);
    modMain::SetLevel(-1);
    if (spoiled == Spoiled::Missing)
        ASSERT_TRUE(QFile::remove(folder.levelDatabase(level)));
    else
        overwriteFile(folder.levelDatabase(level),
                      spoiled == Spoiled::Garbage ? QByteArray(2048, '\x07') : QByteArray());
    const QByteArray users = fileBytes(folder.usersDatabase());

    std::unique_ptr<levels::ExerciseForm> window =
        levels::createWindow(QString::fromLatin1(row->form));
    ASSERT_NE(window, nullptr) << row->form;
    if (row->numberStage >= 0) {
        window->NumberStage = row->numberStage;
        window->MAX_WORDS = row->maxWords;
    }
    bool ended = false;
    QStringList boxesAtLoad;
    {
        AnyBoxAnswered boxes;
        ProgramEndCatcher end;
        try {
            window->Load();
        } catch (const ProgramEnded &) {
            ended = true;
        }
        boxesAtLoad = boxes.shown;
    }

    if (ended) {
        EXPECT_EQ(boxesAtLoad, QStringList{QStringLiteral("48:") +
                                           resources::LoadResString(resources::str::NoLetters)});
    } else if (refusesToOpen(row->form)) {
        EXPECT_EQ(boxesAtLoad, QStringList());
        EXPECT_TRUE(window->cannotOpen);
        EXPECT_TRUE(modErrors::gErrMsg.startsWith(QStringLiteral("Error No=")))
            << modErrors::gErrMsg.toStdString();
        AnyBoxAnswered boxes;
        ProgramEndCatcher end;
        window->mblnExit = true;
        window->mblnDoNotDisplayMsgBox = true;
        window->Unload();
        QTest::qWait(50);
        EXPECT_EQ(boxes.shown, QStringList());
    } else {
        EXPECT_EQ(boxesAtLoad, QStringList());
        EXPECT_TRUE(modErrors::gErrMsg.startsWith(QStringLiteral("Error No=")))
            << modErrors::gErrMsg.toStdString();
        // Shown and left a moment to its timers, then unloaded as the
        // dispatcher unloads it.
        AnyBoxAnswered boxes;
        ProgramEndCatcher end;
        window->Show(false);
        QTest::qWait(300);
        window->mblnExit = true;
        window->mblnDoNotDisplayMsgBox = true;
        window->Unload();
        QTest::qWait(50);
    }
    EXPECT_FALSE(watchdog.fired());
    EXPECT_EQ(fileBytes(folder.usersDatabase()), users);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, BrokenLevelWindow,
                         ::testing::Combine(::testing::Range(1, levels::LevelCount + 1),
                                            ::testing::Values(Spoiled::Missing, Spoiled::Garbage,
                                                              Spoiled::Empty)),
                         [](const auto &row) {
                             return "Level" + std::to_string(std::get<0>(row.param)) +
                                    nameOf(std::get<1>(row.param));
                         });

} // namespace
