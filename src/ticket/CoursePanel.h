#pragma once

#include "session/Limits.h"
#include "widgets/DesignView.h"

#include <array>

class QLabel;
class RedKey;

// The course an article is to be served as: one key per course, shown only for the courses the
// catalogue allows for that article.
class CoursePanel final : public DesignView
{
    Q_OBJECT

public:
    explicit CoursePanel(QWidget* parent = nullptr);

    QLabel* titleLabel() const { return m_titleLabel; }
    // course 1 "Boissons" to 7 "dessert"
    RedKey* courseKey(int course) const { return m_courseKeys.at(course - 1); }
    // A key for each of these courses and none for the others.
    void offerCourses(const QList<int>& courses);

private:
    QLabel* m_titleLabel;
    std::array<RedKey*, Limits::Courses> m_courseKeys{};
};
