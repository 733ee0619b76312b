#include "tests/robust/LevelDataFixture.h"

#include "platform/controls/SSPanel.h"
#include "platform/db/Database.h"
#include "platform/forms/Form.h"
#include "platform/forms/Forms.h"
#include "platform/services/MessageBox.h"
#include "platform/services/MessageBoxStyle.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/modMain.h"
#include "tests/support/FileContents.h"
#include "tests/support/ProgramEndCatcher.h"
#include "tests/support/WhenModal.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace spoilings {

Spoiling nothing()
{
    return {"Nothing", {}};
}

Spoiling missing()
{
    return {"Missing", [](TempProgramFolder &folder, int level) {
                ASSERT_TRUE(QFile::remove(folder.levelDatabase(level)));
            }};
}

Spoiling empty()
{
    return {"Empty", [](TempProgramFolder &folder, int level) {
                overwriteFile(folder.levelDatabase(level), QByteArray());
            }};
}

QByteArray randomBytes()
{
    QByteArray bytes(4096, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7919 + 13) % 251);
    return bytes;
}

Spoiling garbage()
{
    return {"Garbage", [](TempProgramFolder &folder, int level) {
                overwriteFile(folder.levelDatabase(level), randomBytes());
            }};
}

Spoiling text()
{
    return {"Text", [](TempProgramFolder &folder, int level) {
                overwriteFile(folder.levelDatabase(level), "Level data\nKeys: none\n");
            }};
}

Spoiling sql(std::string name, const QString &statement)
{
    return {std::move(name), [statement](TempProgramFolder &folder, int level) {
                db::Database::openExisting(folder.levelDatabase(level))->exec(statement);
            }};
}

std::vector<Spoiling> passMarks()
{
    return {
        sql("NoExamTable", QStringLiteral("DROP TABLE Exam")),
        sql("NoExamRow", QStringLiteral("DELETE FROM Exam")),
        sql("NullPassMark", QStringLiteral("UPDATE Exam SET PassMark = NULL")),
        sql("TextPassMark", QStringLiteral("UPDATE Exam SET PassMark = 'abc'")),
        sql("PassMarkAboveQuestions", QStringLiteral("UPDATE Exam SET PassMark = 99")),
    };
}

} // namespace spoilings

void PrintTo(const LevelCase &c, std::ostream *os)
{
    *os << "level " << c.level << ", " << c.spoiling.name;
}

std::string caseName(const LevelCase &c)
{
    return "Level" + std::to_string(c.level) + c.spoiling.name;
}

LevelDataFixture::LevelDataFixture()
{
    linkMedia();
    main.Load();
}

LevelDataFixture::~LevelDataFixture()
{
    levels::clearWindows();
}

void LevelDataFixture::linkMedia()
{
    const QDir program(QStringLiteral(OSTRANA_PROGRAM_FOLDER));
    for (const QFileInfo &entry : program.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString name = entry.fileName();
        if (name == QLatin1String("Kelvo.kdt") || name == QLatin1String("ostrana") ||
            name == QLatin1String("levels"))
            continue;
        ASSERT_TRUE(QFile::link(entry.filePath(), folder.path() + '/' + name))
            << name.toStdString();
    }
}

void LevelDataFixture::copyLevel(int level)
{
    const QString to = folder.levelDatabase(level);
    ASSERT_TRUE(QFile::remove(to));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(OSTRANA_PROGRAM_FOLDER "/levels/level%1.kdt").arg(level), to));
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
}

void LevelDataFixture::prepare(const LevelCase &c)
{
    copyLevel(c.level);
    if (c.spoiling.apply)
        c.spoiling.apply(folder, c.level);
    storeLevel(c.level);
    modMain::SetLevel(-1);
    main.EnableDisableMenus(true);
    main.Show();
}

Choice LevelDataFixture::choose(const QString &form, const std::function<void()> &choice)
{
    Choice result;
    const QByteArray users = fileBytes(folder.usersDatabase());
    const services::MessageBoxHandler previous =
        services::setMessageBoxHandler([&](QWidget *owner, const QString &text, int style) {
            result.boxes.push_back(
                {owner, style, text, main.isVisible() && main.ssPnlInfo->isVisible()});
            return int(services::MessageBoxAnswer::Ok);
        });
    {
        ProgramEndCatcher end;
        const WhenModal modal([&](QWidget *window) {
            result.shown = window == forms::Forms::find(form);
            if (auto *shown = qobject_cast<forms::Form *>(window))
                shown->Hide();
        });
        try {
            choice();
        } catch (const ProgramEnded &) {
        }
        QTest::qWait(50);
        forms::Form *modeless = forms::Forms::find(form);
        if (modeless != nullptr && modeless->isVisible())
            result.shown = true;
        delete modeless;
        QTest::qWait(20);
        result.ended = end.ended();
    }
    services::setMessageBoxHandler(previous);
    result.usersUnchanged = fileBytes(folder.usersDatabase()) == users;
    return result;
}

void LevelDataFixture::expectOutcome(const Choice &choice, const LevelCase &c, const QAction *item)
{
    EXPECT_FALSE(choice.ended);
    EXPECT_FALSE(watchdog.fired());
    EXPECT_TRUE(choice.usersUnchanged);
    EXPECT_TRUE(item->isEnabled());
    if (!c.spoiling.apply) {
        EXPECT_TRUE(choice.shown);
        for (const Box &box : choice.boxes)
            ADD_FAILURE() << box.text.toStdString();
        return;
    }
    EXPECT_FALSE(choice.shown);
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(main.ssPnlInfo->isVisible());
    EXPECT_FALSE(main.pnl3dLetter->isVisible());
    EXPECT_TRUE(main.mnuFile->menuAction()->isVisible());
    // One report, also where the level's lesson, chosen first, meets the
    // spoilt data before its test does.
    ASSERT_EQ(choice.boxes.size(), 1u);
    EXPECT_EQ(choice.boxes.front().owner, &main);
    EXPECT_EQ(choice.boxes.front().style, services::MessageBoxStyle::Exclamation);
    EXPECT_TRUE(choice.boxes.front().text.startsWith(QStringLiteral("Error No=")))
        << choice.boxes.front().text.toStdString();
    EXPECT_TRUE(choice.boxes.front().homeScreenUp);
}
