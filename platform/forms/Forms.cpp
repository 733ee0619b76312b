#include "platform/forms/Forms.h"

#include "platform/forms/Form.h"

namespace forms {
namespace {

QList<Form *> &registry()
{
    static QList<Form *> forms;
    return forms;
}

} // namespace

Form *Forms::find(const QString &name)
{
    const QList<Form *> &forms = registry();
    for (auto it = forms.crbegin(); it != forms.crend(); ++it) {
        if ((*it)->Name() == name)
            return *it;
    }
    return nullptr;
}

QList<Form *> Forms::loaded()
{
    return registry();
}

void Forms::add(Form *form)
{
    if (!registry().contains(form))
        registry().append(form);
}

void Forms::remove(Form *form)
{
    registry().removeAll(form);
}

} // namespace forms
