#pragma once

#include <QColor>

// The few colours every picture of the course is painted with, so the set looks like one
// family and each GIF's palette stays small.
namespace pictures::colours {

inline const QColor Card{255, 255, 255};         // pictures' own background
inline const QColor LessonWindow{192, 192, 255}; // &HFFC0C0, the letter lesson
inline const QColor InfoWindow{255, 224, 192};   // &HC0E0FF, information screen and tests
inline const QColor Letter{28, 48, 150};         // the letter itself: deep blue
inline const QColor LetterOutline{200, 40, 90};  // the pen writing a letter: raspberry
inline const QColor Placeholder{160, 160, 185};  // the dotted circle under a vowel sign
inline const QColor Guide{196, 208, 240};        // tracing guide fill
inline const QColor GuideFaint{232, 236, 250};   // body of a dotted guide
inline const QColor GuideLine{120, 140, 200};    // tracing guide outline
inline const QColor StartDot{40, 170, 70};       // where to begin tracing
inline const QColor Word{120, 30, 120};          // word strips
inline const QColor Sweep{255, 140, 0};          // the colour that sweeps over a word
inline const QColor CardEdge{150, 150, 210};     // thin frame of a card

} // namespace pictures::colours
