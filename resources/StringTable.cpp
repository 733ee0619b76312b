#include "resources/StringTable.h"

namespace resources {

QString LoadResString(int id)
{
    switch (id) {
    case 101:
        return QStringLiteral(
            "Username %s does not exist. Please create the user by pressing the New button.");
    case 102:
        return QStringLiteral("Password is incorrect. Please try again.");
    case 103:
        return QStringLiteral("Failed to add user.");
    case 104:
        return QStringLiteral("Username %s already exist. Please choose a different username.");
    case 105:
        return QStringLiteral("Username cannot be blank. Please type a username.");
    case 106:
        return QStringLiteral("You Have Sucessfully Completed Level %s.");
    case 107:
        return QStringLiteral("Sorry The Order You Have Selected is Incorrect. Please Try Again.");
    case 108:
        return QStringLiteral("You Have One Final Chance to Select The Correct Order.");
    case 109:
        return QStringLiteral("Sorry You Have Failed The Test On This Occasion. Please Go Back "
                              "To The Start of this Level.");
    case 110:
        return QStringLiteral("No Letters exists in the file");
    case 111:
        return QStringLiteral("System Information Is Unavailable At This Time");
    case 112:
        return QStringLiteral(
            "By exiting will result in you failing the test and therefore will be forced to an "
            "appropriate level. Are you sure that you want to exit the test?");
    case 113:
        return QStringLiteral("By exiting will result in you failing the test. Are you sure?");
    case 114:
        return QStringLiteral("No configuration record found in the file");
    case 115:
        return QStringLiteral("No Exam Table found");
    default:
        return {};
    }
}

} // namespace resources
