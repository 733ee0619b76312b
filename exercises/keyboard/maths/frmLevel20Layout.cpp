// The maths window's controls, placed as designed (twips).
#include "exercises/keyboard/maths/frmLevel20.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/core/Twips.h"
#include "platform/text/KeyText.h"

namespace {

constexpr int ClientWidth = 7845;
constexpr quint32 BackColor = 0xC0E0FF;
constexpr int PanelWidth = 735;
constexpr int PanelHeight = 495;
// pnlNumber(0), Symbol(0), pnlNumber(1), Symbol(1), pnlNumber(2).
constexpr std::array<int, 3> NumberLeft{840, 2280, 3960};
constexpr std::array<int, 2> SymbolLeft{1560, 3120};
constexpr int AnswerLeft = 5400;
constexpr int MarkLeft = 6240;
constexpr int MarkSize = 480;

QFont rowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(20.25);
    font.setBold(true);
    return font;
}

controls::SSPanel *makeRowPanel(QWidget *parent, int left, int row, bool number)
{
    controls::SSPanel *panel =
        words::makePanel(parent, left, words::rowTop(row), PanelWidth, PanelHeight, BackColor);
    panel->setFont(rowFont());
    if (number)
        panel->setFontName(text::KeyFontName);
    panel->hide();
    return panel;
}

} // namespace

void frmLevel20::createControls()
{
    words::setUpWindow(*this, ClientWidth);
    setCaption(QStringLiteral("Number Exercise"));

    lblHeading = words::makeLabel(this, QStringLiteral("Number Exercise"), 0, 240, 7725, 420,
                                  words::headingFont());
    lblHeading->setAlignment(Qt::AlignCenter);
    lblTest = words::makeLabel(this, QStringLiteral("Test for Number 1 of 10"), 120, 720, 7725, 420,
                               words::headingFont());
    // Text from the top: the progress line keeps the start text's height and
    // would otherwise run into the typing cells below it.
    lblTest->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblTest->setWordWrap(true);
    // The label stands 120 twips in and reaches the window's right edge: as
    // much room on the right centres its lines on the window, and a start
    // text that would run to the edge wraps.
    lblTest->setContentsMargins(0, 0, platform::toPixels(lblTest->Left()), 0);
    lblTest->hide();
    lblAnswer = words::makeLabel(this, QStringLiteral("Answer"), 5040, 1680, 2685, 420,
                                 words::headingFont());
    lblAnswer->setAlignment(Qt::AlignCenter);
    lblAnswer->hide();

    words::createTypedCells(*this, 3240);

    for (int r = 0; r < Questions; ++r) {
        const auto k = std::size_t(r);
        const bool last = r == Questions - 1;
        lblWord[k] = words::makeLabel(this, QStringLiteral("%1.").arg(r + 1), last ? 30 : 240,
                                      words::rowTop(r), last ? 615 : 375, PanelHeight, rowFont());
        lblWord[k]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        lblWord[k]->hide();
        for (std::size_t j = 0; j < NumberLeft.size(); ++j)
            pnlNumber[k][j] = makeRowPanel(this, NumberLeft[j], r, true);
        for (std::size_t j = 0; j < SymbolLeft.size(); ++j)
            pnlNumberSymbol[k][j] = makeRowPanel(this, SymbolLeft[j], r, false);
        pnlNumberSymbol[k][0]->setCaption(QStringLiteral("+"));
        pnlNumberSymbol[k][1]->setCaption(QStringLiteral("="));
        pnlAnswer[k] = makeRowPanel(this, AnswerLeft, r, true);
        imgMarked[k] = new Image(this);
        imgMarked[k]->setScaledContents(true);
        imgMarked[k]->Move(MarkLeft, words::rowTop(r), MarkSize, MarkSize);
        imgMarked[k]->hide();
    }

    cmdExit = words::makeButton(this, QStringLiteral("&Main Menu"), 1920);
    cmdStartTest = words::makeButton(this, QStringLiteral("&Start Test"), 4560);
    cmdNextWord = words::makeButton(this, QStringLiteral("&Next Test"), 4560);
    cmdNextWord->hide();
    cmdMarkTest = words::makeButton(this, QStringLiteral("&Mark Test"), 4560);
    cmdMarkTest->hide();
    cmdStartNewTest = words::makeButton(this, QStringLiteral("Start &New Test"), 4320, 1815);
    cmdStartNewTest->hide();

    m_test.connectButtons();
}
