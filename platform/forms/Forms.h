#pragma once

#include <QList>
#include <QString>

namespace forms {

class Form;

// The forms that are loaded now, by form name. A window finds another by the
// name it was designed with ("frmLevel10"); names are compared exactly.
class Forms final
{
public:
    Forms() = delete;

    // The loaded form of that name (the latest loaded, should there be two),
    // or nullptr.
    static Form *find(const QString &name);

    template <typename T> static T *find(const QString &name)
    {
        return dynamic_cast<T *>(find(name));
    }

    // Every loaded form, in the order they were loaded.
    static QList<Form *> loaded();

private:
    friend class Form;
    static void add(Form *form);
    static void remove(Form *form);
};

} // namespace forms
