#include "tests/support/PlannedMedia.h"

#include "course/coursegen/CourseMedia.h"
#include "course/coursegen/CoursePlan.h"
#include "course/coursegen/CourseTables.h"
#include "course/coursegen/Manifest.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

void writePlannedMedia(const QString &folder, coursegen::MediaKind kind)
{
    const coursegen::CoursePlan plan =
        coursegen::CoursePlan::make(coursegen::CourseTables::load(OSTRANA_COURSE_TABLES));
    int written = 0;
    for (const coursegen::MediaJob &job : plan.media) {
        if (job.kind != kind)
            continue;
        const QString file = coursegen::localFile(folder, job.storedPath);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath())) << file.toStdString();
        coursegen::makeCourseMedium(job, file);
        ++written;
    }
    ASSERT_GT(written, 0) << "the plan has no file of this kind";
}
