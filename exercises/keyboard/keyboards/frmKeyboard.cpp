#include "exercises/keyboard/keyboards/frmKeyboard.h"

#include "exercises/keyboard/keyboards/KeyCells.h"
#include "exercises/keyboard/keyboards/KeyboardForms.h"
#include "exercises/keyboard/keyboards/clsGujKeyboard.h"
#include "exercises/keyboard/keyboards/clsGujNumKeyboard.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Screen.h"
#include "platform/services/Yield.h"
#include "shell/Guarded.h"

#include <QPointer>

#include <algorithm>
#include <cmath>

namespace {

constexpr quint32 LitKey = 0xC0FFFF;
constexpr quint32 PlainKey = 0xE0E0E0;
constexpr int Inset = 1;
constexpr int Raised = 2;

// A place on the screen: not past far - size where it fits, and never before
// the screen's near edge, which matters more (a title bar must stay in reach).
int keepOnScreen(float place, int screenSize, int size)
{
    const long wanted = std::lround(place);
    return int(std::max(0L, std::min(wanted, long(screenSize - size))));
}

} // namespace

frmKeyboard::frmKeyboard(const keyboards::KeyboardForm &design, QWidget *parent)
    : Form(QString::fromLatin1(design.name), parent)
    , m_design(design)
{
    createControls();
}

frmKeyboard::~frmKeyboard() = default;

void frmKeyboard::AttachFormControl(const QString &vstrForm)
{
    mstrParentForm = vstrForm;
    mintCurrentKeyIdx = -1;
}

void frmKeyboard::Form_Load()
{
    guarded([this] {
        LetterSound->setVisible(false);
        setCaption(QString::fromLatin1(m_design.caption));
        ResetKeyboard();
        mblnAcceptKey = true;
    });
}

void frmKeyboard::Form_QueryUnload(bool &Cancel, int UnloadMode)
{
    // The keyboard closes with its exercise window (or when the exercise
    // unloads it), never on its own: the exercise would lose its keys.
    if (UnloadMode == forms::ControlMenuClose)
        Cancel = true;
}

void frmKeyboard::ResetKeyboard()
{
    if (mintHighlightedKey >= 0)
        plainKey(mintHighlightedKey);
    mintHighlightedKey = -1;
    if (m_design.keySet == keyboards::KeySet::Letters) {
        m_letterLoader = std::make_unique<clsGujKeyboard>();
        m_letterLoader->LoadKeyboardLetters(*this, false);
    } else {
        m_digitLoader = std::make_unique<clsGujNumKeyboard>();
        m_digitLoader->LoadNumKeyboardLetters(*this, false);
    }
    cmdUndo->hide();
}

forms::Form *frmKeyboard::parentForm() const
{
    if (!m_design.serves(mstrParentForm.toUtf8().constData()))
        return nullptr;
    return forms::Forms::find(mstrParentForm);
}

keyboards::KeyCells *frmKeyboard::parentCells() const
{
    return dynamic_cast<keyboards::KeyCells *>(parentForm());
}

void frmKeyboard::PositionForm()
{
    forms::Form *parent = parentForm();
    if (parent == nullptr)
        return;
    const int screenWidth = forms::Screen::Width();
    const int screenHeight = forms::Screen::Height();
    // Side by side and centred, then kept on the screen: on a small screen
    // the keyboard rather covers the parent's right edge than loses keys.
    parent->setLeft(keepOnScreen(float(screenWidth - (Width() + parent->Width())) / 2.0f,
                                 screenWidth, parent->Width()));
    parent->setTop(keepOnScreen(float(screenHeight - parent->Height()) / 2.0f, screenHeight,
                                parent->Height()));
    const QSize outer = expectedOuterSize(*parent);
    setLeft(keepOnScreen(float(parent->Left() + parent->Width()), screenWidth, outer.width()));
    setTop(keepOnScreen(float(parent->Top()) + float(parent->Height()) / 3.0f, screenHeight,
                        outer.height()));
}

QSize frmKeyboard::expectedOuterSize(const forms::Form &parent) const
{
    if (isVisible())
        return {Width(), Height()};
    // The window system tells a frame only once the window shows; the
    // parent's frame is the nearest guess until then.
    return {ScaleWidth() + parent.Width() - parent.ScaleWidth(),
            ScaleHeight() + parent.Height() - parent.ScaleHeight()};
}

void frmKeyboard::ImgLetter_Click(int Index)
{
    mblnAcceptKey = mintCurrentKeyIdx < m_design.cells - 1;
    if (!mblnAcceptKey)
        return;
    ++mintCurrentKeyIdx;
    if (keyboards::KeyCells *cells = parentCells();
        cells != nullptr && mintCurrentKeyIdx < cells->keyCellCount()) {
        cells->setKeyCell(mintCurrentKeyIdx, ImgLetter.at(std::size_t(Index))->pixmap(),
                          QString::number(m_design.keyNumber(Index)));
    }
    cmdUndo->setVisible(mintCurrentKeyIdx >= 0);

    mintHighlightedKey = Index;
    litKey(Index);
    // The exercise may unload this keyboard (marking, leaving) in the yield
    // or during the pause and have it deleted: from then on nothing here may
    // be touched.
    const QPointer<frmKeyboard> alive(this);
    const auto gone = [&alive] { return alive.isNull() || alive->isUnloaded(); };
    services::DoEvents();
    if (gone())
        return;
    services::Sleep(m_highlightPause);
    if (gone())
        return;
    plainKey(Index);
}

void frmKeyboard::cmdUndo_Click()
{
    if (mintCurrentKeyIdx < 0)
        return;
    if (keyboards::KeyCells *cells = parentCells();
        cells != nullptr && mintCurrentKeyIdx < cells->keyCellCount()) {
        cells->clearKeyCell(mintCurrentKeyIdx);
    }
    --mintCurrentKeyIdx;
    cmdUndo->setVisible(mintCurrentKeyIdx >= 0);
    mblnAcceptKey = true;
}

void frmKeyboard::LetterSound_PlayFinished()
{
    LetterSound->Close();
}

void frmKeyboard::litKey(int Index)
{
    controls::SSPanel *key = pnlLetter.at(std::size_t(Index));
    key->setBevelOuter(Inset);
    key->setBevelSecond(Raised);
    key->setBackColor(LitKey);
    key->Refresh();
}

void frmKeyboard::plainKey(int Index)
{
    controls::SSPanel *key = pnlLetter.at(std::size_t(Index));
    key->setBevelOuter(Inset);
    key->setBevelSecond(Raised);
    key->setBackColor(PlainKey);
}

QString frmKeyboard::keyTag(int key) const
{
    return m_keyTags.at(std::size_t(key));
}

int frmKeyboard::keyCount() const
{
    return int(ImgLetter.size());
}

void frmKeyboard::setKeyPicture(int key, const QPixmap &picture)
{
    ImgLetter.at(std::size_t(key))->setPixmap(picture);
}

void frmKeyboard::setKeyTag(int key, const QString &tag)
{
    m_keyTags.at(std::size_t(key)) = tag;
}
