#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace maths {

// The sums of one maths test (levels 21 to 25), owned by the maths window:
// drawn under the rule of the test's stage, with their correct answers and
// the digit strings that the number panels show. Knows no widget.
//
// A sum that the rule of stage 3, 4 or 5 refuses yields to the message loop
// once (the hourglass shows meanwhile), so a click can run in the middle of
// a draw. The window holds such input off by testing isDrawing(): while it
// is true, "&Start Test" and "&Main Menu" do nothing and Form_QueryUnload
// cancels the close box. drawingChanged() tells it when to disable and
// enable its buttons, if it wants that seen. A GenerateQuestions that comes
// during a draw is refused and leaves the set being drawn alone; a
// generator deleted during a draw ends it there.
class MathsQuestions final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MathsQuestions)

public:
    // Values uniform in [0, 1); by default from the run's one draw generator.
    using Uniform = std::function<double()>;

    explicit MathsQuestions(Uniform uniform = {}, QObject *parent = nullptr);

    // A complete new set of mintQuestionCount sums for NumberStage (1 plus,
    // 2 minus, 3 multiplication, 4 division, 5 all), operands 1 to
    // MAX_WORDS, replacing the previous set; true when drawn. False with
    // every element 0 when no set can be drawn: a stage outside 1 to 5, a
    // MAX_WORDS not above mintQuestionCount, or operands left outside the
    // full pools that make no further sum of the stage. False with the set
    // untouched when a draw is already running.
    bool GenerateQuestions(int NumberStage, int MAX_WORDS, int mintQuestionCount);

    bool isDrawing() const { return m_drawing; }

    // Question i (0 first) of the current set; 0 for no such question.
    int CorrectAnswer(int i) const;      // by its operator code: 0 in stages 1 to 4
    int StageAnswer(int i) const;        // by the stage: what the answer panel shows
    QString OperatorSymbol(int i) const; // "" in stages 1 to 4 and for no such question

    // The decimal digits of n (0 or more) in ASCII, no sign, no leading zero.
    static QString DigitString(int n);

    // The set as drawn: operands, operator codes (stage 5 only, else 0) and
    // the pools of operands handed out, element 0 for slot 1, 0 for free.
    int stage() const { return m_stage; }
    int questionCount() const { return int(m_first.size()); }
    const std::vector<int> &mintFirstOperand() const { return m_first; }
    const std::vector<int> &mintSecondOperand() const { return m_second; }
    const std::vector<int> &mintQuestionOperator() const { return m_operator; }
    const std::vector<int> &mintFirstOperandPool() const { return m_firstPool; }
    const std::vector<int> &mintSecondOperandPool() const { return m_secondPool; }

signals:
    void drawingChanged(bool drawing);

private:
    enum class Outcome
    {
        Complete,
        Hopeless,
        Destroyed,
    };

    Outcome drawSet();
    int DrawUniqueFirstOperand();
    int DrawUniqueSecondOperand();
    int DrawOperator();
    int drawUnique(std::vector<int> &pool);
    int drawFromOneTo(int n);
    bool repeatsEarlier(int i) const;
    bool poolsFull() const;
    bool canStillAsk(int i, int code) const;
    void setDrawing(bool drawing);
    void empty(int count);
    bool has(int i) const { return i >= 0 && i < questionCount(); }

    Uniform m_uniform;
    bool m_drawing = false;
    int m_stage = 0;
    int m_maxOperand = 0;
    std::vector<int> m_first, m_second, m_operator;
    std::vector<int> m_firstPool, m_secondPool;
};

} // namespace maths
