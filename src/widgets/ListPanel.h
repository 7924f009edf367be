#pragma once

#include "DesignView.h"

class CheckList;
class QPushButton;

// A panel that fills its parent: one button as a strip along the top and a check-mark list under it.
class ListPanel final : public DesignView
{
    Q_OBJECT

public:
    struct Parts
    {
        QString name;
        QSizeF designSize;
        QString buttonName;
        QString caption;
        qreal stripHeight;
        QString listName;
        bool highlight = false;
    };

    explicit ListPanel(const Parts& parts, QWidget* parent = nullptr);
    // A panel kept out of sight until its screen opens it.
    static ListPanel* createHidden(const Parts& parts);

    QPushButton* button() const { return m_button; }
    CheckList* list() const { return m_list; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* m_button;
    CheckList* m_list;
};
