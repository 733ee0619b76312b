#pragma once

// The ids of the course's message texts in the string table, by meaning.
namespace resources::str {
constexpr int NoSuchUser = 101;         // "Username %s does not exist. ..."
constexpr int WrongPassword = 102;      // "Password is incorrect. ..."
constexpr int AddUserFailed = 103;      // "Failed to add user."
constexpr int UserNameTaken = 104;      // "Username %s already exist. ..."
constexpr int BlankUserName = 105;      // "Username cannot be blank. ..."
constexpr int LevelCompleted = 106;     // "You Have Sucessfully Completed Level %s."
constexpr int WrongOrder = 107;         // "Sorry The Order You Have Selected is Incorrect. ..."
constexpr int FinalChance = 108;        // "You Have One Final Chance to Select The Correct Order."
constexpr int TestFailed = 109;         // "Sorry You Have Failed The Test On This Occasion. ..."
constexpr int NoLetters = 110;          // "No Letters exists in the file"
constexpr int SysInfoUnavailable = 111; // "System Information Is Unavailable At This Time"
constexpr int ExitTestMovesLevel = 112; // "By exiting will result in you failing the test and ..."
constexpr int ExitTestFails = 113;      // "By exiting will result in you failing the test. ..."
constexpr int NoConfiguration = 114;    // "No configuration record found in the file"
constexpr int NoExamTable = 115;        // "No Exam Table found"
} // namespace resources::str
