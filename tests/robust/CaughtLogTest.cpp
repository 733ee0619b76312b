// Failures the program catches and goes on from are written to standard
// error for a maintainer, in the logging category of the layer that caught
// them; the learner is shown nothing more than before.
#include "exercises/keyboard/words/WordData.h"
#include "exercises/letters/RegisterWindows.h"
#include "shell/levels/ExerciseForm.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/support/MessageBoxScript.h"

#include <QFile>
#include <QList>
#include <QtGlobal>

#include <gtest/gtest.h>
#include <memory>

namespace {

struct Logged
{
    QString category;
    QtMsgType type;
    QString text;
};

QList<Logged> *gLogged = nullptr;

// Keeps what is logged while it lives.
class LogCapture final
{
public:
    LogCapture()
    {
        gLogged = &logged;
        m_previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
                gLogged->append({QString::fromLatin1(context.category), type, text});
            });
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        gLogged = nullptr;
    }
    Q_DISABLE_COPY_MOVE(LogCapture)

    // The warnings of one category.
    QStringList warnings(const char *category) const
    {
        QStringList texts;
        for (const Logged &entry : logged) {
            if (entry.type == QtWarningMsg && entry.category == QLatin1String(category))
                texts << entry.text;
        }
        return texts;
    }

    QList<Logged> logged;

private:
    QtMessageHandler m_previous = nullptr;
};

class CaughtFailures : public MainWindowFixture
{};

TEST_F(CaughtFailures, AreLoggedInTheCategoryOfTheLayerThatCaughtThem)
{
    exercises::letters::registerWindows();
    const QString missing = folder.path() + QStringLiteral("/levels/none.kdt");
    MessageBoxScript noBoxes;
    LogCapture log;

    EXPECT_EQ(modMain::GetPassMark(missing), -1);
    const QStringList shell = log.warnings("ostrana.shell");
    ASSERT_EQ(shell.size(), 1);
    EXPECT_TRUE(shell[0].startsWith(QStringLiteral("caught error 53"))) << shell[0].toStdString();

    EXPECT_EQ(words::GetWordSoundFile(nullptr, missing, 1), QString());
    EXPECT_EQ(log.warnings("ostrana.exercises.keyboard").size(), 1);

    ASSERT_TRUE(QFile::remove(folder.levelDatabase(13)));
    modMain::gLevelDbPath = folder.levelDatabase(13);
    std::unique_ptr<levels::ExerciseForm> chart =
        levels::createWindow(QStringLiteral("frmLevel25"));
    ASSERT_NE(chart, nullptr);
    chart->Load();
    EXPECT_TRUE(chart->cannotOpen);
    const QStringList letters = log.warnings("ostrana.exercises.letters");
    ASSERT_EQ(letters.size(), 1);
    EXPECT_TRUE(letters[0].contains(QStringLiteral("53"))) << letters[0].toStdString();
    // The report waits for the learner as before.
    EXPECT_TRUE(modErrors::gErrMsg.startsWith(QStringLiteral("Error No=53")));
    chart->mblnDoNotDisplayMsgBox = true;
    chart->Unload();
    levels::clearWindows();
}

} // namespace
