// A pass the users database cannot take: the learner plays a level through
// the real windows on a copy of the program folder the build makes, and the
// folder is read-only by the time the pass is stored.
#include "platform/services/MessageBox.h"
#include "platform/services/MessageBoxStyle.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/support/CourseDriver.h"
#include "tests/support/FileContents.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/ScreenSizeDouble.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString Unsaved =
    QStringLiteral("Your pass could not be saved, so this level will have to be passed again.");
constexpr int Ok = 1;

// Takes the boxes that say a pass was not saved and hands every other box
// to the handler before it (the driver's script).
class UnsavedPassBoxes final
{
public:
    UnsavedPassBoxes()
        : m_previous(services::setMessageBoxHandler(
              [this](QWidget *owner, const QString &text, int style) {
                  if (!text.contains(Unsaved))
                      return m_previous(owner, text, style);
                  texts << text;
                  styles << style;
                  return Ok;
              }))
    {}
    ~UnsavedPassBoxes() { services::setMessageBoxHandler(m_previous); }
    Q_DISABLE_COPY_MOVE(UnsavedPassBoxes)

    QStringList texts;
    QList<int> styles;

private:
    services::MessageBoxHandler m_previous;
};

// The driver links the build's media into the learner's folder; a
// read-only folder must not change the build's own files, so they are
// copied in.
void copyLinkedEntries(const QString &folder)
{
    for (const QFileInfo &entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (!entry.isSymLink())
            continue;
        const QString target = entry.symLinkTarget();
        ASSERT_TRUE(QFile::remove(entry.filePath()));
        if (!QFileInfo(target).isDir()) {
            ASSERT_TRUE(QFile::copy(target, entry.filePath()));
            continue;
        }
        QDirIterator files(target, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString from = files.next();
            const QString to = entry.filePath() + from.mid(target.size());
            ASSERT_TRUE(QDir().mkpath(QFileInfo(to).path()));
            ASSERT_TRUE(QFile::copy(from, to)) << to.toStdString();
        }
    }
}

class UnsavedPass : public ::testing::TestWithParam<int>
{
protected:
    ScreenSizeDouble screen{1024, 768};
    ModalWatchdog watchdog{60000};
};

// Each window that stores a pass: the order tests (one that leads on to the
// next lessons, one whose leaving takes a pass back, the vowels), both
// listening tests, spelling, numbers and maths. The learner hears at once
// that the pass is not saved, with the error's report; the level stays
// theirs, nothing opens beyond it, and the home screen is back.
TEST_P(UnsavedPass, TheLearnerIsToldAtOnceAndTheLevelStaysTheirs)
{
    const int level = GetParam();
    CourseDriver course{QStringLiteral(OSTRANA_PROGRAM_FOLDER)};
    copyLinkedEntries(course.folder());
    course.startAsNewLearner(QStringLiteral("Ravi"), QStringLiteral("pw"));
    ASSERT_EQ(modMain::AdvanceUserLevel(modMain::gUserName, level), modMain::LevelStored);
    course.main().EnableDisableMenus(true);
    const QString users = course.folder() + QStringLiteral("/Kelvo.kdt");
    const QByteArray before = fileBytes(users);

    UnsavedPassBoxes unsaved;
    {
        ReadOnlyFolder readOnly(course.folder());
        course.play(level);
    }

    EXPECT_FALSE(watchdog.fired());
    ASSERT_EQ(unsaved.texts.size(), 1) << unsaved.texts.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(unsaved.texts[0].startsWith(Unsaved));
    EXPECT_TRUE(unsaved.texts[0].contains(QStringLiteral("Error No=")));
    EXPECT_TRUE(unsaved.texts[0].contains(QStringLiteral("Error Description=")));
    EXPECT_EQ(unsaved.styles[0], services::MessageBoxStyle::Exclamation);
    EXPECT_EQ(course.boxes().pending(), 0);
    EXPECT_EQ(modMain::GetUserLevel(modMain::gUserName, true), level);
    EXPECT_EQ(fileBytes(users), before);
    const std::vector<int> enabled = course.enabledLevels();
    ASSERT_FALSE(enabled.empty());
    EXPECT_EQ(*std::max_element(enabled.begin(), enabled.end()), level);
    EXPECT_TRUE(course.main().isVisible());
    EXPECT_EQ(course.lessonShown(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfWindow, UnsavedPass,
                         ::testing::Values(1, 3, 9, 10, 11, 12, 15, 21),
                         [](const auto &row) { return "Level" + std::to_string(row.param); });

} // namespace
