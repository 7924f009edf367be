#pragma once

#include "widgets/DesignView.h"

class QLineEdit;
class QPushButton;
class RedKey;

// A free-text message to the register's screen or its preparation printers.
class MessageView final : public DesignView
{
    Q_OBJECT

public:
    explicit MessageView(QWidget* parent = nullptr);

    QPushButton* CornerButton4() const { return m_cornerButton4; }
    QLineEdit* Edit4() const { return m_edit4; }
    RedKey* cornerbutton2() const { return m_cornerbutton2; }
    RedKey* cornerbutton3() const { return m_cornerbutton3; }

    // Lays the box and the keys out for the window's size, empties the box and shows the view with the box focused.
    void open();
    QString text() const;
    void clearText();

private:
    QPushButton* m_cornerButton4;
    QLineEdit* m_edit4;
    RedKey* m_cornerbutton2;
    RedKey* m_cornerbutton3;
};
