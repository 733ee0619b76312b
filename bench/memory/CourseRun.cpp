#include "bench/memory/CourseRun.h"

#include "bench/lesson/LessonFolder.h"
#include "exercises/keyboard/RegisterWindows.h"
#include "exercises/keyboard/spelling/frmLevel10.h"
#include "exercises/letters/RegisterWindows.h"
#include "exercises/letters/order/OrderTestForms.h"
#include "exercises/letters/order/frmTest.h"
#include "platform/controls/SSCommand.h"
#include "platform/core/Paths.h"
#include "platform/forms/Forms.h"
#include "platform/services/MessageBox.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

namespace {

const QString Learner = QStringLiteral("bench");
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int Ok = 1;
constexpr int Yes = 6;
// A test still open after this long will not end by itself.
constexpr qint64 TestBoundMs = 30000;

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

void chooseInOrder(frmTest &test)
{
    const int tiles = test.design().tiles;
    for (int letter = 0; letter < tiles; ++letter) {
        for (int t = 0; t < tiles; ++t) {
            if (test.tileTag(t) == letter && test.tileEnabled(t)) {
                QTest::mouseClick(test.ImgLetter[std::size_t(t)], Qt::LeftButton);
                break;
            }
        }
    }
}

} // namespace

CourseRun::CourseRun()
{
    platform::setAppPath(lessonFolder());
    modMain::resetForTests();
    modMain::gDbPath = m_users.filePath(QStringLiteral("Kelvo.kdt"));
    makeUsersDatabase(modMain::gDbPath, Learner, 1);
    modMain::OpenUserDatabase();
    modMain::gUserName = Learner;
    modMain::SetLevel(-1);
    exercises::letters::registerWindows();
    exercises::keyboard::registerWindows();
    services::setMessageBoxHandler([](QWidget *, const QString &, int style) {
        const int buttons = style & 7;
        return buttons == YesNo || buttons == YesNoCancel ? Yes : Ok;
    });
    answerOrderTests();

    m_form = std::make_unique<frmMain>();
    m_form->Load();
    m_form->EnableDisableMenus(true);
    m_form->Show();
    settle();
}

CourseRun::~CourseRun()
{
    m_solver.stop();
    m_form.reset();
    levels::clearWindows();
    services::setMessageBoxHandler({});
    modMain::resetForTests();
    platform::setAppPath(QString());
}

void CourseRun::storeLevel(int level)
{
    modMain::gLevel = 0; // not practising: the level is stored as it is
    if (modMain::AdvanceUserLevel(Learner, level) != -1)
        m_error = QStringLiteral("level %1 was not stored").arg(level);
    modMain::SetLevel(-1);
    m_form->EnableDisableMenus(true);
}

void CourseRun::answerOrderTests()
{
    m_solver.setInterval(10);
    QObject::connect(&m_solver, &QTimer::timeout, &m_solver, [this] {
        auto *test = qobject_cast<frmTest *>(QApplication::activeModalWidget());
        if (test == nullptr)
            return;
        if (test->property("answered").toBool()) {
            if (m_testOpen.elapsed() > TestBoundMs) {
                m_error = QStringLiteral("the letter-order test did not end");
                test->hide();
            }
            return;
        }
        m_testOpen.start();
        test->setProperty("answered", true);
        chooseInOrder(*test);
        if (!test->cmdNextLevel->isVisible())
            m_error = QStringLiteral("the letter-order test was not passed");
        test->cmdNextLevel->click();
    });
    m_solver.start();
}

void CourseRun::playLetterLevel()
{
    storeLevel(1);
    m_form->mnuFileExercise1Item[0]->trigger();
    const int letters = modMain::gLetterCount;
    for (int i = 1; i < letters; ++i) {
        m_form->cmdNext->click();
        settle();
    }
    if (m_form->cmdNext->Caption() != QLatin1String("&Test"))
        m_error = QStringLiteral("level 1's lessons did not lead to its test");
    m_form->cmdNext->click(); // the test, answered; a pass leads on into level 2
    settle();
    m_form->MainScreen();
    storeLevel(1);
    if (!modErrors::gErrMsg.isEmpty())
        m_error = modErrors::gErrMsg;
    settle();
}

void CourseRun::playSpellingLevel()
{
    storeLevel(10);
    m_form->mnuFileExercise3->trigger();
    auto *spelling = forms::Forms::find<frmLevel10>(QStringLiteral("frmLevel10"));
    if (spelling == nullptr) {
        m_error = QStringLiteral("the spelling window did not open");
        return;
    }
    for (int page = 0; page < 2; ++page) {
        spelling->cmdStartNewTest->click();
        settle();
    }
    spelling->cmdExit->click();
    settle();
    if (forms::Forms::find<frmLevel10>(QStringLiteral("frmLevel10")) != nullptr)
        m_error = QStringLiteral("the spelling window did not close");
    storeLevel(1);
    if (!modErrors::gErrMsg.isEmpty())
        m_error = modErrors::gErrMsg;
}
