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

    QLabel* Label15() const { return m_label15; }
    RedKey* button39() const { return m_button39; }
    // course 1 "Envoyer les boissons" to 7 "Envoyer les desserts"
    RedKey* btn_env(int course) const { return m_btnEnv.at(course - 1); }

    // "Tout envoyer en préparation" and the keys of these courses only.
    void offerCourses(const QList<int>& courses);

private:
    QLabel* m_label15;
    RedKey* m_button39;
    std::array<RedKey*, Limits::Courses> m_btnEnv{};
};
