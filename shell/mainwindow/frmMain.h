#pragma once

#include "platform/core/TwipsGeometry.h"
#include "platform/forms/Form.h"
#include "shell/levels/LevelTable.h"
#include "shell/mainwindow/MainMenus.h"

#include <QLabel>

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace controls {
class AniGif;
class SSCommand;
class SSPanel;
class SoundPlayer;
} // namespace controls

class MultiLineText;
class TracingBox;

namespace levels {
class ExerciseForm;
}

// The course's one main window. Its information screen is the home page (heading,
// pictures, the text about the course, the logo) with the File and Help menus; its
// letter lesson steps through the letters of a level. The two faces are told apart
// by whether the File menu is visible.
class frmMain final : public forms::Form, public MainMenus
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    using Image = platform::TwipsGeometry<QLabel>;
    using Label = platform::TwipsGeometry<QLabel>;

    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // The letter lesson.
    // The end of the letter's stroke animation: the still picture shows again.
    void Animationletter_PlayFinished();
    // Opens the lesson of the current level database at its first letter;
    // neither shows nor hides the window.
    // False when the level's letters could not be read (the learner has the
    // report over the home screen).
    bool RunLevel();

    // Back to the information screen; neither shows nor hides the window.
    void MainScreen();
    // Enables the File-menu items that the user's stored level reaches.
    void EnableDisableMenus(bool vblnEnableDisable) override;

    // The text of the information screen, as Form_Load and MainScreen write it.
    static QString InformationText();

    // The information screen.
    controls::SSPanel *ssPnlInfo = nullptr;
    Label *Label1 = nullptr;
    controls::SSPanel *SSPanel1 = nullptr;
    Image *ImgPic1 = nullptr;
    Image *ImgPic2 = nullptr;
    Image *ImgPic3 = nullptr;
    MultiLineText *txtInformation = nullptr;
    controls::AniGif *aniLogo = nullptr;
    controls::AniGif *aniClick2 = nullptr;
    controls::AniGif *aniLoading = nullptr;
    controls::SoundPlayer *IntroSound = nullptr;

    // The letter lesson.
    controls::SSPanel *pnl3dLetter = nullptr;
    Image *ImgLetter = nullptr;
    controls::AniGif *AnimationLetter = nullptr;
    controls::AniGif *AnimationPictureA = nullptr;
    controls::AniGif *AnimationPictureB = nullptr;
    controls::AniGif *AnimWordA = nullptr;
    controls::AniGif *AnimWordB = nullptr;
    controls::AniGif *AnimClick = nullptr;
    Label *LetterLabel = nullptr;
    TracingBox *Picture1 = nullptr;
    TracingBox *Picture2 = nullptr;
    TracingBox *Picture3 = nullptr;
    TracingBox *Picture4 = nullptr;
    TracingBox *Picture5 = nullptr;
    TracingBox *Picture6 = nullptr;
    controls::AniGif *Instruction2 = nullptr;
    controls::SoundPlayer *LetterSound = nullptr;
    controls::SoundPlayer *PictureSoundA = nullptr;
    controls::SoundPlayer *PictureSoundB = nullptr;
    controls::SSCommand *cmdBack = nullptr;
    controls::SSCommand *cmdClear = nullptr;
    controls::SSCommand *cmdNext = nullptr;

    // The menus. Arrays keep the designed indexes; mnuFileItem has 1 and 2 only.
    QMenuBar *menuBar = nullptr;
    QMenu *mnuFile = nullptr;
    QMenu *mnuFileExercise1 = nullptr;
    std::array<QAction *, 8> mnuFileExercise1Item{};
    QAction *mnuFileExercise2 = nullptr;
    QAction *mnuFileExercise3 = nullptr;
    QAction *mnuFileExercise4 = nullptr;
    QAction *mnuFileExercise5 = nullptr;
    QAction *mnuFileExercise6 = nullptr;
    QMenu *mnuFileExercise7 = nullptr;
    std::array<QAction *, 7> mnuFileExercise7Item{};
    QMenu *mnuFileExercise8 = nullptr;
    std::array<QAction *, 5> mnuFileExercise8Item{};
    std::array<QAction *, 3> mnuFileItem{};
    QMenu *mnuLevel = nullptr;
    std::array<QAction *, 10> mnuLevelItem{};
    QMenu *mnuHelp = nullptr;
    std::array<QAction *, 3> mnuHelpItem{};

    // Menus.
    // The longest a menu choice waits for the start-up sound to end.
    void setIntroWaitLimit(int milliseconds) { mintIntroWaitLimit = milliseconds; }
    // True while a choice waits for the start-up sound.
    bool waiting() const { return mblnWaiting; }

    bool playDone() const { return mblnPlayDone; }
    int formHeight() const { return mintFormHeight; }
    std::array<TracingBox *, 6> pictureBoxes() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void Form_Load() override;
    void Form_QueryUnload(bool &Cancel, int UnloadMode) override;
    void Form_Unload(bool &Cancel) override;

private:
    // The information screen's colour, &HBBGGRR.
    static constexpr quint32 InfoBackColor = 0xC0E0FF;

    void createInformationScreen(QWidget *client);
    void createLesson(QWidget *client);
    void createMenus();
    void placeClientArea();
    void sizeInformationScreen();
    QAction *addExerciseItem(QMenu *menu, const QString &caption);

    void ArrangeFor800x600();
    void ResetLetterMedia();
    void SetLevelItems(int count, bool flag);

    void IntroSound_PlayFinished();

    // Menus.
    void connectExerciseItems();
    QAction *menuItem(levels::MenuItem item) const;
    void chooseLevel(int level);
    void WaitForIntroEnd();

    // The level dispatcher.
    void RunLevelTest();
    void ContinueAfterTest();
    void continueAfterPass(levels::AfterPass after);
    bool opened(levels::ExerciseForm &window);
    void mnuFileItem_Click(int Index);
    void mnuHelpItem_Click(int Index);

    // The letter lesson.
    void connectLesson();
    void ShowLetter();
    void ImgLetter_Click();
    void ImgLetter_MouseDown();
    void ImgLetter_MouseUp();
    void LetterSound_PlayFinished();
    void PictureSoundA_PlayFinished();
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdClear_Click();
    void StartStroke(TracingBox &box, float X, float Y);
    void ContinueStroke(TracingBox &box, float X, float Y, int Button);
    void stopLessonMedia();

    bool mblnPlayDone = false;
    bool mblnWaiting = false;
    int mintFormHeight = 0;
    bool m_compact = false; // the 800 x 600 layout applies
    // A start-up sound plays for some seconds; past this it is given up.
    int mintIntroWaitLimit = 15000;
    QWidget *m_client = nullptr;
};
