#include "course/schema/LetterRow.h"
#include "platform/forms/Screen.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ProgramEndCatcher.h"

using modErrors::gErrMsg;
using namespace modMain;

namespace {

class ReadersTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        openUsers();
        SetLevel(4);
    }

    QString inFolder(const QString &local) const { return folder.path() + local; }

    static schema::LetterRow letterRow(int id)
    {
        schema::LetterRow row;
        row.ID = id;
        row.LetterPicture = QStringLiteral("\\Pictures\\ka%1.png").arg(id);
        row.LetterAnimation = QStringLiteral("\\Animation\\ka.gif");
        row.LetterSound = QStringLiteral("\\Sounds\\ka.mp3");
        row.LetterPronounciation = QStringLiteral("ka as in kite");
        row.PictureAAnimation = QStringLiteral("\\Animation\\kite.gif");
        row.PictureATop = 100;
        row.PictureALeft = 200;
        row.PictureAHeight = 300;
        row.PictureAWidth = 400;
        row.PictureASound = QStringLiteral("\\Sounds\\kite.mp3");
        row.PictureAWord = QStringLiteral("\\Words\\kite.png");
        row.PictureBAnimation = QStringLiteral("\\Animation\\key.gif");
        row.PictureBTop = -32768;
        row.PictureBLeft = 32767;
        row.PictureBHeight = 0;
        row.PictureBWidth = 1;
        row.PictureBSound = QStringLiteral("\\Sounds\\key.mp3");
        row.PictureBWord = QStringLiteral("\\Words\\key.png");
        row.PictureLetter1 = QStringLiteral("\\Trace\\1.png");
        row.PictureLetter2 = QStringLiteral("\\Trace\\2.png");
        row.PictureLetter3 = QStringLiteral("\\Trace\\3.png");
        row.PictureLetter4 = QStringLiteral("\\Trace\\4.png");
        row.PictureLetter5 = QStringLiteral("\\Trace\\5.png");
        row.PictureLetter6 = QStringLiteral("\\Trace\\6.png");
        return row;
    }

    void addKeys(int count)
    {
        schema::Writer writer(folder.levelDatabase(4));
        writer.begin();
        // Written in reverse: the readers order by KeyboardID.
        for (int id = count; id >= 1; --id) {
            writer.addKeyboardChar(id, QStringLiteral("c%1").arg(id), QStringLiteral("k%1").arg(id),
                                   QStringLiteral("\\Keys\\%1.png").arg(id),
                                   QStringLiteral("\\Keys\\%1.mp3").arg(id));
        }
        writer.commit();
    }
};

TEST_F(ReadersTest, OneLetterRowFillsIndexOneWithEveryField)
{
    folder.addFile(QStringLiteral("sounds/ka.mp3"));
    schema::Writer(folder.levelDatabase(4)).addLetter(letterRow(1));
    LoadLetterRecords();

    EXPECT_TRUE(gErrMsg.isEmpty()) << gErrMsg.toStdString();
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
    ASSERT_EQ(gLetterCount, 1);
    ASSERT_EQ(gLetters.size(), 2u); // element 0 unused
    const Letter &l = gLetters[1];
    EXPECT_EQ(l.LetterPicture, inFolder(QStringLiteral("/Pictures/ka1.png")));
    // An existing file is found whatever the case of its stored name.
    EXPECT_EQ(l.LetterSound, inFolder(QStringLiteral("/sounds/ka.mp3")));
    EXPECT_EQ(l.LetterPronounciation, QStringLiteral("ka as in kite"));
    EXPECT_EQ(l.PictureAAnimation, inFolder(QStringLiteral("/Animation/kite.gif")));
    EXPECT_EQ(l.PictureATop, 100);
    EXPECT_EQ(l.PictureALeft, 200);
    EXPECT_EQ(l.PictureAHeight, 300);
    EXPECT_EQ(l.PictureAWidth, 400);
    EXPECT_EQ(l.PictureAWord, inFolder(QStringLiteral("/Words/kite.png")));
    EXPECT_EQ(l.PictureBTop, -32768);
    EXPECT_EQ(l.PictureBLeft, 32767);
    // A missing file keeps the stored case from the first missing component on.
    EXPECT_EQ(l.PictureBSound, inFolder(QStringLiteral("/sounds/key.mp3")));
    EXPECT_EQ(l.PictureLetter[0], inFolder(QStringLiteral("/Trace/1.png")));
    EXPECT_EQ(l.PictureLetter[5], inFolder(QStringLiteral("/Trace/6.png")));
}

TEST_F(ReadersTest, LettersComeInIdOrder)
{
    {
        schema::Writer writer(folder.levelDatabase(4));
        writer.addLetter(letterRow(3));
        writer.addLetter(letterRow(1));
        writer.addLetter(letterRow(2));
    }
    LoadLetterRecords();
    ASSERT_EQ(gLetterCount, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(gLetters[i].LetterPicture, inFolder(QStringLiteral("/Pictures/ka%1.png").arg(i)));
}

TEST_F(ReadersTest, NullPathGivesTheProgramFolderAlone)
{
    schema::LetterRow row = letterRow(1);
    row.LetterAnimation = db::Variant();
    row.PictureLetter3 = db::Variant();
    schema::Writer(folder.levelDatabase(4)).addLetter(row);
    LoadLetterRecords();
    ASSERT_EQ(gLetterCount, 1);
    EXPECT_EQ(gLetters[1].LetterAnimation, folder.path());
    EXPECT_EQ(gLetters[1].PictureLetter[2], folder.path());
    EXPECT_TRUE(gErrMsg.isEmpty());
}

TEST_F(ReadersTest, NullIntegerIsAnErrorThatKeepsTheCount)
{
    schema::LetterRow bad = letterRow(2);
    bad.PictureBWidth = db::Variant();
    {
        schema::Writer writer(folder.levelDatabase(4));
        writer.addLetter(letterRow(1));
        writer.addLetter(bad);
        writer.addLetter(letterRow(3));
    }
    LoadLetterRecords();
    EXPECT_EQ(gErrMsg, QStringLiteral("Error No=94\rError Description=Invalid use of Null"));
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
    EXPECT_EQ(gLetterCount, 3);
    EXPECT_EQ(gLetters[1].LetterPicture, inFolder(QStringLiteral("/Pictures/ka1.png")));
    EXPECT_TRUE(gLetters[3].LetterPicture.isEmpty());
}

TEST_F(ReadersTest, NoLetterRowsShowsMessage110AndEndsTheProgram)
{
    MessageBoxScript boxes;
    boxes.expectExactly(QStringLiteral("No Letters exists in the file"), 48, 1);
    ProgramEndCatcher end;
    EXPECT_THROW(LoadLetterRecords(), ProgramEnded);
    EXPECT_EQ(end.count(), 1);
    EXPECT_EQ(boxes.pending(), 0);
    // The users database was closed on the way out.
    EXPECT_EQ(gRsUsers, nullptr);
    EXPECT_EQ(gConn, nullptr);
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
}

TEST_F(ReadersTest, NoKeyRowsEndsTheProgramFromEitherKeyReader)
{
    for (auto reader : {&LoadKeyboardCharSet, &LoadNumKeyboardCharSet}) {
        MessageBoxScript boxes;
        boxes.expectExactly(QStringLiteral("No Letters exists in the file"), 48, 1);
        ProgramEndCatcher end;
        EXPECT_THROW(reader(), ProgramEnded);
        EXPECT_EQ(end.count(), 1);
    }
}

TEST_F(ReadersTest, DigitKeysCountFromZeroLetterKeysFromOne)
{
    addKeys(10);
    LoadNumKeyboardCharSet();
    ASSERT_EQ(gNumKeyboardCharCount, 10);
    ASSERT_EQ(gNumKeyboardChars.size(), 10u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(gNumKeyboardChars[i].KeyboardID, i + 1);
    EXPECT_EQ(gNumKeyboardChars[0].LetterSound, inFolder(QStringLiteral("/Keys/1.mp3")));
    EXPECT_EQ(gNumKeyboardChars[9].KeyboardCode, QStringLiteral("c10"));

    SetLevel(5);
    {
        schema::Writer writer(folder.levelDatabase(5));
        writer.begin();
        for (int id = 34; id >= 1; --id)
            writer.addKeyboardChar(id, QStringLiteral("c"), QStringLiteral("k%1").arg(id),
                                   db::Variant(), QStringLiteral("\\Keys\\%1.mp3").arg(id));
        writer.commit();
    }
    LoadKeyboardCharSet();
    EXPECT_TRUE(gErrMsg.isEmpty()) << gErrMsg.toStdString();
    ASSERT_EQ(gKeyboardCharCount, 34);
    ASSERT_EQ(gKeyboardChars.size(), 35u);
    for (int i = 1; i <= 34; ++i)
        EXPECT_EQ(gKeyboardChars[i].KeyboardID, i);
    EXPECT_EQ(gKeyboardChars[34].KeyboardCharacter, QStringLiteral("k34"));
    EXPECT_EQ(gKeyboardChars[1].LetterPicture, folder.path());
    // The digit keys read before are still in place.
    EXPECT_EQ(gNumKeyboardCharCount, 10);
}

TEST_F(ReadersTest, UnopenableLevelDatabaseKeepsThePreviousRead)
{
    addKeys(3);
    LoadKeyboardCharSet();
    ASSERT_EQ(gKeyboardCharCount, 3);

    SetLevel(40);
    LoadKeyboardCharSet();
    EXPECT_TRUE(gErrMsg.startsWith(QStringLiteral("Error No=53\r"))) << gErrMsg.toStdString();
    EXPECT_EQ(gKeyboardCharCount, 3);
    ASSERT_EQ(gKeyboardChars.size(), 4u);
    EXPECT_EQ(gKeyboardChars[3].KeyboardID, 3);
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
}

} // namespace
