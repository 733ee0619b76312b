#include "platform/forms/Forms.h"

#include "tests/platform/forms/SampleForm.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using forms::Forms;

TEST(Forms, FindsALoadedFormByItsExactNameAndForgetsItAtUnload)
{
    SampleForm exercise(QStringLiteral("frmLevel10"));
    EXPECT_EQ(Forms::find(QStringLiteral("frmLevel10")), nullptr); // not loaded yet
    exercise.Load();
    EXPECT_EQ(Forms::find(QStringLiteral("frmLevel10")), &exercise);
    EXPECT_EQ(Forms::find<SampleForm>(QStringLiteral("frmLevel10")), &exercise);
    EXPECT_EQ(Forms::find(QStringLiteral("frmlevel10")), nullptr);
    EXPECT_EQ(Forms::find(QStringLiteral("frmLevel12")), nullptr);

    exercise.Show();
    exercise.Hide();
    EXPECT_EQ(Forms::find(QStringLiteral("frmLevel10")), &exercise); // hidden is still loaded

    exercise.Unload();
    EXPECT_EQ(Forms::find(QStringLiteral("frmLevel10")), nullptr);
    EXPECT_FALSE(Forms::loaded().contains(&exercise));
}

TEST(Forms, AFormCanFindItselfWhileItLoads)
{
    class SelfFinding : public SampleForm
    {
    public:
        SelfFinding()
            : SampleForm(QStringLiteral("frmLevel12"))
        {}
        forms::Form *found = nullptr;

    protected:
        void Form_Load() override { found = Forms::find(QStringLiteral("frmLevel12")); }
    };
    SelfFinding form;
    form.Load();
    EXPECT_EQ(form.found, &form);
    form.Unload();
}

TEST(Forms, KeepsLoadOrderAndForgetsADestroyedForm)
{
    auto splash = std::make_unique<SampleForm>(QStringLiteral("frmSplash"));
    SampleForm main(QStringLiteral("frmMain"));
    splash->Load();
    main.Load();
    EXPECT_EQ(Forms::loaded(), (QList<forms::Form *>{splash.get(), &main}));

    splash.reset(); // destroyed while loaded
    EXPECT_EQ(Forms::find(QStringLiteral("frmSplash")), nullptr);
    EXPECT_EQ(Forms::loaded(), QList<forms::Form *>{&main});
    main.Unload();
    EXPECT_TRUE(Forms::loaded().isEmpty());
}

TEST(Forms, TheLatestLoadedOfTwoFormsWithOneNameIsFound)
{
    SampleForm first(QStringLiteral("frmNewUser"));
    SampleForm second(QStringLiteral("frmNewUser"));
    first.Load();
    second.Load();
    EXPECT_EQ(Forms::find(QStringLiteral("frmNewUser")), &second);
    second.Unload();
    EXPECT_EQ(Forms::find(QStringLiteral("frmNewUser")), &first);
    first.Unload();
}

} // namespace
