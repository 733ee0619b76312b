#include "exercises/keyboard/words/KeyboardTest.h"

#include "exercises/keyboard/keyboards/KeyboardForms.h"
#include "exercises/keyboard/words/KeyboardTestForms.h"
#include "exercises/keyboard/words/TestPass.h"
#include "exercises/keyboard/words/TestWindow.h"
#include "exercises/keyboard/words/WordCheck.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Screen.h"
#include "platform/services/MessageBox.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/Guarded.h"
#include "shell/modMain.h"

namespace words {

KeyboardTest::KeyboardTest(const KeyboardTestForm &form, TestWindow &window)
    : m_form(form)
    , m_window(window)
    , m_keyboard(*form.keyboard)
{}

void KeyboardTest::load()
{
    guarded(
        [this] {
            forms::Screen::setMousePointer(forms::Hourglass);
            m_levelDbPath = modMain::gLevelDbPath;
            if (!canOpen()) {
                m_window.cannotOpen = true;
                forms::Screen::setMousePointer(forms::DefaultPointer);
                return;
            }
            showStartPage();
            forms::Screen::setMousePointer(forms::DefaultPointer);
        },
        // A load that fails part way leaves no hourglass behind.
        [] { forms::Screen::setMousePointer(forms::DefaultPointer); });
}

void KeyboardTest::connectButtons()
{
    using controls::SSCommand;
    QObject::connect(m_window.cmdExit, &SSCommand::Click, &m_window, [this] { leave(); });
    QObject::connect(m_window.cmdStartTest, &SSCommand::Click, &m_window, [this] { start(); });
    QObject::connect(m_window.cmdNextWord, &SSCommand::Click, &m_window, [this] { next(); });
    QObject::connect(m_window.cmdMarkTest, &SSCommand::Click, &m_window, [this] { mark(); });
    QObject::connect(m_window.cmdStartNewTest, &SSCommand::Click, &m_window,
                     [this] { showStartPage(); });
}

bool KeyboardTest::canOpen()
{
    const keyboards::KeyboardForm &design = *m_form.keyboard;
    const bool letters = design.keySet == keyboards::KeySet::Letters;
    return (letters ? modMain::LoadKeyboardCharSet() : modMain::LoadNumKeyboardCharSet()) &&
           fillsKeyboard(design,
                         letters ? modMain::gKeyboardCharCount : modMain::gNumKeyboardCharCount) &&
           m_window.canOpen() && modMain::HasUsablePassMark(m_levelDbPath, Questions);
}

void KeyboardTest::showStartPage()
{
    handled([this] {
        m_window.mblnExit = true;
        m_window.mblnDoNotDisplayMsgBox = false;
        m_window.fillStartPage();
        m_window.cmdStartTest->show();
        m_window.cmdStartNewTest->hide();
        forms::CenterForm(m_window);
    });
}

void KeyboardTest::start()
{
    handled([this] {
        if (m_window.busy())
            return;
        m_window.mblnDoNotDisplayMsgBox = false;
        m_window.mblnExit = true;
        if (!m_window.prepareTest())
            return;
        m_current = 1;
        m_window.lblTest->setText(progress(m_current));
        m_keyboard.show(QString::fromLatin1(m_form.name), m_window);
        m_window.cmdStartTest->hide();
        m_window.cmdNextWord->show();
        m_window.lblTest->show();
        m_window.pnlBlank3->show();
        repeat();
    });
}

void KeyboardTest::repeat()
{
    handled([this] {
        if (m_current >= 1 && m_current <= Questions)
            m_window.ask(m_current);
    });
}

void KeyboardTest::next()
{
    handled([this] {
        if (tooFewTyped(m_form.tooFewOnNext))
            return;
        m_window.lblTest->setText(progress(m_current + 1));
        storeAnswer();
        if (m_current == Questions - 1) {
            m_window.cmdNextWord->hide();
            m_window.cmdMarkTest->show();
        }
        ++m_current;
        repeat();
    });
}

void KeyboardTest::mark()
{
    handled([this] {
        if (tooFewTyped(m_form.tooFewOnMark))
            return;
        storeAnswer();
        ++m_current;
        m_keyboard.unload();
        m_window.lblTest->hide();
        m_window.cmdMarkTest->hide();
        m_window.pnlBlank3->hide();
        const int right = m_window.markAnswers();
        if (m_form.storesBeforeScore) {
            storeIfPassed(right);
            showScore(&m_window, right, Questions);
        } else {
            showScore(&m_window, right, Questions);
            storeIfPassed(right);
        }
        m_window.mblnDoNotDisplayMsgBox = true;
        m_window.mblnExit = m_form.exitAfterMarking;
    });
}

QString KeyboardTest::progress(int question) const
{
    return QString::fromLatin1(m_form.progress) + QString::number(question) +
           QStringLiteral(" of ") + QString::number(Questions);
}

bool KeyboardTest::tooFewTyped(const char *message) const
{
    return m_keyboard.tooFewTyped(m_form.fewestKeys, &m_window, QString::fromLatin1(message));
}

void KeyboardTest::storeAnswer()
{
    if (m_current >= 1 && m_current <= Questions)
        m_window.takeAnswer(m_current);
    m_keyboard.answerTaken();
}

// The pass mark is read when the pass is decided: after the score box where
// that comes first.
void KeyboardTest::storeIfPassed(int right)
{
    if (modMain::MeetsPassMark(right, Questions, modMain::GetPassMark(m_levelDbPath)))
        storePass(&m_window, m_window.ownLevel());
}

void KeyboardTest::leave()
{
    handled([this] {
        if (!m_window.busy() && mayLeave())
            m_window.Unload();
    });
}

// Asks while mblnDoNotDisplayMsgBox is false, and a Yes sets it.
bool KeyboardTest::mayLeave()
{
    if (!m_form.asksOnLeaving) {
        m_window.mblnDoNotDisplayMsgBox = true;
        m_window.mblnExit = true;
        return true;
    }
    if (m_window.mblnDoNotDisplayMsgBox)
        return m_window.mblnExit;
    if (!confirmLeaving())
        return false;
    m_window.mblnDoNotDisplayMsgBox = true;
    return true;
}

void KeyboardTest::queryUnload(bool &cancel)
{
    handled([&] {
        if (m_window.busy() ||
            (m_form.asksOnLeaving && !m_window.mblnDoNotDisplayMsgBox && !confirmLeaving()))
            cancel = true;
    });
}

bool KeyboardTest::confirmLeaving()
{
    return services::MessageBox(
               &m_window, resources::LoadResString(resources::str::ExitTestFails),
               services::MessageBoxStyle::YesNo + services::MessageBoxStyle::Question +
                   services::MessageBoxStyle::DefaultButton2) == services::MessageBoxAnswer::Yes;
}

void KeyboardTest::unloaded()
{
    if (forms::Form *main = forms::Forms::find(QStringLiteral("frmMain")))
        main->Show(false);
}

} // namespace words
