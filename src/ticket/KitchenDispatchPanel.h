#pragma once

#include "session/Limits.h"
#include "widgets/DesignView.h"

#include <array>

class QLabel;
class RedKey;

// Sending the order to the preparation printers: everything at once, or the one course chosen.
class KitchenDispatchPanel final : public DesignView
{
    Q_OBJECT

public:
    explicit KitchenDispatchPanel(QWidget* parent = nullptr);

    QLabel* titleLabel() const { return m_titleLabel; }
    RedKey* sendAllKey() const { return m_sendAllKey; }
    // course 1 "Envoyer les boissons" to 7 "Envoyer les desserts"
    RedKey* courseKey(int course) const { return m_courseKeys.at(course - 1); }

    // "Tout envoyer en préparation" and the keys of these courses only.
    void offerCourses(const QList<int>& courses);

private:
    QLabel* m_titleLabel;
    RedKey* m_sendAllKey;
    std::array<RedKey*, Limits::Courses> m_courseKeys{};
};
